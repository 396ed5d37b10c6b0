#include "ui/frame/NightColours.h"

#include <QApplication>
#include <QStyle>

#include "ui/frame/TreeIcons.h"

namespace marigold {

QPalette NightPalette() {
  // Red light keeps the eye adapted to the dark; nothing bright anywhere.
  const QColor ground(18, 6, 6);
  const QColor panel(30, 10, 10);
  const QColor text(190, 60, 40);
  const QColor dim(110, 40, 30);
  QPalette p;
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool disabled = group == QPalette::Disabled;
    p.setColor(group, QPalette::Window, panel);
    p.setColor(group, QPalette::WindowText, disabled ? dim : text);
    p.setColor(group, QPalette::Base, ground);
    p.setColor(group, QPalette::AlternateBase, panel);
    p.setColor(group, QPalette::Text, disabled ? dim : text);
    p.setColor(group, QPalette::PlaceholderText, dim);
    p.setColor(group, QPalette::Button, panel);
    p.setColor(group, QPalette::ButtonText, disabled ? dim : text);
    p.setColor(group, QPalette::BrightText, QColor(220, 140, 40));
    p.setColor(group, QPalette::Highlight, QColor(80, 20, 10));
    p.setColor(group, QPalette::HighlightedText, QColor(220, 140, 40));
    p.setColor(group, QPalette::ToolTipBase, ground);
    p.setColor(group, QPalette::ToolTipText, text);
    p.setColor(group, QPalette::Link, QColor(200, 120, 40));
    p.setColor(group, QPalette::Light, QColor(60, 20, 16));
    p.setColor(group, QPalette::Midlight, QColor(45, 15, 12));
    p.setColor(group, QPalette::Mid, QColor(40, 14, 10));
    p.setColor(group, QPalette::Dark, QColor(8, 2, 2));
    p.setColor(group, QPalette::Shadow, Qt::black);
  }
  return p;
}

void ApplyNightColours(bool night) {
  SetNightIcons(night);
  const QPalette palette = night ? NightPalette() : QApplication::style()->standardPalette();
  QApplication::setPalette(palette);
}

}  // namespace marigold
