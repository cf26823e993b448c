// The data file: the writer's layout byte for byte, the reader's grammar,
// the refusals with the line they name, and saving and reading on disk.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "datafile/data_file.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The worked example of the sample data (AS4/3506-1, [0/45/-45/90]s, NX =
// 1000, MX = 10) as the pages leave it; examples/sample.vcl holds its file
// with every option set, laid out by hand from the file's printf formats.
std::unique_ptr<LaminateData> sampleLaminate() {
  auto d = std::make_unique<LaminateData>();
  d->numMaterials = 1;
  d->numLayers = 8;
  d->E1[1] = 20.6e6, d->E2[1] = 1.5e6, d->G12[1] = 1.04e6, d->v12[1] = 0.27;
  d->CTE1[1] = -0.5e-6, d->CTE2[1] = 15e-6, d->CME1[1] = 0.01, d->CME2[1] = 0.2;
  d->Xt[1] = 330000, d->Xc[1] = -209000, d->Yt[1] = 8300, d->Yc[1] = -33000, d->S[1] = 10300;
  std::strcpy(d->description[1], "AS4/3506-1 Carbon/Epoxy");
  const double degrees[8] = {0, 45, -45, 90, 90, -45, 45, 0};
  for (int k = 1; k <= 8; ++k) {
    d->MatID[k] = 1;
    d->thickness[k] = 0.005;
    d->angle[k] = degrees[k - 1] * kPi / 180.0;
  }
  d->mechLoad[1] = 1000;
  d->mechLoad[4] = 10;
  d->mechanicalOn = true;
  return d;
}

DataFileOptions allOptions() { return {true, true, true, true, true, true, true, true}; }

TEST(DataFileWriter, SampleIsTheExampleFileByteForByte) {
  EXPECT_EQ(formatDataFile(*sampleLaminate(), allOptions()),
            fileText(std::string(VC_SOURCE_DIR) + "/examples/sample.vcl"));
}

// Changes to the sample and the text they must produce.
TEST(DataFileWriter, FieldLayouts) {
  auto d = sampleLaminate();
  d->angle[1] = 22.5 * kPi / 180.0, d->angle[2] = 33.33 * kPi / 180.0, d->mechLoad[2] = -0.0;
  d->description[1][0] = '\0';
  for (const char* expected : {"1    1   22.5  5.000e-003\r\n2    1   33.3  5.000e-003\r\n",
                               " 1.000e+003  0.000e+000 ", " 0.0100  0.2000 \r\n",
                               "Properites: 0=false, 1=true\r\n1\r\n$ Display Laminate ABD Matrix: "
                               "0=false, 1=true\r\n1\r\n"
                               "$ Display Layer Matrices: 0=false, 1=true\r\n0\r\n"})
    EXPECT_NE(formatDataFile(*d, DataFileOptions()).find(expected), std::string::npos) << expected;
  d->strainsGiven = true, d->forcesGiven = false, d->deltaT = -280, d->moistureGain = 0.005;
  d->midplaneStrain[1] = 0.001, d->midplaneStrain[6] = -0.02;
  std::strcpy(d->description[1], "two\r\nlines");
  DataFileOptions total = allOptions();
  total.effectiveStrains = false;
  for (const char* expected :
       {"8    1    0.0  5.000e-003\r\n$ Strains/Curvatures: eX, eY, gXY, kX, kY, kXY\r\n2\r\n"
        " 1.000e-003  0.000e+000  0.000e+000  0.000e+000  0.000e+000 -2.000e-002 \r\n"
        "$ Temperature Load, Moisture Load\r\n  -280.000       0.50\r\n",
        " 0.2000 two  lines\r\n", "show total strains\r\n1 2\r\n"})
    EXPECT_NE(formatDataFile(*d, total).find(expected), std::string::npos) << expected;

  // No line is longer than 255 characters with its line end: a long
  // description is cut, never inside a UTF-8 character (here 3-byte "\xe2\x82\xac").
  d = sampleLaminate();
  std::string e255;
  while (e255.size() < 252) e255 += "\xe2\x82\xac";
  std::memcpy(d->description[1], e255.data(), 252);
  const std::string text = formatDataFile(*d, allOptions());
  const std::size_t start = text.find("\r\n1   ", text.find("Name\r\n")) + 2;
  const std::size_t end = text.find("\r\n", start) + 2;
  EXPECT_EQ(end - start, 253u);  // the 83 bytes before it and 56 whole characters
  EXPECT_EQ(text.substr(end - 5, 5), "\xe2\x82\xac\r\n");
}

