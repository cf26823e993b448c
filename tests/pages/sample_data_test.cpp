// The sample laminate as the pages show it after the user says Yes.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pages/page_clearing.h"
#include "pages/sample_data.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

std::vector<std::string> column(const TextGrid& g, int c, int rows) {
  std::vector<std::string> out;
  for (int r = 0; r < rows; ++r) out.push_back(g.cell(r, c));
  return out;
}

TEST(SampleData, OnlyYesFillsThePages) {
  for (Answer answer : {Answer::Yes, Answer::No}) {
    test::CapturingMessages messages;
    messages.answers.push_back(answer);
    EXPECT_EQ(askForSampleData(messages), answer == Answer::Yes);
    ASSERT_EQ(messages.captions(), std::vector<std::string>{"Sample Data"});
    EXPECT_TRUE(messages.messages[0].question);
    // Twenty lines; columns lined up with tabs; no line end after the last.
    const std::string& text = messages.messages[0].text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 19);
    EXPECT_NE(text.find("\n\tE1   = 20.6E+06 psi      \t E2   = 1.50E+06 psi \n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 22), "with this sample data?");
  }
}

TEST(SampleData, PagesShowTheEightPlyStack) {
  InputPages pages;
  LaminateData data;
  clearAllInputPages(pages);
  showSampleData(pages, data);

  const SettingsPage& s = pages.settings;
  for (const CheckBox* box : {&s.showApparentProperties, &s.showAbdMatrices, &s.showLayerMatrices,
                              &s.calculateDoubleDouble, &s.showLoadVectors, &s.showPlyStresses,
                              &s.showPlyFailure})
    EXPECT_TRUE(box->checked);
  EXPECT_TRUE(s.effectiveStrains.selected);

  EXPECT_EQ(pages.materials.materialCount, "1");
  EXPECT_EQ(column(pages.materials.properties, 9, 2),
            std::vector<std::string>({"AS4/3506-1 Carbon/Epoxy", ""}));
  EXPECT_EQ(pages.materials.properties.cell(0, 1), "2.06e+007");
  EXPECT_EQ(pages.materials.properties.cell(0, 5), "-5e-007");
  // Compressive strengths shown negative.
  EXPECT_EQ(column(pages.strength.strengths, 2, 1), std::vector<std::string>({"-2.09e+005"}));
  EXPECT_EQ(pages.strength.strengths.cell(0, 4), "-33000");

  const LayupPage& l = pages.layup;
  EXPECT_EQ(l.layerCount.text, "8");
  EXPECT_FALSE(l.symmetric.checked);  // though the question calls it symmetric
  EXPECT_EQ(column(l.layers, 2, 9),
            std::vector<std::string>({"0", "45", "-45", "90", "90", "-45", "45", "0", ""}));
  EXPECT_EQ(column(l.layers, 3, 8), std::vector<std::string>(8, "0.005"));

  const LoadsPage& loads = pages.loads;
  EXPECT_TRUE(loads.mechanicalLoad.checked);
  EXPECT_TRUE(loads.forcesMoments.selected);
  std::vector<std::string> row;
  for (int c = 0; c < 6; ++c) row.push_back(loads.loadValues.cell(0, c));
  EXPECT_EQ(row, std::vector<std::string>({"1000", "0", "0", "10", "0", "0"}));
  EXPECT_FALSE(loads.temperatureLoad.checked);
  EXPECT_FALSE(loads.temperatureChange.enabled);
  EXPECT_FALSE(loads.moistureLoad.checked);
  EXPECT_FALSE(loads.moistureContent.enabled);

  // The shear strain limit that the record derives: 10,300 / 1.04E+06.
  EXPECT_NEAR(data.g12u[1], 0.0099038, 1e-7);
}

}  // namespace
}  // namespace vc
