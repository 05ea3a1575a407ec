#include "library/MaterialLib.h"
#include "model/AtomicFile.h"
#include "model/Errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

using namespace orvex;
namespace fs = std::filesystem;

namespace {

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out;
}

std::string FromHex(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

class MaterialFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("orvex_material_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = (folder_ / "UserMaterial.oum").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    std::string path_;
};

std::vector<std::string> Names(const MaterialList& list) {
    return MaterialNames(list);
}

const std::vector<std::string> kStandardNames = {"St 33", "St 34", "St 37", "St 42", "St 52"};

// One record of the file: count 1 is added by the caller. "Test", 2400, 3700, 2100000.
const std::string kTestRecordHex = "04"
                                   "54657374"
                                   "000000000000000000000000000000"
                                   "00000000000000960a40"
                                   "00000000000040e70a40"
                                   "0000000000802c801440";

} // namespace

TEST_F(MaterialFileTest, OneMaterialIsWrittenAsFiftyFourBytes) {
    MaterialList list;
    LoadMaterials(list, path_);
    AddMaterialRow(list, "Test", 2400, 3700, 2100000);
    SaveMaterials(list, path_);

    const std::string bytes = ReadWholeFile(path_);
    ASSERT_EQ(bytes.size(), 54u);
    EXPECT_EQ(Hex(bytes), "01000000" + kTestRecordHex);
}

TEST_F(MaterialFileTest, NoUserMaterialIsWrittenAsACountOfZero) {
    MaterialList list;
    LoadMaterials(list, path_);
    SaveMaterials(list, path_);
    EXPECT_EQ(Hex(ReadWholeFile(path_)), "00000000");

    const MaterialLoadResult result = LoadMaterials(list, path_);
    EXPECT_EQ(result.Warning, "");
    EXPECT_EQ(Names(list), kStandardNames);
}

TEST_F(MaterialFileTest, MissingFileGivesTheStandardSteels) {
    MaterialList list;
    AddMaterialRow(list, "left over", 1, 2, 3);
    const MaterialLoadResult result = LoadMaterials(list, path_);
    EXPECT_EQ(result.Warning, "");
    EXPECT_EQ(Names(list), kStandardNames);
    EXPECT_EQ(list.Rows[2].Fy, "2400");
    EXPECT_EQ(list.Rows[4].Fu, "5200");
    EXPECT_EQ(list.Rows[0].E, "2100000");
}

TEST_F(MaterialFileTest, RoundTripKeepsUserRowsInOrderAndStandardRowsOut) {
    MaterialList list;
    LoadMaterials(list, path_);
    AddMaterialRow(list, "فولاد", 2450.5, 3700.25, 2040000);
    AddMaterialRow(list, "A name of twenty-three", 1e-3L, 0, 123456789012345.0L);
    // a user row moved above a standard one
    std::swap(list.Rows[0], list.Rows[5]);
    SaveMaterials(list, path_);

    const std::string bytes = ReadWholeFile(path_);
    ASSERT_EQ(bytes.size(), 4u + 2 * 50u);
    EXPECT_EQ(Hex(bytes.substr(0, 4)), "02000000");
    EXPECT_EQ(bytes.substr(4, 6), "\x05\xDD\xE6\xE1\xC7\xCF"); // the name in Windows-1256
    EXPECT_EQ(bytes.substr(54, 20), "\x13"
                                    "A name of twenty-th");

    MaterialList loaded;
    const MaterialLoadResult result = LoadMaterials(loaded, path_);
    EXPECT_EQ(result.Warning, "");
    ASSERT_EQ(loaded.Rows.size(), 7u);
    const std::vector<std::string> names = Names(loaded);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 5), kStandardNames);
    EXPECT_EQ(loaded.Rows[5].Name, "فولاد");
    EXPECT_EQ(loaded.Rows[5].Fy, "2450.5");
    EXPECT_EQ(loaded.Rows[5].Fu, "3700.25");
    EXPECT_EQ(loaded.Rows[5].E, "2040000");
    EXPECT_EQ(loaded.Rows[6].Name, "A name of twenty-th");
    EXPECT_EQ(loaded.Rows[6].Fy, "0.001");
    EXPECT_EQ(loaded.Rows[6].Fu, "0");
    EXPECT_EQ(loaded.Rows[6].E, "123456789012345");
}

// The stored values are the 80-bit extended layout of the machine's long double.
TEST_F(MaterialFileTest, ValuesAreStoredAsEightyBitExtended) {
    const long double values[] = {2400, -0.1L, 1e-4940L, 3.5e4000L, 0.0L, -0.0L};
    for (long double value : values) {
        SCOPED_TRACE(static_cast<double>(value));
        MaterialList list;
        list.Rows.push_back({"x", "1", "1", "1"});
        char text[64];
        std::snprintf(text, sizeof text, "%.21Lg", value);
        list.Rows[0].Fy = text;
        const std::string bytes = EncodeMaterialFile(list);
        unsigned char expected[sizeof(long double)] = {};
        std::memcpy(expected, &value, sizeof value);
        EXPECT_EQ(Hex(bytes.substr(24, 10)), Hex(std::string(reinterpret_cast<char*>(expected), 10)));
    }
}

