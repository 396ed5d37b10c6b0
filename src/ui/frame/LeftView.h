#pragma once
// The navigation tree: one item per list. Choosing an item makes its list
// the document's selected list.
#include <QTreeWidget>

#include "core/Prompter.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

class CLeftView : public QTreeWidget {
  Q_OBJECT
 public:
  // The tree's messages go through the document's prompter, which the frame
  // hands in as `prompter` too.
  CLeftView(CMarigoldRouteDoc& doc, CPrompter& prompter, QWidget* parent = nullptr);

  // Selects the item of the document's selected list without treating it
  // as a choice (no message, no signal); print modes leave the tree alone.
  void Refresh();
  // Draws the items' icons again (after a change of day or night colours).
  void RedrawIcons();

 signals:
  // A list was chosen (or the choice changed the list-changed flag); the
  // list view should refresh.
  void listChosen();

 private:
  void OnSelectionChanged();

  CMarigoldRouteDoc& document;
};

}  // namespace marigold
