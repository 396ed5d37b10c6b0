// The navigation tree: its items and icons, and what choosing one does.
#include <QtTest>
#include <optional>

#include "fakes/DocumentFixture.h"
#include "fakes/QtPrinting.h"
#include "fakes/Records.h"
#include "ui/frame/LeftView.h"
#include "ui/frame/TreeIcons.h"
#include "voyage/NavigationTree.h"

namespace marigold {

class CLeftViewTest : public QObject {
  Q_OBJECT

  static QImage Image(const QIcon& icon, QIcon::Mode mode) { return icon.pixmap(32, mode).toImage(); }
  static QTreeWidgetItem* Item(CLeftView& tree, const char* text) {
    const auto found = tree.findItems(QString::fromLatin1(text), Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
  }

  std::optional<CDocumentFixture> f;

 private slots:
  void init() { f.emplace(); }
  void cleanup() { f.reset(); }

  void itemsIconsAndInitialSelection() {
    f->doc->selectedList = EListKind::Meteo;
    CLeftView tree(*f->doc, f->prompter);
    const QStringList expected{"Schedule", "Waypoints", "Position Fixes", "Reporting Points",
                               "Warnings", "Meteo",     "Hurricanes",     "Charts",
                               "Books",    "Ports"};
    QCOMPARE(tree.topLevelItemCount(), expected.size());
    const int images[] = {0, 5, 1, 2, 3, 4, 6, 7, 8, 9};
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = tree.topLevelItem(i);
      QCOMPARE(std::tuple(item->text(0), item->childCount()), std::tuple(expected[i], 0));
      QCOMPARE(Image(item->icon(0), QIcon::Normal), TreeIconPixmap(images[i]).toImage());
      QCOMPARE(Image(item->icon(0), QIcon::Selected), TreeIconPixmap(10).toImage());
    }
    // Eleven icons, each its own.
    for (int a = 0; a < 11; ++a) {
      QCOMPARE(TreeIconPixmap(a).size(), QSize(32, 32));
      for (int b = a + 1; b < 11; ++b) QVERIFY(TreeIconPixmap(a).toImage() != TreeIconPixmap(b).toImage());
    }
    QVERIFY(TreeIconPixmap(11).isNull());

    // The document's list is shown selected, and saying so is no choice.
    QCOMPARE(tree.currentItem(), Item(tree, "Meteo"));
    QVERIFY(tree.currentItem()->isSelected() && f->prompter.messages.empty() && !f->doc->listChanged);
  }

  void choosingAListSelectsItAndWarnsOnEverySchedule() {
    f->doc->selectedList = EListKind::Ports;
    f->doc->Voyage().weatherSource = true;  // the latest observation only
    CLeftView tree(*f->doc, f->prompter);
    tree.resize(200, 600);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    QSignalSpy chosen(&tree, &CLeftView::listChosen);

    const auto choose = [&](const char* text) {
      QTreeWidgetItem* item = Item(tree, text);
      QVERIFY(item);
      QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
    };
    choose("Waypoints");
    QCOMPARE(std::tuple(static_cast<int>(f->doc->selectedList), f->doc->listChanged, chosen.count(),
                        f->prompter.messages.size()),
             std::tuple(5, true, 1, std::size_t{0}));

    for (const auto& [text, list] : {std::pair("Hurricanes", 6), std::pair("Schedule", 0), std::pair("Charts", 7)}) {
      choose(text);
      QCOMPARE(static_cast<int>(f->doc->selectedList), list);
    }
    choose("Schedule");
    QCOMPARE(chosen.count(), 5);
    QCOMPARE(Said(f->prompter), std::vector<std::string>(2, std::string("Exclamation: ") + kLatestWeatherOnlyWarning));
  }

  void noSelectionAsksForOne() {
    CLeftView tree(*f->doc, f->prompter);
    QSignalSpy chosen(&tree, &CLeftView::listChosen);
    tree.clearSelection();
    QCOMPARE(Said(f->prompter), std::vector<std::string>{"Please select list first"});
    QCOMPARE(std::tuple(chosen.count(), static_cast<int>(f->doc->selectedList)), std::tuple(0, 0));

    // Refresh follows the document again without a word.
    f->doc->selectedList = EListKind::Warnings;
    tree.Refresh();
    QCOMPARE(tree.selectedItems().size(), 1);
    QCOMPARE(std::tuple(tree.selectedItems().front()->text(0), f->prompter.messages.size(), chosen.count()),
             std::tuple(QStringLiteral("Warnings"), std::size_t{1}, 0));
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CLeftViewTest)
#include "LeftViewTest.moc"
