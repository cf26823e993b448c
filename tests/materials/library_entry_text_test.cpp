// Showing and copying library entries in English and metric units.
#include <gtest/gtest.h>

#include <string>

#include "materials/library_entry_text.h"
#include "materials/library_table.h"
#include "materials/material_units.h"

namespace {

using vc::MaterialUnits;

vc::MaterialValues builtIn(int slot) {
  vc::LibraryTable table{};
  vc::loadBuiltInLibrary(table);
  return table[slot];
}

TEST(LibraryEntryText, EnglishPropertiesOfSlot0) {
  const std::string expected =
      "Tensile Modulus E1 = \t2.625E+007 psi\r\n"
      "Tensile Modulus E2 = \t1.490E+006 psi\r\n"
      "Shear Modulus G12 = \t1.040E+006 psi\r\n"
      "Poisson's Ratio v12 = \t 0.280 \r\n"
      "Thermal Expansion CTE1 = \t1.000E-008 in/in/F\r\n"
      "Thermal Expansion CTE2 = \t1.250E-005 in/in/F\r\n"
      "Moisture Expansion CME1 = \t 0.000 in/in\r\n"
      "Moisture Expansion CME2 = \t 0.600 in/in\r\n"
      "Tensile Strength Xt =     \t2.175E+005 psi\r\n"
      "Compressive Strength Xc = \t-2.175E+005 psi\r\n"
      "Tensile Strength Yt =     \t5.800E+003 psi\r\n"
      "Compressive Strength Yc = \t-3.570E+004 psi\r\n"
      "Shear Strength S = \t\t9.900E+003 psi\r\n"
      "Note: Some properties may be estimated. See listed source for\r\n"
      "details on which properties are known or unknown.\r\n";
  EXPECT_EQ(vc::libraryEntryText(builtIn(0), MaterialUnits::English, true), expected);
}

TEST(LibraryEntryText, MetricLinesOfSlot0) {
  const std::string text = vc::libraryEntryText(builtIn(0), MaterialUnits::Metric, false);
  const char* lines[] = {
      "Tensile Modulus E1 = \t1.810E+011 Pa\r\n",          // 26250000 x 6896.55 = 181034437500
      "Thermal Expansion CTE2 = \t2.250E-005 m/m/C\r\n",   // 1.25e-05 x 1.8
      "Moisture Expansion CME2 = \t 0.600 m/m\r\n",        // unchanged
      "Poisson's Ratio v12 = \t 0.280 \r\n",
      "Compressive Strength Xc = \t-1.500E+009 Pa\r\n",    // -217500 x 6896.55 = -1499999625
      "Shear Strength S = \t\t6.828E+007 Pa \r\n",         // 9900 x 6896.55 = 68275845
  };
  for (const char* line : lines) EXPECT_NE(text.find(line), std::string::npos) << line;
  EXPECT_EQ(text.find("Note:"), std::string::npos);  // a user material has no note
}

TEST(LibraryEntryText, CopyOfSlot4IntoThePages) {
  const struct {
    MaterialUnits units;
    std::array<std::string, 8> materials;
    std::array<std::string, 5> strengths;
  } cases[] = {
      {MaterialUnits::English,
       {"2.06e+007", "1.5e+006", "1.04e+006", "0.27", "-5e-007", "1.5e-005", "0.01", "0.2"},
       {"3.3e+005", "-2.09e+005", "8300", "-33000", "10300"}},
      // Stresses / 0.000145 (20600000 / 0.000145 = 142068965517.2), CTE x 1.8.
      {MaterialUnits::Metric,
       {"1.4207e+011", "1.0345e+010", "7.1724e+009", "0.27", "-9e-007", "2.7e-005", "0.01", "0.2"},
       {"2.2759e+009", "-1.4414e+009", "5.7241e+007", "-2.2759e+008", "7.1034e+007"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(vc::libraryMaterialsRowTexts(builtIn(4), c.units), c.materials);
    EXPECT_EQ(vc::libraryStrengthRowTexts(builtIn(4), c.units), c.strengths);
  }
  // Slot 0: 26250000 / 0.000145 = 181034482758.62 with 5 significant digits.
  EXPECT_EQ(vc::libraryMaterialsRowTexts(builtIn(0), MaterialUnits::Metric)[0], "1.8103e+011");
}

TEST(MaterialUnits, TheTwoStressFactorsStayApart) {
  EXPECT_EQ(vc::metricForDisplay(vc::kE1, 1e6), 6896550000.0);
  EXPECT_NEAR(vc::metricForCopy(vc::kE1, 1e6), 6896551724.138, 1e-3);
  EXPECT_EQ(vc::englishFromMetricEntry(vc::kS, 6896.55), 1.0);
  EXPECT_DOUBLE_EQ(vc::englishFromMetricEntry(vc::kCTE1, 1.8), 1.0);
  EXPECT_DOUBLE_EQ(vc::metricForCopy(vc::kCTE2, 1e-5), 1.8e-5);
  for (auto p : {vc::kV12, vc::kCME1, vc::kCME2}) {
    EXPECT_EQ(vc::metricForDisplay(p, 0.3), 0.3);
    EXPECT_EQ(vc::metricForCopy(p, 0.3), 0.3);
    EXPECT_EQ(vc::englishFromMetricEntry(p, 0.3), 0.3);
  }
}

TEST(MaterialUnits, NonFiniteResultsBecomeZero) {
  vc::MaterialValues huge{};
  huge[vc::kE1] = 1e305;
  EXPECT_EQ(vc::libraryMaterialsRowTexts(huge, MaterialUnits::Metric)[0], "0");
  EXPECT_EQ(vc::userSlotBoxTexts(huge, MaterialUnits::Metric)[vc::kE1], "0.000E+000");
  EXPECT_NE(vc::libraryEntryText(huge, MaterialUnits::Metric, false).find("\t0.000E+000 Pa"), std::string::npos);
}

TEST(EditorBoxes, FormatsSignsAndLabels) {
  vc::MaterialValues values = builtIn(0);
  values[vc::kXc] = 150000;  // a positive compressive strength is shown negated
  const auto english = vc::userSlotBoxTexts(values, MaterialUnits::English);
  EXPECT_EQ(english[vc::kE1], "2.625E+007");
  EXPECT_EQ(english[vc::kV12], "0.2800    ");
  EXPECT_EQ(english[vc::kCME1], "0.0000    ");
  EXPECT_EQ(english[vc::kXc], "-1.500E+005");
  const auto metric = vc::userSlotBoxTexts(values, MaterialUnits::Metric);
  EXPECT_EQ(metric[vc::kE1], "1.810E+011");
  EXPECT_EQ(metric[vc::kCTE2], "2.250E-005");
  EXPECT_EQ(vc::editorBoxTextsAsGiven(values)[vc::kXc], "1.500E+005");

  const struct {
    vc::MaterialProperty property;
    const char* english;
    const char* metric;
  } labels[] = {{vc::kE1, "E1 (psi):", "E1 (Pa):"},
                {vc::kV12, "v12:", "v12:"},
                {vc::kCTE2, "CTE2 (in/in/F):", "CTE2 (m/m/C):"},
                {vc::kCME1, "CME1 (in/in):", "CME1 (m/m):"},
                {vc::kS, "S (psi):", "S (Pa):"}};
  for (const auto& l : labels) {
    EXPECT_EQ(vc::editorLabelText(l.property, MaterialUnits::English), l.english);
    EXPECT_EQ(vc::editorLabelText(l.property, MaterialUnits::Metric), l.metric);
  }
}

}  // namespace
