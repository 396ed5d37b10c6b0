#include "ui/frame/LeftView.h"

#include <QSignalBlocker>
#include <optional>
#include <string>
#include <string_view>

#include "ui/frame/TreeIcons.h"
#include "voyage/NavigationTree.h"

namespace marigold {

CLeftView::CLeftView(CMarigoldRouteDoc& doc, CPrompter& /*prompter*/, QWidget* parent)
    : QTreeWidget(parent), document(doc) {
  setColumnCount(1);
  setHeaderHidden(true);
  setRootIsDecorated(false);  // no lines or buttons: every item sits at the root
  setItemsExpandable(false);
  setFrameShape(QFrame::StyledPanel);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setIconSize(QSize(32, 32));
  for (const EListKind kind : kTreeOrder)
    new QTreeWidgetItem(this, QStringList(QString::fromUtf8(ListKindInfo(kind).name)));
  RedrawIcons();
  Refresh();
  connect(this, &QTreeWidget::itemSelectionChanged, this, &CLeftView::OnSelectionChanged);
}

void CLeftView::Refresh() {
  for (int i = 0; i < topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = topLevelItem(i);
    const auto list = TreeListOf(item->text(0).toStdString());
    if (!list || *list != document.selectedList) continue;
    const QSignalBlocker quiet(this);
    setCurrentItem(item);
    return;
  }
}

void CLeftView::RedrawIcons() {
  int i = 0;
  for (const EListKind kind : kTreeOrder) topLevelItem(i++)->setIcon(0, TreeItemIcon(ListKindInfo(kind).image));
}

void CLeftView::OnSelectionChanged() {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  std::optional<std::string> text;
  if (!selected.isEmpty()) text = selected.front()->text(0).toStdString();
  if (OnTreeSelection(document, text ? std::optional<std::string_view>(*text) : std::nullopt)) emit listChosen();
}

}  // namespace marigold
