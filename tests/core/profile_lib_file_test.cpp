#include "LibraryTestSupport.h"

#include "library/ProfileLibFile.h"
#include "model/Cp1256.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>

using namespace orvex;
using namespace orvex::test;

namespace {

const std::string kNotALibrary = "فايل كتابخانه مقاطع نمي باشد";

std::unique_ptr<TProfileLib> NewLibrary() {
    return std::make_unique<TProfileLib>();
}

void SetColumns(TSectionTable& table, std::initializer_list<const char*> names) {
    table.ColCount = 0;
    for (const char* name : names)
        table.ColNames[table.ColCount++] = name;
}

void AddRow(TSectionTable& table, const std::string& name, std::initializer_list<double> values) {
    std::size_t c = 0;
    for (const double value : values)
        table.Values[table.RowCount][c++] = value;
    table.RowNames[table.RowCount++] = name;
}

// One table of kind pkU named "T": column "d", row "R1" with d = 1.5, a 4-byte picture "BM12".
std::unique_ptr<TProfileLib> TinyLibrary() {
    auto lib = NewLibrary();
    lib->TableCount = 1;
    TSectionTable& table = lib->Tables[0];
    table.Kind = pkU;
    table.TableName = "T";
    SetColumns(table, {"d"});
    AddRow(table, "R1", {1.5});
    table.Picture = PictureOf("BM12");
    return lib;
}

// Offsets in the file of TinyLibrary().
constexpr std::size_t kTableCountAt = 26;
constexpr std::size_t kTableNameAt = 28;
constexpr std::size_t kRowCountAt = 58;
constexpr std::size_t kColCountAt = 59;
constexpr std::size_t kColumnNameAt = 60;
constexpr std::size_t kRowNameAt = 65;
constexpr std::size_t kPictureLengthAt = 93;

// Three tables: rows and columns with a picture, a Persian name with columns but no rows and an
// empty picture, rows without columns.
std::unique_ptr<TProfileLib> SampleLibrary() {
    auto lib = NewLibrary();
    lib->TableCount = 3;
    TSectionTable& ipe = lib->Tables[0];
    ipe.Kind = pkI;
    ipe.TableName = "IPE";
    SetColumns(ipe, {"d", "bf", "tw", "Ix"});
    AddRow(ipe, "IPE100", {10, 5.5, 0.41, 171});
    AddRow(ipe, "IPE120", {12, 6.4, 0.44, 317.8});
    AddRow(ipe, "IPE140", {-0.0, 1e-300, 6.02e23, 1.0 / 3.0});
    ipe.Picture = PictureOf(MakeBmp(4, 4));
    TSectionTable& angles = lib->Tables[1];
    angles.Kind = pkL;
    angles.TableName = "نبشي بال مساوي";
    SetColumns(angles, {"d", "bf"});
    angles.Picture = PictureOf("");
    TSectionTable& box = lib->Tables[2];
    box.Kind = 9; // a code no window offers, carried unchanged
    box.TableName = "BOX";
    AddRow(box, "قوطي ۱۰۰", {});
    box.Picture = PictureOf(MakeBmp(2, 3));
    return lib;
}

std::string Field(const std::string& text, std::size_t capacity) {
    std::string field(1, static_cast<char>(text.size()));
    field += text;
    field.append(capacity - text.size(), '\0');
    return field;
}

std::string Int64(std::int64_t value) {
    std::string bytes;
    auto bits = static_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i, bits >>= 8)
        bytes.push_back(static_cast<char>(bits & 0xFF));
    return bytes;
}

std::string WithInt64(std::string bytes, std::size_t at, std::int64_t value) {
    bytes.replace(at, 8, Int64(value));
    return bytes;
}

std::string WithByte(std::string bytes, std::size_t at, unsigned char value) {
    bytes[at] = static_cast<char>(value);
    return bytes;
}

