// Writing and reading user records.
#include <gtest/gtest.h>

#include <cmath>

#include "materials/user_record.h"

namespace {

TEST(UserRecord, ReadsFieldsAsStrtodReadsThem) {
  const struct {
    const char* record;
    const char* name;
    double e1, e2, s;
  } cases[] = {
      {"A,2.5e7x,  3e5,junk", "A", 2.5e7, 3e5, 0},
      {"C,1e999,-1e999", "C", 0, 0, 0},  // out of range: never inf
      {"D,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", "D", 1, 2, 13},
      {"'Glass, woven',4,5", "Glass, woven", 4, 5, 0},  // single quotes honoured
      {"O'Brien,4", "O'Brien", 4, 0, 0},                // a quote inside a name is plain text
  };
  for (const auto& c : cases) {
    const vc::UserMaterial m = vc::readUserRecord(c.record);
    EXPECT_EQ(m.name, c.name) << c.record;
    EXPECT_EQ((std::array{m.values[vc::kE1], m.values[vc::kE2], m.values[vc::kS]}),
              (std::array{c.e1, c.e2, c.s}))
        << c.record;
  }
}

// Names with commas and quotes come back as typed; values that are not
// finite are written as 0.
TEST(UserRecord, WrittenAndReadBack) {
  vc::MaterialValues values{};
  values[vc::kE1] = 2.625e7;
  const struct {
    const char* name;
    const char* written;
  } cases[] = {
      {"Glass, woven", "\"Glass, woven\""},
      {"Kevlar \"49\"", "\"Kevlar \"\"49\"\"\""},
      {"'AS4'", "\"'AS4'\""},
      {"Carbon A", "Carbon A"},  // nothing to quote
  };
  for (const auto& c : cases) {
    const std::string record = vc::formatUserRecord(c.name, values);
    EXPECT_EQ(record.substr(0, record.find(",2.625E+007")), c.written);
    const vc::UserMaterial back = vc::readUserRecord(record);
    EXPECT_EQ(back.name, c.name);
    EXPECT_EQ(back.values, values) << c.name;
  }
  values = {HUGE_VAL, 0, 0, NAN};  // E1 and v12
  EXPECT_EQ(vc::formatUserRecord("X", values).substr(0, 41),
            "X,0.000E+000,0.000E+000,0.000E+000,0.000,");
}

}  // namespace
