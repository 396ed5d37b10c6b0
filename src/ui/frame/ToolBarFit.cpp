#include "ui/frame/ToolBarFit.h"

#include <QAction>
#include <QEvent>
#include <QToolBar>
#include <QToolButton>

namespace marigold {

CToolBarFit::CToolBarFit(QToolBar& toolBar) : QObject(&toolBar), bar(toolBar) { bar.installEventFilter(this); }

void CToolBarFit::Fit() {
  QList<QToolButton*> buttons;
  for (QAction* action : bar.actions())
    if (auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(action))) buttons << button;
  for (QToolButton* button : buttons) button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  const int room = bar.width();
  for (QToolButton* button : buttons) {
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    if (bar.sizeHint().width() > room) {
      // Texts go from the left; the first that does not fit ends them.
      button->setToolButtonStyle(Qt::ToolButtonIconOnly);
      break;
    }
  }
}

bool CToolBarFit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &bar && event->type() == QEvent::Resize) Fit();
  return QObject::eventFilter(watched, event);
}

}  // namespace marigold
