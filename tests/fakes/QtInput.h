#pragma once
// Input to widgets as the officer gives it, for the Qt tests of dialogs and
// views.
#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <initializer_list>
#include <memory>

namespace marigold {

// Replaces the editor's text: all of it selected, then the new text typed.
inline void Retype(QWidget* editor, const QString& text) {
  QVERIFY(editor);
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editor, text);
}

// The editor of that name under `root` (editors carry their field's name).
inline QWidget* Editor(const QWidget& root, const char* name) {
  return root.findChild<QWidget*>(QString::fromLatin1(name));
}
template <class T>
T* Editor(const QWidget& root, const char* name) {
  return root.findChild<T*>(QString::fromLatin1(name));
}
inline void Type(const QWidget& root, const char* name, const QString& text) { Retype(Editor(root, name), text); }

// Shows a page of a sheet, as a click on its tab does.
inline void ShowPage(const QWidget& sheet, int page) { sheet.findChild<QTabWidget*>()->setCurrentIndex(page); }

// Clicks a button of the dialog's button box.
template <class Dialog>
void Press(Dialog& dialog, QDialogButtonBox::StandardButton button) {
  QTest::mouseClick(dialog.buttonBox()->button(button), Qt::LeftButton);
}

// Types a value on its page, tries to turn to another page, then presses
// OK. True when the sheet refused it both times (two messages): still open,
// on that page, on the field.
template <class Sheet>
bool RefusedOnOk(Sheet& sheet, int page, const char* field, const QString& typed, int otherPage) {
  ShowPage(sheet, page);
  Type(sheet, field, typed);
  ShowPage(sheet, otherPage);
  const QTabWidget* tabs = sheet.template findChild<QTabWidget*>();
  if (tabs->currentIndex() != page) return false;
  Press(sheet, QDialogButtonBox::Ok);
  return sheet.isVisible() && tabs->currentIndex() == page && sheet.focusWidget() == Editor(sheet, field);
}

// Selects these whole rows of the view, and no others.
inline void SelectRows(QAbstractItemView& view, std::initializer_list<int> rows) {
  view.clearSelection();
  for (const int row : rows)
    view.selectionModel()->select(view.model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// Acts on the next modal dialog once it shows, while the code under test
// waits in it; `act` must close it. Only while the script lives.
class CDialogScript {
 public:
  explicit CDialogScript(std::function<void(QDialog&)> act) : timer_(std::make_unique<QTimer>()) {
    timer_->setInterval(0);
    QObject::connect(timer_.get(), &QTimer::timeout, [this, act = std::move(act)] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible()) return;
      timer_->stop();
      ++seen_;
      act(*dialog);
    });
    timer_->start();
  }
  // Whether the dialog came.
  bool Seen() const { return seen_ > 0; }

 private:
  std::unique_ptr<QTimer> timer_;
  int seen_ = 0;
};

}  // namespace marigold
