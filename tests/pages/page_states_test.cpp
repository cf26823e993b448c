// The input pages as they start, and the two clearing commands.

#include <gtest/gtest.h>

#include "pages/page_clearing.h"
#include "pages/input_pages.h"

namespace vc {
namespace {

// Grid shapes and headings are checked through the widgets in the forms
// tests; here, the controls' starting states.
TEST(PageStart, ControlsAsTheyOpen) {
  InputPages p;
  EXPECT_TRUE(p.settings.checkbox_1.checked && p.settings.checkbox_2.checked);
  EXPECT_FALSE(p.settings.checkbox_7.checked);
  EXPECT_TRUE(p.settings.optb_1.selected);
  EXPECT_EQ(p.materials.combo_1, "1");
  EXPECT_EQ(p.strength.grid_1.cell(0, 0), "1");
  EXPECT_EQ(p.layup.grid_1.cell(0, 0), "");
  EXPECT_EQ(p.layup.textb_1.text, "");
  const LoadsPage& l = p.loads;
  EXPECT_EQ(l.grid_1.heading(0), "NX");
  EXPECT_TRUE(l.optb_1.selected);
  for (bool on : {l.checkbox_1.checked, l.optb_1.enabled, l.optb_2.enabled, l.grid_1.enabled,
                  l.label_1.enabled, l.textb_1.enabled, l.textb_2.enabled, l.label_3.enabled})
    EXPECT_FALSE(on);
}

TEST(TextGridCells, OutsideTheGridReadsEmptyAndIgnoresWrites) {
  TextGrid g(2, 3, {"a", "b", "c"});
  g.setCell(1, 2, "x");
  g.setCell(2, 0, "lost");
  g.setCell(-1, 0, "lost");
  g.setCell(0, 3, "lost");
  EXPECT_EQ(g.cell(1, 2), "x");
  EXPECT_EQ(g.cell(2, 0), "");
  EXPECT_EQ(g.cell(0, -1), "");
  EXPECT_EQ(g.heading(3), "");
  g.reset(1);
  EXPECT_EQ(g.rowCount(), 1);
  EXPECT_EQ(g.cell(1, 2), "");
}

TEST(Clearing, VisibleSettingsClearsAllSevenBoxesAllFormsKeepsTwo) {
  SettingsPage visible;
  visible.checkbox_3.checked = visible.checkbox_6.checked = visible.checkbox_7.checked = true;
  visible.optb_1.selected = false;
  visible.optb_2.selected = true;
  SettingsPage all = visible;
  clearSettingsPage(visible, true);
  clearSettingsPage(all, false);
  for (const SettingsPage* s : {&visible, &all}) {
    SCOPED_TRACE(s == &all ? "all forms" : "visible page");
    for (bool on : {s->checkbox_3.checked, s->checkbox_4.checked, s->checkbox_5.checked,
                    s->checkbox_6.checked, s->checkbox_7.checked})
      EXPECT_FALSE(on);
    EXPECT_TRUE(s->optb_2.selected);  // the strain buttons stay
    EXPECT_EQ(s->checkbox_1.checked, s == &all);
    EXPECT_EQ(s->checkbox_2.checked, s == &all);
  }
}

TEST(Clearing, MaterialsStrengthAndLayup) {
  InputPages p;
  p.materials.combo_1 = "3";
  p.materials.matgrid.setCell(2, 9, "glass");
  p.materials.matgrid.currentRow = 2;
  p.strength.grid_1.setCell(4, 3, "5000");
  p.layup.textb_1.text = "8";
  p.layup.checkbox_1.checked = true;
  p.layup.grid_1.setCell(99, 2, "45");
  p.layup.grid_1.currentRow = 7;
  clearVisiblePage(p, 1);
  clearVisiblePage(p, 2);
  clearVisiblePage(p, 3);
  EXPECT_EQ(p.materials.combo_1, "1");
  EXPECT_EQ(p.materials.matgrid.cell(2, 9), "");
  EXPECT_EQ(p.materials.matgrid.cell(0, 0), "1");
  EXPECT_EQ(p.materials.matgrid.currentRow, 0);
  EXPECT_EQ(p.strength.grid_1.cell(4, 3), "");
  EXPECT_EQ(p.strength.grid_1.cell(0, 0), "1");
  EXPECT_EQ(p.layup.textb_1.text, "");  // empty, not "0"
  EXPECT_FALSE(p.layup.checkbox_1.checked);
  EXPECT_EQ(p.layup.grid_1.cell(99, 2), "");
  EXPECT_EQ(p.layup.grid_1.rowCount(), 100);
  EXPECT_EQ(p.layup.grid_1.currentRow, 0);
}

TEST(Clearing, LoadsPageBackToForcesWithZeroBoxes) {
  LoadsPage l;
  l.checkbox_1.checked = l.checkbox_2.checked = l.checkbox_3.checked = true;
  l.optb_1 = {false, true};
  l.optb_2 = {true, true};
  l.grid_1.setHeadings({"eX", "eY", "gXY", "kX", "kY", "kXY"});
  l.grid_1.setCell(0, 3, "0.5");
  l.textb_1 = {"-280", true};
  l.textb_2 = {"1.5", true};
  clearLoadsPage(l);
  EXPECT_TRUE(l.optb_1.selected);
  for (bool on : {l.checkbox_1.checked, l.checkbox_2.checked, l.checkbox_3.checked,
                  l.optb_2.selected, l.optb_1.enabled, l.optb_2.enabled, l.textb_1.enabled,
                  l.label_1.enabled, l.textb_2.enabled, l.label_3.enabled})
    EXPECT_FALSE(on);
  EXPECT_EQ(l.grid_1.cell(0, 3), "");
  EXPECT_EQ(l.grid_1.heading(0), "NX");
  EXPECT_EQ(l.textb_1.text, "0");  // zero, where the layer count clears to empty
  EXPECT_EQ(l.textb_2.text, "0");
}

TEST(Clearing, AllFormsClearsEveryPage) {
  InputPages p;
  p.settings.checkbox_6.checked = true;
  p.materials.matgrid.setCell(0, 1, "1e6");
  p.strength.grid_1.setCell(0, 1, "1e5");
  p.layup.textb_1.text = "4";
  p.loads.checkbox_2.checked = true;
  clearAllInputPages(p);
  EXPECT_FALSE(p.settings.checkbox_6.checked);
  EXPECT_TRUE(p.settings.checkbox_1.checked);
  EXPECT_EQ(p.materials.matgrid.cell(0, 1), "");
  EXPECT_EQ(p.strength.grid_1.cell(0, 1), "");
  EXPECT_EQ(p.layup.textb_1.text, "");
  EXPECT_FALSE(p.loads.checkbox_2.checked);
}

}  // namespace
}  // namespace vc