// A two-material, three-layer file written by hand.
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
    "1 2.2e5 250000 5800 -35700 9860 \t \n"
    "\n"
    "150000\t88500 4500 -17100 10400\n"
    "$ Analysis Options\n"
    "0\n1\n1\n0\n1 2\n1\n1\n";

std::string replaced(std::string text, const std::string& what, const std::string& with) {
  const std::size_t at = text.find(what);
  EXPECT_NE(at, std::string::npos) << what;
  if (at != std::string::npos) text.replace(at, what.size(), with);
  return text;
}

struct Parsed {
  std::unique_ptr<LaminateData> data = std::make_unique<LaminateData>();
  DataFileOptions options;
  std::string error;
  bool ok = false;
};

Parsed parse(const std::string& text, DataFileOptions before = DataFileOptions()) {
  Parsed p;
  p.options = before;
  p.ok = parseDataFile(text, *p.data, p.options, p.error);
  return p;
}

TEST(DataFileReader, ReadsEveryBlockInLfCrLfAndJoinedForms) {
  std::string crlf;
  for (char c : std::string(kSmallFile))
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const std::string joined =
      "2 1 1.8e+007 1.2e6 0.7E6 0.28 1e-6 2e-5 0.01 0.3 T300 carbon\n2\n+5.6e6\n1200000 600000\n"
      ".26 4.8e-6 1.23e-5 0 0.6\n3 1 1 22.5 0.005 2 2 -45 0.0075\n3 1 90 0.005 1 100 -200 30 4 5 "
      "-6\n"
      "\n-280 0.5\n1 2.2e5 250000 5800 -35700 9860\n150000 88500 4500 -17100 10400\n0 1 1 0 1 2 1 "
      "1\n";
  for (const std::string& text : {std::string(kSmallFile), crlf, joined}) {
    Parsed p = parse(text);
    ASSERT_TRUE(p.ok) << p.error;
    const LaminateData& d = *p.data;
    EXPECT_STREQ(d.description[1], "T300 carbon");
    EXPECT_STREQ(d.description[2], "");
    EXPECT_EQ((std::vector<int>{d.numMaterials, d.numLayers, d.MatID[2], d.loadKind}),
              (std::vector<int>{2, 3, 2, 1}));
    const double read[] = {d.E1[1],        d.CME2[1],     d.E1[2],          d.v12[2],
                           d.thickness[2], d.mechLoad[2], d.mechLoad[6],    d.deltaT,
                           d.moistureGain, d.Xt[1],       d.Xc[1],          d.S[1],
                           d.Xt[2],        d.Yc[2],       d.totalThickness, d.e2c[2]};
    const double expected[] = {
        18e6,  0.3,   5.6e6,  0.26, 0.0075, -200,   -6,     -280,
        0.005, 2.2e5, 250000, 9860, 150000, -17100, 0.0175, -17100 / 1200000.0};
    for (int i = 0; i < 16; ++i)
      EXPECT_NEAR(read[i], expected[i], 1e-9 * std::fabs(expected[i])) << i;
    EXPECT_EQ(d.angle[1], 22.5 * (3.14159265358979 / 180.0));
    const DataFileOptions& o = p.options;
    EXPECT_TRUE(!o.showApparent && o.showABD && o.showLayerMatrices && !o.showLoadVectors &&
                o.showPlyStresses && !o.effectiveStrains && o.showFailure && o.doubleDouble);
  }
}

