// How the reader takes a data file apart: comments, value forms, the
// description and strength lines, the load kinds and the options.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "datafile/data_file.h"
#include "sample_laminate.h"

namespace vc {
namespace {

// A two-material, three-layer file written by hand, LF line ends.
const char* const kSmallFile =
    "$ Number of Materials\n"
    "2\n"
    "$ Material Properties\n"
    "1 1.8e+007 1.2e6 0.7E6 0.28 1e-6 2e-5 0.01 0.3   T300 carbon  \n"
    "2 +5.6e6 1200000 600000 .26 4.8e-6 1.23e-5 0 0.6\n"
    "$ Total Number of Layers\n"
    "3\n"
    "$ Layer #, Material #, Angle, Thickness\n"
    "1 1 22.5 0.005\n"
    "2 2 -45 0.0075\n"
    "3 1 90 0.005\n"
    "$ Mechanical Load Vector\n"
    "1\n"
    "$ Forces/Moments\n"
    "100 -200 30 4 5 -6 \n"
    "$ Temperature Load, Moisture Load\n"
    "-280.000 0.50\n"
    "$ Material Strengths\n"
    "1 2.2e5 250000 5800 -35700 9860\n"
    "150000 88500 4500 -17100 10400\n"
    "$ Analysis Options\n"
    "0\n1\n1\n0\n1 2\n1\n1\n";

struct Parsed {
  std::unique_ptr<LaminateData> data = std::make_unique<LaminateData>();
  SettingsPage settings;
  std::string error;
  bool ok = false;
};

Parsed parse(const std::string& text) {
  Parsed p;
  p.ok = parseDataFile(text, *p.data, p.settings, p.error);
  return p;
}

std::string withCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST(DataFileReader, ReadsEveryBlockOfAHandWrittenFile) {
  for (const std::string& text : {std::string(kSmallFile), withCrLf(kSmallFile)}) {
    Parsed p = parse(text);
    ASSERT_TRUE(p.ok) << p.error;
    const LaminateData& d = *p.data;
    EXPECT_EQ(d.numMaterials, 2);
    EXPECT_DOUBLE_EQ(d.E1[1], 18e6);
    EXPECT_DOUBLE_EQ(d.G12[1], 0.7e6);
    EXPECT_DOUBLE_EQ(d.CME2[1], 0.3);
    EXPECT_STREQ(d.description[1], "T300 carbon");
    EXPECT_DOUBLE_EQ(d.E1[2], 5.6e6);
    EXPECT_DOUBLE_EQ(d.v12[2], 0.26);
    EXPECT_STREQ(d.description[2], "");
    EXPECT_EQ(d.numLayers, 3);
    EXPECT_EQ(d.MatID[2], 2);
    EXPECT_EQ(d.layerNumber[3], 3);
    EXPECT_DOUBLE_EQ(d.angle[1], 22.5 * 3.14159265358979 / 180.0);
    EXPECT_DOUBLE_EQ(d.angle[2], -45 * 3.14159265358979 / 180.0);
    EXPECT_DOUBLE_EQ(d.totalThickness, 0.0175);
    EXPECT_EQ(d.loadKind, 1);
    EXPECT_DOUBLE_EQ(d.mechLoad[2], -200);
    EXPECT_DOUBLE_EQ(d.mechLoad[6], -6);
    EXPECT_DOUBLE_EQ(d.deltaT, -280);
    EXPECT_DOUBLE_EQ(d.moistureGain, 0.005);
    // Six pieces: the number in front is skipped; five pieces: all strengths.
    EXPECT_DOUBLE_EQ(d.Xt[1], 2.2e5);
    EXPECT_DOUBLE_EQ(d.Xc[1], 250000);  // negated only by the next page copy
    EXPECT_DOUBLE_EQ(d.S[1], 9860);
    EXPECT_DOUBLE_EQ(d.Xt[2], 150000);
    EXPECT_DOUBLE_EQ(d.Yc[2], -17100);
    EXPECT_DOUBLE_EQ(d.e1t[1], 2.2e5 / 18e6);
    EXPECT_DOUBLE_EQ(d.e2c[2], -17100 / 1200000.0);
    EXPECT_DOUBLE_EQ(d.g12u[2], 10400 / 600000.0);
    const SettingsPage& s = p.settings;
    EXPECT_FALSE(s.checkbox_1.checked);
    EXPECT_TRUE(s.checkbox_2.checked);
    EXPECT_TRUE(s.checkbox_3.checked);
    EXPECT_FALSE(s.checkbox_4.checked);
    EXPECT_TRUE(s.checkbox_5.checked);
    EXPECT_FALSE(s.optb_1.selected);
    EXPECT_TRUE(s.optb_2.selected);
    EXPECT_TRUE(s.checkbox_6.checked);
    EXPECT_TRUE(s.checkbox_7.checked);
  }
}

TEST(DataFileReader, ValuesMayBeSplitOrJoinedOutsideTheLineBoundParts) {
  const std::string joined =
      "2 1 1.8e+007 1.2e6 0.7E6 0.28 1e-6 2e-5 0.01 0.3 T300 carbon\n"
      "2\n+5.6e6\n1200000 600000\n.26 4.8e-6 1.23e-5 0 0.6\n"
      "3 1 1 22.5 0.005 2 2 -45 0.0075\n3 1 90 0.005 1 100 -200 30 4 5 -6\n\n-280 0.5\n"
      "1 2.2e5 250000 5800 -35700 9860\n150000 88500 4500 -17100 10400\n"
      "0 1 1 0 1 2 1 1\n";
  Parsed p = parse(joined);
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_DOUBLE_EQ(p.data->E1[2], 5.6e6);
  EXPECT_DOUBLE_EQ(p.data->CME2[2], 0.6);
  EXPECT_DOUBLE_EQ(p.data->thickness[3], 0.005);
  EXPECT_DOUBLE_EQ(p.data->mechLoad[6], -6);
  EXPECT_DOUBLE_EQ(p.data->moistureGain, 0.005);
  EXPECT_TRUE(p.settings.checkbox_7.checked);
}

TEST(DataFileReader, NumbersInEveryFormTheCLibraryReads) {
  const char* forms[] = {"1.8e+007", "1.8e7", "1.8E+07", "+18000000", "18000000.",
                         "0x1.12a88p+24", "1.8e+7"};
  for (const char* form : forms) {
    std::string text = kSmallFile;
    text.replace(text.find("1.8e+007"), 8, form);
    Parsed p = parse(text);
    ASSERT_TRUE(p.ok) << form << ": " << p.error;
    EXPECT_DOUBLE_EQ(p.data->E1[1], 18e6) << form;
  }
  std::string text = kSmallFile;
  text.replace(text.find("-280.000"), 8, "inf");
  Parsed p = parse(text);
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_TRUE(p.data->deltaT > 1e308);
}

TEST(DataFileReader, OnlyADollarInTheFirstColumnMarksAComment) {
  std::string text = std::string(" ") + kSmallFile;  // " $ Number of Materials"
  Parsed p = parse(text);
  EXPECT_FALSE(p.ok);
  EXPECT_EQ(p.error, "line 1: expected the number of materials, found \"$\".");
}

TEST(DataFileReader, TrailingBlanksAndTabsDoNotShiftTheStrengths) {
  std::string text = kSmallFile;
  text.replace(text.find("1 2.2e5 250000 5800 -35700 9860\n"), 32,
               "1 2.2e5 250000 5800 -35700 9860 \t \n");
  text.replace(text.find("150000 88500 4500 -17100 10400\n"), 31,
               "150000\t88500\t4500\t-17100\t10400 \n");
  Parsed p = parse(text);
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_DOUBLE_EQ(p.data->Xt[1], 2.2e5);
  EXPECT_DOUBLE_EQ(p.data->S[1], 9860);
  EXPECT_DOUBLE_EQ(p.data->Xt[2], 150000);
  EXPECT_DOUBLE_EQ(p.data->S[2], 10400);
}

TEST(DataFileReader, StrengthLineOfMaterialTenCarriesItsNumber) {
  LaminateData sample;
  test::fillSampleLaminate(sample);
  sample.numMaterials = 10;
  for (int m = 2; m <= 10; ++m) {
    sample.E1[m] = sample.E2[m] = sample.G12[m] = 1e6;
    sample.Xt[m] = 1000.0 * m;
    sample.S[m] = 7.0 * m;
  }
  const std::string text = formatDataFile(sample, SettingsPage());
  ASSERT_NE(text.find("\r\n10   1.000e+004"), std::string::npos);
  Parsed p = parse(text);
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_DOUBLE_EQ(p.data->Xt[10], 10000);
  EXPECT_DOUBLE_EQ(p.data->S[10], 70);
  EXPECT_DOUBLE_EQ(p.data->Xt[9], 9000);
}

TEST(DataFileReader, MissingOptionsAtTheEndKeepTheirBoxes) {
  std::string text = kSmallFile;
  text.resize(text.size() - 2);  // no double-double line
  for (bool before : {false, true}) {
    Parsed p;
    p.settings.checkbox_7.checked = before;
    p.ok = parseDataFile(text, *p.data, p.settings, p.error);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.settings.checkbox_7.checked, before);
    EXPECT_TRUE(p.settings.checkbox_6.checked);
  }
  // Cut after the ply-stress flag: the strain choice and what follows stay.
  std::string shorter = kSmallFile;
  shorter.resize(shorter.find("1 2\n1\n1\n") + 1);
  Parsed p;
  p.ok = parseDataFile(shorter, *p.data, p.settings, p.error);
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_TRUE(p.settings.checkbox_5.checked);
  EXPECT_TRUE(p.settings.optb_1.selected);
  EXPECT_FALSE(p.settings.checkbox_6.checked);
}

TEST(DataFileReader, StrainChoiceOtherThanOneSelectsTotalStrains) {
  for (const char* choice : {"1 0", "1 2", "1 7"}) {
    std::string text = kSmallFile;
    text.replace(text.find("1 2\n1\n1\n"), 3, choice);
    Parsed p = parse(text);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_TRUE(p.settings.optb_2.selected) << choice;
    EXPECT_FALSE(p.settings.optb_1.selected) << choice;
  }
  std::string text = kSmallFile;
  text.replace(text.find("1 2\n1\n1\n"), 3, "0 1");
  Parsed p = parse(text);
  EXPECT_TRUE(p.settings.optb_1.selected);
  EXPECT_FALSE(p.settings.checkbox_5.checked);
}

TEST(DataFileReader, LoadKindsZeroAndTwo) {
  std::string kind2 = kSmallFile;
  kind2.replace(kind2.find("$ Mechanical Load Vector\n1\n"), 27, "$ Strains\n2\n");
  Parsed p;
  p.data->mechLoad[1] = 77;
  p.ok = parseDataFile(kind2, *p.data, p.settings, p.error);
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.data->loadKind, 2);
  EXPECT_DOUBLE_EQ(p.data->midplaneStrain[1], 100);
  EXPECT_DOUBLE_EQ(p.data->midplaneStrain[6], -6);
  EXPECT_DOUBLE_EQ(p.data->mechLoad[1], 77);  // not in the file, kept

