// Files the reader refuses: nothing of them reaches the record or the page,
// and the message names the file and the first problem.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "datafile/data_file.h"
#include "sample_laminate.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

namespace fs = std::filesystem;

const char* const kFile =
    "$ Number of Materials\n"                          // 1
    "2\n"                                              // 2
    "$ Material Properties\n"                          // 3
    "1 1.8e7 1.2e6 0.7e6 0.28 1e-6 2e-5 0.01 0.3 A\n"  // 4
    "\n"                                               // 5
    "$ second material\n"                              // 6
    "2 5.6e6 1.2e6 0.6e6 0.26 4.8e-6 1.2e-5 0 0.6 B\n"  // 7
    "$ Total Number of Layers\n"                       // 8
    "2\n"                                              // 9
    "1 1 0 0.005\n"                                    // 10
    "2 2 90 0.005\n"                                   // 11
    "1\n"                                              // 12
    "1 2 3 4 5 6\n"                                    // 13
    "0 0\n"                                            // 14
    "1 2.2e5 -2.5e5 5800 -35700 9860\n"                // 15
    "2 1.5e5 -8.8e4 4500 -17100 10400\n"               // 16
    "1\n1\n0\n0\n0 1\n0\n0\n";                         // 17..

std::string replaced(const std::string& what, const std::string& with) {
  std::string text = kFile;
  const std::size_t at = text.find(what);
  EXPECT_NE(at, std::string::npos) << what;
  if (at != std::string::npos) text.replace(at, what.size(), with);
  return text;
}

// Parses into a record and page that hold recognisable earlier values and
// checks that a refusal leaves them untouched.
std::string refusal(const std::string& text) {
  auto data = std::make_unique<LaminateData>();
  test::fillSampleLaminate(*data);
  SettingsPage settings;
  settings.checkbox_1.checked = false;
  std::string error;
  EXPECT_FALSE(parseDataFile(text, *data, settings, error));
  EXPECT_EQ(data->numMaterials, 1);
  EXPECT_EQ(data->numLayers, 8);
  EXPECT_DOUBLE_EQ(data->E1[1], 20.6e6);
  EXPECT_DOUBLE_EQ(data->mechLoad[1], 1000);
  EXPECT_STREQ(data->description[1], "AS4/3506-1 Carbon/Epoxy");
  EXPECT_FALSE(settings.checkbox_1.checked);
  return error;
}

TEST(DataFileRefusal, TheFileItselfReads) {
  auto data = std::make_unique<LaminateData>();
  SettingsPage settings;
  std::string error;
  ASSERT_TRUE(parseDataFile(kFile, *data, settings, error)) << error;
  EXPECT_DOUBLE_EQ(data->E1[2], 5.6e6);
  EXPECT_DOUBLE_EQ(data->S[2], 10400);
}

TEST(DataFileRefusal, NoLayersIsAFile) {
  const std::string text = replaced("2\n1 1 0 0.005\n2 2 90 0.005\n", "0\n");
  auto data = std::make_unique<LaminateData>();
  SettingsPage settings;
  std::string error;
  EXPECT_TRUE(parseDataFile(text, *data, settings, error)) << error;
  EXPECT_EQ(data->numLayers, 0);
}

