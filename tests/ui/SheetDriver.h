#pragma once
// A record's sheet or edit dialog, opened on the scripted prompter and
// driven as the officer does: typing, choosing pages, the buttons, and the
// dialogs that open on top of it. A test class holds one in an optional,
// made afresh in init().
#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <memory>
#include <utility>

#include "fakes/QtInput.h"
#include "fakes/QtPrinting.h"
#include "fakes/Records.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

struct CSheetDriver {
  // Makes the dialog from `args` and shows it (a sheet on its first page).
  template <class TDialog, class... TArgs>
  TDialog& Open(TArgs&&... args) {
    auto made = std::make_unique<TDialog>(std::forward<TArgs>(args)...);
    TDialog& opened = *made;
    dialog = std::move(made);
    dialog->show();
    return opened;
  }

  QWidget* Editor(const char* name) const { return dialog->findChild<QWidget*>(QString::fromLatin1(name)); }
  template <class T>
  T* Editor(const char* name) const {
    return dialog->findChild<T*>(QString::fromLatin1(name));
  }
  void Type(const char* name, const QString& text) { Retype(Editor(name), text); }
  void Click(const QString& buttonText) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == buttonText && button->isVisible()) return QTest::mouseClick(button, Qt::LeftButton);
    QFAIL(qPrintable(QStringLiteral("no button ") + buttonText));
  }

  QTabWidget& Tabs() const { return *static_cast<CSheet&>(*dialog).tabWidget(); }
  void ShowPage(int index) { Tabs().setCurrentIndex(index); }
  // Every page shown once, and back to the first: all of them loaded.
  void ShowEveryPage() {
    for (int i = 0; i < Tabs().count(); ++i) ShowPage(i);
    ShowPage(0);
  }
  QStringList PageCaptions() const {
    QStringList captions;
    for (int i = 0; i < Tabs().count(); ++i) captions << Tabs().tabText(i);
    return captions;
  }

  void Press(QDialogButtonBox::StandardButton button) { marigold::Press(*dialog, button); }
  // Cancel with Yes to the cancel question.
  void CancelEdits() {
    prompter.answers.push_back(true);
    Press(QDialogButtonBox::Cancel);
  }
  bool IsOpen() const { return dialog->isVisible(); }
  bool FocusOn(const char* name) const { return dialog->focusWidget() == Editor(name); }

  // Runs `act` on the next dialog that opens modally on top, once it shows.
  static void OnNextDialog(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
      auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(modal);
      act(*modal);
    });
  }

  CScriptedPrompter prompter;
  std::unique_ptr<CEditDialog> dialog;
};

}  // namespace marigold
