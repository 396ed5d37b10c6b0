// The navigation tree: its items and icons, and what choosing one does.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "core/FileIo.h"
#include "fakes/DataFolder.h"
#include "fakes/Fakes.h"
#include "fakes/TestSupport.h"
#include "ui/frame/LeftView.h"
#include "ui/frame/TreeIcons.h"
#include "voyage/NavigationTree.h"

namespace marigold {

class CLeftViewTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void itemsIconsAndInitialSelection();
  void choosingAListSelectsItAndWarnsOnEverySchedule();
  void noSelectionAsksForOne();

 private:
  static QImage Image(const QIcon& icon, QIcon::Mode mode) { return icon.pixmap(32, mode).toImage(); }
  QTreeWidgetItem* Item(CLeftView& tree, const char* text) {
    const auto found = tree.findItems(QString::fromLatin1(text), Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
  }

  std::optional<QTemporaryDir> dir;
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CFixedClock clock{1700000000};
  std::optional<CMarigoldRouteDoc> doc;
};

void CLeftViewTest::init() {
  dir.emplace();
  QVERIFY(dir->isValid());
  UseDataFolder(store, dir->path().toStdString());
  store.WriteInt("Path", "AskLoadOld", 0);
  QVERIFY(WriteFreshDataFiles(store));
  doc.emplace(store, prompter, clock);
  prompter.messages.clear();
}

void CLeftViewTest::cleanup() {
  doc.reset();
  dir.reset();
}

void CLeftViewTest::itemsIconsAndInitialSelection() {
  doc->selectedList = EListKind::Meteo;
  CLeftView tree(*doc, prompter);
  const QStringList expected{"Schedule", "Waypoints", "Position Fixes", "Reporting Points", "Warnings",
                             "Meteo",    "Hurricanes", "Charts",        "Books",            "Ports"};
  QCOMPARE(tree.topLevelItemCount(), expected.size());
  const int images[] = {0, 5, 1, 2, 3, 4, 6, 7, 8, 9};
  for (int i = 0; i < tree.topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = tree.topLevelItem(i);
    QCOMPARE(item->text(0), expected[i]);
    QCOMPARE(item->childCount(), 0);
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
  QVERIFY(tree.currentItem()->isSelected());
  QVERIFY(prompter.messages.empty());
  QVERIFY(!doc->listChanged);
}

void CLeftViewTest::choosingAListSelectsItAndWarnsOnEverySchedule() {
  doc->selectedList = EListKind::Ports;
  doc->Voyage().weatherSource = true;  // the latest observation only
  CLeftView tree(*doc, prompter);
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
  QCOMPARE(static_cast<int>(doc->selectedList), 5);
  QVERIFY(doc->listChanged);
  QCOMPARE(chosen.count(), 1);
  QVERIFY(prompter.messages.empty());

  choose("Hurricanes");
  QCOMPARE(static_cast<int>(doc->selectedList), 6);
  choose("Schedule");
  QCOMPARE(static_cast<int>(doc->selectedList), 0);
  choose("Charts");
  choose("Schedule");
  QCOMPARE(chosen.count(), 5);
  QCOMPARE(prompter.messages.size(), std::size_t{2});
  QCOMPARE(QString::fromStdString(prompter.messages[1].text), QString::fromLatin1(kLatestWeatherOnlyWarning));
  QVERIFY(prompter.messages[1].icon == EMessageIcon::Exclamation);

}

void CLeftViewTest::noSelectionAsksForOne() {
  CLeftView tree(*doc, prompter);
  QSignalSpy chosen(&tree, &CLeftView::listChosen);
  tree.clearSelection();
  QCOMPARE(prompter.messages.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(prompter.messages[0].text), QStringLiteral("Please select list first"));
  QVERIFY(prompter.messages[0].icon == EMessageIcon::None);
  QCOMPARE(chosen.count(), 0);
  QCOMPARE(static_cast<int>(doc->selectedList), 0);

  // Refresh follows the document again without a word.
  doc->selectedList = EListKind::Warnings;
  tree.Refresh();
  QCOMPARE(tree.selectedItems().size(), 1);
  QCOMPARE(tree.selectedItems().front()->text(0), QStringLiteral("Warnings"));
  QCOMPARE(prompter.messages.size(), std::size_t{1});
  QCOMPARE(chosen.count(), 0);
}

}  // namespace marigold

QTEST_MAIN(marigold::CLeftViewTest)
#include "LeftViewTest.moc"