  std::string kind0 = kSmallFile;
  kind0.replace(kind0.find("1\n$ Forces/Moments\n100 -200 30 4 5 -6 \n"), 39, "0\n");
  Parsed q = parse(kind0);
  ASSERT_TRUE(q.ok) << q.error;
  EXPECT_EQ(q.data->loadKind, 0);
  EXPECT_DOUBLE_EQ(q.data->deltaT, -280);
  EXPECT_DOUBLE_EQ(q.data->Xt[2], 150000);
}

// A long description is kept whole and the values after it still read;
// fields the file does not carry keep their values.
TEST(DataFileReader, LongDescriptionAndFieldsNotInTheFile) {
  std::string text = kSmallFile;
  text.replace(text.find("T300 carbon"), 11, std::string(200, 'x'));
  Parsed p;
  p.data->symmetric = true;
  p.data->E1[5] = 123;
  p.ok = parseDataFile(text, *p.data, p.settings, p.error);
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(std::string(p.data->description[1]), std::string(200, 'x'));
  EXPECT_DOUBLE_EQ(p.data->E1[2], 5.6e6);
  EXPECT_TRUE(p.data->symmetric);
  EXPECT_DOUBLE_EQ(p.data->E1[5], 123);
}

}  // namespace
}  // namespace vc
