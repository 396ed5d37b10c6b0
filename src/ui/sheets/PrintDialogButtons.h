#pragma once
// The button row of the print dialogs: "Print" (the default) and the
// button that closes the dialog, at the right.
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <functional>

namespace marigold {

// `closeText` "Close" accepts, "Cancel" rejects; `print` runs on "Print".
inline QHBoxLayout* PrintDialogButtons(QDialog* dialog, const char* closeText, std::function<void()> print) {
  auto* buttons = new QHBoxLayout;
  auto* printButton = new QPushButton("Print", dialog);
  auto* close = new QPushButton(closeText, dialog);
  printButton->setObjectName("print");
  printButton->setDefault(true);
  buttons->addStretch();
  buttons->addWidget(printButton);
  buttons->addWidget(close);
  QObject::connect(printButton, &QPushButton::clicked, dialog, std::move(print));
  if (QString(closeText) == "Cancel")
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
  else
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);
  return buttons;
}

}  // namespace marigold
