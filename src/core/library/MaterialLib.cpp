#include "library/MaterialLib.h"

#include "model/AtomicFile.h"
#include "model/Cp1256.h"
#include "model/Errors.h"
#include "model/Units.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <locale.h>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace orvex {

MaterialList MainMaterialList;

const std::array<const char*, 4> MaterialColumnHeaders = {"نام ماده", "Fy تنش جاري شدن", "Fu تنش تسليم",
                                                          "E مادول الاستيسيته"};

const std::array<StandardMaterial, 5> StandardMaterials = {{
    {"St 33", 1900, 3300, 2100000},
    {"St 34", 2100, 3400, 2100000},
    {"St 37", 2400, 3700, 2100000},
    {"St 42", 2600, 4200, 2100000},
    {"St 52", 3600, 5200, 2100000},
}};

namespace {

static_assert(LDBL_MANT_DIG == 64, "the material file stores 80-bit extended values");

constexpr std::size_t kExtendedSize = 10;
constexpr const char* kMaterialFileName = "UserMaterial.oum";

// 80-bit extended as stored: 64-bit mantissa with explicit integer bit, then 15-bit biased
// exponent and sign, little-endian. Built from the value's parts so that the bytes do not depend
// on how the compiler lays out a long double. `value` is finite (MaterialValue refuses the rest).
void AppendExtended(std::string& out, Extended value) {
    std::uint64_t mantissa = 0;
    std::uint16_t exponentAndSign = std::signbit(value) ? 0x8000 : 0;
    const Extended magnitude = std::fabs(value);
    if (magnitude != 0) {
        int exponent = 0;
        const Extended fraction = std::frexp(magnitude, &exponent); // magnitude = fraction * 2^exponent
        mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        int biased = exponent - 1 + 16383;
        if (biased <= 0) { // denormal: the integer bit is clear and the exponent field is 0
            mantissa >>= (1 - biased);
            biased = 0;
        }
        exponentAndSign |= static_cast<std::uint16_t>(biased);
    }
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((mantissa >> (8 * i)) & 0xFF));
    out.push_back(static_cast<char>(exponentAndSign & 0xFF));
    out.push_back(static_cast<char>(exponentAndSign >> 8));
}

// The value of 10 stored bytes, or false for an infinity or a NaN (exponent field all ones).
bool ReadExtended(const unsigned char* bytes, Extended& value) {
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[i];
    const unsigned exponentAndSign = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
    const int biased = static_cast<int>(exponentAndSign & 0x7FFF);
    if (biased == 0x7FFF)
        return false;
    // Denormals use the exponent of the smallest normal; a clear integer bit is taken at face value.
    const int exponent = (biased == 0 ? 1 : biased) - 16383 - 63;
    const Extended magnitude = std::ldexp(static_cast<Extended>(mantissa), exponent);
    value = (exponentAndSign & 0x8000) ? -magnitude : magnitude;
    return true;
}

std::int32_t ReadInt32(const unsigned char* bytes) {
    const std::uint32_t raw = bytes[0] | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                              (static_cast<std::uint32_t>(bytes[2]) << 16) |
                              (static_cast<std::uint32_t>(bytes[3]) << 24);
    return static_cast<std::int32_t>(raw);
}

void AppendInt32(std::string& out, std::int32_t value) {
    const auto raw = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((raw >> (8 * i)) & 0xFF));
}

std::string DamagedWarning(const std::string& path, const std::string& reason, std::size_t kept) {
    std::string text = "the material file " + path + " is damaged: " + reason + "; ";
    if (kept == 0)
        return text + "no user material was read from it";
    if (kept == 1)
        return text + "only its first material was read";
    return text + "only its first " + std::to_string(kept) + " materials were read";
}

} // namespace

void AddMaterialRow(MaterialList& list, const std::string& name, Extended Fy, Extended Fu, Extended E) {
    list.Rows.push_back({name, FormatGeneral(static_cast<double>(Fy)), FormatGeneral(static_cast<double>(Fu)),
                         FormatGeneral(static_cast<double>(E))});
}

bool IsStandardMaterial(const MaterialRow& row) {
    for (const StandardMaterial& standard : StandardMaterials)
        if (row.Name == standard.Name)
            return true;
    return false;
}

Extended MaterialValue(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    // Cell texts always use "." whatever the process locale is.
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    const Extended value = ::strtold_l(begin, &end, cLocale);
    while (end != nullptr && (*end == ' ' || *end == '\t'))
        ++end;
    if (end == begin || *end != '\0' || !std::isfinite(value))
        throw ConversionError("\"" + text + "\" is not a valid material value");
    return value;
}

