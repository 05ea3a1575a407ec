#include "LibraryTestSupport.h"

#include "library/LibrarySources.h"
#include "library/ProfileLibFile.h"
#include "model/Errors.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

using namespace orvex;
using namespace orvex::test;

namespace {

const std::string kIpeTable = "# Profile tables of a handbook\n"
                              "NAME\td\tbf\ttw\n"
                              "IPE100\t10\t5.5\t0.41\n"
                              "\n"
                              "IPE120\t12\t6.4\t4.4e-1\n";

void WriteSources(const TempDir& dir, const std::map<std::string, std::string>& files) {
    for (const auto& [name, content] : files)
        WriteFile(dir.File(name), content);
}

TEST(LibrarySourcesTest, BuildsTheTablesOfTheManifestInOrder) {
    TempDir dir;
    const std::string picture = MakeBmp(64, 64);
    WriteSources(dir, {
                          {"library.tsv", "# kind\tname\trows\tpicture\n"
                                          "pkI\tIPE\ttables/IPE.tsv\tpictures/IPE.bmp\n"
                                          "\n"
                                          "pkL\tنبشی\ttables/L.tsv\t-\r\n"},
                          {"tables/IPE.tsv", kIpeTable},
                          {"tables/L.tsv", "NAME\td\tA\r\nL20x3\t2\t1.12\r\n"},
                          {"pictures/IPE.bmp", picture},
                      });
    const TProfileLib lib = BuildLibraryFromSources(dir.Path());

    ASSERT_EQ(lib.TableCount, 2);
    const TSectionTable& ipe = lib.Tables[0];
    EXPECT_EQ(ipe.Kind, pkI);
    EXPECT_EQ(ipe.TableName, "IPE");
    ASSERT_EQ(ipe.ColCount, 3);
    EXPECT_EQ(ipe.ColNames[2], "tw");
    ASSERT_EQ(ipe.RowCount, 2);
    EXPECT_EQ(ipe.RowNames[1], "IPE120");
    EXPECT_EQ(ipe.Values[0][1], 5.5);
    EXPECT_EQ(ipe.Values[1][2], 0.44);
    ASSERT_TRUE(ipe.Picture);
    EXPECT_EQ(std::string(ipe.Picture->begin(), ipe.Picture->end()), picture);

    const TSectionTable& angles = lib.Tables[1];
    EXPECT_EQ(angles.Kind, pkL);
    EXPECT_EQ(angles.TableName, "نبشي"); // the Farsi yeh as the library file holds it
    EXPECT_EQ(angles.RowNames[0], "L20x3");
    EXPECT_EQ(angles.Values[0][1], 1.12);
    EXPECT_FALSE(angles.Picture);

    // What is built can be saved and read back unchanged.
    const std::string bytes = SerializeProfileLib(lib);
    auto read = std::make_unique<TProfileLib>();
    ParseProfileLib(bytes, "built.opr", *read);
    EXPECT_EQ(SerializeProfileLib(*read), bytes);
    EXPECT_EQ(read->Tables[1].TableName, "نبشي");
}

TEST(LibrarySourcesTest, ReportsTheFileAndLineOfEveryFault) {
    const std::string good = "pkI\tIPE\ttables/IPE.tsv\t-\n";
    std::string manyTables;
    for (int i = 0; i < 21; ++i)
        manyTables += "pkI\tT" + std::to_string(i) + "\ttables/IPE.tsv\t-\n";
    std::string manyRows = "NAME\td\n";
    for (int i = 0; i < 101; ++i)
        manyRows += "R" + std::to_string(i) + "\t1\n";
    std::string manyColumns = "NAME";
    for (int i = 0; i < 23; ++i)
        manyColumns += "\tc" + std::to_string(i);

    struct Case {
        const char* label;
        std::string manifest;
        std::string table; // tables/T.tsv
        std::string message;
    };
    const std::string table = "pkI\tT\ttables/T.tsv\t-\n";
    const Case cases[] = {
        // the manifest
        {"missing field", "# tables\npkI\tIPE\ttables/IPE.tsv\n", "",
         "library.tsv:2: 3 fields where kind, name, rows and picture are expected"},
        {"unknown kind", "pkQ\tX\ttables/IPE.tsv\t-\n", "", "library.tsv:1: unknown section kind \"pkQ\""},
        {"kind in other case", "pki\tX\ttables/IPE.tsv\t-\n", "",
         "library.tsv:1: unknown section kind \"pki\""},
        {"empty table name", "pkI\t\ttables/IPE.tsv\t-\n", "", "library.tsv:1: table name is empty"},
        {"table name of 30 characters", "pkI\t" + std::string(30, 'A') + "\ttables/IPE.tsv\t-\n", "",
         "library.tsv:1: table name \"" + std::string(30, 'A') + "\" is longer than 29 characters"},
        {"table name outside Windows-1256", "pkI\tI☃\ttables/IPE.tsv\t-\n", "",
         "library.tsv:1: table name \"I☃\" has a character that Windows-1256 cannot hold"},
        {"same table twice", good + good, "", "library.tsv:2: table IPE appears twice"},
        {"21 tables", manyTables, "", "library.tsv:21: more than 20 tables"},
        {"base of a double section not earlier", "pk2I\t2IPE\tdouble:IPE\t-\n" + good, "",
         "library.tsv:1: the base table \"IPE\" is not an earlier table of this list"},
        {"missing table file", "pkI\tX\ttables/NONE.tsv\t-\n", "",
         "library.tsv:1: cannot open DIR/tables/NONE.tsv: No such file or directory"},
        {"missing picture", "pkI\tX\ttables/IPE.tsv\tpictures/NONE.bmp\n", "",
         "library.tsv:1: cannot open DIR/pictures/NONE.bmp: No such file or directory"},
        {"picture not a BMP", "pkI\tX\ttables/IPE.tsv\ttables/IPE.tsv\n", "",
         "library.tsv:1: picture DIR/tables/IPE.tsv is not a Windows BMP file"},
        {"picture of another size", "pkI\tX\ttables/IPE.tsv\tpictures/small.bmp\n", "",
         "library.tsv:1: picture DIR/pictures/small.bmp is 32 x 64 pixels, not 64 x 64"},
        // a table file
        {"no header", table, "# only a comment\n\n",
         "tables/T.tsv:1: no header line (NAME and the column names)"},
        {"header without NAME", table, "# c\nname\td\n",
         "tables/T.tsv:2: the header line must start with NAME, found \"name\""},
        {"23 columns", table, manyColumns + "\n", "tables/T.tsv:1: 23 columns (at most 22)"},
        {"column name of 5 characters", table, "NAME\tABCDE\n",
         "tables/T.tsv:1: column name \"ABCDE\" is longer than 4 characters"},
        {"empty column name", table, "NAME\td\t\tbf\n", "tables/T.tsv:1: column name is empty"},
        {"same column twice", table, "NAME\tIx\tix\n", "tables/T.tsv:1: column ix appears twice"},
        {"too few fields", table, "NAME\td\tbf\nA\t1\n", "tables/T.tsv:2: 2 fields where the header has 3"},
        {"too many fields", table, "NAME\td\nA\t1\t2\n", "tables/T.tsv:2: 3 fields where the header has 2"},
        {"decimal comma", table, "NAME\td\tbf\nA\t1\t1,5\n",
         "tables/T.tsv:2: value \"1,5\" of column bf is not a number"},
        {"empty value", table, "NAME\td\nA\t\n", "tables/T.tsv:2: value \"\" of column d is not a number"},
        {"not finite", table, "NAME\td\nA\tnan\n",
         "tables/T.tsv:2: value \"nan\" of column d is not a number"},
        {"out of range", table, "NAME\td\nA\t1e999\n",
         "tables/T.tsv:2: value \"1e999\" of column d is not a number"},
        {"row name of 20 characters", table, "NAME\td\nABCDEFGHIJKLMNOPQRST\t1\n",
         "tables/T.tsv:2: section name \"ABCDEFGHIJKLMNOPQRST\" is longer than 19 characters"},
        {"same section twice", table, "NAME\td\nIPE100\t1\nipe100\t2\n",
         "tables/T.tsv:3: section ipe100 appears twice"},
        {"101 rows", table, manyRows, "tables/T.tsv:102: more than 100 rows"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempDir dir;
        WriteSources(dir, {{"library.tsv", c.manifest},
                           {"tables/IPE.tsv", kIpeTable},
                           {"tables/T.tsv", c.table},
                           {"pictures/small.bmp", MakeBmp(32, -64)}});
        std::string expected = dir.Path() + "/" + c.message;
        for (std::size_t at; (at = expected.find("DIR")) != std::string::npos;)
            expected.replace(at, 3, dir.Path());
        try {
            BuildLibraryFromSources(dir.Path());
            ADD_FAILURE() << "built";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), expected);
        }
    }
}

