#pragma once
// The controls of the tool dialogs: read-only figures, bars and the sliders
// that run upward to larger values, filled from the tools' views.
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <string>

#include "vessel/ToolFigures.h"

namespace marigold {

// A figure the tool computes: selectable for copying, never typed into, and
// out of the tab order.
inline QLineEdit* NewFigureField(const char* name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  field->setAlignment(Qt::AlignRight);
  field->setMaximumWidth(110);
  return field;
}

inline void ShowText(QLineEdit* field, const std::string& text) { field->setText(QString::fromStdString(text)); }

// The figure field of that name below `root`: its text (empty when there is
// none), and the text to show in it.
inline QString FigureText(const QWidget& root, const char* name) {
  const auto* field = root.findChild<QLineEdit*>(QString::fromLatin1(name));
  return field ? field->text() : QString();
}
inline void ShowFigure(const QWidget& root, const char* name, const std::string& text) {
  if (auto* field = root.findChild<QLineEdit*>(QString::fromLatin1(name))) ShowText(field, text);
}

// The button row of a tool that recalculates on request: "Calculate", the
// default button, and Close, which ends the dialog. Returns "Calculate".
inline QPushButton* AddCalculateAndClose(QDialog& dialog, QBoxLayout& layout) {
  auto* buttons = new QDialogButtonBox(&dialog);
  QPushButton* calculate = buttons->addButton(QStringLiteral("Calculate"), QDialogButtonBox::ActionRole);
  calculate->setDefault(true);
  QObject::connect(buttons->addButton(QDialogButtonBox::Close), &QPushButton::clicked, &dialog, &QDialog::reject);
  layout.addWidget(buttons);
  return calculate;
}

inline QProgressBar* NewFigureBar(Qt::Orientation orientation, QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setOrientation(orientation);
  bar->setTextVisible(false);
  return bar;
}

inline void ShowBar(QProgressBar* bar, const CBarFigure& figure) {
  bar->setRange(0, figure.maximum);
  bar->setValue(figure.position);
}

// A slider whose view holds −value runs upward to larger values when
// vertical: its top is its maximum.
inline QSlider* NewToolSlider(const char* name, Qt::Orientation orientation, QWidget* parent) {
  auto* slider = new QSlider(orientation, parent);
  slider->setObjectName(QString::fromLatin1(name));
  slider->setPageStep(5);
  return slider;
}

// A vertical slider that runs upward to larger figures (its top is its
// minimum position, as the tools' views count), its title above and its
// figure with the unit below.
struct CSliderColumn {
  QVBoxLayout* layout;
  QSlider* slider;
  QLineEdit* figure;
};

inline CSliderColumn NewUpwardSliderColumn(const char* slider, const char* figure, const char* title, const char* unit,
                                           QWidget* parent) {
  CSliderColumn column{new QVBoxLayout, NewToolSlider(slider, Qt::Vertical, parent), NewFigureField(figure, parent)};
  column.slider->setInvertedAppearance(true);
  column.slider->setInvertedControls(true);
  column.slider->setTickPosition(QSlider::TicksRight);
  column.slider->setTickInterval(5);
  column.slider->setMinimumHeight(150);
  column.figure->setMaximumWidth(60);
  column.layout->addWidget(new QLabel(QString::fromLatin1(title), parent));
  column.layout->addWidget(column.slider, 1, Qt::AlignHCenter);
  auto* line = new QHBoxLayout;
  line->addWidget(column.figure);
  line->addWidget(new QLabel(QString::fromLatin1(unit), parent));
  column.layout->addLayout(line);
  return column;
}

// Moves the slider without reporting it back to the tool.
inline void ShowSlider(QSlider* slider, const CSliderRange& range) {
  const QSignalBlocker quiet(slider);
  slider->setRange(range.minimum, range.maximum);
  slider->setValue(range.position);
}

}  // namespace marigold
