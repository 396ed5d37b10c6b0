#include "ui/frame/AboutDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace marigold {

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Marigold Route"));
  auto* text = new QVBoxLayout;
  auto* version = new QLabel(QStringLiteral("Marigold Route Version 3.6"), this);
  version->setObjectName(QStringLiteral("version"));
  auto* maker = new QLabel(QStringLiteral("Lanternfish Works"), this);
  maker->setObjectName(QStringLiteral("maker"));
  text->addWidget(version);
  text->addWidget(maker);

  auto* row = new QHBoxLayout;
  const QIcon icon = QApplication::windowIcon();
  if (!icon.isNull()) {
    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(32, 32));
    picture->setAlignment(Qt::AlignTop);
    row->addWidget(picture);
  }
  row->addLayout(text, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAbout(QWidget* parent) {
  CAboutDialog dialog(parent);
  dialog.exec();
}

}  // namespace marigold
