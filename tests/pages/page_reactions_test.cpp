// The pages' immediate reactions to the counts and the load controls.

#include <gtest/gtest.h>

#include <string>

#include "pages/page_reactions.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

TEST(MaterialCount, NumbersRowsAndEmptiesTheRest) {
  MaterialsPage p;
  StrengthPage strength;
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
  EXPECT_EQ(strength.grid_1.cell(1, 0), "");  // the Strength grid is not numbered
}

TEST(MaterialCount, AboveTenIsRefused) {
  MaterialsPage p;
  p.matgrid.setCell(0, 1, "1e6");
  p.combo_1 = "11";
  test::CapturingMessages messages;
  onMaterialCountSelected(p, messages);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "Violation");
  EXPECT_EQ(messages.messages[0].text, "Materials limited to 10.  Try again.");
  EXPECT_EQ(p.matgrid.cell(0, 1), "1e6");
  EXPECT_EQ(p.matgrid.cell(1, 0), "");
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
  for (int r = 4; r < 100; ++r) {
    for (int c = 0; c < 4; ++c) EXPECT_EQ(p.grid_1.cell(r, c), "");
  }
  // Clearing the option numbers the full count again, the upper rows empty.
  p.checkbox_1.checked = false;
  onLayerCountChanged(p, messages);
  EXPECT_EQ(p.grid_1.cell(7, 0), "8");
  EXPECT_EQ(p.grid_1.cell(7, 2), "");
}

TEST(LayerCount, OddCountWithSymmetricOption) {
  LayupPage p;
  p.checkbox_1.checked = true;
  p.textb_1.text = "7";
  test::CapturingMessages messages;
  onLayerCountChanged(p, messages);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "Not an even number");
  EXPECT_EQ(messages.messages[0].text,
            "For symmetry option, the number of layers must be an even number.");
  EXPECT_FALSE(p.checkbox_1.checked);
  EXPECT_EQ(p.grid_1.cell(6, 0), "7");
  EXPECT_EQ(p.grid_1.cell(7, 0), "");
}

TEST(LayerCount, AboveOneHundred) {
  LayupPage p;
  p.grid_1.setCell(0, 0, "1");
  p.grid_1.setCell(50, 3, "0.005");
  p.textb_1.text = "150";
  test::CapturingMessages messages;
  onLayerCountChanged(p, messages);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "Error");
  EXPECT_EQ(messages.messages[0].text, "Layers limited to 100 total.  Reduce number of layers.");
  EXPECT_EQ(p.textb_1.text, "");
  EXPECT_EQ(p.grid_1.cell(0, 0), "");
  EXPECT_EQ(p.grid_1.cell(50, 3), "");
}

TEST(LayerCount, OddAndAboveOneHundredShowsBothMessages) {
  LayupPage p;
  p.checkbox_1.checked = true;
  p.textb_1.text = "101";
  test::CapturingMessages messages;
  onLayerCountChanged(p, messages);
  EXPECT_EQ(messages.captions(), (std::vector<std::string>{"Not an even number", "Error"}));
  EXPECT_EQ(p.grid_1.cell(0, 0), "");
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

TEST(LoadsReactions, MechanicalBoxEnablesButtonsAndGrid) {
  LoadsPage l;
  l.checkbox_1.checked = true;
  onMechanicalLoadClicked(l);
  EXPECT_TRUE(l.optb_1.enabled && l.optb_2.enabled && l.grid_1.enabled);
  l.checkbox_1.checked = false;
  onMechanicalLoadClicked(l);
  EXPECT_FALSE(l.optb_1.enabled || l.optb_2.enabled || l.grid_1.enabled);
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

TEST(LoadsReactions, TemperatureAndMoistureKeepTheirTextWhenDisabled) {
  LoadsPage l;
  l.checkbox_2.checked = true;
  onTemperatureLoadClicked(l);
  EXPECT_TRUE(l.label_1.enabled && l.textb_1.enabled);
  l.textb_1.text = "-150";
  l.checkbox_2.checked = false;
  onTemperatureLoadClicked(l);
  EXPECT_FALSE(l.label_1.enabled || l.textb_1.enabled);
  EXPECT_EQ(l.textb_1.text, "-150");
  l.checkbox_3.checked = true;
  onMoistureLoadClicked(l);
  EXPECT_TRUE(l.label_2.enabled && l.textb_2.enabled && l.label_3.enabled);
  l.checkbox_3.checked = false;
  onMoistureLoadClicked(l);
  EXPECT_FALSE(l.label_2.enabled || l.textb_2.enabled || l.label_3.enabled);
}

}  // namespace
}  // namespace vc
