// The grid view over a page grid: the cell texts both ways, row headings as
// the user counts, the current cell and selection anchor handed to the page
// code, and the page code moving the current cell.
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "forms/grid_view.h"

class GridViewTest : public QObject {
  Q_OBJECT

 private slots:
  void modelShowsAndTakesCellTexts() {
    vc::TextGrid grid(3, 2, {"Layer", "MatID"});
    grid.setCell(1, 1, "2");
    vc::forms::GridView view(grid, "grid_1");
    QAbstractItemModel* m = view.model();
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(m->data(m->index(1, 1)).toString(), QString("2"));
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QString("MatID"));
    QCOMPARE(m->headerData(0, Qt::Vertical).toInt(), 1);  // rows counted from 1
    QVERIFY(m->setData(m->index(2, 0), " 1.5e6psi ", Qt::EditRole));
    QCOMPARE(grid.cell(2, 0), std::string(" 1.5e6psi "));  // kept exactly as typed
  }

  void refreshFollowsRowsHeadingsAndEnabledState() {
    vc::TextGrid grid(1, 2, {"NX", "NY"});
    vc::forms::GridView view(grid, "grid_1");
    grid.setHeadings({"eX", "eY"});
    grid.setCell(0, 1, "5");
    grid.enabled = false;
    view.refresh();
    QCOMPARE(view.model()->headerData(0, Qt::Horizontal).toString(), QString("eX"));
    QCOMPARE(view.model()->data(view.model()->index(0, 1)).toString(), QString("5"));
    QVERIFY(!view.isEnabled());
    grid.reset(4);
    view.refresh();
    QCOMPARE(view.model()->rowCount(), 4);
  }

  void selectionGivesCurrentCellAndAnchor() {
    vc::TextGrid grid(10, 4, {"Layer", "MatID", "Ply Angle", "Thickness"});
    vc::forms::GridView view(grid, "grid_1");
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    view.setCurrentIndex(view.model()->index(1, 2));
    QCOMPARE(grid.currentRow, 1);
    QCOMPARE(grid.anchorRow, 1);
    // Rows 2 to 4 of the angle column, selected from row 2 downwards.
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(grid.currentRow, 1);
    QCOMPARE(grid.currentColumn, 2);
    QCOMPARE(grid.anchorRow, 3);
    QCOMPARE(grid.anchorColumn, 2);
    // Page code moving the current cell moves the view's.
    grid.currentRow = 6;
    grid.currentColumn = 0;
    view.refresh();
    QCOMPARE(view.currentIndex().row(), 6);
    QCOMPARE(view.currentIndex().column(), 0);
    QCOMPARE(grid.anchorRow, 6);
  }

  void editMenuCommandsReportTheirIdentifiers() {
    vc::TextGrid grid(10, 4, {"Layer", "MatID", "Ply Angle", "Thickness"});
    vc::forms::GridView view(grid, "grid_1");
    view.addEditMenu("ID_TabForm3_menu_1", true);
    QSignalSpy spy(&view, &vc::forms::GridView::gridCommand);
    const QList<QPair<QString, QString>> expected = {
        {"Copy &Row", "Ctrl+R"},  {"&Delete Row", "Ctrl+D"},   {"&Paste Row", "Ctrl+P"},
        {"Copy C&ell", "Ctrl+E"}, {"P&aste Cell", "Ctrl+A"},   {"Copy Co&lumn", "Ctrl+L"},
        {"Pas&te Column", "Ctrl+T"}};
    QList<QAction*> commands;
    for (QAction* a : view.editMenu()->actions()) {
      if (!a->isSeparator()) commands << a;
    }
    QCOMPARE(commands.size(), expected.size());
    for (int i = 0; i < commands.size(); ++i) {
      QCOMPARE(commands[i]->text(), expected[i].first);
      QCOMPARE(commands[i]->shortcut(), QKeySequence(expected[i].second));
      commands[i]->trigger();
      QCOMPARE(spy.last().at(0).toInt(), commands[i]->data().toInt());
    }
    QCOMPARE(view.editMenu()->actions().size(), 9);  // two separators
  }

  void controlAIsPasteCellNotSelectAll() {
    vc::TextGrid grid(10, 10, {});
    vc::forms::GridView view(grid, "matgrid");
    view.addEditMenu("ID_TabForm2_menu_1", false);
    view.show();
    QApplication::setActiveWindow(&view);
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.setFocus();
    view.setCurrentIndex(view.model()->index(2, 3));
    QSignalSpy spy(&view, &vc::forms::GridView::gridCommand);
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.last().at(0).toInt(), int(vc::forms::kPasteCell));
    QCOMPARE(view.selectionModel()->selectedIndexes().size(), 1);
  }
};

QTEST_MAIN(GridViewTest)
#include "grid_view_test.moc"
