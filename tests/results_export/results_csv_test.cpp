#include "results_export/results_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <locale>
#include <sstream>

#include "engine/through_thickness_view.h"
#include "export_fixture.h"

namespace vc {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// The fields of a CSV text whose one quoted field is the fixture's
// description (RFC 4180: in quotes, inner quotes doubled), read as "D";
// every record must end in CR LF, and no other CR or quote may occur.
Rows rowsOf(std::string text) {
  const std::string quoted = "\"Carbon, \"\"T300\"\"/epoxy\"";
  for (size_t at; (at = text.find(quoted)) != std::string::npos;)
    text.replace(at, quoted.size(), "D");
  EXPECT_EQ(text.find('"'), std::string::npos);
  Rows rows(1);
  std::istringstream records(text);
  for (std::string record; std::getline(records, record); rows.emplace_back()) {
    EXPECT_EQ(record.find('\r'), record.size() - 1) << "line end of " << record;
    std::istringstream fields(record.substr(0, record.size() - 1) + ",");
    for (std::string field; std::getline(fields, field, ',');) rows.back().push_back(field);
  }
  rows.pop_back();
  return rows;
}

struct CommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(ResultsCsv, OneRowPerPlySurfaceReadingBackToTheRecordInEveryLocale) {
  const LaminateData d = test::completedRun(true, true);
  const Rows rows = rowsOf(resultsCsv(d));
  const ThroughThicknessView view(d);
  ASSERT_EQ(rows.size(), 1u + 3 * 8);
  EXPECT_EQ(rows[0][5] + rows[0][21] + rows[0][33], "zSig1TsaiWu-");
  for (size_t r = 1; r < rows.size(); ++r) {
    const ThicknessPoint p = view.point(int(r) - 1);
    const SurfaceResults& s = *p.results;
    std::vector<double> written, record = {p.z};
    for (const Vec3* v :
         {&s.strainXY, &s.effStrainXY, &s.stressXY, &s.strain12, &s.effStrain12, &s.stress12})
      record.insert(record.end(), *v + 1, *v + 4);
    for (int c = 0; c < kCriterionCount; ++c)
      record.insert(record.end(), {d.failPlus[p.layer][c], d.failMinus[p.layer][c]});
    for (size_t i = 5; i < rows[r].size(); ++i)
      written.push_back(std::strtod(rows[r][i].c_str(), nullptr));
    EXPECT_EQ(written, record) << "row " << r;
    EXPECT_EQ(rows[r][0] + rows[r][2] + rows[r][4], std::to_string(p.layer) + "D" +
                                                        (r % 3 == 1   ? "lower"
                                                         : r % 3 == 2 ? "middle"
                                                                      : "upper"));
  }
  // Without failure factors their fields are empty; without a load only the header is written.
  const Rows noFactors = rowsOf(resultsCsv(test::completedRun(true, false)));
  EXPECT_EQ(noFactors.at(1).at(24) + noFactors[1].at(33), "");
  EXPECT_EQ(rowsOf(resultsCsv(test::completedRun(false, true))).size(), 1u);

  // A comma as the decimal point in the program's locale changes nothing.
  const std::locale saved =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
  const std::string commas = resultsCsv(d);
  for (const auto& [value, text] : {std::pair{0.1, "0.1"},
                                    {0.1 + 0.2, "0.30000000000000004"},
                                    {-2.5e-300, "-2.5e-300"},
                                    {120.0, "120"},
                                    {-9999.0, "-9999"},
                                    {HUGE_VAL, "inf"}})
    EXPECT_EQ(shortestNumberText(value), text);
  std::locale::global(saved);
  EXPECT_EQ(commas, resultsCsv(d));
  for (const auto& [text, field] : {std::pair{"plain text", "plain text"},
                                    {"a\nb", "\"a\nb\""},
                                    {"a\rb", "\"a\rb\""},
                                    {"a,\"b\"", "\"a,\"\"b\"\"\""}})
    EXPECT_EQ(csvField(text), field);
}

}  // namespace
}  // namespace vc
