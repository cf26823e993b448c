// The input pages as the user drives them: initial states, typing into
// cells and boxes, and the controls that reach the page reactions.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include "tests/forms/form_fakes.h"

using vc::forms::MainWindow;
using namespace vc::test;

class InputPageViewsTest : public vc::test::FormFixture {
  Q_OBJECT

 private slots:
  void settingsPageStartsWithTheFirstTwoBoxes() {
    auto w = shownWindow(0);
    QVERIFY(w);
    const QList<QPair<const char*, bool>> boxes = {{"checkbox_1", true},  {"checkbox_2", true},
                                                   {"checkbox_3", false}, {"checkbox_7", false},
                                                   {"checkbox_4", false}, {"checkbox_5", false},
                                                   {"checkbox_6", false}};
    for (const auto& [name, checked] : boxes) {
      QCOMPARE(onPage<QCheckBox>(*w, "TabForm1", name)->isChecked(), checked);
    }
    QCOMPARE(onPage<QCheckBox>(*w, "TabForm1", "checkbox_5")->text(),
             QString("Display Ply Stresses and Strains (Requires Load Input):"));
    QVERIFY(onPage<QRadioButton>(*w, "TabForm1", "optb_1")->isChecked());
    QVERIFY(!onPage<QRadioButton>(*w, "TabForm1", "optb_2")->isChecked());

    // Clicks reach the page model that a run reads.
    onPage<QCheckBox>(*w, "TabForm1", "checkbox_6")->click();
    onPage<QRadioButton>(*w, "TabForm1", "optb_2")->click();
    QVERIFY(w->pages().settings.checkbox_6.checked);
    QVERIFY(w->pages().settings.optb_2.selected);
    QVERIFY(!w->pages().settings.optb_1.selected);
  }

  void gridsHaveTheirShapesAndHeadings() {
    auto w = shownWindow(1);
    QVERIFY(w);
    auto* mat = onPage<QTableView>(*w, "TabForm2", "matgrid");
    QCOMPARE(mat->model()->rowCount(), 10);
    QCOMPARE(mat->model()->columnCount(), 10);
    QCOMPARE(mat->model()->headerData(9, Qt::Horizontal).toString(),
             QString("Material Description"));
    QCOMPARE(mat->columnWidth(9), 2 * mat->columnWidth(1));
    QCOMPARE(cellText(mat, 0, 0), QString("1"));
    QCOMPARE(cellText(mat, 1, 0), QString(""));

    auto* strength = onPage<QTableView>(*w, "TabForm7", "grid_1");
    QCOMPARE(strength->model()->columnCount(), 6);
    QCOMPARE(strength->model()->headerData(2, Qt::Horizontal).toString(), QString("Xc (-)"));
    auto* layup = onPage<QTableView>(*w, "TabForm3", "grid_1");
    QCOMPARE(layup->model()->rowCount(), 100);
    QCOMPARE(layup->model()->headerData(2, Qt::Horizontal).toString(), QString("Ply Angle"));
    auto* loads = onPage<QTableView>(*w, "TabForm4", "grid_1");
    QCOMPARE(loads->model()->rowCount(), 1);
    QVERIFY(loads->verticalHeader()->isHidden());
    QCOMPARE(loads->model()->headerData(5, Qt::Horizontal).toString(), QString("MXY"));

    auto* combo = onPage<QComboBox>(*w, "TabForm2", "combo_1");
    QCOMPARE(combo->count(), 10);
    QCOMPARE(combo->currentText(), QString("1"));
    QCOMPARE(onPage<QPushButton>(*w, "TabForm2", "cb_MatDB")->text(), QString("&Material Library"));
  }

  void typedCellsKeepTheirText() {
    auto w = shownWindow(1);
    QVERIFY(w);
    auto* mat = onPage<QTableView>(*w, "TabForm2", "matgrid");
    typeIntoCell(mat, 0, 1, "1.5e6psi");
    typeIntoCell(mat, 0, 9, "AS4/3506-1 <carbon>");
    QCOMPARE(QString::fromStdString(w->pages().materials.matgrid.cell(0, 1)), QString("1.5e6psi"));
    QCOMPARE(QString::fromStdString(w->pages().materials.matgrid.cell(0, 9)), QString("AS4/3506-1 <carbon>"));
  }

