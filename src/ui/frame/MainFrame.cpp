#include "ui/frame/MainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "core/DataFile.h"
#include "core/Settings.h"
#include "core/StartFolder.h"
#include "qtplatform/DataFolderLock.h"
#include "ui/frame/CommandTable.h"
#include "ui/frame/LeftView.h"
#include "ui/frame/NightColours.h"
#include "ui/frame/RouteView.h"
#include "ui/frame/ToolBarFit.h"
#include "ui/frame/ToolBarIcons.h"
#include "voyage/VoyageStatus.h"

namespace marigold {
namespace {

QString Text(const char* text) { return QString::fromUtf8(text); }

}  // namespace

CMainFrame::CMainFrame(CMarigoldRouteDoc& doc, CSettingsStore& store, CPrompter& messages, QWidget* parent)
    : QMainWindow(parent), document(doc), settings(store), prompter(messages), recentFiles(store) {
  setObjectName("mainFrame");
  BuildActions();
  BuildToolBars();
  BuildMenus();
  BuildClientArea();
  ApplyColours();
  setAcceptDrops(true);
  resize(900, 600);
  UpdateRecentMenu();
  RefreshViews();
  RefreshCommands();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::Action(int id) const {
  const auto found = actions.find(id);
  return found == actions.end() ? nullptr : found->second;
}

void CMainFrame::BuildActions() {
  styleGroup = new QActionGroup(this);
  for (const CCommand& command : CommandTable()) {
    if (command.id == 0) continue;
    const QString text = Text(*command.text ? command.text : command.prompt);
    auto* action = new QAction(text, this);
    action->setStatusTip(Text(command.prompt));
    action->setToolTip(Text(command.prompt));
    if (*command.shortcut) action->setShortcuts(QKeySequence::listFromString(Text(command.shortcut)));
    // Keys work whether or not the action sits in a visible menu.
    addAction(action);
    const int id = command.id;
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id, *this); });
    actions[id] = action;
  }
  for (const int id : {command::kLargeIcons, command::kSmallIcons, command::kListStyle, command::kDetails}) {
    actions[id]->setCheckable(true);
    styleGroup->addAction(actions[id]);
  }
  actions[command::kDetails]->setChecked(true);
  actions[command::kToolBar]->setCheckable(true);
  actions[command::kStatusBar]->setCheckable(true);
  actions[command::kToolBar]->setChecked(true);
  actions[command::kStatusBar]->setChecked(true);
  actions[command::kDayNight]->setText("Day/Night");
}

QMenu* CMainFrame::MenuAt(const QString& path) {
  if (const auto found = menus.find(path); found != menus.end()) return found->second;
  QMenu* menu = nullptr;
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) {
    menu = path == menu::kContext ? new QMenu(this) : menuBar()->addMenu(path);
  } else {
    menu = MenuAt(path.left(slash))->addMenu(path.mid(slash + 1));
  }
  menus[path] = menu;
  return menu;
}

void CMainFrame::BuildMenus() {
  for (const CCommand& command : CommandTable()) {
    const QString path = Text(command.menu);
    if (path.isEmpty()) continue;
    if (command.id == 0)
      MenuAt(path)->addSeparator();
    else
      MenuAt(path)->addAction(actions[command.id]);
  }
  contextMenu = MenuAt(menu::kContext);
}

void CMainFrame::BuildToolBars() {
  auto* tools = addToolBar("Standard");
  tools->setObjectName("toolBar");
  for (const int id : ToolBarCommands()) {
    if (id == 0)
      tools->addSeparator();
    else
      tools->addAction(actions[id]);
  }
  new CToolBarFit(*tools);
  addToolBarBreak();
  // The band with the voyage status: one read-only, centred, bordered line.
  auto* band = addToolBar("Voyage status");
  band->setObjectName("statusBand");
  statusLine = new QLineEdit(band);
  statusLine->setObjectName("statusLine");
  statusLine->setReadOnly(true);
  statusLine->setAlignment(Qt::AlignCenter);
  statusLine->setFrame(true);
  band->addWidget(statusLine);
  if (document.DataLocked()) ShowReadOnlyBand();

  statusBar()->showMessage("Ready");
  for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
    auto* label = new QLabel(indicator, statusBar());
    label->setEnabled(false);  // the lock states are not known portably
    statusBar()->addPermanentWidget(label);
  }
}

void CMainFrame::ShowReadOnlyBand() {
  auto* band = findChild<QToolBar*>("statusBand");
  if (!band || band->findChild<QLabel*>("readOnlyBand")) return;
  // A second copy: the officer must see at a glance that nothing is saved.
  auto* readOnly = new QLabel(kReadOnlyBand, band);
  readOnly->setObjectName("readOnlyBand");
  readOnly->setStyleSheet("QLabel { background: #fff1b8; color: #6b4e00; padding: 2px 8px; font-weight: bold; }");
  band->addWidget(readOnly);
}

void CMainFrame::HoldDataFolders(CDataFolderLock* lock) {
  dataLock = lock;
  CheckDataFolders();
}

