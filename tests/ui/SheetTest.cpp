// The sheet base over a plain record: the changed flag and the cancel
// question, refusals on OK, pages loaded only when shown, and the focus.
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "BerthSheet.h"
#include "fakes/Fakes.h"

namespace marigold {

class CSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void closingAfterEditsAsks_data();
  void closingAfterEditsAsks();
  void keepingARefusedValueKeepsTheSheetOpen();
  void okWithARefusedFieldShowsItOnItsPage();
  void aPageNeverOpenedKeepsItsValues();
  void openingPagesIsNoChange();
  void everyKindOfEditorSetsTheFlag_data();
  void everyKindOfEditorSetsTheFlag();
  void focusStartsOnTheFirstEditorAndTabEndsOnTheButtons();

 private:
  CBerthSheet& Open();
  QWidget* Editor(const char* name) const { return sheet->findChild<QWidget*>(QString::fromLatin1(name)); }
  // Replaces the editor's text as the officer would.
  void Type(const char* name, const QString& text);
  void ShowPage(int index) { sheet->tabWidget()->setCurrentIndex(index); }
  void Press(QDialogButtonBox::StandardButton button) {
    QTest::mouseClick(sheet->buttonBox()->button(button), Qt::LeftButton);
  }

  const CBerthRecord original;
  CBerthRecord record;
  CScriptedPrompter prompter;
  std::unique_ptr<CBerthSheet> sheet;
};

void CSheetTest::init() {
  sheet.reset();
  record = original;
  prompter = CScriptedPrompter();
}

CBerthSheet& CSheetTest::Open() {
  sheet = std::make_unique<CBerthSheet>(record, prompter);
  sheet->show();
  return *sheet;
}

void CSheetTest::Type(const char* name, const QString& text) {
  QWidget* editor = Editor(name);
  QVERIFY2(editor, name);
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editor, text);
}

void CSheetTest::closingAfterEditsAsks_data() {
  QTest::addColumn<QString>("way");
  QTest::addColumn<bool>("cancelChanges");
  for (const char* way : {"Cancel", "Escape", "close box"}) {
    QTest::addRow("%s, Yes discards", way) << way << true;
    QTest::addRow("%s, No keeps", way) << way << false;
  }
}

void CSheetTest::closingAfterEditsAsks() {
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

  QVERIFY(!sheet->isVisible());
  QCOMPARE(prompter.questions, std::vector<std::string>{"Data has been changed!\nCancel all changes?"});
  QVERIFY(prompter.messages.empty());
  QCOMPARE(sheet->result(), int(cancelChanges ? QDialog::Rejected : QDialog::Accepted));
  if (cancelChanges) {
    QVERIFY(record == original);
  } else {
    QCOMPARE(record.name, std::string("Maasvlakte"));
    QCOMPARE(record.position.latitudeMinutes, 12.5);
    QCOMPARE(record.berths, original.berths);
  }
}

void CSheetTest::keepingARefusedValueKeepsTheSheetOpen() {
  Open();
  Type("berths", QStringLiteral("21"));
  prompter.answers.push_back(false);
  sheet->close();
  QVERIFY(sheet->isVisible());
  QCOMPARE(prompter.messages.size(), std::size_t{1});
  QCOMPARE(prompter.messages[0].text, std::string("Please enter an integer between 1 and 20."));
  QCOMPARE(sheet->focusWidget(), Editor("berths"));
  QVERIFY(record == original);
}

void CSheetTest::okWithARefusedFieldShowsItOnItsPage() {
  Open();
  ShowPage(1);
  Type("aLongitudeMinutes", QStringLiteral("75"));
  ShowPage(0);
  Press(QDialogButtonBox::Ok);

  QVERIFY(sheet->isVisible());
  QCOMPARE(prompter.messages.size(), std::size_t{1});
  QCOMPARE(prompter.messages[0].text, std::string("Please enter a number between 0.0 and 60.0."));
  QCOMPARE(prompter.messages[0].icon, EMessageIcon::Exclamation);
  QCOMPARE(sheet->tabWidget()->currentIndex(), 1);
  QWidget* minutes = Editor("aLongitudeMinutes");
  QCOMPARE(sheet->focusWidget(), minutes);
  QCOMPARE(minutes->findChild<QLineEdit*>()->selectedText(), QStringLiteral("75.00"));
  QVERIFY(record == original);

  Type("aLongitudeMinutes", QStringLiteral("7.25"));
  Press(QDialogButtonBox::Ok);
  QVERIFY(!sheet->isVisible());
  QCOMPARE(prompter.messages.size(), std::size_t{1});
  QCOMPARE(record.position.longitudeMinutes, 7.25);
}

void CSheetTest::aPageNeverOpenedKeepsItsValues() {
  // Values the position page would refuse, and minutes it would show rounded.
  record.position.latitudeDegrees = 95;
  record.position.longitudeMinutes = 1.0 / 3;
  const CPositionFields position = record.position;
  Open();
  Type("name", QStringLiteral("Calandkanaal"));
  Press(QDialogButtonBox::Ok);
  QVERIFY(!sheet->isVisible());
  QVERIFY(sheet->Applied());
  QCOMPARE(record.name, std::string("Calandkanaal"));
  QVERIFY(record.position == position);
  QCOMPARE(record.arrival, original.arrival);
}

void CSheetTest::openingPagesIsNoChange() {
  Open();
  ShowPage(1);
  ShowPage(0);
  QVERIFY(!sheet->Changed());
  Press(QDialogButtonBox::Ok);
  QVERIFY(!sheet->isVisible());
  QVERIFY(!sheet->Applied());
  QVERIFY(prompter.questions.empty());
}

void CSheetTest::everyKindOfEditorSetsTheFlag_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("editor");
  QTest::newRow("line edit") << 0 << "name";
  QTest::newRow("spin box") << 0 << "berths";
  QTest::newRow("check box") << 0 << "pilot";
  QTest::newRow("radio button") << 0 << "starboard";
  QTest::newRow("text edit") << 0 << "notes";
  QTest::newRow("position degrees") << 1 << "aLatitudeDegrees";
  QTest::newRow("position minutes") << 1 << "aLongitudeMinutes";
  QTest::newRow("hemisphere") << 1 << "aLongitudeHemisphere";
  QTest::newRow("date-time edit") << 1 << "arrival";
}

void CSheetTest::everyKindOfEditorSetsTheFlag() {
  QFETCH(int, page);
  QFETCH(QString, editor);
  Open();
  ShowPage(page);
  QVERIFY(!sheet->Changed());
  QWidget* widget = Editor(editor.toLatin1().constData());
  QVERIFY(widget);
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
    spin->stepDown();
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->click();
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setCurrentIndex(1 - combo->currentIndex());
  } else {
    QTest::keyClicks(widget, QStringLiteral("x"));
  }
  QVERIFY(sheet->Changed());
}

void CSheetTest::focusStartsOnTheFirstEditorAndTabEndsOnTheButtons() {
  Open();
  QVERIFY(QTest::qWaitForWindowActive(sheet.get()));
  QCOMPARE(sheet->focusWidget(), Editor("name"));

  QWidget* last = Editor("notes");
  last->setFocus();
  QTest::keyClick(last, Qt::Key_Tab);
  const QLayout* buttons = sheet->buttonBox()->layout();
  QWidget* first = nullptr;
  for (int i = 0; i < buttons->count() && !first; ++i) first = qobject_cast<QPushButton*>(buttons->itemAt(i)->widget());
  QCOMPARE(sheet->focusWidget(), first);
}

}  // namespace marigold

QTEST_MAIN(marigold::CSheetTest)
#include "SheetTest.moc"
