// The built-in materials against the published table: three rows value for
// value, and the sign convention of every row.
#include <gtest/gtest.h>

#include <utility>

#include "materials/library_table.h"

namespace {

// Three rows as published (the first, the handbook's AS4/5250-3 and the last):
// E1 E2 G12 v12 CTE1 CTE2 CME1 CME2 Xt Xc Yt Yc S (psi, in/in/F, in/in).
const std::pair<int, vc::MaterialValues> kPublished[] = {
    {0,
     {26250000, 1490000, 1040000, 0.28, 1e-08, 1.25e-05, 0, 0.6, 217500, -217500, 5800, -35700,
      9900}},
    {7,
     {15900000, 1240000, 770000, 0.3, -5e-07, 1.5e-05, 0, 0.4, 252000, -175000, 4610, -16000,
      9610}},
    {14,
     {42700000, 920000, 710000, 0.23, -6e-08, 1.44e-05, 0, 0.3, 85300, -71100, 4300, -14200, 7100}},
};

TEST(BuiltInLibrary, EveryValueAsPublished) {
  vc::LibraryTable table{};
  vc::loadBuiltInLibrary(table);
  for (const auto& [slot, values] : kPublished) EXPECT_EQ(table[slot], values) << slot;
  for (int slot = 0; slot < vc::kBuiltInMaterials; ++slot) {  // the sign convention of every row
    EXPECT_GT(table[slot][0], 0.0) << slot;
    EXPECT_LT(table[slot][9], 0.0) << slot;
    EXPECT_LT(table[slot][11], 0.0) << slot;
  }
  EXPECT_EQ(std::string(vc::libraryNames()[7]), "AS4/5250-3 Carbon/Bismaleimide (MIL-HDBK-17)");
}

}  // namespace
