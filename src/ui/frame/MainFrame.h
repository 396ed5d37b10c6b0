#pragma once
// The one main window: tool bar, the band with the voyage status line,
// status bar, and the tree of lists beside the list view. Every command
// comes in through the command table.
#include <QMainWindow>
#include <QPoint>
#include <map>
#include <string>
#include <vector>

#include "core/Prompter.h"
#include "core/RecentFiles.h"
#include "core/SettingsStore.h"
#include "voyage/MarigoldRouteDoc.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;

namespace marigold {

class CDataFolderLock;
class CLeftView;
class CMarigoldRouteView;

inline constexpr const char* kAppTitle = "Marigold Route";
// In the status band of a copy started while another holds the data files.
inline constexpr const char* kReadOnlyBand = "Read-only: the data files are in use by another Marigold Route";
// The window's size at a first start, before the officer sets one.
inline constexpr int kDefaultWidth = 1200;
inline constexpr int kDefaultHeight = 700;
inline constexpr const char* kRouteFilter = "Route Files (*.rtp)|*.rtp|All Files (*.*)|*.*||";

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame(CMarigoldRouteDoc& doc, CSettingsStore& settings, CPrompter& prompter, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CMarigoldRouteDoc& Doc() { return document; }
  CSettingsStore& Settings() { return settings; }
  CPrompter& Prompter() { return prompter; }
  CLeftView& LeftView() { return *leftView; }
  CMarigoldRouteView& RouteView() { return *routeView; }
  QAction* Action(int id) const;
  QMenu& ContextMenu() { return *contextMenu; }

  // The route document's file; empty while untitled.
  const std::string& DocumentPath() const { return documentPath; }
  // The file's name, or "Route" (the name a new file is offered).
  QString DocumentTitle() const;
  // False when the user cancelled at the unsaved-changes question.
  bool NewDocument();
  bool OpenDocument(const std::string& file);
  // Save As with `chooseName`, or for an untitled document.
  bool SaveDocument(bool chooseName);
  void OpenRecent(int index);
  std::vector<std::string> RecentFiles() const { return recentFiles.Files(); }

  // After every change: the lists, the status line, the title and which
  // commands can run.
  void RefreshViews();
  void RefreshStatus();
  void RefreshCommands();
  QString StatusText() const;

  bool NightColours() const { return nightColours; }
  void ToggleNightColours();
  // Size, position, splitter, selected list, view style and colours as the
  // officer left them; false when nothing was stored (a first start).
  bool RestoreLayout();
  void SaveLayout();
  // The note above the lists at a first start: where the data lives and
  // where to go next. Never modal, so it cannot hold up a start.
  void ShowWelcome(const QString& dataFolder);
  const QFrame* WelcomeNote() const { return welcomeNote; }
  void SetViewStyle(int style);
  void SwitchPane(bool forward);
  void ToggleBar(bool toolBar);
  // The lock of the data folders this copy holds; after each command the
  // folders the data files were moved to (locate, Configuration) are taken
  // too, or the data goes read-only with the message.
  void HoldDataFolders(CDataFolderLock* lock);
  void CheckDataFolders();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  void BuildToolBars();
  void BuildClientArea();
  QMenu* MenuAt(const QString& path);
  bool SaveModified();
  void UpdateRecentMenu();
  void UpdateTitle();
  void ApplyColours();
  void ShowReadOnlyBand();

  CMarigoldRouteDoc& document;
  CSettingsStore& settings;
  CPrompter& prompter;
  CDataFolderLock* dataLock = nullptr;
  std::string documentPath;
  CRecentFiles recentFiles;
  bool nightColours = false;
  QPoint contextPoint;
  CLeftView* leftView = nullptr;
  CMarigoldRouteView* routeView = nullptr;
  QSplitter* splitter = nullptr;
  QFrame* welcomeNote = nullptr;
  QLineEdit* statusLine = nullptr;
  QMenu* contextMenu = nullptr;
  QActionGroup* styleGroup = nullptr;
  std::map<int, QAction*> actions;
  std::map<QString, QMenu*> menus;
};

}  // namespace marigold
