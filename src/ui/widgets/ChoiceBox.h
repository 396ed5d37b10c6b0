#pragma once
// A drop-down choice of fixed texts over a stored number. A number that is
// none of the choices (from an imported file) shows as no choice and comes
// back as it was, unless the officer picks one.
#include <QComboBox>
#include <array>
#include <cstddef>

namespace marigold {

class CChoiceBox final : public QComboBox {
 public:
  template <std::size_t N>
  CChoiceBox(const char* field, const std::array<const char*, N>& texts, QWidget* parent) : QComboBox(parent) {
    setObjectName(QString::fromLatin1(field));
    for (const char* text : texts) addItem(QString::fromLatin1(text));
  }

  void SetChoice(int value) {
    value_ = value;
    setCurrentIndex(value >= 0 && value < count() ? value : -1);
    shownIndex_ = currentIndex();
  }
  int Choice() const { return currentIndex() == shownIndex_ ? value_ : currentIndex(); }

 private:
  int value_ = -1;
  int shownIndex_ = -1;
};

}  // namespace marigold