TEST_F(MaterialFileTest, DamagedFilesAreReadUpToTheirLastWholeRecord) {
    const std::string record = FromHex(kTestRecordHex);
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> users;
        bool warned;
    };
    const Case cases[] = {
        {"empty file", "", {}, true},
        {"count cut short", FromHex("0100"), {}, true},
        {"negative count", FromHex("feffffff") + record, {}, true},
        {"count larger than the records", FromHex("05000000") + record + record, {"Test", "Test"}, true},
        {"last record cut short", FromHex("02000000") + record + record.substr(0, 30), {"Test"}, true},
        {"huge count", FromHex("ffffff7f") + record, {"Test"}, true},
        {"value that is not a number",
         FromHex("02000000") + record + record.substr(0, 48) + "\xff\x7f",
         {"Test"},
         true},
        {"bytes after the last record", FromHex("01000000") + record + "junk", {"Test"}, false},
        {"name length above 19",
         FromHex("01000000") + "\xC8" + record.substr(1),
         {"Test" + std::string(15, '\0')},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(path_, c.bytes);
        MaterialList list;
        const MaterialLoadResult result = LoadMaterials(list, path_);
        std::vector<std::string> expected = kStandardNames;
        expected.insert(expected.end(), c.users.begin(), c.users.end());
        EXPECT_EQ(Names(list), expected);
        EXPECT_EQ(!result.Warning.empty(), c.warned) << result.Warning;
    }
}

TEST_F(MaterialFileTest, DamageWarningSaysWhatWasRead) {
    const std::string record = FromHex(kTestRecordHex);
    WriteBytes(path_, FromHex("05000000") + record + record);
    MaterialList list;
    EXPECT_EQ(LoadMaterials(list, path_).Warning,
              "the material file " + path_ +
                  " is damaged: it claims 5 materials but holds 2; only its first 2 "
                  "materials were read");
    WriteBytes(path_, FromHex("f6ffffff"));
    EXPECT_EQ(LoadMaterials(list, path_).Warning, "the material file " + path_ +
                                                      " is damaged: its count of materials is -10; no user "
                                                      "material was read from it");
}

TEST_F(MaterialFileTest, UnreadableOrUnwritableFilesRaiseFileError) {
    MaterialList list;
    fs::create_directories(path_); // a folder where the file should be
    EXPECT_THROW(LoadMaterials(list, path_), FileError);
    EXPECT_EQ(Names(list), kStandardNames);
    fs::remove(path_);

    // A name the code page cannot hold: nothing is written and the old file stays.
    WriteBytes(path_, FromHex("00000000"));
    AddMaterialRow(list, "鋼", 2400, 3700, 2100000);
    try {
        SaveMaterials(list, path_);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "the material name \"鋼\" has a character that Windows-1256 cannot hold");
    }
    EXPECT_EQ(Hex(ReadWholeFile(path_)), "00000000");
}

TEST_F(MaterialFileTest, SavingCreatesTheMissingFolder) {
    const std::string nested = (folder_ / "a" / "b" / "UserMaterial.oum").string();
    MaterialList list;
    LoadMaterials(list, nested);
    AddMaterialRow(list, "Test", 2400, 3700, 2100000);
    SaveMaterials(list, nested);
    EXPECT_EQ(Hex(ReadWholeFile(nested)), "01000000" + kTestRecordHex);
}

TEST(MaterialListTest, FindMaterialMatchesNamesExactly) {
    MaterialList list;
    LoadMaterials(list, "/nonexistent/UserMaterial.oum");
    AddMaterialRow(list, "St 37", 1, 2, 3); // a second row of the same name is never reached

    TMaterial material{"before", 10, 20, 30};
    EXPECT_FALSE(FindMaterial(list, "st 37", material));
    EXPECT_FALSE(FindMaterial(list, "St 37 ", material));
    EXPECT_EQ(material.Name, "before");
    EXPECT_EQ(material.Fy, 10);

    EXPECT_TRUE(FindMaterial(list, "St 37", material));
    EXPECT_EQ(material.Name, "St 37");
    EXPECT_EQ(material.Fy, 2400);
    EXPECT_EQ(material.Fu, 3700);
    EXPECT_EQ(material.E, 2100000);
}

TEST(MaterialListTest, StandardRowsAreKnownByNameAlone) {
    EXPECT_TRUE(IsStandardMaterial({"St 52", "1", "1", "1"}));
    EXPECT_FALSE(IsStandardMaterial({"ST 52", "3600", "5200", "2100000"}));
    EXPECT_FALSE(IsStandardMaterial({" St 52", "3600", "5200", "2100000"}));
}

TEST(MaterialListTest, ValueTextsThatAreNotNumbersRaiseConversionError) {
    EXPECT_EQ(MaterialValue("2400"), 2400);
    EXPECT_EQ(MaterialValue("1.5E-5"), 1.5e-5L);
    for (const char* text : {"", "abc", "12x", "nan", "inf"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(MaterialValue(text), ConversionError);
    }
}

TEST(MaterialPathTest, ProgramFolderWhenWritableElseTheUserDataFolder) {
    const std::string writable = fs::temp_directory_path().string();
    EXPECT_EQ(DefaultMaterialFilePath(writable), (fs::path(writable) / "UserMaterial.oum").string());

    const char* savedData = std::getenv("XDG_DATA_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string keepData = savedData ? savedData : "";
    const std::string keepHome = savedHome ? savedHome : "";
    const std::string missing = "/nonexistent/program";

    ::setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(DefaultMaterialFilePath(missing), "/data/home/orvexlund/UserMaterial.oum");
    ::setenv("XDG_DATA_HOME", "relative", 1); // not absolute: ignored
    ::setenv("HOME", "/home/user", 1);
    EXPECT_EQ(DefaultMaterialFilePath(missing), "/home/user/.local/share/orvexlund/UserMaterial.oum");

    savedData ? ::setenv("XDG_DATA_HOME", keepData.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
    savedHome ? ::setenv("HOME", keepHome.c_str(), 1) : ::unsetenv("HOME");
}
