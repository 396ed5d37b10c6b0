#pragma once
// The buttons under a page's list ("Add", "Edit", "Delete" ...), left-aligned
// in a row, each calling a member of the page. Enter in the list stays the
// sheet's OK rather than pressing one of them.
#include <QHBoxLayout>
#include <QPushButton>
#include <initializer_list>
#include <utility>

namespace marigold {

template <class TPage>
QHBoxLayout* NewButtonRow(TPage* page, std::initializer_list<std::pair<const char*, void (TPage::*)()>> buttons) {
  auto* row = new QHBoxLayout;
  for (const auto& [text, handler] : buttons) {
    auto* button = new QPushButton(QString::fromLatin1(text), page);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, page, handler);
    row->addWidget(button);
  }
  row->addStretch(1);
  return row;
}

}  // namespace marigold
