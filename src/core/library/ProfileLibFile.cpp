#include "library/ProfileLibFile.h"

#include "library/ByteCursor.h"
#include "model/AtomicFile.h"
#include "model/Cp1256.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
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

class LibraryReader {
  public:
    LibraryReader(const std::string& bytes, const std::string& fileName)
        : cursor_(bytes), fileName_(fileName) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw FileError("damaged section library " + fileName_ + ": " + what);
    }

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

    double F64(const Place& place) {
        double value = 0;
        if (!cursor_.ReadF64(value))
            Ended(place);
        return value;
    }

    // A length byte and `capacity` character bytes; a length above the capacity means all of them.
    std::string Name(std::size_t capacity, const Place& place) {
        std::string_view field;
        if (!cursor_.ReadBytes(capacity + 1, field))
            Ended(place);
        const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(field[0]), capacity);
        return Cp1256ToUtf8(std::string(field.substr(1, length)));
    }

    std::string_view Bytes(std::size_t count) {
        std::string_view bytes;
        cursor_.ReadBytes(count, bytes); // the caller has checked Remaining()
        return bytes;
    }

    std::size_t Remaining() const { return cursor_.Remaining(); }

  private:
    [[noreturn]] void Ended(const Place& place) const { Fail("the file ends inside the " + Describe(place)); }

    ByteCursor cursor_;
    const std::string& fileName_;
};

void ReadTableHeader(LibraryReader& reader, int t, TSectionTable& table) {
    table.Kind = reader.U8({"kind", t});
    table.TableName = reader.Name(kTableNameField, {"name", t});
    table.RowCount = reader.U8({"row count", t});
    table.ColCount = reader.U8({"column count", t});
    if (table.RowCount > kMaxRows)
        reader.Fail("table " + std::to_string(t) + " announces " + std::to_string(table.RowCount) +
                    " rows (at most " + std::to_string(kMaxRows) + ")");
    if (table.ColCount > kMaxColumns)
        reader.Fail("table " + std::to_string(t) + " announces " + std::to_string(table.ColCount) +
                    " columns (at most " + std::to_string(kMaxColumns) + ")");
    for (int c = 0; c < table.ColCount; ++c)
        table.ColNames[static_cast<std::size_t>(c)] = reader.Name(kColumnNameField, {"name", t, -1, c});
}

void ReadTableData(LibraryReader& reader, int t, TSectionTable& table) {
    for (std::size_t r = 0; r < table.RowCount; ++r) {
        const int row = static_cast<int>(r);
        table.RowNames[r] = reader.Name(kRowNameField, {"name", t, row});
        for (std::size_t c = 0; c < table.ColCount; ++c)
            table.Values[r][c] = reader.F64({"values", t, row});
    }
    const std::int64_t length = reader.I64({"picture length", t});
    if (length < 0)
        reader.Fail("table " + std::to_string(t) + " has a negative picture length (" +
                    std::to_string(length) + ")");
    if (static_cast<std::uint64_t>(length) > reader.Remaining())
        reader.Fail("the picture of table " + std::to_string(t) + " is " + std::to_string(length) +
                    " bytes long but only " + std::to_string(reader.Remaining()) +
                    " bytes are left in the file");
    if (length > 0) {
        const std::string_view bytes = reader.Bytes(static_cast<std::size_t>(length));
        table.Picture = std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
    }
}

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
    LibraryReader reader(bytes, fileName);
    reader.ReadHeader();
    const std::uint8_t tableCount = reader.U8({"table count"});
    if (tableCount > kMaxTables)
        reader.Fail("the file announces " + std::to_string(tableCount) + " tables (at most " +
                    std::to_string(kMaxTables) + ")");
    // Read aside, so that a damaged file leaves the library as it was.
    std::vector<TSectionTable> tables(tableCount);
    for (int t = 0; t < tableCount; ++t)
        ReadTableHeader(reader, t, tables[static_cast<std::size_t>(t)]);
    for (int t = 0; t < tableCount; ++t)
        ReadTableData(reader, t, tables[static_cast<std::size_t>(t)]);
    if (reader.Remaining() > 0)
        reader.Fail(std::to_string(reader.Remaining()) + " unexpected bytes after the last table");

    // Every slot, used or not, starts afresh (pictures included); the selection stays.
    for (std::size_t t = 0; t < kMaxTables; ++t) {
        const std::uint8_t currentRow = lib.Tables[t].CurrentRow;
        if (t < tableCount)
            lib.Tables[t] = std::move(tables[t]);
        else
            lib.Tables[t] = TSectionTable{};
        lib.Tables[t].CurrentRow = currentRow;
    }
    lib.TableCount = tableCount;
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