TEST(DataFileReader, NumbersInEveryFormTheCLibraryReads) {
  for (const char* form : {"1.8e7", "1.8E+07", "+18000000", "18000000.", "0x1.12a88p+24"}) {
    Parsed p = parse(replaced(kSmallFile, "1.8e+007", form));
    ASSERT_TRUE(p.ok) << form << ": " << p.error;
    EXPECT_EQ(p.data->E1[1], 18e6) << form;
  }
}

TEST(DataFileReader, StrainChoiceOptionalLastOptionAndLongDescription) {
  // A description longer than the record's 255 bytes is cut to them.
  EXPECT_EQ(
      std::strlen(
          parse(replaced(kSmallFile, "T300 carbon", std::string(300, 'd'))).data->description[1]),
      255u);
  EXPECT_TRUE(parse(replaced(kSmallFile, "1 2\n", "1 1\n")).options.effectiveStrains);
  EXPECT_FALSE(parse(replaced(kSmallFile, "1 2\n", "1 7\n")).options.effectiveStrains);
  std::string noLast = kSmallFile;
  noLast.resize(noLast.size() - 2);
  for (bool before : {false, true}) {
    DataFileOptions o;
    o.doubleDouble = before;
    Parsed p = parse(noLast, o);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.doubleDouble, before);
    EXPECT_TRUE(p.options.showFailure);
  }
}

// One fault per row and the first problem the reader names; a refused file
// changes neither the record nor the options.
TEST(DataFileReader, RefusalsNameTheLineAndTheValue) {
  struct Case {
    const char* what;
    const char* with;
    std::string error;
  };
  const std::string strengths = "the strengths Xt, Xc, Yt, Yc, S of material 2";
  const Case cases[] = {
      {"2\n$ Material", "11\n$ Material",
       "line 2: the number of materials must be 1 to 10, not 11."},
      {"2\n$ Material", "0\n$ Material", "line 2: the number of materials must be 1 to 10, not 0."},
      {"2\n$ Material", "99999999999\n$ Material",
       "line 2: the number of materials must be 1 to 10, not 2147483647."},
      {"3\n$ Layer", "101\n$ Layer",
       "line 7: the total number of layers must be 0 to 100, not 101."},
      {"3\n$ Layer", "-1\n$ Layer", "line 7: the total number of layers must be 0 to 100, not -1."},
      {"5.6e6 1200000", "5.6e6 abc", "line 5: expected the E2 of material 2, found \"abc\"."},
      {"2 2 -45", "2 x -45", "line 10: expected the material number of layer 2, found \"x\"."},
      {"30 4 5", "30 - 5", "line 15: expected the mechanical load value MX, found \"-\"."},
      {"-280.000 0.50", "-280 none",
       "line 17: expected the percent moisture content, found \"none\"."},
      {"1\n$ Forces", "3\n$ Forces", "line 13: the load kind must be 0 to 2, not 3."},
      {"150000\t88500 4500 -17100 10400", "1.5e5 -8.8e4 4500 -17100",
       "line 21: expected " + strengths + ", found 4 values."},
      {"150000\t88500 4500 -17100 10400", "2 1.5e5 -8.8e4 4500 -17100 10400 9",
       "line 21: expected " + strengths + ", found 7 values."},
      {"150000\t88500", "150000\tpsi", "line 21: expected the Xc of material 2, found \"psi\"."},
      {"1 2\n1\n1\n", "1 2\nyes\n1\n",
       "line 28: expected the Display Ply Failure Analysis option, found \"yes\"."},
      {"$ Number of Materials\n", " $ Number of Materials\n",
       "line 1: expected the number of materials, found \"$\"."},
      {"-280.000 0.50\n", "-280.000 0.50\n$ cut\n",
       "end of file: expected the strengths Xt, Xc, Yt, Yc, S of material 1."},
      // A file cut or shifted anywhere is refused: the options up to the
      // failure analysis are required, values are whole tokens ("2" is not
      // taken from the front of "2.060e+007"), and none is infinite or NaN.
      {"0\n1\n1\n0\n1 2\n1\n1\n", "0\n1\n1\n0\n1 2\n$ cut\n",
       "end of file: expected the Display Ply Failure Analysis option."},
      {"0\n1\n1\n0\n1 2\n1\n1\n", "0\n1\n$ cut\n",
       "end of file: expected the Display Layer Matrices option."},
      {"1 2\n1\n1\n", "1 2\n1\n1\n1\n",
       "line 30: expected the end of the file after the options, found \"1\"."},
      {"2\n$ Material", "2.5\n$ Material",
       "line 2: expected the number of materials, found \"2.5\"."},
      {"$ Total Number of Layers\n3\n", "$ Total Number of Layers\n",
       "line 8: expected the material number of layer 1, found \"22.5\"."},
      {"30 4 5", "30 4x 5", "line 15: expected the mechanical load value MX, found \"4x\"."},
      {"5.6e6 1200000", "5.6e6 1e999",
       "line 5: the E2 of material 2 must be a finite number, not \"1e999\"."},
      {"-280.000 0.50", "inf 0.50",
       "line 17: the temperature change must be a finite number, not \"inf\"."},
      {"150000\t88500", "150000\tnan",
       "line 21: the Xc of material 2 must be a finite number, not \"nan\"."},
  };
  for (const Case& c : cases) {
    std::string text = replaced(kSmallFile, c.what, c.with);
    if (std::string(c.with).find("$ cut") != std::string::npos) text.resize(text.find("$ cut"));
    Parsed p = parse(text);
    EXPECT_FALSE(p.ok) << c.with;
    EXPECT_EQ(p.error, c.error) << c.with;
    EXPECT_EQ(p.data->numMaterials, 1);
    EXPECT_EQ(p.data->E1[1], 0);
    EXPECT_TRUE(p.options.showApparent);
  }
  EXPECT_EQ(parse("$ only a comment\n").error, "end of file: expected the number of materials.");
}

