#include "library/ProfileLibFile.h"

#include "library/ByteCursor.h"
#include "model/AtomicFile.h"
#include "model/Cp1256.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace orvex {

const std::string kProfileLibHeader = "Orvex Profile Library v1.0";
const std::string kDefaultProfileLibFileName = "OrvexMainProfile.opr";

namespace {

const char kNotALibraryText[] = "فايل كتابخانه مقاطع نمي باشد";

// Characters a name field of the file holds; the in-memory capacity is one more.
constexpr std::size_t kTableNameField = kTableNameCapacity - 1;
constexpr std::size_t kColumnNameField = kColumnNameCapacity - 1;
constexpr std::size_t kRowNameField = kRowNameCapacity - 1;

// ---- reading

// What was being read, for the message when the file ends early. Kept as plain values so that
// the text is only put together when it is needed.
struct Place {
    const char* field;
    int table = -1;
    int row = -1;
    int column = -1;
};

std::string Describe(const Place& place) {
    std::string text = place.field;
    if (place.column >= 0)
        text += " of column " + std::to_string(place.column);
    if (place.row >= 0)
        text += " of row " + std::to_string(place.row);
    if (place.table >= 0)
        text += " of table " + std::to_string(place.table);
    return text;
}

// Walks a library file from its header to its last byte, checking every count and length, and
// hands each field to a sink. The same walk first checks a file with a sink that keeps nothing
// and then stores it, so a damaged file is refused before anything is changed.
class LibraryWalker {
  public:
    LibraryWalker(const std::string& bytes, const std::string& fileName)
        : cursor_(bytes), fileName_(fileName) {}

    template <class Sink> void Walk(Sink& sink) {
        ReadHeader();
        const std::uint8_t tableCount = U8({"table count"});
        if (tableCount > kMaxTables)
            Fail("the file announces " + std::to_string(tableCount) + " tables (at most " +
                 std::to_string(kMaxTables) + ")");
        sink.Tables(tableCount);
        std::array<std::uint8_t, kMaxTables> rows{};
        std::array<std::uint8_t, kMaxTables> columns{};
        for (int t = 0; t < tableCount; ++t) {
            const std::uint8_t kind = U8({"kind", t});
            const std::string_view name = NameField(kTableNameField, {"name", t});
            const std::size_t slot = static_cast<std::size_t>(t);
            rows[slot] = U8({"row count", t});
            columns[slot] = U8({"column count", t});
            if (rows[slot] > kMaxRows)
                Fail("table " + std::to_string(t) + " announces " + std::to_string(rows[slot]) +
                     " rows (at most " + std::to_string(kMaxRows) + ")");
            if (columns[slot] > kMaxColumns)
                Fail("table " + std::to_string(t) + " announces " + std::to_string(columns[slot]) +
                     " columns (at most " + std::to_string(kMaxColumns) + ")");
            sink.Table(slot, kind, name, rows[slot], columns[slot]);
            for (int c = 0; c < columns[slot]; ++c)
                sink.ColumnName(slot, static_cast<std::size_t>(c),
                                NameField(kColumnNameField, {"name", t, -1, c}));
        }
        for (int t = 0; t < tableCount; ++t) {
            const std::size_t slot = static_cast<std::size_t>(t);
            const std::size_t valueBytes = 8 * std::size_t{columns[slot]};
            for (int r = 0; r < rows[slot]; ++r) {
                const std::string_view name = NameField(kRowNameField, {"name", t, r});
                sink.Row(slot, static_cast<std::size_t>(r), name, Bytes(valueBytes, {"values", t, r}));
            }
            const std::int64_t length = I64({"picture length", t});
            if (length < 0)
                Fail("table " + std::to_string(t) + " has a negative picture length (" +
                     std::to_string(length) + ")");
            if (static_cast<std::uint64_t>(length) > cursor_.Remaining())
                Fail("the picture of table " + std::to_string(t) + " is " + std::to_string(length) +
                     " bytes long but only " + std::to_string(cursor_.Remaining()) +
                     " bytes are left in the file");
            sink.Picture(slot, Bytes(static_cast<std::size_t>(length), {"picture", t}));
        }
        if (cursor_.Remaining() > 0)
            Fail(std::to_string(cursor_.Remaining()) + " unexpected bytes after the last table");
    }

  private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw FileError("damaged section library " + fileName_ + ": " + what);
    }
    [[noreturn]] void Ended(const Place& place) const { Fail("the file ends inside the " + Describe(place)); }

