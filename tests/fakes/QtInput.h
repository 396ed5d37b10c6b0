#pragma once
// Input to widgets as the officer gives it, for the Qt tests of dialogs and
// views.
#include <QtTest>
#include <QtWidgets>
#include <initializer_list>

namespace marigold {

// Replaces the editor's text: all of it selected, then the new text typed.
inline void Retype(QWidget* editor, const QString& text) {
  QVERIFY(editor);
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editor, text);
}

// Clicks a button of the dialog's button box.
template <class Dialog>
void Press(Dialog& dialog, QDialogButtonBox::StandardButton button) {
  QTest::mouseClick(dialog.buttonBox()->button(button), Qt::LeftButton);
}

// Selects these whole rows of the view, and no others.
inline void SelectRows(QAbstractItemView& view, std::initializer_list<int> rows) {
  view.clearSelection();
  for (const int row : rows)
    view.selectionModel()->select(view.model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace marigold
