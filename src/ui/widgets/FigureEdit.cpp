#include "ui/widgets/FigureEdit.h"

#include <algorithm>

namespace marigold {
namespace {

// Room for a figure typed ten times too large, or with the wrong sign.
double TypedLimit(double low, double high) { return std::max({9999.0, high * 10, -low * 10}); }

}  // namespace

CFigureEdit::CFigureEdit(const char* field, double low, double high, int decimals, const char* unit, QWidget* parent)
    : CLenientSpinBox<QDoubleSpinBox>(low, high, -TypedLimit(low, high), TypedLimit(low, high), parent) {
  setObjectName(QString::fromLatin1(field));
  setDecimals(decimals);
  if (unit && *unit) setSuffix(QStringLiteral(" ") + QString::fromUtf8(unit));
  setAlignment(Qt::AlignRight);
}

}  // namespace marigold
