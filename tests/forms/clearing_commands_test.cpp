// The two clearing commands of the Edit menu as the user reaches them: what
// each resets on which page, and where they differ.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include "tests/forms/form_fakes.h"

using vc::Form1;
using namespace vc::test;

namespace {

// Every page filled the way a user would leave it before clearing.
void fillEverything(Form1& w) {
  vc::InputPages& p = w.pages();
  for (auto* box : {&p.settings.checkbox_3, &p.settings.checkbox_4, &p.settings.checkbox_5,
                    &p.settings.checkbox_6, &p.settings.checkbox_7}) {
    box->checked = true;
  }
  p.settings.optb_1.selected = false;
  p.settings.optb_2.selected = true;
  p.materials.combo_1 = "3";
  for (int r = 0; r < 3; ++r) {
    p.materials.matgrid.setCell(r, 0, std::to_string(r + 1));
    p.materials.matgrid.setCell(r, 1, "1e7");
    p.strength.grid_1.setCell(r, 0, std::to_string(r + 1));
    p.strength.grid_1.setCell(r, 1, "2e5");
  }
  p.layup.textb_1.text = "6";
  p.layup.checkbox_1.checked = true;
  p.layup.grid_1.setCell(2, 2, "45");
  p.loads.checkbox_1.checked = true;
  p.loads.optb_1 = {false, true};
  p.loads.optb_2 = {true, true};
  p.loads.grid_1.enabled = true;
  p.loads.grid_1.setCell(0, 3, "10");
  p.loads.checkbox_2.checked = true;
  p.loads.label_1.enabled = true;
  p.loads.textb_1 = {"-280", true};
  w.refreshPages();
}

}  // namespace

class ClearingCommandsTest : public vc::test::FormFixture {
  Q_OBJECT

 private slots:
  void visibleSettingsClearsAllSevenBoxes() {
    auto w = window();
    fillEverything(*w);
    w->selectPage(0);
    w->menuCommand(1016)->trigger();
    for (const char* name : {"checkbox_1", "checkbox_2", "checkbox_3", "checkbox_4", "checkbox_5",
                             "checkbox_6", "checkbox_7"}) {
      QVERIFY2(!onPage<QCheckBox>(*w, "TabForm1", name)->isChecked(), name);
    }
    // The strain buttons stay, and no other page is touched.
    QVERIFY(onPage<QRadioButton>(*w, "TabForm1", "optb_2")->isChecked());
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm2", "matgrid"), 2, 1), QString("1e7"));
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm3", "textb_1")->text(), QString("6"));
  }

  void allFormsKeepsTheTwoStartBoxes() {
    auto w = window();
    fillEverything(*w);
    w->selectPage(4);
    w->menuCommand(1017)->trigger();
    QVERIFY(onPage<QCheckBox>(*w, "TabForm1", "checkbox_1")->isChecked());
    QVERIFY(onPage<QCheckBox>(*w, "TabForm1", "checkbox_2")->isChecked());
    for (const char* name : {"checkbox_3", "checkbox_4", "checkbox_5", "checkbox_6", "checkbox_7"}) {
      QVERIFY2(!onPage<QCheckBox>(*w, "TabForm1", name)->isChecked(), name);
    }
    QVERIFY(onPage<QRadioButton>(*w, "TabForm1", "optb_2")->isChecked());
    QCOMPARE(w->currentPage(), 4);  // the selected page does not change

    auto* mat = onPage<QTableView>(*w, "TabForm2", "matgrid");
    QCOMPARE(onPage<QComboBox>(*w, "TabForm2", "combo_1")->currentText(), QString("1"));
    QCOMPARE(cellText(mat, 0, 0), QString("1"));
    QCOMPARE(cellText(mat, 0, 1), QString(""));
    QCOMPARE(cellText(mat, 1, 0), QString(""));
    auto* strength = onPage<QTableView>(*w, "TabForm7", "grid_1");
    QCOMPARE(cellText(strength, 0, 0), QString("1"));
    QCOMPARE(cellText(strength, 2, 0), QString(""));
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm3", "textb_1")->text(), QString(""));
    QVERIFY(!onPage<QCheckBox>(*w, "TabForm3", "checkbox_1")->isChecked());
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm3", "grid_1"), 2, 2), QString(""));
  }

  void visibleLoadsResetsControlsAndEnableRules() {
    auto w = window();
    fillEverything(*w);
    w->selectPage(4);
    w->menuCommand(1016)->trigger();
    QVERIFY(!onPage<QCheckBox>(*w, "TabForm4", "checkbox_1")->isChecked());
    auto* forces = onPage<QRadioButton>(*w, "TabForm4", "optb_1");
    auto* strains = onPage<QRadioButton>(*w, "TabForm4", "optb_2");
    QVERIFY(forces->isChecked() && !strains->isChecked());
    QVERIFY(!forces->isEnabled() && !strains->isEnabled());
    auto* grid = onPage<QTableView>(*w, "TabForm4", "grid_1");
    QVERIFY(!grid->isEnabled());
    QCOMPARE(cellText(grid, 0, 3), QString(""));
    auto* temperature = onPage<QLineEdit>(*w, "TabForm4", "textb_1");
    QCOMPARE(temperature->text(), QString("0"));
    QVERIFY(!temperature->isEnabled());
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm4", "textb_2")->text(), QString("0"));
    // Only the visible page was cleared.
    QVERIFY(onPage<QCheckBox>(*w, "TabForm1", "checkbox_6")->isChecked());
  }

  void visibleLayupLeavesAnEmptyCountBox() {
    auto w = window();
    fillEverything(*w);
    w->selectPage(3);
    w->menuCommand(1016)->trigger();
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm3", "textb_1")->text(), QString(""));
    QVERIFY(!onPage<QCheckBox>(*w, "TabForm3", "checkbox_1")->isChecked());
    auto* grid = onPage<QTableView>(*w, "TabForm3", "grid_1");
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(grid->currentIndex().column(), 0);
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm2", "matgrid"), 2, 1), QString("1e7"));
  }

  void visibleAboutChangesNothing() {
    auto w = window();
    fillEverything(*w);
    w->selectPage(6);
    w->menuCommand(1016)->trigger();
    QVERIFY(onPage<QCheckBox>(*w, "TabForm1", "checkbox_7")->isChecked());
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm3", "textb_1")->text(), QString("6"));
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm4", "grid_1"), 0, 3), QString("10"));
  }
};

QTEST_MAIN(ClearingCommandsTest)
#include "clearing_commands_test.moc"