TEST(LibrarySourcesTest, DoubleTablesAreBuiltFromAnEarlierTable) {
    TempDir dir;
    const std::string picture = MakeBmp(64, 64);
    WriteSources(dir,
                 {
                     {"library.tsv", "pkI\tIPE\ttables/IPE.tsv\t-\n"
                                     "pk2I\t2IPE\tdouble:IPE\tpictures/2IPE.bmp\n"},
                     {"tables/IPE.tsv", "NAME\td\tbf\tA\tG\tIx\tSx\trx\tIy\tSy\try\n"
                                        "IPE200\t20\t10\t28.5\t22.4\t1940\t194\t8.25\t142\t28.4\t2.23\n"},
                     {"pictures/2IPE.bmp", picture},
                 });
    const TProfileLib lib = BuildLibraryFromSources(dir.Path());

    ASSERT_EQ(lib.TableCount, 2);
    const TSectionTable& doubled = lib.Tables[1];
    EXPECT_EQ(doubled.TableName, "2IPE");
    EXPECT_EQ(doubled.Kind, pk2I);
    EXPECT_EQ(doubled.ColNames, lib.Tables[0].ColNames);
    ASSERT_EQ(doubled.RowCount, 1);
    EXPECT_EQ(doubled.RowNames[0], "2IPE200");
    // two sections side by side, flange tips touching, every value rounded to two decimals
    const std::array<double, 10> expected = {20, 10, 57, 44.8, 3880, 388, 8.25, 1709, 170.9, 5.48};
    for (std::size_t c = 0; c < expected.size(); ++c) {
        SCOPED_TRACE(doubled.ColNames[c]);
        EXPECT_NEAR(doubled.Values[0][c], expected[c], 1e-9);
    }
    ASSERT_TRUE(doubled.Picture);
    EXPECT_EQ(std::string(doubled.Picture->begin(), doubled.Picture->end()), picture);
}

TEST(LibrarySourcesTest, DoubleTableFaultsNameTheManifestLine) {
    TempDir dir;
    WriteSources(dir, {
                          {"library.tsv", "pkI\tIPE\ttables/IPE.tsv\t-\n"
                                          "pk2I\t2IPE\tdouble:IPE\t-\n"},
                          {"tables/IPE.tsv", "NAME\td\tbf\tA\tIx\trx\tIy\n"
                                             "IPE200\t20\t10\t0\t1940\t0\t142\n"},
                      });
    try {
        BuildLibraryFromSources(dir.Path());
        ADD_FAILURE() << "built";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(dir.File("library.tsv") + ":2: ", 0), 0u) << e.what();
    }
}

TEST(LibrarySourcesTest, MissingManifestRaisesFileError) {
    TempDir dir;
    try {
        BuildLibraryFromSources(dir.Path());
        ADD_FAILURE() << "built";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "cannot open " + dir.File("library.tsv") + ": No such file or directory");
    }
}

} // namespace
