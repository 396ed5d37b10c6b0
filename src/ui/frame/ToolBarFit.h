#pragma once
// Keeps every tool-bar button in sight: icons always, and the text beside
// an icon only while the whole bar still fits its width, so that no button
// is ever pushed behind the overflow arrow.
#include <QObject>

class QToolBar;

namespace marigold {

class CToolBarFit : public QObject {
 public:
  // Watches `bar` (and is owned by it) and fits it at every resize.
  explicit CToolBarFit(QToolBar& bar);

  // Gives text to the buttons from the left while the bar fits its width.
  void Fit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolBar& bar;
};

}  // namespace marigold
