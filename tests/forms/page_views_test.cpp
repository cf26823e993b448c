// The input pages as the user drives them: what is typed and clicked reaches
// the page models, the page reactions run with their messages shown, and the
// views follow the models. The rules themselves are tested on the models.
#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "forms/grid_view.h"
#include "tests/forms/form_fakes.h"

using namespace vc::test;

class PageViewsTest : public FormFixture {
  Q_OBJECT

 private slots:
  void typedAndClickedInputReachesThePages() {
    auto w = shownWindow(1);
    QVERIFY(w);
    vc::InputPages& p = w->pages();
    auto* materials = onPage<QTableView>(*w, "TabForm2", "matgrid");
    typeIntoCell(materials, 0, 1, "1.5e6psi");
    QCOMPARE(p.materials.properties.cell(0, 1), std::string("1.5e6psi"));
    // A description keeps 129 whole characters, as the tooltip says.
    typeIntoCell(materials, 0, 9, QString(128, 'x') + "yz");
    QCOMPARE(p.materials.properties.cell(0, 9), std::string(128, 'x') + "y");
    QVERIFY(materials->model()->setData(materials->model()->index(1, 9), QString(128, 'a') + "°°"));
    QCOMPARE(p.materials.properties.cell(1, 9), std::string(128, 'a') + "\xC2\xB0");
    QVERIFY(materials->model()->index(1, 9).data(Qt::ToolTipRole).toString().contains("129"));
    onPage<QAbstractButton>(*w, "TabForm1", "checkbox_6")->click();
    onPage<QAbstractButton>(*w, "TabForm1", "optb_2")->click();
    QVERIFY(p.settings.showPlyFailure.checked && p.settings.totalStrains.selected &&
            !p.settings.effectiveStrains.selected);

    // Loads: the check box enables the load row; Strains/Curvatures empties
    // it and renames its columns; the temperature box follows its box.
    w->selectPage(4);
    auto* grid = onPage<QTableView>(*w, "TabForm4", "grid_1");
    auto* temperature = onPage<QLineEdit>(*w, "TabForm4", "textb_1");
    QVERIFY(!grid->isEnabled() && !temperature->isEnabled());
    onPage<QAbstractButton>(*w, "TabForm4", "checkbox_1")->click();
    QVERIFY(grid->isEnabled());
    typeIntoCell(grid, 0, 0, "1000");
    QCOMPARE(p.loads.loadValues.cell(0, 0), std::string("1000"));
    onPage<QAbstractButton>(*w, "TabForm4", "optb_2")->click();
    QCOMPARE(cellText(grid, 0, 0), QString(""));
    QCOMPARE(grid->model()->headerData(5, Qt::Horizontal).toString(), QString("kXY"));
    onPage<QAbstractButton>(*w, "TabForm4", "checkbox_2")->click();
    QVERIFY(temperature->isEnabled() && onPage<QLabel>(*w, "TabForm4", "label_1")->isEnabled());
    QTest::keyClicks(temperature, "-280");
    QCOMPARE(p.loads.temperatureChange.text, std::string("-280"));
  }

  void countsRenumberTheGridsWithTheirMessages() {
    auto w = shownWindow(1);
    QVERIFY(w);
    auto* combo = onPage<QComboBox>(*w, "TabForm2", "combo_1");
    auto* materials = onPage<QTableView>(*w, "TabForm2", "matgrid");
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);  // "3"
    QCOMPARE(cellText(materials, 2, 0), QString("3"));
    QCOMPARE(materials->currentIndex().row(), 2);
    QTest::keyClick(combo, Qt::Key_Up);  // "2"
    QCOMPARE(cellText(materials, 2, 0), QString(""));

