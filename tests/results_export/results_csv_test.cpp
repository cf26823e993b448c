#include "results_export/results_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <locale>
#include <string>
#include <vector>

#include "engine/through_thickness_view.h"
#include "export_fixture.h"

namespace vc {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// RFC 4180 reading: records end in CR LF; a quoted field may hold commas,
// line breaks and doubled quotes. Anything else malformed fails the test.
Rows parseCsv(const std::string& text) {
  Rows rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& field = rows.back().back();
    if (quoted) {
      if (c != '"')
        field += c;
      else if (i + 1 < text.size() && text[i + 1] == '"')
        field += text[++i];
      else
        quoted = false;
    } else if (c == '"') {
      EXPECT_TRUE(field.empty()) << "quote inside an unquoted field at " << i;
      quoted = true;
    } else if (c == ',') {
      rows.back().emplace_back();
    } else if (c == '\r') {
      EXPECT_EQ(text[i + 1], '\n') << "bare CR at " << i;
      ++i;
      if (i + 1 < text.size()) rows.emplace_back(1);
    } else {
      EXPECT_NE(c, '\n') << "bare LF at " << i;
      field += c;
    }
  }
  EXPECT_FALSE(quoted);
  return rows;
}

double number(const std::string& field) { return std::strtod(field.c_str(), nullptr); }

TEST(ResultsCsv, OneRowPerPlySurfaceReadingBackToTheRecord) {
  const LaminateData d = test::completedRun(true, true);
  const Rows rows = parseCsv(resultsCsv(d));
  const ThroughThicknessView view(d);
  ASSERT_EQ(rows.size(), 1u + 3 * 8);
  EXPECT_EQ(rows[0][5], "z");
  EXPECT_EQ(rows[0][21], "Sig1");
  EXPECT_EQ(rows[0][33], "TsaiWu-");
  for (size_t r = 1; r < rows.size(); ++r) {
    SCOPED_TRACE(r);
    const std::vector<std::string>& f = rows[r];
    ASSERT_EQ(f.size(), 34u);
    const ThicknessPoint p = view.point(int(r) - 1);
    EXPECT_EQ(f[0], std::to_string(p.layer));
    EXPECT_EQ(f[2], test::exportDescription());
    EXPECT_EQ(f[4], r % 3 == 1 ? "lower" : r % 3 == 2 ? "middle" : "upper");
    EXPECT_EQ(number(f[5]), p.z);
    const Vec3* triples[] = {&p.results->strainXY, &p.results->effStrainXY, &p.results->stressXY,
                             &p.results->strain12, &p.results->effStrain12, &p.results->stress12};
    for (int t = 0; t < 6; ++t)
      for (int c = 1; c <= 3; ++c) EXPECT_EQ(number(f[6 + 3 * t + c - 1]), (*triples[t])[c]);
    for (int c = 0; c < kCriterionCount; ++c) {
      EXPECT_EQ(number(f[24 + 2 * c]), d.failPlus[p.layer][c]);
      EXPECT_EQ(number(f[25 + 2 * c]), d.failMinus[p.layer][c]);
    }
  }
}

TEST(ResultsCsv, EmptyFactorsWithoutFailureAndHeaderAloneWithoutLoad) {
  const Rows noFactors = parseCsv(resultsCsv(test::completedRun(true, false)));
  ASSERT_EQ(noFactors.size(), 25u);
  for (int c = 24; c < 34; ++c) EXPECT_EQ(noFactors[1][c], "");
  EXPECT_EQ(parseCsv(resultsCsv(test::completedRun(false, true))).size(), 1u);
}

// A comma as the decimal point in the program's locale changes nothing.
struct CommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(ResultsCsv, NumbersAndFieldsAreWrittenTheSameInEveryLocale) {
  const LaminateData d = test::completedRun(true, true);
  const std::string before = resultsCsv(d);
  const std::locale saved =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
  const std::string after = resultsCsv(d);
  const struct {
    double value;
    const char* text;
  } numbers[] = {{0.1, "0.1"},
                 {0.1 + 0.2, "0.30000000000000004"},
                 {-2.5e-300, "-2.5e-300"},
                 {120.0, "120"},
                 {-9999.0, "-9999"},
                 {HUGE_VAL, "inf"}};
  for (const auto& n : numbers) EXPECT_EQ(shortestNumberText(n.value), n.text);
  std::locale::global(saved);
  EXPECT_EQ(before, after);
  EXPECT_EQ(csvField("plain text"), "plain text");
  EXPECT_EQ(csvField("a,\"b\"\r\nc"), "\"a,\"\"b\"\"\r\nc\"");
}

}  // namespace
}  // namespace vc
