// The data file as the writer lays it out, byte for byte.

#include <gtest/gtest.h>

#include <string>

#include "datafile/data_file.h"
#include "sample_laminate.h"

namespace vc {
namespace {

// Worked out by hand from the printf formats of the file layout.
const char* const kSampleFile =
    "$ Number of Materials\r\n"
    "1  \r\n"
    "$ Material Properties: Material #, E1, E2, G12, v12, CTE1, CTE2, CME1, CME2, Name\r\n"
    "1   2.060e+007 1.500e+006 1.040e+006 0.270 -5.000e-007  1.500e-005  0.0100  0.2000 "
    "AS4/3506-1 Carbon/Epoxy\r\n"
    "$ Total Number of Layers\r\n"
    "8  \r\n"
    "$ Layer #, Material #, Angle, Thickness\r\n"
    "1    1    0.0  5.000e-003\r\n"
    "2    1   45.0  5.000e-003\r\n"
    "3    1  -45.0  5.000e-003\r\n"
    "4    1   90.0  5.000e-003\r\n"
    "5    1   90.0  5.000e-003\r\n"
    "6    1  -45.0  5.000e-003\r\n"
    "7    1   45.0  5.000e-003\r\n"
    "8    1    0.0  5.000e-003\r\n"
    "$ Mechanical Load Vector: 1=forces/moments, 2=strains/curvatures\r\n"
    "1\r\n"
    "$ Forces/Moments or Strains/Curvatures\r\n"
    " 1.000e+003  0.000e+000  0.000e+000  1.000e+001  0.000e+000  0.000e+000 \r\n"
    "$ Temperature Load, Moisture Load\r\n"
    "     0.000       0.00\r\n"
    "$ Material Strengths: Material #, Xt, Xc, Yt, Yc, S\r\n"
    "1    3.300e+005 -2.090e+005  8.300e+003 -3.300e+004  1.030e+004\r\n"
    "$ Analysis Options\r\n"
    "$ Display Apparent Properites: 0=false, 1=true\r\n"
    "1\r\n"
    "$ Display Laminate ABD Matrix: 0=false, 1=true\r\n"
    "1\r\n"
    "$ Display Layer Matrices: 0=false, 1=true\r\n"
    "1\r\n"
    "$ Display Laminate Load and Strain Vectors: 0=false, 1=true\r\n"
    "1\r\n"
    "$ Display Ply Stresses and Strains:\r\n"
    "$ 0 1 = false, 1 1 = true, show effective strains, 1 2 = true, show total strains\r\n"
    "1 1\r\n"
    "$ Display Ply Failure Analysis: 0=false, 1=true\r\n"
    "1\r\n"
    "$ Calculate Equivalent Double-Double Laminate: 0=false, 1=true\r\n"
    "1\r\n";

TEST(DataFileWriter, SampleLaminateByteForByte) {
  LaminateData d;
  test::fillSampleLaminate(d);
  SettingsPage s;
  test::checkAllSettings(s);
  EXPECT_EQ(formatDataFile(d, s), kSampleFile);
}

TEST(DataFileWriter, StrainsGivenUseTheSecondLoadBlockForm) {
  LaminateData d;
  test::fillSampleLaminate(d);
  d.forcesGiven = false;
  d.strainsGiven = true;
  d.midplaneStrain[1] = 0.001;
  d.midplaneStrain[6] = -0.02;
  d.deltaT = -280;
  d.moistureGain = 0.005;
  const std::string text = formatDataFile(d, SettingsPage());
  EXPECT_NE(text.find("8    1    0.0  5.000e-003\r\n"
                      "$ Strains/Curvatures: eX, eY, gXY, kX, kY, kXY\r\n"
                      "2\r\n"
                      " 1.000e-003  0.000e+000  0.000e+000  0.000e+000  0.000e+000 -2.000e-002 \r\n"
                      "$ Temperature Load, Moisture Load\r\n"
                      "  -280.000       0.50\r\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("Forces/Moments or"), std::string::npos);
}

TEST(DataFileWriter, OptionsFollowTheSettingsPage) {
  LaminateData d;
  test::fillSampleLaminate(d);
  SettingsPage s;  // as at start: the first two boxes, effective strains
  s.optb_1.selected = false;
  s.optb_2.selected = true;
  s.checkbox_5.checked = true;
  const std::string text = formatDataFile(d, s);
  const std::string tail =
      "$ Display Apparent Properites: 0=false, 1=true\r\n1\r\n"
      "$ Display Laminate ABD Matrix: 0=false, 1=true\r\n1\r\n"
      "$ Display Layer Matrices: 0=false, 1=true\r\n0\r\n"
      "$ Display Laminate Load and Strain Vectors: 0=false, 1=true\r\n0\r\n"
      "$ Display Ply Stresses and Strains:\r\n"
      "$ 0 1 = false, 1 1 = true, show effective strains, 1 2 = true, show total strains\r\n"
      "1 2\r\n"
      "$ Display Ply Failure Analysis: 0=false, 1=true\r\n0\r\n"
      "$ Calculate Equivalent Double-Double Laminate: 0=false, 1=true\r\n0\r\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(DataFileWriter, AnglesMoistureNegativeZeroAndEmptyDescription) {
  LaminateData d;
  test::fillSampleLaminate(d);
  d.numLayers = 2;
  d.angle[1] = test::radians(22.5);
  d.angle[2] = test::radians(33.33);
  d.mechLoad[2] = -0.0;
  d.moistureGain = 0.005;
  d.description[1][0] = '\0';
  const std::string text = formatDataFile(d, SettingsPage());
  EXPECT_NE(text.find("1    1   22.5  5.000e-003\r\n2    1   33.3  5.000e-003\r\n"), std::string::npos);
  EXPECT_NE(text.find(" 1.000e+003  0.000e+000 "), std::string::npos);
  EXPECT_NE(text.find("     0.000       0.50\r\n"), std::string::npos);
  EXPECT_NE(text.find(" 0.0100  0.2000 \r\n"), std::string::npos);
}

TEST(DataFileWriter, LineBreaksInADescriptionBecomeBlanks) {
  LaminateData d;
  test::fillSampleLaminate(d);
  std::strcpy(d.description[1], "two\r\nlines");
  const std::string text = formatDataFile(d, SettingsPage());
  EXPECT_NE(text.find(" 0.2000 two  lines\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vc
