// The pages' immediate reactions to the counts and the load controls.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/page_reactions.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

using Captions = std::vector<std::string>;

TEST(MaterialCount, NumbersRowsAndEmptiesTheRest) {
  MaterialsPage p;
  test::CapturingMessages messages;
  p.combo_1 = "3";
  onMaterialCountSelected(p, messages);
  EXPECT_EQ(p.matgrid.cell(0, 0), "1");
  EXPECT_EQ(p.matgrid.cell(2, 0), "3");
  EXPECT_EQ(p.matgrid.currentRow, 2);
  p.matgrid.setCell(2, 1, "1e6");
  p.matgrid.setCell(2, 9, "third");
  p.matgrid.setCell(1, 4, "0.3");
  p.combo_1 = "2";
  onMaterialCountSelected(p, messages);
  for (int c = 0; c < 10; ++c) EXPECT_EQ(p.matgrid.cell(2, c), "") << c;
  EXPECT_EQ(p.matgrid.cell(1, 4), "0.3");
  EXPECT_EQ(p.matgrid.currentRow, 1);
  EXPECT_TRUE(messages.messages.empty());

  // Above ten is refused and the grid left as it was.
  p.combo_1 = "11";
  onMaterialCountSelected(p, messages);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "Violation");
  EXPECT_EQ(messages.messages[0].text, "Materials limited to 10.  Try again.");
  EXPECT_EQ(p.matgrid.cell(1, 4), "0.3");
  EXPECT_EQ(p.matgrid.cell(2, 0), "");
}

TEST(LayerCount, SymmetricShowsTheLowerHalf) {
  LayupPage p;
  for (int r = 0; r < 8; ++r) p.grid_1.setCell(r, 2, "45");
  p.checkbox_1.checked = true;
  p.textb_1.text = "8";
  test::CapturingMessages messages;
  onLayerCountChanged(p, messages);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(p.grid_1.cell(3, 0), "4");
  EXPECT_EQ(p.grid_1.cell(3, 2), "45");
  for (int r = 4; r < 100; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(p.grid_1.cell(r, c), "");
  // Clearing the option numbers the full count again, the upper rows empty.
  p.checkbox_1.checked = false;
  onLayerCountChanged(p, messages);
  EXPECT_EQ(p.grid_1.cell(7, 0), "8");
  EXPECT_EQ(p.grid_1.cell(7, 2), "");
}

// Refused or odd counts: the messages in order, word for word, and what is
// left on the page.
TEST(LayerCount, OddOrAboveOneHundred) {
  const char* const kOdd = "For symmetry option, the number of layers must be an even number.";
  const char* const kTooMany = "Layers limited to 100 total.  Reduce number of layers.";
  struct Case {
    const char* count;
    bool symmetric;
    Captions captions;
    std::vector<std::string> texts;
    const char* countLeft;
    const char* lastNumbered;  // "": grid emptied
  };
  const Case cases[] = {
      {"7", true, {"Not an even number"}, {kOdd}, "7", "7"},
      {"150", false, {"Error"}, {kTooMany}, "", ""},
      {"101", true, {"Not an even number", "Error"}, {kOdd, kTooMany}, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    LayupPage p;
    p.grid_1.setCell(0, 1, "1");
    p.grid_1.setCell(50, 3, "0.005");
    p.checkbox_1.checked = c.symmetric;
    p.textb_1.text = c.count;
    test::CapturingMessages messages;
    onLayerCountChanged(p, messages);
    EXPECT_EQ(messages.captions(), c.captions);
    for (std::size_t i = 0; i < messages.messages.size() && i < c.texts.size(); ++i)
      EXPECT_EQ(messages.messages[i].text, c.texts[i]);
    EXPECT_FALSE(p.checkbox_1.checked);
    EXPECT_EQ(p.textb_1.text, c.countLeft);
    EXPECT_EQ(p.grid_1.cell(50, 3), "");
    if (*c.lastNumbered) {
      EXPECT_EQ(p.grid_1.cell(6, 0), c.lastNumbered);
      EXPECT_EQ(p.grid_1.cell(7, 0), "");
    } else {
      EXPECT_EQ(p.grid_1.cell(0, 0), "");
      EXPECT_EQ(p.grid_1.cell(0, 1), "");
    }
  }
}

TEST(LayerCount, EmptyOrZeroChangesNothingNegativeEmptiesAll) {
  LayupPage p;
  p.grid_1.setCell(3, 1, "2");
  test::CapturingMessages messages;
  for (const char* text : {"", "abc", "0"}) {
    p.textb_1.text = text;
    onLayerCountChanged(p, messages);
    EXPECT_EQ(p.grid_1.cell(3, 1), "2") << text;
  }
  p.textb_1.text = "-4";
  onLayerCountChanged(p, messages);
  EXPECT_EQ(p.grid_1.cell(3, 1), "");
  EXPECT_EQ(p.grid_1.cell(0, 0), "");
  EXPECT_TRUE(messages.messages.empty());
}

// Each load box enables its own controls and leaves their text alone.
TEST(LoadsReactions, EachBoxEnablesItsControls) {
  LoadsPage l;
  l.textb_1.text = "-150";
  for (bool on : {true, false}) {
    SCOPED_TRACE(on);
    l.checkbox_1.checked = l.checkbox_2.checked = l.checkbox_3.checked = on;
    onMechanicalLoadClicked(l);
    onTemperatureLoadClicked(l);
    onMoistureLoadClicked(l);
    for (bool enabled : {l.optb_1.enabled, l.optb_2.enabled, l.grid_1.enabled, l.label_1.enabled,
                         l.textb_1.enabled, l.label_2.enabled, l.textb_2.enabled, l.label_3.enabled})
      EXPECT_EQ(enabled, on);
    EXPECT_EQ(l.textb_1.text, "-150");
  }
}

TEST(LoadsReactions, SwitchingTheKindRenamesAndEmptiesTheRow) {
  LoadsPage l;
  l.grid_1.setCell(0, 0, "1000");
  onStrainsCurvaturesClicked(l);
  EXPECT_TRUE(l.optb_2.selected);
  EXPECT_FALSE(l.optb_1.selected);
  EXPECT_EQ(l.grid_1.heading(0), "eX");
  EXPECT_EQ(l.grid_1.heading(2), "gXY");
  EXPECT_EQ(l.grid_1.heading(5), "kXY");
  EXPECT_EQ(l.grid_1.cell(0, 0), "");
  l.grid_1.setCell(0, 1, "0.001");
  l.grid_1.currentColumn = 4;
  onForcesMomentsClicked(l);
  EXPECT_EQ(l.grid_1.heading(3), "MX");
  EXPECT_EQ(l.grid_1.cell(0, 1), "");
  EXPECT_EQ(l.grid_1.rowCount(), 1);
  EXPECT_EQ(l.grid_1.currentColumn, 0);
  // Clicking the selected button again still empties the row.
  l.grid_1.setCell(0, 2, "5");
  onForcesMomentsClicked(l);
  EXPECT_EQ(l.grid_1.cell(0, 2), "");
}

}  // namespace
}  // namespace vc
