// The material table behind the Material Library window: the 15 published
// unidirectional ply materials in slots 0 to 14 and, from slot 15 on, the
// user materials in the order the window lists them. Every entry is held in
// English units (psi, in/in/F, in/in); conversions live in material_units.h.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vc {

// The order of a ply material's properties everywhere: library entries, user
// records, the data file and the Materials and Strength grids.
enum MaterialProperty : int {
  kE1 = 0,
  kE2,
  kG12,
  kV12,
  kCTE1,
  kCTE2,
  kCME1,
  kCME2,
  kXt,
  kXc,
  kYt,
  kYc,
  kS,
};

constexpr int kMaterialProperties = 13;
constexpr int kBuiltInMaterials = 15;
constexpr int kUserMaterialSlotCount = 30;
constexpr int kLibrarySlots = kBuiltInMaterials + kUserMaterialSlotCount;
// The table slot of the first listed user material.
constexpr int kFirstUserLibrarySlot = kBuiltInMaterials;

// One material's 13 properties in the order above; Xc and Yc are zero or
// negative.
using MaterialValues = std::array<double, kMaterialProperties>;
using LibraryTable = std::array<MaterialValues, kLibrarySlots>;

// The property's short name: "E1", "E2", "G12", "v12", "CTE1", "CTE2",
// "CME1", "CME2", "Xt", "Xc", "Yt", "Yc", "S".
const char* materialPropertyName(MaterialProperty property);

// Writes the 15 built-in materials into slots 0 to 14.
void loadBuiltInLibrary(LibraryTable& table);

// The list text of built-in slot `slot` (0 to 14): the material name and, in
// parentheses, where its values were published.
const std::array<const char*, kBuiltInMaterials>& libraryNames();

// "User Material: " and the record's name: how the library list shows a
// user material, and the description a copy writes into the Materials page.
std::string userMaterialListText(const std::string& name);

}  // namespace vc
