// The two clearing commands of the Edit menu as the user reaches them.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include "tests/forms/form_fakes.h"

using vc::forms::MainWindow;
using namespace vc::test;

namespace {

// Every page filled the way a user would leave it before clearing.
void fillEverything(MainWindow& w) {
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
  // What each command resets is tested on the page model; here, that the
  // menu commands reach it for the right page and the views are refreshed.
  void clearVisibleFormTouchesOnlyTheVisiblePage() {
    auto w = window();
    fillEverything(*w);
    w->selectPage(4);
    w->menuCommand(1016)->trigger();
    QVERIFY(!onPage<QCheckBox>(*w, "TabForm4", "checkbox_1")->isChecked());
    auto* grid = onPage<QTableView>(*w, "TabForm4", "grid_1");
    QVERIFY(!grid->isEnabled());
    QCOMPARE(cellText(grid, 0, 3), QString(""));
    QVERIFY(onPage<QRadioButton>(*w, "TabForm4", "optb_1")->isChecked());
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm4", "textb_1")->text(), QString("0"));
    QVERIFY(!onPage<QLineEdit>(*w, "TabForm4", "textb_1")->isEnabled());
    QVERIFY(onPage<QCheckBox>(*w, "TabForm1", "checkbox_6")->isChecked());
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm3", "textb_1")->text(), QString("6"));

    w->selectPage(6);  // About: nothing to clear
    w->menuCommand(1016)->trigger();
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm3", "textb_1")->text(), QString("6"));
  }

  void clearAllFormsRefreshesEveryPageAndKeepsTheSelection() {
    auto w = window();
    fillEverything(*w);
    w->selectPage(4);
    w->menuCommand(1017)->trigger();
    QCOMPARE(w->currentPage(), 4);
    QVERIFY(onPage<QCheckBox>(*w, "TabForm1", "checkbox_1")->isChecked());
    QVERIFY(!onPage<QCheckBox>(*w, "TabForm1", "checkbox_7")->isChecked());
    QCOMPARE(onPage<QComboBox>(*w, "TabForm2", "combo_1")->currentText(), QString("1"));
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm2", "matgrid"), 0, 1), QString(""));
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm7", "grid_1"), 2, 0), QString(""));
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm3", "textb_1")->text(), QString(""));
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm3", "grid_1"), 2, 2), QString(""));
  }
};

QTEST_MAIN(ClearingCommandsTest)
#include "clearing_commands_test.moc"
