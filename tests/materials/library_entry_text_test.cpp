// Showing and copying library entries in English and metric units.
#include <gtest/gtest.h>

#include "materials/library_entry_text.h"

namespace {

using vc::MaterialUnits;

vc::MaterialValues builtIn(int slot) {
  vc::LibraryTable table{};
  vc::loadBuiltInLibrary(table);
  return table[slot];
}

TEST(LibraryEntryText, PropertiesOfSlot0) {
  EXPECT_EQ(
      vc::libraryEntryText(builtIn(0), MaterialUnits::English, true),
      "Tensile Modulus E1 = \t2.625E+007 psi\r\nTensile Modulus E2 = \t1.490E+006 psi\r\n"
      "Shear Modulus G12 = \t1.040E+006 psi\r\nPoisson's Ratio v12 = \t 0.280 \r\n"
      "Thermal Expansion CTE1 = \t1.000E-008 in/in/F\r\nThermal Expansion CTE2 = \t1.250E-005 "
      "in/in/F\r\n"
      "Moisture Expansion CME1 = \t 0.000 in/in\r\nMoisture Expansion CME2 = \t 0.600 in/in\r\n"
      "Tensile Strength Xt =     \t2.175E+005 psi\r\nCompressive Strength Xc = \t-2.175E+005 "
      "psi\r\n"
      "Tensile Strength Yt =     \t5.800E+003 psi\r\nCompressive Strength Yc = \t-3.570E+004 "
      "psi\r\n"
      "Shear Strength S = \t\t9.900E+003 psi\r\n"
      "Note: Some properties may be estimated. See listed source for\r\n"
      "details on which properties are known or unknown.\r\n");
  // x 6896.55 and x 1.8; the metric shear strength line ends in a blank; no note.
  const std::string metric = vc::libraryEntryText(builtIn(0), MaterialUnits::Metric, false);
  for (const char* line :
       {"E1 = \t1.810E+011 Pa\r\n", "CTE2 = \t2.250E-005 m/m/C\r\n", "CME2 = \t 0.600 m/m\r\n",
        "Xc = \t-1.500E+009 Pa\r\n", "Shear Strength S = \t\t6.828E+007 Pa \r\n"})
    EXPECT_NE(metric.find(line), std::string::npos) << line;
  EXPECT_EQ(metric.find("Note:"), std::string::npos);
}

TEST(LibraryEntryText, CopiesAndEditorBoxes) {
  // A copy in metric units: stresses / 0.000145 (20600000 / 0.000145 = 142068965517.2), CTE x 1.8.
  EXPECT_EQ(vc::libraryMaterialsRowTexts(builtIn(4), MaterialUnits::Metric),
            (std::array<std::string, 8>{"1.4207e+011", "1.0345e+010", "7.1724e+009", "0.27",
                                        "-9e-007", "2.7e-005", "0.01", "0.2"}));
  EXPECT_EQ(vc::libraryStrengthRowTexts(builtIn(4), MaterialUnits::Metric),
            (std::array<std::string, 5>{"2.2759e+009", "-1.4414e+009", "5.7241e+007",
                                        "-2.2759e+008", "7.1034e+007"}));
  // In English units a copy is the table's value as page text.
  EXPECT_EQ(vc::libraryMaterialsRowTexts(builtIn(4), MaterialUnits::English)[0] + "|" +
                vc::libraryStrengthRowTexts(builtIn(4), MaterialUnits::English)[1],
            "2.06e+007|-2.09e+005");
  // 1450072.7 / 0.000145 = 10000501379 rounds up; x 6896.55 (10000498879) would not.
  vc::MaterialValues values{1450072.7};  // E1
  EXPECT_EQ(vc::libraryMaterialsRowTexts(values, MaterialUnits::Metric)[0], "1.0001e+010");
  EXPECT_EQ(vc::metricForDisplay(vc::kE1, 1e6), 6896550000.0);

  values = builtIn(0);
  values[vc::kXc] = 150000;  // shown negated
  const auto english = vc::userSlotBoxTexts(values, MaterialUnits::English);
  EXPECT_EQ(english[vc::kE1] + "|" + english[vc::kV12] + "|" + english[vc::kXc],
            "2.625E+007|0.2800    |-1.500E+005");
  const auto metric = vc::userSlotBoxTexts(values, MaterialUnits::Metric);
  EXPECT_EQ(metric[vc::kE1] + "|" + metric[vc::kCTE2], "1.810E+011|2.250E-005");
  EXPECT_EQ(vc::editorBoxTextsAsGiven(values)[vc::kXc], "1.500E+005");
  EXPECT_EQ(vc::editorLabelText(vc::kCTE2, MaterialUnits::Metric) +
                vc::editorLabelText(vc::kV12, MaterialUnits::English),
            "CTE2 (m/m/C):v12:");
  values[vc::kE1] = 1e305;  // beyond the range once converted: 0, never "inf"
  EXPECT_EQ(vc::libraryMaterialsRowTexts(values, MaterialUnits::Metric)[0] + "|" +
                vc::userSlotBoxTexts(values, MaterialUnits::Metric)[vc::kE1],
            "0|0.000E+000");
}

}  // namespace