void CMainFrame::CheckDataFolders() {
  if (!dataLock || document.DataLocked() || dataLock->Extend(DataFolders(settings))) return;
  document.LoseDataFiles();
  ShowReadOnlyBand();
  UpdateTitle();
  prompter.Message(kDataFilesInUse, EMessageIcon::Exclamation);
}

void CMainFrame::BuildClientArea() {
  splitter = new QSplitter(Qt::Horizontal, this);
  leftView = new CLeftView(document, prompter, splitter);
  routeView = new CMarigoldRouteView(document, settings, splitter);
  splitter->setObjectName("splitter");
  splitter->addWidget(leftView);
  splitter->addWidget(routeView);
  splitter->setChildrenCollapsible(false);
  splitter->setSizes({200, 700});
  auto* client = new QWidget(this);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(splitter, 1);
  setCentralWidget(client);
  connect(leftView, &CLeftView::listChosen, this, [this] {
    routeView->Refresh();
    RefreshCommands();
  });
  connect(routeView, &CMarigoldRouteView::headerActionRequested, this, [this](bool openCalculateEta) {
    if (openCalculateEta) RunCommand(command::kCalculateEta, *this);
    RefreshViews();
  });
  connect(routeView, &CMarigoldRouteView::recordsChanged, this, [this] { RefreshStatus(); });
}

// Documents -----------------------------------------------------------------

QString CMainFrame::DocumentTitle() const {
  return documentPath.empty() ? QString("Route") : QFileInfo(QString::fromStdString(documentPath)).fileName();
}

bool CMainFrame::SaveModified() {
  if (!document.modified) return true;
  switch (prompter.AskSaveChanges(QString("Save changes to %1?").arg(DocumentTitle()).toStdString())) {
    case ESaveAnswer::Save: return SaveDocument(false);
    case ESaveAnswer::Discard: return true;
    case ESaveAnswer::Cancel: return false;
  }
  return false;
}

bool CMainFrame::NewDocument() {
  if (!SaveModified()) return false;
  document.New();
  documentPath.clear();
  leftView->Refresh();
  RefreshViews();
  return true;
}

bool CMainFrame::OpenDocument(const std::string& file) {
  if (!SaveModified()) return false;
  if (!document.Open(file)) {
    recentFiles.Remove(file);
    UpdateRecentMenu();
    RefreshViews();
    return false;
  }
  documentPath = file;
  RememberFileFolder(settings, file);
  recentFiles.Add(file);
  UpdateRecentMenu();
  leftView->Refresh();
  RefreshViews();
  return true;
}

bool CMainFrame::SaveDocument(bool chooseName) {
  std::string target = documentPath;
  if (chooseName || target.empty()) {
    const std::string offered =
        documentPath.empty() ? "Route" : QFileInfo(QString::fromStdString(documentPath)).fileName().toStdString();
    const auto chosen = prompter.ChooseSaveFile({offered, "rtp", kRouteFilter});
    if (!chosen) return false;
    target = *chosen;
  }
  const CMarigoldRouteDoc::CSaveResult result = document.Save(target);
  if (!result.route) {
    prompter.Message("Unable to save route document\n" + target + "\n" + result.route.error, EMessageIcon::Stop);
    return false;
  }
  // The route is safe; data files that failed are named, so nothing is lost unnoticed.
  for (const EDataFile file : result.failedDataFiles) {
    const CDataFileInfo& info = DataFileInfo(file);
    prompter.Message("Unable to write data file\n" + ReadSetting(settings, info.path), EMessageIcon::Exclamation);
  }
  documentPath = target;
  RememberFileFolder(settings, target);
  recentFiles.Add(target);
  UpdateRecentMenu();
  UpdateTitle();
  return true;
}

// Recent files --------------------------------------------------------------

void CMainFrame::UpdateRecentMenu() {
  const std::vector<std::string> files = RecentFiles();
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* action = actions[command::kRecentFile1 + i];
    const auto index = static_cast<std::size_t>(i);
    action->setVisible(index < files.size());
    if (index < files.size()) {
      action->setText(QString("&%1 %2").arg(i + 1).arg(QFileInfo(QString::fromStdString(files[index])).fileName()));
      action->setStatusTip(QString::fromStdString(files[index]));
    }
  }
}

void CMainFrame::OpenRecent(int index) {
  const std::vector<std::string> files = RecentFiles();
  if (index < 0 || static_cast<std::size_t>(index) >= files.size()) return;
  OpenDocument(files[static_cast<std::size_t>(index)]);
}

// Refreshing ----------------------------------------------------------------

void CMainFrame::RefreshViews() {
  routeView->Refresh();
  RefreshStatus();
  RefreshCommands();
}

void CMainFrame::RefreshStatus() {
  statusLine->setText(QString::fromStdString(StatusLine(document.Voyage(), document.LatestFix())));
  UpdateTitle();
}

QString CMainFrame::StatusText() const { return statusLine->text(); }

