#pragma once
// A spin box that takes a value out of range as typed, so that OK refuses it
// with the standard range message instead of the box silently keeping its
// old value; the arrows stay inside the valid range.
#include <algorithm>
#include <utility>

class QWidget;

namespace marigold {

template <class TSpinBox>
class CLenientSpinBox : public TSpinBox {
 public:
  using Value = decltype(std::declval<const TSpinBox&>().value());

  // `low` to `high` is the valid range, 0 to `typedMax` what may be typed.
  CLenientSpinBox(Value low, Value high, Value typedMax, QWidget* parent)
      : CLenientSpinBox(low, high, 0, typedMax, parent) {}
  // `typedMin` to `typedMax` what may be typed, for ranges below 0.
  CLenientSpinBox(Value low, Value high, Value typedMin, Value typedMax, QWidget* parent)
      : TSpinBox(parent), low_(low), high_(high) {
    this->setRange(typedMin, typedMax);
  }

  void stepBy(int steps) override {
    this->setValue(std::clamp(this->value() + steps * this->singleStep(), low_, high_));
  }

 protected:
  typename TSpinBox::StepEnabled stepEnabled() const override {
    typename TSpinBox::StepEnabled enabled = TSpinBox::StepNone;
    if (this->value() < high_) enabled |= TSpinBox::StepUpEnabled;
    if (this->value() > low_) enabled |= TSpinBox::StepDownEnabled;
    return enabled;
  }

 private:
  Value low_;
  Value high_;
};

}  // namespace marigold