    void ReadHeader() {
        std::string_view header;
        const std::size_t available = std::min(cursor_.Remaining(), kProfileLibHeader.size());
        cursor_.ReadBytes(available, header);
        if (header != std::string_view(kProfileLibHeader).substr(0, available))
            throw LibraryHeaderError(fileName_ + "\r" + kNotALibraryText);
        if (available < kProfileLibHeader.size())
            Fail("the file ends inside the header");
    }

    std::uint8_t U8(const Place& place) {
        std::uint8_t value = 0;
        if (!cursor_.ReadU8(value))
            Ended(place);
        return value;
    }

    std::int64_t I64(const Place& place) {
        std::int64_t value = 0;
        if (!cursor_.ReadI64(value))
            Ended(place);
        return value;
    }

    std::string_view Bytes(std::size_t count, const Place& place) {
        std::string_view bytes;
        if (!cursor_.ReadBytes(count, bytes))
            Ended(place);
        return bytes;
    }

    // A length byte and `capacity` character bytes: the name's bytes. A length above the capacity
    // means all of them.
    std::string_view NameField(std::size_t capacity, const Place& place) {
        const std::string_view field = Bytes(capacity + 1, place);
        return field.substr(1, std::min<std::size_t>(static_cast<unsigned char>(field[0]), capacity));
    }

    ByteCursor cursor_;
    const std::string& fileName_;
};

// Keeps nothing: walking with it only checks the file.
struct CheckingSink {
    void Tables(std::size_t) {}
    void Table(std::size_t, std::uint8_t, std::string_view, std::size_t, std::size_t) {}
    void ColumnName(std::size_t, std::size_t, std::string_view) {}
    void Row(std::size_t, std::size_t, std::string_view, std::string_view) {}
    void Picture(std::size_t, std::string_view) {}
};

// Stores a checked file in a library. Every slot starts afresh, pictures included, apart from its
// selected row; the strings keep their storage, which spares allocations when a library is read
// again.
class StoringSink {
  public:
    explicit StoringSink(TProfileLib& lib) : lib_(lib) {}

    void Tables(std::size_t count) {
        lib_.TableCount = static_cast<std::uint8_t>(count);
        for (std::size_t t = count; t < kMaxTables; ++t) {
            TSectionTable& table = lib_.Tables[t];
            table.Kind = pkI;
            table.TableName.clear();
            table.RowCount = 0;
            table.ColCount = 0;
            ClearBeyond(table, 0, 0);
            table.Picture.reset();
        }
    }

    void Table(std::size_t t, std::uint8_t kind, std::string_view name, std::size_t rows,
               std::size_t columns) {
        TSectionTable& table = lib_.Tables[t];
        table.Kind = kind;
        AssignName(table.TableName, name);
        table.RowCount = static_cast<std::uint8_t>(rows);
        table.ColCount = static_cast<std::uint8_t>(columns);
        ClearBeyond(table, rows, columns);
        table.Picture.reset();
    }

    void ColumnName(std::size_t t, std::size_t c, std::string_view name) {
        AssignName(lib_.Tables[t].ColNames[c], name);
    }

