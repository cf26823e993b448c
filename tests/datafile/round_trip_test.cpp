// Saving the pages and opening the file again gives the same data set, to
// the precision the file is written with; a failed save keeps the old file.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "datafile/data_file.h"
#include "pages/page_clearing.h"
#include "pages/page_transfer.h"
#include "sample_laminate.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

namespace fs = std::filesystem;

// Relative agreement to four significant digits.
void expectFourDigits(double written, double read) {
  EXPECT_LE(std::fabs(written - read), 5e-4 * std::fabs(written) + 1e-300) << written << " vs " << read;
}

TEST(DataFileRoundTrip, SameDataSetToTheWrittenPrecision) {
  auto d = std::make_unique<LaminateData>();
  d->numMaterials = 2;
  const double E1[3] = {0, 1.234567e7, 5.55555e6};
  for (int m = 1; m <= 2; ++m) {
    d->E1[m] = E1[m];
    d->E2[m] = 1.23456e6 * m;
    d->G12[m] = 7.65432e5;
    d->v12[m] = 0.28765;
    d->CTE1[m] = -3.14159e-7;
    d->CTE2[m] = 1.66666e-5;
    d->CME1[m] = 0.012345;
    d->CME2[m] = 0.56789;
    d->Xt[m] = 212345;
    d->Xc[m] = -187654;
    d->Yt[m] = 5432.1;
    d->Yc[m] = -23456;
    d->S[m] = 9876.5;
  }
  std::strcpy(d->description[1], "Carbon / epoxy, 60% fibres");
  d->numLayers = 3;
  const double degrees[4] = {0, 22.5, 33.33, -67.86};
  for (int k = 1; k <= 3; ++k) {
    d->MatID[k] = 3 - k % 2;
    d->angle[k] = test::radians(degrees[k]);
    d->thickness[k] = 0.0051234;
  }
  d->mechanicalOn = true;
  d->forcesGiven = false;
  d->strainsGiven = true;
  for (int i = 1; i <= 6; ++i) d->midplaneStrain[i] = 1.23456e-3 * i * (i % 2 ? 1 : -1);
  d->deltaT = -123.45678;
  d->moistureGain = 0.0076543;

  SettingsPage written;
  written.checkbox_3.checked = true;
  const std::string text = formatDataFile(*d, written);
  auto r = std::make_unique<LaminateData>();
  SettingsPage read;
  std::string error;
  ASSERT_TRUE(parseDataFile(text, *r, read, error)) << error;

  EXPECT_EQ(r->numMaterials, 2);
  for (int m = 1; m <= 2; ++m) {
    for (auto f : {&LaminateData::E1, &LaminateData::E2, &LaminateData::G12, &LaminateData::CTE1,
                   &LaminateData::CTE2, &LaminateData::Xt, &LaminateData::Xc, &LaminateData::Yt,
                   &LaminateData::Yc, &LaminateData::S}) {
      expectFourDigits(((*d).*f)[m], ((*r).*f)[m]);
    }
    EXPECT_NEAR(r->v12[m], 0.288, 1e-12);
    EXPECT_NEAR(r->CME1[m], 0.0123, 1e-12);
    EXPECT_NEAR(r->CME2[m], 0.5679, 1e-12);
  }
  EXPECT_STREQ(r->description[1], "Carbon / epoxy, 60% fibres");
  EXPECT_STREQ(r->description[2], "");
  EXPECT_EQ(r->numLayers, 3);
  const double readDegrees[4] = {0, 22.5, 33.3, -67.9};
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(r->MatID[k], d->MatID[k]);
    EXPECT_DOUBLE_EQ(r->angle[k], readDegrees[k] * 3.14159265358979 / 180.0);
    expectFourDigits(d->thickness[k], r->thickness[k]);
  }
  EXPECT_EQ(r->loadKind, 2);
  for (int i = 1; i <= 6; ++i) expectFourDigits(d->midplaneStrain[i], r->midplaneStrain[i]);
  EXPECT_DOUBLE_EQ(r->deltaT, -123.457);
  EXPECT_DOUBLE_EQ(r->moistureGain, 0.77 / 100.0);
  EXPECT_TRUE(read.checkbox_3.checked);
  EXPECT_FALSE(read.checkbox_7.checked);
  EXPECT_TRUE(read.optb_1.selected);
}

class SaveOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("vc-save-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    // Pages as the sample data leaves them.
    auto d = std::make_unique<LaminateData>();
    test::fillSampleLaminate(*d);
    test::checkAllSettings(pages_.settings);
    showDataOnPages(*d, pages_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  int fileCount() const {
    int n = 0;
    for (const auto& e : fs::directory_iterator(folder_)) n += 1 + 0 * e.is_regular_file();
    return n;
  }

  fs::path folder_;
  InputPages pages_;
};

TEST_F(SaveOnDisk, SavedPagesOpenToTheSamePages) {
  const std::string path = (folder_ / "sample.vcl").string();
  auto data = std::make_unique<LaminateData>();
  test::CapturingMessages messages;
  ASSERT_TRUE(writeDataFile(path, pages_, *data, messages));
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(fileCount(), 1);  // no temporary file left beside it

  auto opened = std::make_unique<LaminateData>();
  InputPages again;
  clearAllInputPages(again);
  ASSERT_TRUE(readDataFile(path, *opened, again.settings, messages));
  showDataOnPages(*opened, again);
  for (int r = 0; r < 8; ++r) {
    for (int c = 0; c < 4; ++c) EXPECT_EQ(again.layup.grid_1.cell(r, c), pages_.layup.grid_1.cell(r, c));
  }
  for (int c = 0; c < 10; ++c) EXPECT_EQ(again.materials.matgrid.cell(0, c), pages_.materials.matgrid.cell(0, c));
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(again.strength.grid_1.cell(0, c), pages_.strength.grid_1.cell(0, c));
    EXPECT_EQ(again.loads.grid_1.cell(0, c), pages_.loads.grid_1.cell(0, c));
  }
  EXPECT_TRUE(again.settings.checkbox_7.checked);
  EXPECT_TRUE(again.loads.checkbox_1.checked);
  EXPECT_FALSE(again.loads.checkbox_2.checked);
}

TEST_F(SaveOnDisk, SaveReplacesAnExistingFile) {
  const fs::path path = folder_ / "old.vcl";
  std::ofstream(path, std::ios::binary) << "old contents";
  auto data = std::make_unique<LaminateData>();
  test::CapturingMessages messages;
  ASSERT_TRUE(writeDataFile(path.string(), pages_, *data, messages));
  EXPECT_EQ(contents(path), formatDataFile(*data, pages_.settings));
  EXPECT_EQ(fileCount(), 1);
}

// A target that cannot be replaced (a folder holding a file) or a missing
// folder: the message says which file and why, and nothing is lost.
TEST_F(SaveOnDisk, FailedSaveKeepsTheOldFileAndSaysWhy) {
  const fs::path busy = folder_ / "busy.vcl";
  fs::create_directories(busy);
  std::ofstream(busy / "keep.txt") << "kept";
  const std::pair<std::string, std::string> cases[] = {
      {busy.string(), "the file cannot be replaced ("},
      {(folder_ / "no-such-folder" / "a.vcl").string(), "cannot create a file in its folder ("}};
  for (const auto& [path, why] : cases) {
    auto data = std::make_unique<LaminateData>();
    test::CapturingMessages messages;
    EXPECT_FALSE(writeDataFile(path, pages_, *data, messages));
    ASSERT_EQ(messages.captions(), std::vector<std::string>{"Data File Error"});
    EXPECT_EQ(messages.messages[0].text.rfind("Cannot write the data file \"" + path + "\": " + why, 0), 0u)
        << messages.messages[0].text;
  }
  EXPECT_EQ(contents(busy / "keep.txt"), "kept");
  EXPECT_EQ(fileCount(), 1);
}

TEST_F(SaveOnDisk, MechanicalLoadOffIsWrittenAsKindOneWithZeros) {
  pages_.loads.checkbox_1.checked = false;
  const std::string path = (folder_ / "off.vcl").string();
  auto data = std::make_unique<LaminateData>();
  test::CapturingMessages messages;
  ASSERT_TRUE(writeDataFile(path, pages_, *data, messages));
  const std::string text = contents(path);
  EXPECT_NE(text.find("1\r\n$ Forces/Moments or Strains/Curvatures\r\n"
                      " 0.000e+000  0.000e+000  0.000e+000  0.000e+000  0.000e+000  0.000e+000 \r\n"),
            std::string::npos);
  // Opening it checks the Mechanical Load box and shows zeros.
  InputPages again;
  auto opened = std::make_unique<LaminateData>();
  ASSERT_TRUE(readDataFile(path, *opened, again.settings, messages));
  showDataOnPages(*opened, again);
  EXPECT_TRUE(again.loads.checkbox_1.checked);
  EXPECT_TRUE(again.loads.optb_1.selected);
  EXPECT_EQ(again.loads.grid_1.cell(0, 0), "0");
}

}  // namespace
}  // namespace vc
