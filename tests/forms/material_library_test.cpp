// The material library windows and the Micromechanics page, driven by
// object name: library copies into the pages, the list of user materials,
// the user library editor's unit switching, Accept and Save to Library,
// and the File menu's export and import of the user library.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/settings_store.h"
#include "app/settings_user_record_store.h"
#include "tests/forms/form_fakes.h"

using namespace vc::test;

namespace {

// Built-in slot 4 (AS4/3501-6) has E1 20600000 psi and Xt 330000: shown in
// metric units E1 is 1.421E+011 Pa, copied 1.4207e+011 and Xt 2.2759e+009.
const char* const kRecordA =
    "Carbon A,2.000E+007,1.000E+006,5.000E+005,0.300,0.000E+000,"
    "0.000E+000,0.000,0.000,1.000E+005,-1.000E+005,5.000E+003,"
    "-2.000E+004,8.000E+003";
const char* const kRecordB =
    "Glass B,6.000E+006,1.500E+006,6.000E+005,0.250,3.000E-006,"
    "1.200E-005,0.000,0.200,1.500E+005,-9.000E+004,6.000E+003,"
    "-1.800E+004,1.000E+004";

template <typename T>
T* in(QWidget* window, const char* name) {
  return window ? window->findChild<T*>(name) : nullptr;
}

// A user's choice in a list: the item, then the list's selection event.
void choose(QWidget* window, const char* list, int position) {
  auto* combo = in<QComboBox>(window, list);
  combo->setCurrentIndex(position);
  emit combo->activated(position);
}

void click(QWidget* window, const char* button) { in<QAbstractButton>(window, button)->click(); }

QString text(QWidget* window, const char* name) {
  if (auto* box = in<QLineEdit>(window, name)) return box->text();
  if (auto* label = in<QLabel>(window, name)) return label->text();
  if (auto* combo = in<QComboBox>(window, name)) return combo->currentText();
  return in<QPlainTextEdit>(window, name)->toPlainText();
}

}  // namespace

class MaterialLibraryTest : public FormFixture {
  Q_OBJECT

  // A shown window on `page` with exactly the user records given (slot, text).
  std::unique_ptr<MainWindow> windowWithRecords(int page,
                                                const QList<QPair<int, QString>>& records) {
    vc::storeLastPath(settings_.path() + "/");
    vc::SettingsUserRecordStore store;
    for (int slot = 1; slot <= 30; ++slot) store.remove(slot);
    for (const auto& [slot, record] : records) store.write(slot, record.toStdString());
    return shownWindow(page);
  }

  static QString storedRecord(int slot) {
    return QString::fromStdString(vc::SettingsUserRecordStore().read(slot).value_or("(empty)"));
  }

 private slots:
  void windowsCarryTheirControlNames() {
    const QMap<QString, QString> names = {
        {"TabForm8",
         "groupb_1 groupb_2 groupb_3 FiberProps MatrixProps LaminaProps CalcLamina "
         "CopyToTables SaveToLibrary combo_1 label_1 optb_1 optb_2 label_2"},
        {"MatLib",
         "label_1 combo_1 label_2 optb_1 optb_2 textb_1 groupb_1 cb_Copy label_4 combo_2 "
         "groupb_2 cb_AddEdit cb_Close cb_Help"},
        {"AddLib",
         "label_1 combo_1 optb_1 optb_2 label_3 textb_Name groupb_1 groupb_2 textb_E1 "
         "textb_E2 textb_G12 textb_v12 textb_CTE1 textb_CTE2 textb_CHE1 textb_CHE2 textb_Xt "
         "textb_Xc textb_Yt textb_Yc textb_S label_CME1 label_S cb_Accept cb_Close "
         "cb_Delete cb_Help"}};
    auto w = windowWithRecords(0, {});
    QVERIFY(w);
    QStringList missing, titles;
    auto check = [&](QWidget* form) {
      titles << form->windowTitle();
      for (const QString& name : names.value(form->objectName()).split(' ')) {
        if (!form->findChild<QObject*>(name)) missing << form->objectName() + "/" + name;
      }
    };
    check(w->findChild<QWidget*>("TabForm8"));
    ModalWatcher watcher(check);
    w->menuCommand(1020)->trigger();
    QCOMPARE(missing, QStringList());
    QCOMPARE(titles.mid(1), (QStringList{"Add/Edit User Library", "Material Library"}));
  }

