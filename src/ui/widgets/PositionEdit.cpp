#include "ui/widgets/PositionEdit.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <cmath>

#include "ui/widgets/LenientSpinBox.h"

namespace marigold {
namespace {

// A millionth of a minute, as fine as the position fields are split.
constexpr int kMinuteDecimals = 6;
constexpr double kMinuteScale = 1e6;

// Minutes with as many decimals as they need, but at least two: "5.30",
// "20.740734".
class CMinutesSpinBox final : public CLenientSpinBox<QDoubleSpinBox> {
 public:
  explicit CMinutesSpinBox(QWidget* parent) : CLenientSpinBox<QDoubleSpinBox>(0, 60, 99.999999, parent) {
    setDecimals(kMinuteDecimals);
  }

  QString textFromValue(double value) const override {
    QString text = locale().toString(value, 'f', kMinuteDecimals);
    const qsizetype point = text.indexOf(locale().decimalPoint());
    qsizetype keep = text.size();
    while (keep > point + 3 && text[keep - 1] == QLatin1Char('0')) --keep;
    return text.left(keep);
  }
};

QString FieldName(const QString& prefix, QString name) {
  if (prefix.isEmpty()) return name;
  name[0] = name[0].toUpper();
  return prefix + name;
}

}  // namespace

CPositionEdit::CPositionEdit(const char* prefix, QWidget* parent)
    : QWidget(parent), prefix_(QString::fromLatin1(prefix)) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  latitude_ = AddRow(0, "Latitude:", "latitude", 90, kLatitudeHemisphereTexts);
  longitude_ = AddRow(1, "Longitude:", "longitude", 180, kLongitudeHemisphereTexts);
  SetFields(CPositionFields{});
}

CPositionEdit::CRow CPositionEdit::AddRow(int row, const char* label, const char* name, int maxDegrees,
                                          const std::array<const char*, 2>& hemispheres) {
  const auto named = [this, name](QWidget* editor, const char* part) {
    editor->setObjectName(FieldName(prefix_, QString::fromLatin1(name) + QString::fromLatin1(part)));
  };
  CRow r;
  r.degrees = new CLenientSpinBox<QSpinBox>(0, maxDegrees, 999, this);
  named(r.degrees, "Degrees");
  r.degrees->setSuffix(QStringLiteral("°"));
  r.minutes = new CMinutesSpinBox(this);
  named(r.minutes, "Minutes");
  r.minutes->setSuffix(QStringLiteral("'"));
  r.hemisphere = new QComboBox(this);
  named(r.hemisphere, "Hemisphere");
  for (const char* text : hemispheres) r.hemisphere->addItem(QString::fromLatin1(text));

  auto* caption = new QLabel(QString::fromLatin1(label), this);
  caption->setBuddy(r.degrees);
  auto* grid = static_cast<QGridLayout*>(layout());
  grid->addWidget(caption, row, 0);
  grid->addWidget(r.degrees, row, 1);
  grid->addWidget(r.minutes, row, 2);
  grid->addWidget(r.hemisphere, row, 3);
  return r;
}

void CPositionEdit::SetFields(const CPositionFields& fields) {
  SetRow(latitude_, fields.latitudeDegrees, fields.latitudeMinutes, fields.latitudeHemisphere);
  SetRow(longitude_, fields.longitudeDegrees, fields.longitudeMinutes, fields.longitudeHemisphere);
}

void CPositionEdit::SetRow(const CRow& row, int degrees, double minutes, int hemisphere) {
  // Minutes that would show as 60 carry into the degrees: 1°00', never 0°60'.
  if (std::round(minutes * kMinuteScale) / kMinuteScale == 60) {
    ++degrees;
    minutes = 0;
  }
  row.degrees->setValue(degrees);
  row.minutes->setValue(minutes);
  row.hemisphere->setCurrentIndex(hemisphere);
}

CPositionFields CPositionEdit::Fields() const {
  CPositionFields fields;
  fields.latitudeDegrees = latitude_.degrees->value();
  fields.latitudeMinutes = latitude_.minutes->value();
  fields.latitudeHemisphere = latitude_.hemisphere->currentIndex();
  fields.longitudeDegrees = longitude_.degrees->value();
  fields.longitudeMinutes = longitude_.minutes->value();
  fields.longitudeHemisphere = longitude_.hemisphere->currentIndex();
  return fields;
}

}  // namespace marigold
