// The sheet base over a plain record: the changed flag and the cancel
// question, refusals on OK, pages loaded only when shown, and the focus.
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "BerthSheet.h"
#include "fakes/QtInput.h"
#include "fakes/QtPrinting.h"
#include "fakes/Records.h"

namespace marigold {

class CSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    sheet.reset();
    record = original;
    prompter = CScriptedPrompter();
  }

  void closingAfterEditsAsks_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("cancelChanges");
    for (const char* way : {"Cancel", "Escape", "close box"}) {
      QTest::addRow("%s, Yes discards", way) << way << true;
      QTest::addRow("%s, No keeps", way) << way << false;
    }
  }

  void closingAfterEditsAsks() {
    QFETCH(QString, way);
    QFETCH(bool, cancelChanges);
    Open();
    Type("name", QStringLiteral("Maasvlakte"));
    ShowPage(1);
    Type("aLatitudeMinutes", QStringLiteral("12.5"));
    prompter.answers.push_back(cancelChanges);
    if (way == "Cancel") Press(QDialogButtonBox::Cancel);
    if (way == "Escape") QTest::keyClick(sheet.get(), Qt::Key_Escape);
    if (way == "close box") sheet->close();

    QVERIFY(!sheet->isVisible() && prompter.messages.empty());
    QCOMPARE(prompter.questions, std::vector<std::string>{"Data has been changed!\nCancel all changes?"});
    QCOMPARE(sheet->result(), int(cancelChanges ? QDialog::Rejected : QDialog::Accepted));
    if (cancelChanges) {
      QVERIFY(record == original);
    } else {
      QCOMPARE(std::tuple(record.name, record.position.latitudeMinutes, record.berths),
               std::tuple(std::string("Maasvlakte"), 12.5, original.berths));
    }
  }

  void keepingARefusedValueKeepsTheSheetOpen() {
    Open();
    Type("berths", QStringLiteral("21"));
    prompter.answers.push_back(false);
    sheet->close();
    QVERIFY(sheet->isVisible() && sheet->focusWidget() == Editor("berths") && record == original);
    QCOMPARE(MessageTexts(prompter), std::vector<std::string>{"Please enter an integer between 1 and 20."});
  }

  // Each of the position editors, refused as typed (the names come from the
  // validation) when leaving its page and on OK: the page stays.
  void aRefusedFieldKeepsItsPageShown() {
    // The editor, the text typed, the message.
    const std::tuple<const char*, const char*, const char*> refusals[] = {
        {"aLatitudeDegrees", "91", "Please enter an integer between 0 and 90."},
        {"aLatitudeMinutes", "60.5", "Please enter a number between 0.0 and 60.0."},
        {"aLongitudeDegrees", "181", "Please enter an integer between 0 and 180."},
        {"aLongitudeMinutes", "61", "Please enter a number between 0.0 and 60.0."},
        {"aLongitudeMinutes", "75", "Please enter a number between 0.0 and 60.0."},
    };
    for (const auto& [editor, typed, message] : refusals) {
      init();
      Open(1);
      Type(editor, QString::fromLatin1(typed));
      ShowPage(0);
      QVERIFY2(sheet->tabWidget()->currentIndex() == 1 && sheet->focusWidget() == Editor(editor), editor);
      Press(QDialogButtonBox::Ok);
      QVERIFY2(sheet->isVisible() && sheet->focusWidget() == Editor(editor), editor);
      const std::string said = std::string("Exclamation: ") + message;
      QCOMPARE(editor + (": " + Said(prompter).at(1)), editor + (": " + said));
      QCOMPARE(std::tuple(Said(prompter).at(0), sheet->tabWidget()->currentIndex()), std::tuple(said, 1));
      QVERIFY(record == original);
    }
    QCOMPARE(Editor("aLongitudeMinutes")->findChild<QLineEdit*>()->selectedText(), QStringLiteral("75.00"));

    Type("aLongitudeMinutes", QStringLiteral("7.25"));
    ShowPage(0);
    QCOMPARE(sheet->tabWidget()->currentIndex(), 0);
    Press(QDialogButtonBox::Ok);
    QVERIFY(!sheet->isVisible());
    QCOMPARE(std::tuple(prompter.messages.size(), record.position.longitudeMinutes), std::tuple(std::size_t{2}, 7.25));
  }

  void aPageNeverOpenedKeepsItsValues() {
    // Values the position page would refuse, and minutes it would show rounded.
    record.position.latitudeDegrees = 95;
    record.position.longitudeMinutes = 1.0 / 3;
    const CPositionFields position = record.position;
    Open();
    Type("name", QStringLiteral("Calandkanaal"));
    Press(QDialogButtonBox::Ok);
    QVERIFY(!sheet->isVisible() && sheet->Applied());
    QVERIFY(record.position == position && record.arrival == original.arrival);
    QCOMPARE(record.name, std::string("Calandkanaal"));
  }

  void openingPagesIsNoChange() {
    Open(1);
    ShowPage(0);
    QVERIFY(!sheet->Changed());
    Press(QDialogButtonBox::Ok);
    QVERIFY(!sheet->isVisible() && !sheet->Applied() && prompter.questions.empty());
  }

  // A line edit, spin box, check box, radio button and text edit; position
  // degrees, minutes and hemisphere, and a date-time edit.
  void everyKindOfEditorSetsTheFlag() {
    const std::pair<int, const char*> editors[] = {
        {0, "name"},
        {0, "berths"},
        {0, "pilot"},
        {0, "starboard"},
        {0, "notes"},
        {1, "aLatitudeDegrees"},
        {1, "aLongitudeMinutes"},
        {1, "aLongitudeHemisphere"},
        {1, "arrival"},
    };
    for (const auto& [page, editor] : editors) {
      Open(page);
      QVERIFY2(!sheet->Changed(), editor);
      QWidget* widget = Editor(editor);
      QVERIFY2(widget, editor);
      if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
        spin->stepDown();
      } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->click();
      } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(1 - combo->currentIndex());
      } else {
        QTest::keyClicks(widget, QStringLiteral("x"));
      }
      QVERIFY2(sheet->Changed(), editor);
    }
  }

  void focusStartsOnTheFirstEditorAndTabEndsOnTheButtons() {
    Open();
    QVERIFY(QTest::qWaitForWindowActive(sheet.get()));
    QCOMPARE(sheet->focusWidget(), Editor("name"));

    QWidget* last = Editor("notes");
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Tab);
    const QLayout* buttons = sheet->buttonBox()->layout();
    QWidget* first = nullptr;
    for (int i = 0; i < buttons->count() && !first; ++i)
      first = qobject_cast<QPushButton*>(buttons->itemAt(i)->widget());
    QCOMPARE(sheet->focusWidget(), first);
  }

 private:
  void Open(int page = 0) {
    sheet = std::make_unique<CBerthSheet>(record, prompter);
    sheet->show();
    ShowPage(page);
  }

  QWidget* Editor(const char* name) const { return sheet->findChild<QWidget*>(QString::fromLatin1(name)); }
  void Type(const char* name, const QString& text) { Retype(Editor(name), text); }

  void ShowPage(int index) { sheet->tabWidget()->setCurrentIndex(index); }
  void Press(QDialogButtonBox::StandardButton button) { marigold::Press(*sheet, button); }

  const CBerthRecord original;
  CBerthRecord record;
  CScriptedPrompter prompter;
  std::unique_ptr<CBerthSheet> sheet;
};

}  // namespace marigold

QTEST_MAIN(marigold::CSheetTest)
#include "SheetTest.moc"
