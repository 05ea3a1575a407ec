#pragma once

#include "model/Extended.h"
#include "model/Records.h"

#include <array>
#include <string>
#include <vector>

namespace orvex {

// One material as the material table shows it. The three stresses (kg/cm²) are held as their
// general-format text; whoever needs a number reads it back with MaterialValue.
struct MaterialRow {
    std::string Name; // UTF-8
    std::string Fy;
    std::string Fu;
    std::string E;
};

// The materials in table order; the standard steels come first after every load.
struct MaterialList {
    std::vector<MaterialRow> Rows;
};

// The list the section frames and the material manager share.
extern MaterialList MainMaterialList;

// Header texts of the material table: name, Fy, Fu, E.
extern const std::array<const char*, 4> MaterialColumnHeaders;

// The five steels that every list holds and no file stores, in their order.
struct StandardMaterial {
    const char* Name;
    Extended Fy;
    Extended Fu;
    Extended E;
};
extern const std::array<StandardMaterial, 5> StandardMaterials;

// Record layout of the material file.
constexpr std::size_t kMaterialCountSize = 4;
constexpr std::size_t kMaterialRecordSize = 50;
constexpr std::size_t kMaterialNameCapacity = 19;

// Appends a row; the numbers are stored as their general-format text.
void AddMaterialRow(MaterialList& list, const std::string& name, Extended Fy, Extended Fu, Extended E);

// True when the row's name is exactly one of the standard names.
bool IsStandardMaterial(const MaterialRow& row);

// A stress cell read as a number; raises ConversionError for a text that is not one.
Extended MaterialValue(const std::string& text);

// Copies name, Fy, Fu and E of the first row named exactly `name` into `material` and returns
// true; false, with `material` untouched, when no row has that name.
bool FindMaterial(const MaterialList& list, const std::string& name, TMaterial& material);

// Names of all rows in row order.
std::vector<std::string> MaterialNames(const MaterialList& list);

struct MaterialLoadResult {
    // Empty when the file was read whole (or does not exist); otherwise a sentence telling the
    // user that the file is damaged and which materials were kept.
    std::string Warning;
};

// Rebuilds `list` from the standard materials followed by the records of the file at `path`. A
// missing file leaves the standard materials only. A damaged file (short, or with a count that
// is negative or larger than its records) gives the whole records it holds and a warning. Raises
// FileError when the file exists but cannot be read; `list` then holds the standard materials.
MaterialLoadResult LoadMaterials(MaterialList& list, const std::string& path);

// Writes the rows that are not standard to `path`, creating its folder when needed; the previous
// file survives a failed write. Raises FileError when the file cannot be written or a name has a
// character that Windows-1256 lacks, and ConversionError when a stress text is not a number.
void SaveMaterials(const MaterialList& list, const std::string& path);

// The bytes of the material file for the rows that are not standard.
std::string EncodeMaterialFile(const MaterialList& list);

// The program folder's UserMaterial.oum when that folder is writable; otherwise the file in the
// user's data folder ($XDG_DATA_HOME/orvexlund, or ~/.local/share/orvexlund).
std::string DefaultMaterialFilePath(const std::string& programDir);

} // namespace orvex