TEST(ProfileLibFileTest, WritesTheExactFileFormat) {
    std::string expected = "Orvex Profile Library v1.0";
    expected += '\x01';                     // table count
    expected += '\x01';                     // kind pkU
    expected += Field("T", 29);             // table name
    expected += std::string("\x01\x01", 2); // rows, columns
    expected += Field("d", 4);
    expected += Field("R1", 19);
    expected += std::string("\0\0\0\0\0\0\xF8\x3F", 8); // 1.5
    expected += Int64(4);
    expected += "BM12";

    const auto lib = TinyLibrary();
    ASSERT_EQ(SerializeProfileLib(*lib), expected);
    EXPECT_EQ(expected[kPictureLengthAt], '\x04');

    auto read = NewLibrary();
    ParseProfileLib(expected, "tiny.opr", *read);
    ASSERT_EQ(read->TableCount, 1);
    const TSectionTable& table = read->Tables[0];
    EXPECT_EQ(table.Kind, pkU);
    EXPECT_EQ(table.TableName, "T");
    EXPECT_EQ(table.RowCount, 1);
    EXPECT_EQ(table.ColCount, 1);
    EXPECT_EQ(table.ColNames[0], "d");
    EXPECT_EQ(table.RowNames[0], "R1");
    EXPECT_EQ(table.Values[0][0], 1.5);
    ASSERT_TRUE(table.Picture);
    EXPECT_EQ(std::string(table.Picture->begin(), table.Picture->end()), "BM12");
}

TEST(ProfileLibFileTest, SavingALoadedFileReproducesItByteForByte) {
    TempDir dir;
    const std::string original = SerializeProfileLib(*SampleLibrary());
    WriteFile(dir.File("in.opr"), original);

    auto lib = NewLibrary();
    lib->FileName = dir.File("in.opr");
    LoadProfileLib(*lib);
    lib->FileName = dir.File("out.opr");
    SaveProfileLib(*lib);
    EXPECT_EQ(ReadFile(dir.File("out.opr")), original);

    // The content arrived, not just the bytes: names in UTF-8, values bit for bit, pictures.
    ASSERT_EQ(lib->TableCount, 3);
    const auto sample = SampleLibrary();
    for (std::size_t t = 0; t < 3; ++t) {
        SCOPED_TRACE(t);
        const TSectionTable& got = lib->Tables[t];
        const TSectionTable& want = sample->Tables[t];
        EXPECT_EQ(got.Kind, want.Kind);
        EXPECT_EQ(got.TableName, want.TableName);
        EXPECT_EQ(got.ColNames, want.ColNames);
        ASSERT_EQ(got.RowCount, want.RowCount);
        for (std::size_t r = 0; r < got.RowCount; ++r)
            EXPECT_EQ(std::memcmp(got.Values[r].data(), want.Values[r].data(), sizeof got.Values[r]), 0);
        const bool wantPicture = want.Picture && !want.Picture->empty();
        ASSERT_EQ(bool(got.Picture), wantPicture);
        if (wantPicture) {
            EXPECT_EQ(*got.Picture, *want.Picture);
        }
    }
    // Persian digits have no place in the code page; they are stored as their usual stand-ins.
    EXPECT_EQ(lib->Tables[2].RowNames[0], "قوطي 100");
}

