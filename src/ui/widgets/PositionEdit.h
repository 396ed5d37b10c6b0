#pragma once
// Latitude and longitude as the dialogs enter them: whole degrees, minutes
// with decimals and the hemisphere.
#include <QWidget>
#include <array>

#include "core/PositionFields.h"

class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace marigold {

class CPositionEdit : public QWidget {
  Q_OBJECT

 public:
  // The editors carry the names ValidatePositionFields gives the fields after
  // `prefix` ("latitudeDegrees", or "aLatitudeDegrees" after "a"), so that a
  // refusal finds its editor.
  explicit CPositionEdit(const char* prefix = "", QWidget* parent = nullptr);

  void SetFields(const CPositionFields& fields);
  // As typed: values out of range are left for validation to refuse.
  CPositionFields Fields() const;

 private:
  struct CRow {
    QSpinBox* degrees = nullptr;
    QDoubleSpinBox* minutes = nullptr;
    QComboBox* hemisphere = nullptr;
  };

  CRow AddRow(int row, const char* label, const char* name, int maxDegrees,
              const std::array<const char*, 2>& hemispheres);
  static void SetRow(const CRow& row, int degrees, double minutes, int hemisphere);

  QString prefix_;
  CRow latitude_;
  CRow longitude_;
};

}  // namespace marigold
