#pragma once
// A figure typed with the decimals of its field and named after it, so that
// a refusal finds it. Values outside the range are taken as typed, for OK
// to refuse them with the standard message; the arrows stay inside it.
#include <QDoubleSpinBox>

#include "ui/widgets/LenientSpinBox.h"

namespace marigold {

class CFigureEdit final : public CLenientSpinBox<QDoubleSpinBox> {
 public:
  // `unit` follows the figure after a space ("kts"); may be empty.
  CFigureEdit(const char* field, double low, double high, int decimals, const char* unit, QWidget* parent);
};

}  // namespace marigold
