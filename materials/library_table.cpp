#include "materials/library_table.h"

namespace vc {

namespace {

// Published lamina data: moduli and strengths in psi, expansion
// coefficients in in/in/F and in/in. Compressive strengths are negative.
constexpr MaterialValues kBuiltIn[kBuiltInMaterials] = {
    // E1, E2, G12, v12, CTE1, CTE2, CME1, CME2, Xt, Xc, Yt, Yc, S
    {26250000, 1490000, 1040000, 0.28, 1e-08, 1.25e-05, 0, 0.6, 217500, -217500, 5800, -35700,
     9900},
    {21460000, 1400000, 660000, 0.3, 1e-08, 1.25e-05, 0, 0.4, 191000, -177000, 6200, -24400, 7000},
    {19600000, 1340000, 910000, 0.318, 1e-08, 1.25e-05, 0, 0.4, 211000, -188000, 5660, -30000,
     11100},
    {20010000, 1300000, 1030000, 0.3, -1.7e-07, 1.561e-05, 0, 0.4, 209800, -209800, 7500, -29900,
     13485},
    {20600000, 1500000, 1040000, 0.27, -5e-07, 1.5e-05, 0.01, 0.2, 330000, -209000, 8300, -33000,
     10300},
    {19300000, 1350000, 543000, 0.34, -5e-07, 1.5e-05, 0, 0.4, 258000, -204000, 7760, -34600,
     14800},
    {19100000, 1270000, 730000, 0.28, -1e-07, 1.33e-05, 0, 0.3, 299000, -156000, 11400, -28400,
     22800},
    {15900000, 1240000, 770000, 0.3, -5e-07, 1.5e-05, 0, 0.4, 252000, -175000, 4610, -16000, 9610},
    {29400000, 1620000, 1220000, 0.32, -5e-07, 1.5e-05, 0, 0.4, 508000, -223000, 8100, -21800,
     14200},
    {21600000, 1280000, 780000, 0.342, -1e-07, 1.33e-05, 0, 0.3, 350000, -167000, 9410, -23400,
     23900},
    {5700000, 1240000, 540000, 0.28, 3.9e-06, 1.17e-05, 0, 0.2, 157000, -90000, 5700, -18600,
     12900},
    {6300000, 1290000, 660000, 0.27, 2.8e-06, 1.44e-05, 0, 0.2, 185000, -100000, 7100, -22900,
     10000},
    {6910000, 1930000, 689000, 0.27, 2.8e-06, 1.44e-05, 0, 0.2, 246000, -168000, 9000, -29000,
     14300},
    {12600000, 800000, 310000, 0.34, -1.1e-06, 3.3e-05, 0, 0.3, 185000, -49000, 4200, -22900, 7100},
    {42700000, 920000, 710000, 0.23, -6e-08, 1.44e-05, 0, 0.3, 85300, -71100, 4300, -14200, 7100},
};

// The handbook entries name their source as published; the others name the
// online data sheets their values were taken from.
constexpr std::array<const char*, kBuiltInMaterials> kNames = {
    "T300/5208 Carbon/Epoxy (Online data sheet)",  "T300/934 Carbon/Epoxy (Online data sheet)",
    "T300/976 Carbon/Epoxy (MIL-HDBK-17)",         "AS/3501 Carbon/Epoxy (Online data sheet)",
    "AS4/3501-6 Carbon/Epoxy (Online data sheet)", "AS4/3502 Carbon/Epoxy (MIL-HDBK-17)",
    "AS4/APC2 Carbon/PEEK (Online data sheet)",    "AS4/5250-3 Carbon/Bismaleimide (MIL-HDBK-17)",
    "Generic IM6/Epoxy (Online data sheet)",       "IM6/APC2 Carbon/PEEK (MIL-HDBK-17)",
    "Generic E-Glass/Epoxy (Online data sheet)",   "Generic S-Glass/Epoxy (Online data sheet)",
    "S2-449/SP 381 S-Glass/Epoxy (MIL-HDBK-17)",   "Generic Kevlar 149/Epoxy (Online data sheet)",
    "GY70/934 Carbon/Epoxy (Online data sheet)",
};

}  // namespace

const char* materialPropertyName(MaterialProperty property) {
  static const char* const names[kMaterialProperties] = {
      "E1", "E2", "G12", "v12", "CTE1", "CTE2", "CME1", "CME2", "Xt", "Xc", "Yt", "Yc", "S"};
  return names[property];
}

void loadBuiltInLibrary(LibraryTable& table) {
  for (int slot = 0; slot < kBuiltInMaterials; ++slot) table[slot] = kBuiltIn[slot];
}

const std::array<const char*, kBuiltInMaterials>& libraryNames() { return kNames; }

std::string userMaterialListText(const std::string& name) { return "User Material: " + name; }

}  // namespace vc
