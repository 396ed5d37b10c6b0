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

#include "core/SheetFields.h"
#include "ui/widgets/FigureEdit.h"
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

// Wide enough for the widest text the figure shows, whatever the font.
inline void FitFigure(QLineEdit* figure, const char* widest) {
  const int width = figure->fontMetrics().horizontalAdvance(QString::fromLatin1(widest)) + 16;
  figure->setMinimumWidth(width);
  figure->setMaximumWidth(width);
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

inline QSlider* NewUpwardSlider(const char* name, QWidget* parent) {
  QSlider* slider = NewToolSlider(name, Qt::Vertical, parent);
  slider->setInvertedAppearance(true);
  slider->setInvertedControls(true);
  slider->setTickPosition(QSlider::TicksRight);
  slider->setTickInterval(5);
  slider->setMinimumHeight(150);
  return slider;
}

inline CSliderColumn NewUpwardSliderColumn(const char* slider, const char* figure, const char* title, const char* unit,
                                           QWidget* parent) {
  CSliderColumn column{new QVBoxLayout, NewUpwardSlider(slider, parent), NewFigureField(figure, parent)};
  column.figure->setMaximumWidth(60);
  column.layout->addWidget(new QLabel(QString::fromLatin1(title), parent));
  column.layout->addWidget(column.slider, 1, Qt::AlignHCenter);
  auto* line = new QHBoxLayout;
  line->addWidget(column.figure);
  line->addWidget(new QLabel(QString::fromLatin1(unit), parent));
  column.layout->addLayout(line);
  return column;
}

// Calls `act` with the slider's position once a move is complete: a drag
// when the slider is let go, a key, the wheel or a click beside the handle
// at once.
template <class TAct>
void OnSliderReleased(QSlider* slider, QObject* receiver, TAct act) {
  QObject::connect(slider, &QSlider::sliderReleased, receiver, [slider, act] { act(slider->value()); });
  QObject::connect(slider, &QSlider::valueChanged, receiver, [slider, act](int position) {
    if (!slider->isSliderDown()) act(position);
  });
}

// Moves the slider without reporting it back to the tool.
inline void ShowSlider(QSlider* slider, const CSliderRange& range) {
  const QSignalBlocker quiet(slider);
  slider->setRange(range.minimum, range.maximum);
  slider->setValue(range.position);
}

// The two drafts a vessel tool works with: each reaches the tool when its
// editor loses the focus, and `show` repaints then.
struct CDraftEdits {
  QDoubleSpinBox* forward;
  QDoubleSpinBox* aft;
};

// A dialog being destroyed hides itself after its own members are gone: an
// editor that loses the focus then must not call back into it.
inline void SilenceChildren(QWidget& dialog) {
  for (QObject* child : dialog.findChildren<QObject*>()) child->blockSignals(true);
}

template <class TTool, class TShow>
CDraftEdits NewDraftEdits(QWidget* parent, TTool& tool, TShow show) {
  const CDraftEdits edits{new CFigureEdit("draftForward", 0, 99.99, kDraftDecimals, "m", parent),
                          new CFigureEdit("draftAft", 0, 99.99, kDraftDecimals, "m", parent)};
  QObject::connect(edits.forward, &QDoubleSpinBox::editingFinished, parent, [edits, &tool, show] {
    tool.OnDraftForwardChanged(edits.forward->value());
    show();
  });
  QObject::connect(edits.aft, &QDoubleSpinBox::editingFinished, parent, [edits, &tool, show] {
    tool.OnDraftAftChanged(edits.aft->value());
    show();
  });
  return edits;
}

}  // namespace marigold