  // The unit buttons, the slot list and Copy reach the model: a metric copy
  // of slot 4 lands in row 3 (the conversions are tested on the model).
  void libraryCopyFillsTheChosenRow() {
    auto w = windowWithRecords(1, {});
    QVERIFY(w);
    QString shown;
    ModalWatcher watcher([&](QWidget* lib) {
      choose(lib, "combo_1", 4);
      click(lib, "optb_2");
      shown = text(lib, "textb_1");
      choose(lib, "combo_2", 2);  // "3"
      click(lib, "cb_Copy");
      click(lib, "cb_Help");
    });
    click(w.get(), "cb_MatDB");
    QCoreApplication::sendPostedEvents();
    QVERIFY(shown.startsWith("Tensile Modulus E1 = \t1.421E+011 Pa\n"));
    auto* matgrid = onPage<QTableView>(*w, "TabForm2", "matgrid");
    QCOMPARE(cellText(matgrid, 2, 1) + "|" + cellText(matgrid, 2, 9),
             "1.4207e+011|AS4/3501-6 Carbon/Epoxy (Online data sheet)");
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm7", "grid_1"), 2, 1), "2.2759e+009");
    // The copy stays in row 3, and the list counts up to it.
    QCOMPARE(onPage<QComboBox>(*w, "TabForm2", "combo_1")->currentText(), "3");
    QCOMPARE(outside_.requests, QStringList{"::html/vcla3xbt.htm"});
  }

  // The list holds the user materials after the 15 built-in ones.
  void userMaterialsFollowTheBuiltInOnes() {
    auto w = windowWithRecords(0, {{1, kRecordA}, {3, kRecordB}});
    QVERIFY(w);
    QString shown;
    ModalWatcher watcher([&](QWidget* lib) {
      shown = in<QComboBox>(lib, "combo_1")->itemText(16) + "|";
      choose(lib, "combo_1", 16);
      shown += text(lib, "textb_1");
    });
    w->menuCommand(1019)->trigger();
    QCOMPARE(w->currentPage(), 1);
    QVERIFY(shown.startsWith("User Material: Glass B|Tensile Modulus E1 = \t6.000E+006 psi\n"));
  }