// ---- Files on disk ----------------------------------------------------------

class DataFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("vc-datafile-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  int fileCount() const {
    int n = 0;
    for (const auto& e : fs::directory_iterator(folder_)) n += e.exists() ? 1 : 0;
    return n;
  }
  fs::path folder_;
};

// A save that cannot replace its target (a folder) or has no folder: the
// message says which file and why, and nothing is lost or left behind.
TEST_F(DataFileOnDisk, FailedSavesAndReadsSayWhy) {
  const fs::path busy = folder_ / "busy.vcl";
  fs::create_directories(busy / "keep");
  const std::string missing = (folder_ / "none" / "a.vcl").string();
  const std::pair<std::string, std::string> saves[] = {
      {busy.string(),
       "Cannot write the data file \"" + busy.string() + "\": the file cannot be replaced ("},
      {missing,
       "Cannot write the data file \"" + missing + "\": cannot create a file in its folder ("},
      {(folder_ / "huge.vcl").string(), "Cannot write the data file \"" +
                                            (folder_ / "huge.vcl").string() +
                                            "\": a value is too large for its field in the file."}};
  for (const auto& [path, text] : saves) {
    test::CapturingMessages messages;
    auto d = sampleLaminate();
    if (path.find("huge") != std::string::npos) d->CME1[1] = 1e300;
    EXPECT_FALSE(writeDataFile(path, *d, allOptions(), messages));
    ASSERT_EQ(messages.captions(), std::vector<std::string>{"Data File Error"});
    EXPECT_EQ(messages.messages[0].text.rfind(text, 0), 0u) << messages.messages[0].text;
  }
  EXPECT_TRUE(fs::is_directory(busy / "keep"));
  EXPECT_EQ(fileCount(), 1);

  test::CapturingMessages messages;
  auto d = std::make_unique<LaminateData>();
  DataFileOptions options;
  EXPECT_FALSE(readDataFile(missing, *d, options, messages));
  ASSERT_EQ(messages.captions(), std::vector<std::string>{"Data File Error"});
  EXPECT_EQ(messages.messages[0].text.rfind(
                "Cannot read the data file \"" + missing + "\": the file cannot be opened (", 0),
            0u);
}

}  // namespace
}  // namespace vc