  // The page rules themselves are tested on the page model; here, that the
  // controls forward to it and the views follow, with its messages shown.
  void materialCountRenumbersTheGrid() {
    auto w = shownWindow(1);
    QVERIFY(w);
    auto* combo = onPage<QComboBox>(*w, "TabForm2", "combo_1");
    auto* mat = onPage<QTableView>(*w, "TabForm2", "matgrid");
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);  // "3"
    QCOMPARE(QString::fromStdString(w->pages().materials.combo_1), QString("3"));
    QCOMPARE(cellText(mat, 2, 0), QString("3"));
    QCOMPARE(mat->currentIndex().row(), 2);
    typeIntoCell(mat, 2, 1, "7");
    QTest::keyClick(combo, Qt::Key_Up);  // "2"
    QCOMPARE(cellText(mat, 2, 0), QString(""));
    QCOMPARE(cellText(mat, 2, 1), QString(""));
    QVERIFY(messages_.messages.empty());
  }

  void layerCountMessageIsShownAndTheGridFollows() {
    auto w = shownWindow(3);
    QVERIFY(w);
    auto* count = onPage<QLineEdit>(*w, "TabForm3", "textb_1");
    auto* sym = onPage<QCheckBox>(*w, "TabForm3", "checkbox_1");
    auto* grid = onPage<QTableView>(*w, "TabForm3", "grid_1");
    sym->click();  // empty count: nothing happens
    QVERIFY(sym->isChecked());
    count->setFocus();
    QTest::keyClicks(count, "7");
    grid->setFocus();  // leaving the box
    QCOMPARE(vc::test::captionsOf(messages_), QStringList{"Not an even number"});
    QCOMPARE(QString::fromStdString(messages_.messages[0].text),
             QString("For symmetry option, the number of layers must be an even number."));
    QVERIFY(!sym->isChecked());
    QCOMPARE(cellText(grid, 6, 0), QString("7"));
    QCOMPARE(cellText(grid, 7, 0), QString(""));
  }

  void loadsPageControlsForwardAndFollow() {
    auto w = shownWindow(4);
    QVERIFY(w);
    auto* mech = onPage<QCheckBox>(*w, "TabForm4", "checkbox_1");
    auto* strains = onPage<QRadioButton>(*w, "TabForm4", "optb_2");
    auto* grid = onPage<QTableView>(*w, "TabForm4", "grid_1");
    auto* tempBox = onPage<QLineEdit>(*w, "TabForm4", "textb_1");
    QVERIFY(onPage<QRadioButton>(*w, "TabForm4", "optb_1")->isChecked());
    QVERIFY(!strains->isEnabled() && !grid->isEnabled() && !tempBox->isEnabled());
    mech->click();
    QVERIFY(strains->isEnabled() && grid->isEnabled());
    typeIntoCell(grid, 0, 0, "1000");
    QCOMPARE(QString::fromStdString(w->pages().loads.grid_1.cell(0, 0)), QString("1000"));
    strains->click();
    QCOMPARE(cellText(grid, 0, 0), QString(""));
    QCOMPARE(grid->model()->headerData(5, Qt::Horizontal).toString(), QString("kXY"));
    QVERIFY(w->pages().loads.optb_2.selected && !w->pages().loads.optb_1.selected);
    onPage<QCheckBox>(*w, "TabForm4", "checkbox_2")->click();
    QVERIFY(onPage<QLabel>(*w, "TabForm4", "label_1")->isEnabled() && tempBox->isEnabled());
    QTest::keyClicks(tempBox, "-280");
    QCOMPARE(QString::fromStdString(w->pages().loads.textb_1.text), QString("-280"));
  }

  void editMenusOfTheGrids() {
    auto w = shownWindow(1);
    QVERIFY(w);
    struct Expect {
      const char* page;
      const char* grid;
      const char* menu;
      int commands;
    };
    for (const Expect& e : {Expect{"TabForm2", "matgrid", "ID_TabForm2_menu_1", 5},
                            Expect{"TabForm7", "grid_1", "ID_TabForm7_menu_1", 5},
                            Expect{"TabForm3", "grid_1", "ID_TabForm3_menu_1", 7}}) {
      auto* grid = onPage<QTableView>(*w, e.page, e.grid);
      auto* menu = grid->findChild<QMenu*>(e.menu);
      QVERIFY2(menu != nullptr, e.menu);
      QCOMPARE(menu->title(), QString("&Edit"));
      int commands = 0;
      for (QAction* a : menu->actions()) commands += a->isSeparator() ? 0 : 1;
      QCOMPARE(commands, e.commands);
      QAction* pasteCell = menu->findChild<QAction*>("menu_1006");
      QCOMPARE(pasteCell->text(), QString("P&aste Cell"));
      QCOMPARE(pasteCell->shortcut(), QKeySequence("Ctrl+A"));
    }
    QVERIFY(onPage<QTableView>(*w, "TabForm4", "grid_1")->findChild<QMenu*>() == nullptr);
  }
};

QTEST_MAIN(InputPageViewsTest)
#include "input_page_views_test.moc"
