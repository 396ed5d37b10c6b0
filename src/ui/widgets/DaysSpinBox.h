#pragma once
// A number of days within the range of its setting, typed as two digits and
// named after the setting's key.
#include <QSpinBox>

#include "core/Settings.h"
#include "ui/widgets/LenientSpinBox.h"

namespace marigold {

class CDaysSpinBox final : public CLenientSpinBox<QSpinBox> {
 public:
  explicit CDaysSpinBox(const CIntSetting& setting, QWidget* parent = nullptr)
      : CLenientSpinBox<QSpinBox>(setting.min, setting.max, 99, parent) {
    setObjectName(QString::fromLatin1(setting.key));
  }
};

}  // namespace marigold