    w->selectPage(3);
    auto* count = onPage<QLineEdit>(*w, "TabForm3", "textb_1");
    auto* symmetric = onPage<QAbstractButton>(*w, "TabForm3", "checkbox_1");
    auto* layup = onPage<QTableView>(*w, "TabForm3", "grid_1");
    symmetric->click();
    count->setFocus();
    QTest::keyClicks(count, "7");
    layup->setFocus();  // leaving the box
    QVERIFY(messages_.captions() == std::vector<std::string>{"Not an even number"});
    QVERIFY(!symmetric->isChecked());
    QCOMPARE(cellText(layup, 6, 0), QString("7"));
  }

  // The grid's current cell is where a selection started, its anchor where
  // it ended; page code moving the current cell moves the view's.
  void gridViewHandsItsCursorToThePage() {
    vc::TextGrid grid(10, 4, {"Layer", "MatID", "Ply Angle", "Thickness"});
    vc::forms::GridView view(grid, "grid_1");
    view.show();
    QApplication::setActiveWindow(&view);
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.setCurrentIndex(view.model()->index(1, 2));
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(QList<int>({grid.currentRow, grid.currentColumn, grid.anchorRow, grid.anchorColumn}),
             QList<int>({1, 2, 3, 2}));
    grid.currentRow = 6;
    grid.currentColumn = 0;
    view.refresh();
    QCOMPARE(view.currentIndex(), view.model()->index(6, 0));
  }

  // The Edit keys on the real pages while a grid has the focus: Ctrl+A and
  // Ctrl+P paste (no select-all, no print dialog); the main menu's Edit
  // lists the visible grid's commands; Delete, Ctrl+C and Ctrl+V work as in
  // a spreadsheet, a paste cut at the grid's edges and limited as typing is.
  void gridKeysRunTheEditCommands() {
    auto w = shownWindow(1);
    QVERIFY(w);
    vc::TextGrid& m = w->pages().materials.properties;
    auto* view = onPage<QTableView>(*w, "TabForm2", "matgrid");
    typeIntoCell(view, 0, 1, "1.5e6");
    typeIntoCell(view, 0, 9, "glass");
    auto key = [&](int row, int column, Qt::Key k,
                   Qt::KeyboardModifiers mods = Qt::ControlModifier) {
      view->setCurrentIndex(view->model()->index(row, column));
      QTest::keyClick(view, k, mods);
    };
    key(0, 1, Qt::Key_E);  // Copy Cell
    key(2, 3, Qt::Key_A);  // Paste Cell
    QCOMPARE(m.cell(2, 3), std::string("1.5e6"));
    QCOMPARE(view->selectionModel()->selectedIndexes().size(), 1);
    key(0, 4, Qt::Key_R);  // Copy Row
    key(4, 0, Qt::Key_P);  // Paste Row
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(m.cell(4, 1) + "|" + m.cell(4, 9), std::string("1.5e6|"));

    // Delete empties the selected block; Ctrl+C copies it as tab-separated text.
    typeIntoCell(view, 5, 2, "x");
    key(4, 1, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("1.5e6\t\n"));
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(m.cell(4, 1) + m.cell(5, 2), std::string());
    // A paste is cut at the grid's edge and limited as typing is.
    QApplication::clipboard()->setText("7\t8\r\n" + QString(200, 'd') + "\r\n");
    key(0, 9, Qt::Key_V);
    QCOMPARE(m.cell(0, 9) + "|" + m.cell(1, 9), "7|" + std::string(129, 'd'));

    // The main menu's Edit acts on the visible page's grid: a column run on Layup.
    w->selectPage(3);
    vc::TextGrid& l = w->pages().layup.layers;
    auto* layup = onPage<QTableView>(*w, "TabForm3", "grid_1");
    for (int r = 0; r < 3; ++r) typeIntoCell(layup, r, 2, QString::number(15 * (r + 1)));
    layup->setCurrentIndex(layup->model()->index(0, 2));
    QTest::keyClick(layup, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(layup, Qt::Key_Down, Qt::ShiftModifier);
    auto* edit = qobject_cast<QMenu*>(w->menuCommand(1009)->associatedObjects().value(0));
    emit edit->aboutToShow();
    QAction* copyColumn = nullptr;
    for (QAction* a : edit->actions())
      if (a->text() == "Copy Co&lumn") copyColumn = a;
    QVERIFY(copyColumn);
    copyColumn->trigger();
    layup->setCurrentIndex(layup->model()->index(10, 3));
    QTest::keyClick(layup, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(l.cell(10, 3) + " " + l.cell(11, 3) + " " + l.cell(12, 3) + "|" + l.cell(13, 3),
             std::string("15 30 45|"));
    w->selectPage(4);
    emit edit->aboutToShow();
    QVERIFY(!edit->actions().contains(copyColumn));
  }
};

QTEST_MAIN(PageViewsTest)
#include "page_views_test.moc"