void CMainFrame::UpdateTitle() {
  setWindowTitle(DocumentTitle() + "[*] - " + kAppTitle +
                 (document.DataLocked() ? QString(" (read-only)") : QString()));
  setWindowModified(document.modified);
}

void CMainFrame::RefreshCommands() {
  for (const CCommand& command : CommandTable()) {
    if (command.id == 0) continue;
    actions[command.id]->setEnabled(CommandEnabled(command, *this));
  }
}

// Appearance ----------------------------------------------------------------

void CMainFrame::ToggleNightColours() {
  nightColours = !nightColours;
  WriteSetting(settings, settings::kNightColours, nightColours ? 1 : 0);
  ApplyColours();
  RefreshViews();  // the rows' icons
}

void CMainFrame::ApplyColours() {
  ApplyNightColours(nightColours);
  leftView->RedrawIcons();
  for (const int id : ToolBarCommands())
    if (id != 0) actions[id]->setIcon(ToolBarIcon(id));
  // The pane with the keyboard is framed, so the officer sees where keys go.
  const QString mark = nightColours ? "#b07030" : "#3070c0";
  splitter->setStyleSheet(QString("QTreeWidget:focus, QTableView:focus { border: 2px solid %1; }").arg(mark));
}

bool CMainFrame::RestoreLayout() {
  const auto bytes = [this](const CTextSetting& setting) {
    return QByteArray::fromBase64(QByteArray::fromStdString(ReadSetting(settings, setting)));
  };
  const bool stored = restoreGeometry(bytes(settings::kWindowGeometry));
  splitter->restoreState(bytes(settings::kSplitterState));
  document.selectedList = static_cast<EListKind>(ReadSetting(settings, settings::kSelectedList));
  SetViewStyle(ReadSetting(settings, settings::kViewStyle));
  nightColours = ReadSetting(settings, settings::kNightColours) != 0;
  leftView->Refresh();
  ApplyColours();
  RefreshViews();
  return stored;
}

void CMainFrame::SaveLayout() {
  WriteSetting(settings, settings::kWindowGeometry, saveGeometry().toBase64().toStdString());
  WriteSetting(settings, settings::kSplitterState, splitter->saveState().toBase64().toStdString());
  WriteSetting(settings, settings::kSelectedList, static_cast<int>(document.selectedList));
  WriteSetting(settings, settings::kViewStyle, routeView->ViewStyle());
  WriteSetting(settings, settings::kNightColours, nightColours ? 1 : 0);
}

void CMainFrame::ShowWelcome(const QString& dataFolder) {
  if (!welcomeNote) {
    welcomeNote = new QFrame(centralWidget());
    welcomeNote->setObjectName("welcomeNote");
    welcomeNote->setFrameShape(QFrame::StyledPanel);
    welcomeNote->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* row = new QHBoxLayout(welcomeNote);
    auto* text = new QLabel(welcomeNote);
    text->setObjectName("welcomeText");
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(text, 1);
    auto* close = new QToolButton(welcomeNote);
    close->setText("Close");
    close->setToolTip("Close this note");
    connect(close, &QToolButton::clicked, welcomeNote, &QWidget::hide);
    row->addWidget(close, 0, Qt::AlignTop);
    static_cast<QVBoxLayout*>(centralWidget()->layout())->insertWidget(0, welcomeNote);
  }
  welcomeNote->findChild<QLabel*>("welcomeText")
      ->setText(QString("Welcome to %1. Your vessel, position fixes, ports, warnings, meteo and hurricane data "
                        "are kept in %2 and saved there as you work. Tools > Configuration > Options moves them; "
                        "File > Open opens a route, such as the example voyage.")
                    .arg(kAppTitle, QDir::toNativeSeparators(dataFolder)));
  welcomeNote->show();
}

void CMainFrame::SetViewStyle(int style) {
  routeView->SetViewStyle(style);
  if (QAction* action = Action(command::kDetails - style)) action->setChecked(true);
}

void CMainFrame::SwitchPane(bool forward) {
  // Two panes: forward and back both lead to the other one.
  (void)forward;
  if (leftView->hasFocus())
    routeView->setFocus();
  else
    leftView->setFocus();
}

void CMainFrame::ToggleBar(bool toolBar) {
  QWidget* bar = toolBar ? static_cast<QWidget*>(findChild<QToolBar*>("toolBar")) : statusBar();
  bar->setVisible(!bar->isVisible());
  actions[toolBar ? command::kToolBar : command::kStatusBar]->setChecked(!bar->isHidden());
}

// Events --------------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!SaveModified()) {
    event->ignore();
    return;
  }
  SaveLayout();
  event->accept();
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event) {
  if (!splitter->geometry().contains(event->pos())) {
    QMainWindow::contextMenuEvent(event);
    return;
  }
  contextPoint = splitter->mapFrom(this, event->pos());
  RefreshCommands();
  contextMenu->exec(event->globalPos());
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    event->acceptProposedAction();
    // One document at a time: the first file dropped is opened.
    OpenDocument(url.toLocalFile().toStdString());
    return;
  }
}

}  // namespace marigold
