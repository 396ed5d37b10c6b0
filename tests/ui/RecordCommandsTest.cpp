// The insert and edit commands of the main window, the voyage properties
// and the pictures of the dialogs a command opens: each opens the right
// sheet on the right record, and Cancel or an untouched OK leaves the lists
// as they were.
#include <QtTest>
#include <QtWidgets>
#include <optional>
#include <type_traits>

#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/Records.h"
#include "ui/frame/CommandPicture.h"
#include "ui/frame/CommandTable.h"
#include "ui/frame/RouteView.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

class CRecordCommandsTest : public QObject {
  Q_OBJECT

  std::optional<CFrameFixture> f;

 private slots:
  void init() {
    f.emplace();
    f->frame.show();
  }
  void cleanup() { f.reset(); }

  // Inserting in a list and cancelling the sheet leaves the list's bytes
  // (as the views' schedule left them: from the departure, as a waypoint
  // insert shows the whole route).
  void insertThenCancelLeavesTheList() {
    AddWaypoints(f->doc->Voyage(), 2);
    f->doc->openedFromFile = true;
    f->frame.RefreshViews();
    const std::tuple<int, ERecordList, const char*, const char*> cases[] = {
        {command::kInsertWaypoint, ERecordList::Route, "New Waypoint", "CWPSheet"},
        {command::kInsertPositionFix, ERecordList::Fixes, "Position Fix", "CPositionSheet"},
    };
    for (const auto& [id, list, caption, sheet] : cases) {
      const CBytes before = Store(f->doc->List(list));
      const bool openedFromFile = f->doc->openedFromFile;
      const std::string shown = Open(id, [](CSheet& s) {
        Type(s, "latitudeDegrees", "12");
        return QDialogButtonBox::Cancel;
      });
      QCOMPARE(shown, std::string(caption) + " " + sheet);
      QVERIFY2(Store(f->doc->List(list)) == before, caption);
      QCOMPARE(f->doc->openedFromFile, id == command::kInsertWaypoint || openedFromFile);
    }
    QVERIFY(!f->doc->modified);
  }

  void insertedRecordsStayOnOk() {
    Open(command::kInsertWaypoint, [](CSheet& s) {
      Type(s, "name", "Maas Center");
      return QDialogButtonBox::Ok;
    });
    QCOMPARE(std::tuple(NamesOf(f->doc->Voyage()), f->doc->modified),
             std::tuple(std::vector<std::string>{"Maas Center"}, true));
    QVERIFY(f->frame.StatusText().endsWith("NO VOYAGE LOADED"));

    // A fix confirmed as it came from the vessel is processed as entered.
    Open(command::kInsertPositionFix, [](CSheet&) { return QDialogButtonBox::Ok; });
    const CFixRecord& latest = *f->doc->LatestFix();
    QCOMPARE(std::tuple(f->doc->Fixes().GetCount(), latest.weather.count, latest.GetName().substr(0, 12)),
             std::tuple(2, 1, std::string("PositionFix ")));
  }

  // Edit takes the first selected row: the present position with the fix
  // sheet, a waypoint with its own, the Meteo list the waypoint's weather.
  void editOpensTheSheetOfTheRow() {
    AddWaypoints(f->doc->Voyage(), 3);
    f->doc->openedFromFile = true;
    RunCommand(command::kEditItem, f->frame);
    QCOMPARE(Said(f->prompter), std::vector<std::string>{"Stop: No item to edit selected in list"});

    const std::tuple<EListKind, int, std::string> cases[] = {
        {EListKind::Schedule, 0, f->doc->LatestFix()->GetName() + " CPositionSheet"},
        {EListKind::Waypoints, 2, "WP1 CWPSheet"},
        {EListKind::Meteo, 0, "WP0 CMeteoSheet"},
    };
    for (const auto& [list, row, shown] : cases) {
      f->doc->selectedList = list;
      f->frame.RefreshViews();  // each list computes the schedule from its own start
      const CBytes route = Store(f->doc->Voyage());
      SelectRows(f->frame.RouteView(), {row});
      QCOMPARE(Open(command::kContextEdit,
                    [](CSheet& s) {
                      for (int page = 0; page < s.tabWidget()->count(); ++page) ShowPage(s, page);
                      return QDialogButtonBox::Ok;
                    }),
               shown);
      QVERIFY(Store(f->doc->Voyage()) == route && !f->doc->modified);
    }
  }

