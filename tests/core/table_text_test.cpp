#include "library/TableText.h"

#include <gtest/gtest.h>

#include <vector>

using namespace orvex;

namespace {

const std::string kHeader = "NAME\td\tbf\ttw\ttf\tr\tr2\tA\tG\tIx\tSx\trx\tIy\tSy\try\tex\tey\tZ\t";

TSectionTable MakeTable(const std::string& name, const std::vector<std::string>& columns) {
    TSectionTable table;
    table.TableName = name;
    table.ColCount = static_cast<std::uint8_t>(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c)
        table.ColNames[c] = columns[c];
    return table;
}

TSectionTable DefaultTable(const std::string& name) {
    return MakeTable(name, {DefaultColumnNames.begin(), DefaultColumnNames.end()});
}

void AddRow(TSectionTable& table, const std::string& name, const std::vector<double>& values) {
    const std::size_t row = table.RowCount++;
    table.RowNames[row] = name;
    for (std::size_t c = 0; c < values.size(); ++c)
        table.Values[row][c] = values[c];
}

// A table the import must leave alone when it refuses a file.
TSectionTable Target() {
    TSectionTable table = DefaultTable("TARGET");
    table.Kind = pkU;
    table.Picture = std::make_shared<const std::vector<std::uint8_t>>(std::vector<std::uint8_t>{'B', 'M'});
    AddRow(table, "UNP100", {10, 5, 0.6, 0.85});
    AddRow(table, "UNP120", {12, 5.5, 0.7, 0.9});
    return table;
}

void ExpectSameTable(const TSectionTable& actual, const TSectionTable& expected) {
    EXPECT_EQ(actual.TableName, expected.TableName);
    EXPECT_EQ(actual.Kind, expected.Kind);
    EXPECT_EQ(actual.Picture, expected.Picture);
    EXPECT_EQ(actual.RowCount, expected.RowCount);
    EXPECT_EQ(actual.ColCount, expected.ColCount);
    EXPECT_EQ(actual.ColNames, expected.ColNames);
    EXPECT_EQ(actual.RowNames, expected.RowNames);
    EXPECT_EQ(actual.Values, expected.Values);
}

template <typename ErrorType> void ExpectRefused(const std::string& file, const std::string& message) {
    const TSectionTable before = Target();
    TSectionTable table = before;
    try {
        ImportTableText(table, file);
        ADD_FAILURE() << "no error";
    } catch (const ErrorType& error) {
        EXPECT_EQ(error.what(), message);
    }
    ExpectSameTable(table, before);
}

TEST(ExportTableTextTest, WritesTheShownTableInWindows1256) {
    TSectionTable table = DefaultTable("IPE");
    AddRow(table, "IPE200",
           {20, 10, 0.56, 0.85, 1.2, 0, 28.5, 22.4, 1940, 194, 8.26, 142, 28.5, 2.24, 5, 10, 0});
    AddRow(table, "تير", {8.2505, -1.005});
    EXPECT_EQ(ExportTableText(table),
              kHeader + "\r\n" +
                  "IPE200\t20\t10\t0.56\t0.85\t1.2\t0\t28.5\t22.4\t1940\t194\t8.26\t142\t28.5\t2."
                  "24\t5\t10\t0\t\r\n" +
                  "\xCA\xED\xD1\t8.25\t-1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\r\n");
}

TEST(ExportTableTextTest, WritesAnyColumns) {
    TSectionTable table = MakeTable("X", {"d", "b"});
    AddRow(table, "X1", {1, 2});
    EXPECT_EQ(ExportTableText(table), "NAME\td\tb\t\r\nX1\t1\t2\t\r\n");
}

TEST(ExportTableTextTest, RefusesNamesTheFileCannotKeep) {
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"X工", "the section name \"X工\" has a character that Windows-1256 cannot hold"},
        {"X\tY", "the section name \"X\tY\" holds a tab or line break, which a text file cannot keep"},
        {"X\r\nY", "the section name \"X\r\nY\" holds a tab or line break, which a text file cannot keep"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSectionTable table = MakeTable("X", {"d"});
        AddRow(table, c.name, {1});
        try {
            ExportTableText(table);
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(ImportTableTextTest, ExportedDefaultTableComesBackExactly) {
    TSectionTable source = DefaultTable("IPE");
    AddRow(source, "IPE200",
           {20, 10, 0.56, 0.85, 1.2, 0, 28.5, 22.4, 1940, 194, 8.26, 142, 28.5, 2.24, 5, 10, 0});
    AddRow(source, "تيرآهن گ", {-3.5, 123456.79, 0.01, 99999.99});
    AddRow(source, "", {});
    const TSectionTable before = Target();
    TSectionTable target = before;

    ImportTableText(target, ExportTableText(source));

    EXPECT_EQ(target.TableName, "TARGET");
    EXPECT_EQ(target.Kind, pkU);
    EXPECT_EQ(target.Picture, before.Picture);
    EXPECT_EQ(target.RowCount, source.RowCount);
    EXPECT_EQ(target.ColCount, 17);
    EXPECT_EQ(target.ColNames, source.ColNames);
    EXPECT_EQ(target.RowNames, source.RowNames);
    EXPECT_EQ(target.Values, source.Values);
}

TEST(ImportTableTextTest, NonDefaultColumnsExportButDoNotImport) {
    TSectionTable custom = DefaultTable("CUSTOM");
    custom.ColNames[16] = "W";
    AddRow(custom, "C1", {1, 2, 3});
    ExpectRefused<TableTextHeaderError>(ExportTableText(custom),
                                        "the first line is not the header of a section table text file "
                                        "(NAME and the 17 default column names, separated by tabs)");
}

TEST(ImportTableTextTest, HeaderRules) {
    const std::string lower = "name\td\tbf\ttw\ttf\tr\tr2\ta\tg\tix\tsx\trx\tiy\tsy\try\tex\tey\tz";
    const std::string upper = "NAME\tD\tBF\tTW\tTF\tR\tR2\tA\tG\tIX\tSX\tRX\tIY\tSY\tRY\tEX\tEY\tZ\t";
    const std::string noFinalTab = kHeader.substr(0, kHeader.size() - 1);
    const struct {
        const char* what;
        std::string header;
        bool accepted;
    } cases[] = {
        {"exported header", kHeader, true},
        {"without the final tab", noFinalTab, true},
        {"lower case", lower, true},
        {"upper case", upper, true},
        {"two final tabs", kHeader + "\t", false},
        {"another order", "NAME\tbf\td" + kHeader.substr(9), false},
        {"a column less", noFinalTab.substr(0, noFinalTab.size() - 2), false},
        {"a column more", kHeader + "W\t", false},
        {"no NAME field", kHeader.substr(5), false},
        {"leading blank", " " + kHeader, false},
        {"empty file", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TSectionTable before = Target();
        TSectionTable table = before;
        const std::string file = c.header.empty() ? "" : c.header + "\r\nS1\t1\r\n";
        if (!c.accepted) {
            EXPECT_THROW(ImportTableText(table, file), TableTextHeaderError);
            ExpectSameTable(table, before);
            continue;
        }
        ImportTableText(table, file);
        EXPECT_EQ(table.RowCount, 1);
        EXPECT_EQ(table.Values[0][0], 1);
    }

    // Column names keep the file's letter case.
    TSectionTable table = Target();
    ImportTableText(table, upper + "\r\n");
    EXPECT_EQ(table.ColNames[1], "BF");
    EXPECT_EQ(table.ColNames[9], "SX");
}

TEST(ImportTableTextTest, LinesAndFields) {
    const std::string header = kHeader + "\r\n";
    const struct {
        const char* what;
        std::string file;
        std::vector<std::string> names;
        std::vector<std::vector<double>> values; // leading values of each row; the rest must be 0
    } cases[] = {
        {"header only", header, {}, {}},
        {"header only without line end", kHeader, {}, {}},
        {"lone LF, lone CR and no final line end",
         kHeader + "\nA\t1\rB\t2\r\nC\t3",
         {"A", "B", "C"},
         {{1}, {2}, {3}}},
        {"empty line among the sections", header + "A\t1\r\n\r\nC\t3\r\n", {"A", "", "C"}, {{1}, {}, {3}}},
        {"missing and empty fields", header + "A\t\t2\r\nB\r\n", {"A", "B"}, {{0, 2}, {}}},
        {"values through the cell correction",
         header + "A\tabc\t12.3456\t0.005\t-2.5e1\t 7x\r\n",
         {"A"},
         {{0, 12.35, 0, -25, 7}}},
        {"fields beyond the last column ignored",
         header + "A\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17\t18\t19\r\n",
         {"A"},
         {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}}},
        {"names cut to 20 characters",
         header + "ABCDEFGHIJKLMNOPQRSTUVWXYZ\t1\r\n",
         {"ABCDEFGHIJKLMNOPQRST"},
         {{1}}},
        {"Windows-1256 name", header + "\xCA\xED\xD1\x90\t1\r\n", {"تيرگ"}, {{1}}},
        {"UTF-8 name, Persian yeh as Arabic yeh", header + "تیرگ\t1\r\n", {"تيرگ"}, {{1}}},
        {"UTF-8 with byte order mark", "\xEF\xBB\xBF" + header + "تیر\t1\r\n", {"تير"}, {{1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TSectionTable table = Target();
        ImportTableText(table, c.file);
        ASSERT_EQ(table.RowCount, c.names.size());
        EXPECT_EQ(table.ColCount, 17);
        for (std::size_t row = 0; row < c.names.size(); ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(table.RowNames[row], c.names[row]);
            std::array<double, kMaxColumns> expected{};
            std::copy(c.values[row].begin(), c.values[row].end(), expected.begin());
            EXPECT_EQ(table.Values[row], expected);
        }
        // Rows of the table that the file does not refill are cleared.
        EXPECT_EQ(table.RowNames[c.names.size()], "");
        EXPECT_EQ(table.Values[c.names.size()], (std::array<double, kMaxColumns>{}));
    }
}

TEST(ImportTableTextTest, RefusesWhatATableCannotHold) {
    const std::string header = kHeader + "\r\n";
    std::string hundred = header;
    for (int row = 0; row < 100; ++row)
        hundred += "S" + std::to_string(row) + "\t" + std::to_string(row) + "\r\n";

    TSectionTable table = Target();
    ImportTableText(table, hundred);
    EXPECT_EQ(table.RowCount, 100);
    EXPECT_EQ(table.RowNames[99], "S99");

    ExpectRefused<FileError>(hundred + "S100\t1\r\n",
                             "the file holds 101 sections; a table holds at most 100");
    ExpectRefused<FileError>(header + "A\t1\r\nX工\t2\r\n",
                             "line 3: the name \"X工\" has a character that Windows-1256 cannot hold");
    ExpectRefused<FileError>(
        header + "A\t1\t2\t3\t4\t5\t6\t7\t8\t1e39\r\n",
        "line 2, column \"Ix\": the number 1e39 is too large for a section table (at most "
        "about 3.4E38)");
}

} // namespace
