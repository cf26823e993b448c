// The pages' immediate reactions to the counts and load controls (the
// clearing commands and the window's page rules are checked through the
// window in the forms tests).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/page_reactions.h"
#include "pages/window_rules.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

TEST(PageRules, MaterialCountNumbersRowsOrRefusesAboveTen) {
  MaterialsPage p;
  test::CapturingMessages messages;
  p.materialCount = "3";
  onMaterialCountSelected(p, messages);
  EXPECT_EQ(p.properties.cell(2, 0), "3");
  p.properties.setCell(2, 9, "third");
  p.properties.setCell(1, 4, "0.3");
  p.materialCount = "2";
  onMaterialCountSelected(p, messages);
  EXPECT_EQ(p.properties.cell(2, 9) + p.properties.cell(1, 4), "0.3");
  EXPECT_EQ(p.properties.currentRow, 1);
  p.materialCount = "11";
  onMaterialCountSelected(p, messages);
  ASSERT_EQ(messages.captions(), std::vector<std::string>{"Violation"});
  EXPECT_EQ(messages.messages[0].text + p.properties.cell(1, 4),
            "Materials limited to 10.  Try again.0.3");
}

// Layer counts: the messages in order, word for word, and what is left.
TEST(PageRules, LayerCounts) {
  const std::string kOdd = "For symmetry option, the number of layers must be an even number.";
  const std::string kTooMany = "Layers limited to 100 total.  Reduce number of layers.";
  struct Case {
    const char* count;
    bool symmetric;
    std::vector<std::string> texts;
    bool symmetricLeft;
    const char* countLeft;
    int numbered;  // rows numbered; -1: nothing changed
  };
  const Case cases[] = {
      {"8", true, {}, true, "8", 4},
      {"8", false, {}, false, "8", 8},
      {"7", true, {kOdd}, false, "7", 7},
      {"150", false, {kTooMany}, false, "", 0},
      {"101", true, {kOdd, kTooMany}, false, "", 0},
      {"0", false, {}, false, "0", -1},
      {"abc", false, {}, false, "abc", -1},
      {"-4", false, {}, false, "-4", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    LayupPage p;
    p.layers.setCell(3, 2, "45");
    p.layers.setCell(50, 3, "0.005");
    p.symmetric.checked = c.symmetric;
    p.layerCount.text = c.count;
    test::CapturingMessages messages;
    onLayerCountChanged(p, messages);
    ASSERT_EQ(messages.messages.size(), c.texts.size());
    for (std::size_t i = 0; i < c.texts.size(); ++i)
      EXPECT_EQ(messages.messages[i].text, c.texts[i]);
    EXPECT_EQ(p.layerCount.text + (p.symmetric.checked ? "S" : ""),
              c.countLeft + std::string(c.symmetricLeft ? "S" : ""));
    EXPECT_EQ(p.layers.cell(50, 3), c.numbered < 0 ? "0.005" : "");
    if (c.numbered > 0) {
      EXPECT_EQ(p.layers.cell(c.numbered - 1, 0), std::to_string(c.numbered));
    }
    if (c.numbered >= 0) {
      EXPECT_EQ(p.layers.cell(c.numbered, 0), "");
    }
    EXPECT_EQ(p.layers.cell(3, 2), c.numbered < 0 || c.numbered > 3 ? "45" : "");
  }
}

TEST(PageRules, LoadControlsFollowTheirBoxesAndTheKindEmptiesTheRow) {
  LoadsPage l;
  for (bool on : {true, false}) {
    l.mechanicalLoad.checked = l.temperatureLoad.checked = l.moistureLoad.checked = on;
    onMechanicalLoadClicked(l), onTemperatureLoadClicked(l), onMoistureLoadClicked(l);
    for (bool enabled :
         {l.forcesMoments.enabled, l.strainsCurvatures.enabled, l.loadValues.enabled,
          l.temperatureLabel.enabled, l.temperatureChange.enabled, l.moistureLabel.enabled,
          l.moistureContent.enabled, l.percentLabel.enabled})
      EXPECT_EQ(enabled, on);
  }
  l.loadValues.setCell(0, 0, "1000");
  l.loadValues.currentColumn = 4;
  onStrainsCurvaturesClicked(l);
  EXPECT_TRUE(l.strainsCurvatures.selected && !l.forcesMoments.selected);
  EXPECT_EQ(l.loadValues.heading(2) + l.loadValues.heading(5) + l.loadValues.cell(0, 0), "gXYkXY");
  EXPECT_EQ(l.loadValues.currentColumn, 0);
  l.loadValues.setCell(0, 1, "0.001");
  onForcesMomentsClicked(l);
  EXPECT_EQ(l.loadValues.heading(3) + l.loadValues.cell(0, 1), "MX");
}

TEST(PageRules, AnalyzeEditMenuAndHelpByPage) {
  for (int page = kSettingsPage; page <= kAboutPage; ++page) {
    EXPECT_EQ(analyzeEnabledOnPage(page), page != kMicromechanicsPage);
    EXPECT_EQ(editMenuCommandForPage(page), page <= kMicromechanicsPage ? 1009 + page : 0);
  }
  EXPECT_EQ(std::string(helpTopicForPage(kLayupPage)), "::html/vcla1xyo.htm");
  EXPECT_EQ(std::string(helpTopicForPage(7)), "::html/vcla3rcn.htm");
}

}  // namespace
}  // namespace vc