TEST(ProfileLibFileTest, NamesAreCutToTheFileCapacities) {
    enum class Name { Table, Column, Row };
    struct Case {
        const char* label;
        Name name;
        std::string written;
        std::string read;
    };
    const std::string persian30 = "نبشي نبشي نبشي نبشي نبشي نبشي"; // 29 characters ...
    const Case cases[] = {
        {"table name of 30 characters", Name::Table, std::string(30, 'A'), std::string(29, 'A')},
        {"table name of 29 characters", Name::Table, std::string(29, 'A'), std::string(29, 'A')},
        {"Persian table name cut by characters", Name::Table, persian30 + "ب", persian30},
        {"row name of 20 characters", Name::Row, "ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQRS"},
        {"row name of 19 characters", Name::Row, "ABCDEFGHIJKLMNOPQRS", "ABCDEFGHIJKLMNOPQRS"},
        {"column name of 5 characters", Name::Column, "ABCDE", "ABCD"},
        {"empty column name", Name::Column, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto lib = TinyLibrary();
        TSectionTable& table = lib->Tables[0];
        std::string& name = c.name == Name::Table ? table.TableName
                            : c.name == Name::Row ? table.RowNames[0]
                                                  : table.ColNames[0];
        name = c.written;
        const std::string bytes = SerializeProfileLib(*lib);
        const std::size_t lengthAt = c.name == Name::Table ? kTableNameAt
                                     : c.name == Name::Row ? kRowNameAt
                                                           : kColumnNameAt;
        EXPECT_EQ(static_cast<unsigned char>(bytes[lengthAt]), CharacterCount(c.read));

        auto read = NewLibrary();
        ParseProfileLib(bytes, "cut.opr", *read);
        const TSectionTable& got = read->Tables[0];
        EXPECT_EQ(c.name == Name::Table ? got.TableName
                  : c.name == Name::Row ? got.RowNames[0]
                                        : got.ColNames[0],
                  c.read);
    }
}

TEST(ProfileLibFileTest, EmptyLibrariesAndTablesWriteNoRowOrColumnBytes) {
    auto empty = NewLibrary();
    const std::string emptyBytes = SerializeProfileLib(*empty);
    EXPECT_EQ(emptyBytes, std::string("Orvex Profile Library v1.0\0", 27));
    auto read = NewLibrary();
    ParseProfileLib(emptyBytes, "empty.opr", *read);
    EXPECT_EQ(read->TableCount, 0);

    auto lib = NewLibrary();
    lib->TableCount = 2;
    SetColumns(lib->Tables[0], {"d", "bf", "tw"}); // no rows
    AddRow(lib->Tables[1], "A", {});               // no columns
    AddRow(lib->Tables[1], "B", {});
    const std::string bytes = SerializeProfileLib(*lib);
    // header and count; two table headers (one with three column names); picture length of the
    // first table; two row names and the picture length of the second
    EXPECT_EQ(bytes.size(), 27u + (33 + 3 * 5) + 33 + 8 + (2 * 20 + 8));
    ParseProfileLib(bytes, "tables.opr", *read);
    EXPECT_EQ(SerializeProfileLib(*read), bytes);
    EXPECT_EQ(read->Tables[0].RowCount, 0);
    EXPECT_EQ(read->Tables[1].ColCount, 0);
    EXPECT_EQ(read->Tables[1].RowNames[1], "B");
}

TEST(ProfileLibFileTest, NameThatWindows1256CannotHoldIsNotSaved) {
    TempDir dir;
    const std::string path = dir.File("lib.opr");
    WriteFile(path, "previous contents");
    struct Case {
        const char* label;
        std::function<void(TSectionTable&)> change;
        std::string message;
    };
    const Case cases[] = {
        {"table name", [](TSectionTable& t) { t.TableName = "T☃"; },
         "table name \"T☃\" has a character that Windows-1256 cannot hold"},
        {"column name", [](TSectionTable& t) { t.ColNames[0] = "d☃"; },
         "column name \"d☃\" of table \"T\" has a character that Windows-1256 cannot hold"},
        {"row name", [](TSectionTable& t) { t.RowNames[0] = "R☃"; },
         "row name \"R☃\" of table \"T\" has a character that Windows-1256 cannot hold"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto lib = TinyLibrary();
        lib->FileName = path;
        c.change(lib->Tables[0]);
        try {
            SaveProfileLib(*lib);
            ADD_FAILURE() << "saved";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), "cannot save " + path + ": " + c.message);
        }
        EXPECT_EQ(ReadFile(path), "previous contents");
    }
    // A character beyond the cut is never written, so it does not stop the save.
    auto lib = TinyLibrary();
    lib->FileName = path;
    lib->Tables[0].RowNames[0] = std::string(19, 'R') + "☃";
    SaveProfileLib(*lib);
}

TEST(ProfileLibFileTest, WrongHeaderIsRefusedWithTheLibraryMessage) {
    TempDir dir;
    const std::string body = SerializeProfileLib(*TinyLibrary()).substr(26);
    const char* headers[] = {
        "Orvex Profile Library v1.1", // another version
        "Orvex Profile Library v2.0", //
        "orvex Profile Library v1.0", // letter case counts
        "Orvex Profile Librarx v1.0", // one byte in the middle
        "Orvex Material File v1.0xx", // another kind of file
        "BM6",                        // a picture
    };
    for (const char* header : headers) {
        SCOPED_TRACE(header);
        const std::string path = dir.File("wrong.opr");
        WriteFile(path, header + body);
        auto lib = SampleLibrary();
        lib->FileName = path;
        lib->CurrentTable = 2;
        const std::string before = SerializeProfileLib(*lib);
        try {
            LoadProfileLib(*lib);
            ADD_FAILURE() << "loaded";
        } catch (const LibraryHeaderError& e) {
            EXPECT_EQ(std::string(e.what()), path + "\r" + kNotALibrary);
        }
        EXPECT_EQ(SerializeProfileLib(*lib), before);
        EXPECT_EQ(lib->FileName, path);
        EXPECT_EQ(lib->CurrentTable, 2);
    }
}