    void Row(std::size_t t, std::size_t r, std::string_view name, std::string_view values) {
        TSectionTable& table = lib_.Tables[t];
        AssignName(table.RowNames[r], name);
        double* row = table.Values[r].data();
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(row, values.data(), values.size()); // the file's layout is the memory's
        } else {
            for (std::size_t at = 0; at < values.size(); at += 8) {
                const std::uint64_t bits = LittleEndian(values.data() + at, 8);
                std::memcpy(row + at / 8, &bits, sizeof bits);
            }
        }
    }

    void Picture(std::size_t t, std::string_view bytes) {
        if (bytes.empty())
            return;
        const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.data());
        lib_.Tables[t].Picture =
            std::make_shared<const std::vector<std::uint8_t>>(first, first + bytes.size());
    }

  private:
    static void AssignName(std::string& name, std::string_view bytes) {
        // Most names are plain ASCII, which reads as it stands.
        if (std::all_of(bytes.begin(), bytes.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            name.assign(bytes);
        else
            name = Cp1256ToUtf8(std::string(bytes));
    }

    // Empties the names and zeroes the values that a table of `rows` x `columns` does not fill.
    static void ClearBeyond(TSectionTable& table, std::size_t rows, std::size_t columns) {
        for (std::size_t c = columns; c < kMaxColumns; ++c)
            table.ColNames[c].clear();
        for (std::size_t r = rows; r < kMaxRows; ++r)
            table.RowNames[r].clear();
        if (columns < kMaxColumns)
            for (std::size_t r = 0; r < rows; ++r)
                std::fill(table.Values[r].begin() + static_cast<std::ptrdiff_t>(columns),
                          table.Values[r].end(), 0.0);
        for (std::size_t r = rows; r < kMaxRows; ++r)
            table.Values[r].fill(0.0);
    }

    TProfileLib& lib_;
};

// ---- writing

void AppendU8(std::string& out, std::uint8_t value) {
    out.push_back(static_cast<char>(value));
}

void AppendU64(std::string& out, std::uint64_t value) {
    for (int i = 0; i < 8; ++i, value >>= 8)
        out.push_back(static_cast<char>(value & 0xFF));
}

void AppendF64(std::string& out, double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    AppendU64(out, bits);
}

// The length byte and `capacity` character bytes: the name cut to the capacity, zero bytes after.
// `what` and `owner` name the field in the message.
void AppendName(std::string& out, const std::string& name, std::size_t capacity, const char* what,
                const TSectionTable* owner = nullptr) {
    const std::optional<std::string> encoded = Utf8ToCp1256(FirstCharacters(name, capacity));
    if (!encoded) {
        const std::string ownerText = owner ? " of table \"" + owner->TableName + "\"" : "";
        throw FileError(std::string(what) + " \"" + name + "\"" + ownerText +
                        " has a character that Windows-1256 cannot hold");
    }
    const std::size_t length = std::min(encoded->size(), capacity);
    AppendU8(out, static_cast<std::uint8_t>(length));
    out.append(*encoded, 0, length);
    out.append(capacity - length, '\0');
}

void CheckCapacities(const TProfileLib& lib) {
    if (lib.TableCount > kMaxTables)
        throw FileError("the library has " + std::to_string(lib.TableCount) + " tables (at most " +
                        std::to_string(kMaxTables) + ")");
    for (std::size_t t = 0; t < lib.TableCount; ++t) {
        const TSectionTable& table = lib.Tables[t];
        if (table.RowCount > kMaxRows)
            throw FileError("table \"" + table.TableName + "\" has " + std::to_string(table.RowCount) +
                            " rows (at most " + std::to_string(kMaxRows) + ")");
        if (table.ColCount > kMaxColumns)
            throw FileError("table \"" + table.TableName + "\" has " + std::to_string(table.ColCount) +
                            " columns (at most " + std::to_string(kMaxColumns) + ")");
    }
}

} // namespace

std::string SerializeProfileLib(const TProfileLib& lib) {
    CheckCapacities(lib);
    std::string out = kProfileLibHeader;
    AppendU8(out, lib.TableCount);
    for (std::size_t t = 0; t < lib.TableCount; ++t) {
        const TSectionTable& table = lib.Tables[t];
        AppendU8(out, table.Kind);
        AppendName(out, table.TableName, kTableNameField, "table name");
        AppendU8(out, table.RowCount);
        AppendU8(out, table.ColCount);
        for (std::size_t c = 0; c < table.ColCount; ++c)
            AppendName(out, table.ColNames[c], kColumnNameField, "column name", &table);
    }
    for (std::size_t t = 0; t < lib.TableCount; ++t) {
        const TSectionTable& table = lib.Tables[t];
        for (std::size_t r = 0; r < table.RowCount; ++r) {
            AppendName(out, table.RowNames[r], kRowNameField, "row name", &table);
            for (std::size_t c = 0; c < table.ColCount; ++c)
                AppendF64(out, table.Values[r][c]);
        }
        const std::size_t pictureSize = table.Picture ? table.Picture->size() : 0;
        AppendU64(out, pictureSize);
        if (pictureSize > 0)
            out.append(table.Picture->begin(), table.Picture->end());
    }
    return out;
}

void ParseProfileLib(const std::string& bytes, const std::string& fileName, TProfileLib& lib) {
    CheckingSink check;
    LibraryWalker(bytes, fileName).Walk(check);
    StoringSink store(lib);
    LibraryWalker(bytes, fileName).Walk(store);
}

void LoadProfileLib(TProfileLib& lib) {
    if (lib.FileName.empty())
        lib.FileName = kDefaultProfileLibFileName;
    ParseProfileLib(ReadWholeFile(lib.FileName), lib.FileName, lib);
}

void SaveProfileLib(const TProfileLib& lib) {
    std::string bytes;
    try {
        bytes = SerializeProfileLib(lib);
    } catch (const FileError& e) {
        throw FileError("cannot save " + lib.FileName + ": " + e.what());
    }
    WriteFileAtomically(lib.FileName, bytes);
}

} // namespace orvex
