#include "ui/sheets/TidePage.h"

#include <QFormLayout>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include "ui/widgets/FormLayout.h"

#include "ui/widgets/FigureEdit.h"

namespace marigold {
namespace {

using CF = CTideConstantsFields;

// Nothing is checked; the arrows stay within what a tide table gives.
struct CConstantEditor {
  const char* name;
  double CF::*field;
  double low;
  double high;
  const char* unit;
};

// In the order of the page: the two figures above the groups, then the four
// constituents' "g" and "Hm", then "f4", "F4", "f6" and "F6".
constexpr std::array<CConstantEditor, 14> kEditors{{
    {"meanLevel", &CF::meanLevel, -99.0, 99.0, "m"},
    {"timeZone", &CF::timeZone, -14.0, 14.0, "hrs"},
    {"gM2", &CF::gM2, 0.0, 360.0, "deg"},
    {"hmM2", &CF::hmM2, 0.0, 99.0, "m"},
    {"gS2", &CF::gS2, 0.0, 360.0, "deg"},
    {"hmS2", &CF::hmS2, 0.0, 99.0, "m"},
    {"gK1", &CF::gK1, 0.0, 360.0, "deg"},
    {"hmK1", &CF::hmK1, 0.0, 99.0, "m"},
    {"gO1", &CF::gO1, 0.0, 360.0, "deg"},
    {"hmO1", &CF::hmO1, 0.0, 99.0, "m"},
    {"f4", &CF::f4, 0.0, 360.0, "deg"},
    {"F4", &CF::F4, 0.0, 99.0, ""},
    {"f6", &CF::f6, 0.0, 360.0, "deg"},
    {"F6", &CF::F6, 0.0, 99.0, ""},
}};

constexpr const char* kConstituents[] = {"M2", "S2", "K1", "O1"};

QLabel* Label(const char* text, QWidget* parent) { return new QLabel(QString::fromLatin1(text), parent); }

}  // namespace

CPageTide::CPageTide(CTideInfo& tide, QWidget* parent) : CSheetPage(QStringLiteral("Tide"), parent), tide_(tide) {
  for (std::size_t i = 0; i < kEditors.size(); ++i) {
    const CConstantEditor& e = kEditors[i];
    editors_[i] = new CFigureEdit(e.name, e.low, e.high, TideConstantDecimals(e.field), e.unit, this);
  }

  auto* top = NewFormLayout();
  top->addRow(QStringLiteral("Mean Level"), editors_[0]);
  top->addRow(QStringLiteral("Time Zone:"), editors_[1]);

  auto* harmonic = new QGroupBox(QStringLiteral("Harmonic Constants"), this);
  auto* constants = new QGridLayout(harmonic);
  constants->addWidget(Label("g", harmonic), 0, 1, Qt::AlignHCenter);
  constants->addWidget(Label("Hm", harmonic), 0, 2, Qt::AlignHCenter);
  for (int row = 0; row < 4; ++row) {
    constants->addWidget(Label(kConstituents[row], harmonic), row + 1, 0);
    constants->addWidget(editors_[static_cast<std::size_t>(2 + 2 * row)], row + 1, 1);
    constants->addWidget(editors_[static_cast<std::size_t>(3 + 2 * row)], row + 1, 2);
  }
  constants->setColumnStretch(3, 1);

  auto* shallow = new QGroupBox(QStringLiteral("SW Corrections"), this);
  auto* corrections = new QGridLayout(shallow);
  const char* const rows[] = {"1/4 d", "1/6 d"};
  for (int row = 0; row < 2; ++row) {
    const std::size_t phase = static_cast<std::size_t>(10 + 2 * row);
    corrections->addWidget(Label(rows[row], shallow), row, 0);
    corrections->addWidget(Label(kEditors[phase].name, shallow), row, 1);
    corrections->addWidget(editors_[phase], row, 2);
    corrections->addWidget(Label(kEditors[phase + 1].name, shallow), row, 3);
    corrections->addWidget(editors_[phase + 1], row, 4);
  }
  corrections->setColumnStretch(5, 1);
  // The row's name apart from the name of its first figure.
  corrections->setColumnMinimumWidth(0, fontMetrics().horizontalAdvance(QStringLiteral("1/4 d")) * 2);

  auto* page = new QVBoxLayout(this);
  page->addLayout(top);
  page->addWidget(harmonic);
  page->addWidget(shallow);
  page->addStretch(1);
}

void CPageTide::Load() {
  const CTideConstantsFields fields = ReadTideConstants(tide_);
  for (std::size_t i = 0; i < kEditors.size(); ++i) editors_[i]->setValue(fields.*kEditors[i].field);
}

void CPageTide::Store() {
  CTideConstantsFields fields;
  for (std::size_t i = 0; i < kEditors.size(); ++i) fields.*kEditors[i].field = editors_[i]->value();
  ApplyTideConstants(fields, tide_);
}

}  // namespace marigold