TEST(ProfileLibFileTest, EmptyFileNameReadsTheMainLibraryOfTheCurrentFolder) {
    TempDir dir;
    WriteFile(dir.File("OrvexMainProfile.opr"), "not a library at all, but long enough");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    auto lib = NewLibrary();
    try {
        LoadProfileLib(*lib);
        ADD_FAILURE() << "loaded";
    } catch (const LibraryHeaderError& e) {
        EXPECT_EQ(std::string(e.what()), "OrvexMainProfile.opr\r" + kNotALibrary);
    }
    std::filesystem::current_path(previous);
    EXPECT_EQ(lib->FileName, "OrvexMainProfile.opr");
}

TEST(ProfileLibFileTest, DamagedFilesAreRefusedWithWhatIsWrong) {
    const std::string good = SerializeProfileLib(*TinyLibrary());
    ASSERT_EQ(good.size(), 105u);
    struct Case {
        const char* label;
        std::string bytes;
        const char* problem;
    };
    const Case cases[] = {
        {"empty file", "", "the file ends inside the header"},
        {"cut in the header", good.substr(0, 10), "the file ends inside the header"},
        {"no table count", good.substr(0, 26), "the file ends inside the table count"},
        {"cut in a column name", good.substr(0, 62), "the file ends inside the name of column 0 of table 0"},
        {"cut in a row name", good.substr(0, 70), "the file ends inside the name of row 0 of table 0"},
        {"cut in the values", good.substr(0, 90), "the file ends inside the values of row 0 of table 0"},
        {"cut in the picture length", good.substr(0, 95),
         "the file ends inside the picture length of table 0"},
        {"21 tables", WithByte(good, kTableCountAt, 21), "the file announces 21 tables (at most 20)"},
        {"255 tables", WithByte(good, kTableCountAt, 255), "the file announces 255 tables (at most 20)"},
        {"101 rows", WithByte(good, kRowCountAt, 101), "table 0 announces 101 rows (at most 100)"},
        {"23 columns", WithByte(good, kColCountAt, 23), "table 0 announces 23 columns (at most 22)"},
        {"negative picture length", WithInt64(good, kPictureLengthAt, -1),
         "table 0 has a negative picture length (-1)"},
        {"most negative picture length", WithInt64(good, kPictureLengthAt, INT64_MIN),
         "table 0 has a negative picture length (-9223372036854775808)"},
        {"huge picture length", WithInt64(good, kPictureLengthAt, INT64_MAX),
         "the picture of table 0 is 9223372036854775807 bytes long but only 4 bytes are left in the file"},
        {"picture one byte beyond the end", WithInt64(good, kPictureLengthAt, 5),
         "the picture of table 0 is 5 bytes long but only 4 bytes are left in the file"},
        {"bytes after the last table", good + "xy", "2 unexpected bytes after the last table"},
        {"a shorter picture leaves bytes over", WithInt64(good, kPictureLengthAt, 3),
         "1 unexpected bytes after the last table"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto lib = SampleLibrary();
        const std::string before = SerializeProfileLib(*lib);
        try {
            ParseProfileLib(c.bytes, "lib.opr", *lib);
            ADD_FAILURE() << "parsed";
        } catch (const LibraryHeaderError& e) {
            ADD_FAILURE() << e.what();
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("damaged section library lib.opr: ") + c.problem);
        }
        EXPECT_EQ(SerializeProfileLib(*lib), before);
    }
}

