// Writing and reading user records.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "materials/user_record.h"

namespace {

const char* const kT300 =
    "T300,2.625E+007,1.490E+006,1.040E+006,0.280,1.000E-008,1.250E-005,0.000,0.600,"
    "2.175E+005,-2.175E+005,5.800E+003,-3.570E+004,9.900E+003";

vc::MaterialValues slot0() {
  vc::LibraryTable table{};
  vc::loadBuiltInLibrary(table);
  return table[0];
}

TEST(UserRecord, T300ByteForByteAndBack) {
  EXPECT_EQ(vc::formatUserRecord("T300", slot0()), kT300);
  const vc::UserMaterial m = vc::readUserRecord(kT300);
  EXPECT_EQ(m.name, "T300");
  EXPECT_EQ(m.values, (vc::MaterialValues{2.625e7, 1.49e6, 1.04e6, 0.28, 1e-8, 1.25e-5, 0, 0.6, 2.175e5, -2.175e5,
                                          5.8e3, -3.57e4, 9.9e3}));
  vc::MaterialValues bad{};
  bad[vc::kE1] = std::numeric_limits<double>::infinity();
  bad[vc::kV12] = std::numeric_limits<double>::quiet_NaN();
  const std::string written = vc::formatUserRecord("X", bad);
  EXPECT_EQ(written.substr(0, 41), "X,0.000E+000,0.000E+000,0.000E+000,0.000,");
  EXPECT_EQ(vc::readUserRecord(written).values, vc::MaterialValues{});
}

TEST(UserRecord, ReadsFieldsAsStrtodReadsThem) {
  const struct {
    const char* record;
    const char* name;
    double e1, e2, s;
  } cases[] = {
      {"A,2.5e7x,  3e5,junk", "A", 2.5e7, 3e5, 0},
      {"B,1e6", "B", 1e6, 0, 0},  // missing fields read as 0
      {"", "", 0, 0, 0},
      {",,,,,,,,,,,,,7", "", 0, 0, 7},
      {"C,1e999,-1e999", "C", 0, 0, 0},  // out of range: never inf
      {"D,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", "D", 1, 2, 13},
      {"'Glass, woven',4,5", "Glass, woven", 4, 5, 0},  // single quotes honoured
      {"O'Brien,4", "O'Brien", 4, 0, 0},                // a quote inside a name is plain text
  };
  for (const auto& c : cases) {
    const vc::UserMaterial m = vc::readUserRecord(c.record);
    EXPECT_EQ(m.name, c.name) << c.record;
    EXPECT_EQ(m.values[vc::kE1], c.e1) << c.record;
    EXPECT_EQ(m.values[vc::kE2], c.e2) << c.record;
    EXPECT_EQ(m.values[vc::kS], c.s) << c.record;
  }
}

TEST(UserRecord, NamesWithCommasAndQuotesComeBackAsTyped) {
  const struct {
    const char* name;
    const char* written;
  } cases[] = {
      {"Glass, woven", "\"Glass, woven\""},
      {"Kevlar \"49\"", "\"Kevlar \"\"49\"\"\""},
      {"'AS4'", "\"'AS4'\""},
      {"A,\"B\",'C'", "\"A,\"\"B\"\",'C'\""},
      {"Carbon A", "Carbon A"},  // nothing to quote
  };
  for (const auto& c : cases) {
    const std::string record = vc::formatUserRecord(c.name, slot0());
    EXPECT_EQ(record.substr(0, record.find(",2.625E+007")), c.written);
    const vc::UserMaterial back = vc::readUserRecord(record);
    EXPECT_EQ(back.name, c.name);
    EXPECT_EQ(back.values, slot0()) << c.name;
  }
}

}  // namespace
