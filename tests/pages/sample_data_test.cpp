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

TEST(SampleData, OnlyYesFillsThePages) {
  for (Answer answer : {Answer::Yes, Answer::No}) {
    test::CapturingMessages messages;
    messages.answers.push_back(answer);
    EXPECT_EQ(askForSampleData(messages), answer == Answer::Yes);
    ASSERT_EQ(messages.captions(), std::vector<std::string>{"Sample Data"});
    ASSERT_TRUE(messages.messages[0].question);
    // Twenty lines; columns lined up with tabs; no line end after the last.
    const std::string& text = messages.messages[0].text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 19);
    EXPECT_NE(text.find("\n\tE1   = 20.6E+06 psi      \t E2   = 1.50E+06 psi \n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 22), "with this sample data?");
  }
}

// The numbers reach the report as the example file's do (the batch tests
// compare the two reports); here, the text the pages show.
TEST(SampleData, PagesShowTheEightPlyStack) {
  InputPages pages;
  LaminateData data;
  clearAllInputPages(pages);
  showSampleData(pages, data);
  const TextGrid& m = pages.materials.properties;
  EXPECT_EQ(pages.materials.materialCount + "|" + m.cell(0, 9) + "|" + m.cell(1, 9) + "|" +
                m.cell(0, 1) + "|" + m.cell(0, 5),
            "1|AS4/3506-1 Carbon/Epoxy||2.06e+007|-5e-007");
  // Compressive strengths shown negative.
  EXPECT_EQ(pages.strength.strengths.cell(0, 2) + "|" + pages.strength.strengths.cell(0, 4),
            "-2.09e+005|-33000");
  const LayupPage& l = pages.layup;
  // Not symmetric, though the question calls it so.
  EXPECT_EQ(l.layerCount.text + (l.symmetric.checked ? "S" : "") + "|" + l.layers.cell(2, 2) + "|" +
                l.layers.cell(8, 2),
            "8|-45|");
  const LoadsPage& loads = pages.loads;
  EXPECT_TRUE(loads.mechanicalLoad.checked && loads.forcesMoments.selected);
  std::string row;
  for (int c = 0; c < 6; ++c) row += loads.loadValues.cell(0, c) + " ";
  EXPECT_EQ(row, "1000 0 0 10 0 0 ");
  EXPECT_FALSE(loads.temperatureLoad.checked || loads.temperatureChange.enabled ||
               loads.moistureLoad.checked || loads.moistureContent.enabled);
}

}  // namespace
}  // namespace vc