bool FindMaterial(const MaterialList& list, const std::string& name, TMaterial& material) {
    for (const MaterialRow& row : list.Rows) {
        if (row.Name != name)
            continue;
        // Read all three before touching the record, so a bad cell leaves it as it was.
        const Extended fy = MaterialValue(row.Fy);
        const Extended fu = MaterialValue(row.Fu);
        const Extended e = MaterialValue(row.E);
        material.Name = row.Name;
        material.Fy = fy;
        material.Fu = fu;
        material.E = e;
        return true;
    }
    return false;
}

std::vector<std::string> MaterialNames(const MaterialList& list) {
    std::vector<std::string> names;
    names.reserve(list.Rows.size());
    for (const MaterialRow& row : list.Rows)
        names.push_back(row.Name);
    return names;
}

MaterialLoadResult LoadMaterials(MaterialList& list, const std::string& path) {
    list.Rows.clear();
    for (const StandardMaterial& standard : StandardMaterials)
        AddMaterialRow(list, standard.Name, standard.Fy, standard.Fu, standard.E);

    MaterialLoadResult result;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return result;
    if (error)
        throw FileError("cannot open " + path + ": " + error.message());
    if (status.type() != std::filesystem::file_type::regular)
        throw FileError("cannot open " + path + ": it is not a file");

    const std::string content = ReadWholeFile(path);
    const auto* bytes = reinterpret_cast<const unsigned char*>(content.data());
    if (content.size() < kMaterialCountSize) {
        result.Warning = DamagedWarning(path, "it is too short to hold its count of materials", 0);
        return result;
    }
    const std::int32_t count = ReadInt32(bytes);
    if (count < 0) {
        result.Warning = DamagedWarning(path, "its count of materials is " + std::to_string(count), 0);
        return result;
    }
    const std::size_t whole = (content.size() - kMaterialCountSize) / kMaterialRecordSize;
    const std::size_t expected = static_cast<std::size_t>(count);
    const std::size_t available = std::min(expected, whole);
    for (std::size_t i = 0; i < available; ++i) {
        const unsigned char* record = bytes + kMaterialCountSize + i * kMaterialRecordSize;
        const std::size_t length = std::min<std::size_t>(record[0], kMaterialNameCapacity);
        const std::string name = Cp1256ToUtf8(std::string(reinterpret_cast<const char*>(record + 1), length));
        Extended fy = 0, fu = 0, e = 0;
        const unsigned char* values = record + 1 + kMaterialNameCapacity;
        if (!ReadExtended(values, fy) || !ReadExtended(values + kExtendedSize, fu) ||
            !ReadExtended(values + 2 * kExtendedSize, e)) {
            result.Warning = DamagedWarning(
                path, "material " + std::to_string(i + 1) + " has a value that is not a number", i);
            return result;
        }
        AddMaterialRow(list, name, fy, fu, e);
    }
    if (available < expected)
        result.Warning = DamagedWarning(
            path, "it claims " + std::to_string(count) + " materials but holds " + std::to_string(whole),
            available);
    return result;
}

std::string EncodeMaterialFile(const MaterialList& list) {
    std::int32_t count = 0;
    std::string records;
    for (const MaterialRow& row : list.Rows) {
        if (IsStandardMaterial(row))
            continue;
        const std::optional<std::string> encoded = Utf8ToCp1256(row.Name);
        if (!encoded)
            throw FileError("the material name \"" + row.Name +
                            "\" has a character that Windows-1256 cannot hold");
        const std::string name = encoded->substr(0, kMaterialNameCapacity);
        records.push_back(static_cast<char>(name.size()));
        records += name;
        records.append(kMaterialNameCapacity - name.size(), '\0');
        AppendExtended(records, MaterialValue(row.Fy));
        AppendExtended(records, MaterialValue(row.Fu));
        AppendExtended(records, MaterialValue(row.E));
        ++count;
    }
    std::string bytes;
    AppendInt32(bytes, count);
    return bytes + records;
}

void SaveMaterials(const MaterialList& list, const std::string& path) {
    const std::string bytes = EncodeMaterialFile(list);
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error)
            throw FileError("cannot create the folder " + folder.string() + ": " + error.message());
    }
    WriteFileAtomically(path, bytes);
}

std::string DefaultMaterialFilePath(const std::string& programDir) {
    const std::filesystem::path program = std::filesystem::path(programDir.empty() ? "." : programDir);
    if (::access(program.c_str(), W_OK) == 0)
        return (program / kMaterialFileName).string();
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (dataHome != nullptr && dataHome[0] == '/') {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0')
            return (program / kMaterialFileName).string();
        base = std::filesystem::path(home) / ".local" / "share";
    }
    return (base / "orvexlund" / kMaterialFileName).string();
}

} // namespace orvex