// Each fault of the sample file and the first problem the reader names.
TEST(DataFileRefusal, EachFaultNamesItsLineAndValue) {
  struct Case {
    const char* what;
    const char* with;
    const char* error;
  };
  const Case cases[] = {
      {"2\n$ Material", "11\n$ Material", "line 2: the number of materials must be 1 to 10, not 11."},
      {"2\n$ Material", "0\n$ Material", "line 2: the number of materials must be 1 to 10, not 0."},
      {"2\n$ Material", "99999999999\n$ Material",
       "line 2: the number of materials must be 1 to 10, not 2147483647."},
      {"2\n1 1 0", "101\n1 1 0", "line 9: the total number of layers must be 0 to 100, not 101."},
      {"2\n1 1 0", "-1\n1 1 0", "line 9: the total number of layers must be 0 to 100, not -1."},
      {"5.6e6 1.2e6", "5.6e6 abc", "line 7: expected the E2 of material 2, found \"abc\"."},
      {"2 2 90", "2 x 90", "line 11: expected the material number of layer 2, found \"x\"."},
      {"1 2 3 4 5 6", "1 2 3 - 5 6", "line 13: expected the mechanical load value MX, found \"-\"."},
      {"0 0\n", "0 none\n", "line 14: expected the percent moisture content, found \"none\"."},
      {"1\n1 2 3 4 5 6\n", "3\n1 2 3 4 5 6\n", "line 12: the load kind must be 0 to 2, not 3."},
      {"2 1.5e5 -8.8e4 4500 -17100 10400", "1.5e5 -8.8e4 4500 -17100",
       "line 16: expected the strengths Xt, Xc, Yt, Yc, S of material 2, found 4 values."},
      {"2 1.5e5 -8.8e4 4500 -17100 10400", "2 1.5e5 -8.8e4 4500 -17100 10400 9",
       "line 16: expected the strengths Xt, Xc, Yt, Yc, S of material 2, found 7 values."},
      {"2 1.5e5 -8.8e4", "2 1.5e5 psi", "line 16: expected the Xc of material 2, found \"psi\"."},
      {"0 1\n0\n0\n", "0 1\nyes\n0\n",
       "line 22: expected the Display Ply Failure Analysis option, found \"yes\"."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.with);
    EXPECT_EQ(refusal(replaced(c.what, c.with)), c.error);
  }
}

TEST(DataFileRefusal, AValueThatIsMissing) {
  EXPECT_EQ(refusal("$ nothing but a comment\n"), "end of file: expected the number of materials.");
  EXPECT_EQ(refusal(""), "end of file: expected the number of materials.");
  std::string cut = kFile;
  cut.resize(cut.find(" 1.2e6 0.6e6"));
  EXPECT_EQ(refusal(cut), "end of file: expected the E2 of material 2.");
  std::string noStrengths = kFile;
  noStrengths.resize(noStrengths.find("1 2.2e5"));
  EXPECT_EQ(refusal(noStrengths),
            "end of file: expected the strengths Xt, Xc, Yt, Yc, S of material 1.");
}

// ---- Files on disk ----------------------------------------------------------

class DataFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("vc-reader-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string write(const std::string& name, const std::string& text) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  fs::path folder_;
};

TEST_F(DataFileOnDisk, RefusedFileShowsOneMessageNamingTheFile) {
  const std::string path = write("bad.vcl", replaced("5.6e6 1.2e6", "5.6e6 abc"));
  auto data = std::make_unique<LaminateData>();
  SettingsPage settings;
  test::CapturingMessages messages;
  EXPECT_FALSE(readDataFile(path, *data, settings, messages));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "Data File Error");
  EXPECT_EQ(messages.messages[0].text, "Cannot read the data file \"" + path +
                                           "\": line 7: expected the E2 of material 2, found \"abc\".");
}

TEST_F(DataFileOnDisk, MissingFileIsRefused) {
  const std::string path = (folder_ / "none.vcl").string();
  auto data = std::make_unique<LaminateData>();
  SettingsPage settings;
  test::CapturingMessages messages;
  EXPECT_FALSE(readDataFile(path, *data, settings, messages));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "Data File Error");
  EXPECT_EQ(messages.messages[0].text.rfind("Cannot read the data file \"" + path +
                                                "\": the file cannot be opened (",
                                            0),
            0u)
      << messages.messages[0].text;
}

TEST_F(DataFileOnDisk, ReadingLeavesNoTemporaryFileBehind) {
  const std::string path = write("good.vcl", kFile);
  const fs::path tmp = fs::temp_directory_path();
  const bool hadShared = fs::exists(tmp / "tmpvcl.vcl");
  auto data = std::make_unique<LaminateData>();
  SettingsPage settings;
  test::CapturingMessages messages;
  EXPECT_TRUE(readDataFile(path, *data, settings, messages));
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(fs::exists(tmp / "tmpvcl.vcl"), hadShared);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder_)) files += entry.is_regular_file();
  EXPECT_EQ(files, 1);
  EXPECT_DOUBLE_EQ(data->E1[2], 5.6e6);
}

}  // namespace
}  // namespace vc