  void voyagePropertiesTakesTheDocumentsTitle() {
    QCOMPARE(Open(command::kVoyageProperties,
                  [](CSheet& s) {
                    Type(s, "voyageNumber", "MR 9");
                    return QDialogButtonBox::Ok;
                  }),
             std::string("Route CSheetVoyage"));
    QCOMPARE(std::tuple(f->doc->Voyage().voyageNumber, f->doc->modified), std::tuple(std::string("MR 9"), true));
  }

  // Every kind of record can be inserted, and edited in its list.
  void everyRecordHasItsSheet() {
    for (const int id : {command::kInsertWaypoint, command::kInsertPositionFix, command::kVoyageProperties,
                         command::kInsertReportingPoint, command::kInsertWarning, command::kInsertHurricane,
                         command::kInsertPublication, command::kInsertPort})
      QVERIFY2(f->frame.Action(id)->isEnabled(), qPrintable(QString::number(id)));
    const std::tuple<int, EListKind, const char*> inserts[] = {
        {command::kInsertReportingPoint, EListKind::ReportingPoints, "CReportingSheet"},
        {command::kInsertWarning, EListKind::Warnings, "CDangerSheet"},
        {command::kInsertHurricane, EListKind::Storms, "CHurricaneSheet"},
        {command::kInsertPublication, EListKind::Charts, "CPublicationDialog"},
        {command::kInsertPort, EListKind::Ports, "CSheetPort"},
    };
    for (const auto& [id, list, sheet] : inserts) {
      const std::string shown = Open(id, [](CEditDialog&) { return QDialogButtonBox::Cancel; });
      QVERIFY2(QString::fromStdString(shown).endsWith(sheet), shown.c_str());
      f->doc->selectedList = list;
      f->frame.RefreshViews();
      QVERIFY(f->frame.Action(command::kInsertItem)->isEnabled());
    }
  }

  // A picture per page of the sheet a command opens, and nothing applied.
  void picturesOfTheDialogACommandOpens() {
    const CCommandPicture sheet =
        PictureOfCommand(f->frame, command::kInsertWaypoint, QString::fromStdString(f->File("wp.png")));
    QCOMPARE(std::tuple(sheet.opened, sheet.files.size(), f->doc->Voyage().GetCount()), std::tuple(true, 3, 0));
    QVERIFY(QImage(sheet.files.back()).width() > 100);
    const CCommandPicture none =
        PictureOfCommand(f->frame, command::kDayNight, QString::fromStdString(f->File("x.png")));
    QVERIFY(!none.opened && none.files.isEmpty());
  }

 private:
  // Runs the command; `act` works the sheet that opens and names the button
  // that closes it. The caption and the sheet's class.
  template <class Act>
  std::string Open(int id, Act act) {
    std::string shown;
    CDialogScript script([&](QDialog& dialog) {
      auto& edit = static_cast<CEditDialog&>(dialog);
      shown = edit.windowTitle().toStdString() + " " + edit.objectName().toStdString();
      f->prompter.answers.push_back(true);  // to the cancel question, when asked
      if constexpr (std::is_invocable_v<Act, CSheet&>)
        Press(edit, act(static_cast<CSheet&>(edit)));
      else
        Press(edit, act(edit));
    });
    RunCommand(id, f->frame);
    return script.Seen() ? shown : "no sheet";
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CRecordCommandsTest)
#include "RecordCommandsTest.moc"