  // The editor, opened through "&Add/Edit User Library": each row types
  // into one slot and says what the editor then shows.
  void userLibraryEditor_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QStringList>("typed");  // name, E1 .. S
    QTest::addColumn<QString>("button");     // clicked after typing
    QTest::addColumn<QString>("shownSlot");  // combo_1 afterwards
    QTest::addColumn<QString>("shownE1");    // label_E1 and textb_E1 afterwards
    QTest::addColumn<QString>("stored");     // slot's record afterwards
    const QStringList numbers = {"2e7", "1e6", "5e5",    "0.3", "0",   "0",  "0",
                                 "0",   "1e5", "100000", "5e3", "2e4", "8e3"};
    QTest::newRow("metric keeps typed text")
        << 2 << (QStringList{""} + numbers.mid(0, 1)) << "optb_2"
        << "User Material 2"
        << "E1 (Pa): 2e7"
        << "(empty)";
    QTest::newRow("accept moves on") << 5 << (QStringList{"  Carbon A "} + numbers) << "cb_Accept"
                                     << "User Material 6"
                                     << "E1 (psi): " << kRecordA;
    QTest::newRow("accept refuses")
        << 5 << (QStringList{"Carbon A"} + numbers).replaceInStrings("2e7", "2e7x") << "cb_Accept"
        << "User Material 5"
        << "E1 (psi): 2e7x"
        << "(empty)";
  }
  void userLibraryEditor() {
    QFETCH(int, slot);
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QString, shownSlot);
    QFETCH(QString, shownE1);
    QFETCH(QString, stored);
    auto w = windowWithRecords(0, {});
    QVERIFY(w);
    const char* const boxes[] = {"textb_Name", "textb_E1",   "textb_E2",   "textb_G12",
                                 "textb_v12",  "textb_CTE1", "textb_CTE2", "textb_CHE1",
                                 "textb_CHE2", "textb_Xt",   "textb_Xc",   "textb_Yt",
                                 "textb_Yc",   "textb_S"};
    QString after;
    ModalWatcher watcher([&](QWidget* modal) {
      if (modal->objectName() != "AddLib") return;
      choose(modal, "combo_1", slot - 1);
      for (int i = 0; i < typed.size(); ++i) in<QLineEdit>(modal, boxes[i])->setText(typed[i]);
      click(modal, qPrintable(button));
      after =
          text(modal, "combo_1") + "|" + text(modal, "label_E1") + " " + text(modal, "textb_E1");
      click(modal, "cb_Help");
    });
    w->menuCommand(1020)->trigger();
    QCOMPARE(watcher.seen, 2);  // the editor, then the library window under it
    QCOMPARE(after, shownSlot + "|" + shownE1);
    QCOMPARE(storedRecord(slot), stored);
    QCOMPARE(outside_.requests, QStringList{"::html/vcla5rsp.htm"});
    // A refused entry keeps the slot and shows the model's message.
    const bool refused = stored == "(empty)" && button == "cb_Accept";
    QCOMPARE(messages_.captions(),
             refused ? std::vector<std::string>{"Invalid Entry"} : std::vector<std::string>{});
  }

  // Micromechanics: E2f 10, Em 1, Vf 0.5 give E2 = 1 x 1.75 / 0.625 = 2.8
  // (Halpin-Tsai, eta 0.75); the results go to row 10, or to the editor at
  // the first free slot.
  void micromechanicsResultsGoToThePagesAndTheLibrary() {
    auto w = windowWithRecords(5, {{1, kRecordA}, {2, kRecordA}});
    QVERIFY(w);
    auto* page = w->findChild<QWidget*>("TabForm8");
    auto* fiber = in<QTableView>(page, "FiberProps");
    auto* matrix = in<QTableView>(page, "MatrixProps");
    QCOMPARE(cellText(fiber, 11, 1), "0.60");
    fiber->model()->setData(fiber->model()->index(1, 1), "10");
    fiber->model()->setData(fiber->model()->index(11, 1), "0.5");
    matrix->model()->setData(matrix->model()->index(0, 1), "1");
    click(page, "CalcLamina");
    QCOMPARE(cellText(in<QTableView>(page, "LaminaProps"), 1, 1), "2.800E+000");
    choose(page, "combo_1", 9);
    click(page, "CopyToTables");
    QCoreApplication::sendPostedEvents();
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm2", "matgrid"), 9, 2), "2.800E+000");
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm2", "matgrid"), 9, 0), "10");
    QString shown;
    ModalWatcher watcher([&](QWidget* editor) {
      shown = text(editor, "combo_1") + "|" + text(editor, "textb_E2") + "|" +
              text(editor, "textb_Name");
    });
    click(page, "SaveToLibrary");
    QCOMPARE(shown, "User Material 3|2.800E+000|");
  }

  void userLibraryTravelsThroughAFile() {
    auto w = windowWithRecords(0, {{1, kRecordA}, {2, kRecordB}, {5, kRecordA}});
    QVERIFY(w);
    const QString folder = settings_.path() + "/exchange/";
    QDir().mkpath(folder);
    chooser_.saveAnswer = folder + "mylib.";
    w->menuCommand(1004)->trigger();
    const QByteArray a = QByteArray(kRecordA) + "\r\n", b = QByteArray(kRecordB) + "\r\n";
    QCOMPARE(fileBytes(folder + "mylib.usr"), a + b + a);
    QCOMPARE(chooser_.titles, QStringList{"Export user material library to a file"});
    QCOMPARE(w->currentDataFolder(), folder);
    QCOMPARE(w->statusText(), folder);
    QCOMPARE(TemporarySettings::storedLastPath(), folder);

    // Replaced on import (Yes); the append rules are tested on the model.
    chooser_.openAnswer = " " + folder + "mylib.usr ";
    messages_.answers = {vc::Answer::Yes};
    w->menuCommand(1005)->trigger();
    QStringList held;
    for (int slot = 1; slot <= 5; ++slot) held << storedRecord(slot).left(8);
    QCOMPARE(held, (QStringList{"Carbon A", "Glass B,", "Carbon A", "(empty)", "(empty)"}));
    QCOMPARE(
        messages_.captions(),
        (std::vector<std::string>{"Material Export", "Overwrite or Append?", "Material Import"}));
  }
};

QTEST_MAIN(MaterialLibraryTest)
#include "material_library_test.moc"