TEST(ProfileLibFileTest, EveryTruncationIsRefusedAndLeavesTheLibraryAlone) {
    const std::string good = SerializeProfileLib(*SampleLibrary());
    auto lib = TinyLibrary();
    lib->Tables[0].CurrentRow = 0;
    const std::string before = SerializeProfileLib(*lib);
    for (std::size_t length = 0; length < good.size(); ++length) {
        SCOPED_TRACE(length);
        try {
            ParseProfileLib(good.substr(0, length), "cut.opr", *lib);
            ADD_FAILURE() << "parsed";
        } catch (const LibraryHeaderError& e) {
            ADD_FAILURE() << e.what();
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("damaged section library cut.opr: ", 0), 0u) << e.what();
        }
        ASSERT_EQ(SerializeProfileLib(*lib), before);
    }
}

TEST(ProfileLibFileTest, LengthByteAboveCapacityReadsAsCapacity) {
    std::string bytes = SerializeProfileLib(*TinyLibrary());
    bytes[kTableNameAt] = static_cast<char>(30);
    bytes[kColumnNameAt] = static_cast<char>(200);
    bytes[kRowNameAt] = static_cast<char>(255);
    auto lib = NewLibrary();
    ParseProfileLib(bytes, "long.opr", *lib);
    const TSectionTable& table = lib->Tables[0];
    EXPECT_EQ(table.TableName, "T" + std::string(28, '\0'));
    EXPECT_EQ(table.ColNames[0], "d" + std::string(3, '\0'));
    EXPECT_EQ(table.RowNames[0], "R1" + std::string(17, '\0'));
    EXPECT_EQ(table.Values[0][0], 1.5); // the fields after them are read where they belong
}

TEST(ProfileLibFileTest, LoadReplacesEveryTableAndKeepsTheSelection) {
    TempDir dir;
    WriteFile(dir.File("tiny.opr"), SerializeProfileLib(*TinyLibrary()));
    auto lib = SampleLibrary();
    lib->FileName = dir.File("tiny.opr");
    lib->CurrentTable = 2;
    lib->Tables[0].CurrentRow = 1;
    lib->Tables[2].CurrentRow = 7;
    const TPicture held = lib->Tables[0].Picture;

    LoadProfileLib(*lib);
    EXPECT_EQ(lib->TableCount, 1);
    EXPECT_EQ(lib->Tables[0].TableName, "T");
    EXPECT_EQ(lib->CurrentTable, 2);
    EXPECT_EQ(lib->Tables[0].CurrentRow, 1);
    EXPECT_EQ(lib->Tables[2].CurrentRow, 7);
    for (std::size_t t = 1; t < kMaxTables; ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(lib->Tables[t].TableName, "");
        EXPECT_EQ(lib->Tables[t].RowCount, 0);
        EXPECT_FALSE(lib->Tables[t].Picture);
    }
    // An element still referring to the old picture keeps it.
    EXPECT_EQ(*held, *PictureOf(MakeBmp(4, 4)));
}

TEST(ProfileLibFileTest, UnreadableFileRaisesFileError) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("folder.opr"));
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {dir.File("missing.opr"), "cannot open " + dir.File("missing.opr") + ": No such file or directory"},
        {dir.File("folder.opr"), "cannot open " + dir.File("folder.opr") + ": Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        auto lib = SampleLibrary();
        lib->FileName = c.path;
        const std::string before = SerializeProfileLib(*lib);
        try {
            LoadProfileLib(*lib);
            ADD_FAILURE() << "loaded";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(SerializeProfileLib(*lib), before);
    }
}

TEST(ProfileLibFileTest, FailedSaveLeavesWhatWasThere) {
    TempDir dir;
    WriteFile(dir.File("plain.txt"), "a file, not a folder");
    std::filesystem::create_directory(dir.File("taken.opr"));
    WriteFile(dir.File("taken.opr/inside"), "kept");
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {dir.File("plain.txt/lib.opr"),
         "cannot write " + dir.File("plain.txt/lib.opr") + ": Not a directory"},
        {dir.File("missing/lib.opr"),
         "cannot write " + dir.File("missing/lib.opr") + ": No such file or directory"},
        {dir.File("taken.opr"), "cannot write " + dir.File("taken.opr") + ": Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        auto lib = TinyLibrary();
        lib->FileName = c.path;
        try {
            SaveProfileLib(*lib);
            ADD_FAILURE() << "saved";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    EXPECT_EQ(ReadFile(dir.File("plain.txt")), "a file, not a folder");
    EXPECT_EQ(ReadFile(dir.File("taken.opr/inside")), "kept");
    // No temporary file is left behind.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 2u);
}

} // namespace
