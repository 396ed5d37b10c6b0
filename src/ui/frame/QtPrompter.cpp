#include "ui/frame/QtPrompter.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace marigold {
namespace {

constexpr const char* kTitle = "Marigold Route";

QMessageBox::Icon QtIcon(EMessageIcon icon) {
  switch (icon) {
    case EMessageIcon::None: return QMessageBox::NoIcon;
    case EMessageIcon::Stop: return QMessageBox::Critical;
    case EMessageIcon::Exclamation: return QMessageBox::Warning;
    case EMessageIcon::Information: return QMessageBox::Information;
    case EMessageIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// The window's own title bar cuts a title wider than the window, and a
// message as short as "Export succesfull" makes a narrow box.
int WidthForTitle(const QWidget& window) {
  const QFontMetrics titleFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
  const int text = std::max(titleFont.horizontalAdvance(window.windowTitle()),
                            window.fontMetrics().horizontalAdvance(window.windowTitle()));
  // Room for the window icon and the three buttons beside the title.
  return text + 4 * window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

void WidenForTitle(QMessageBox& box) {
  // A message box sizes itself to its contents, whatever minimum it is given;
  // a spacer across its grid holds it open.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(WidthForTitle(box), 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                  0, 1, grid->columnCount());
}

int Run(QMessageBox& box) {
  WidenForTitle(box);
  return box.exec();
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|', Qt::SkipEmptyParts);
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    // The description may repeat the patterns in brackets; Qt reads them from there.
    if (const qsizetype bracket = description.indexOf('('); bracket >= 0)
      description = description.left(bracket).trimmed();
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == "*.*") pattern = "*";
    }
    filters << QString("%1 (%2)").arg(description, patterns.join(' '));
  }
  return filters;
}

CChoiceDialog::CChoiceDialog(const std::string& title, const std::string& prompt,
                             const std::vector<std::string>& choices, int preselected, QWidget* parent)
    : QDialog(parent), group(new QButtonGroup(this)) {
  setWindowTitle(QString::fromStdString(title));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromStdString(prompt), this));
  for (std::size_t i = 0; i < choices.size(); ++i) {
    auto* button = new QRadioButton(QString::fromStdString(choices[i]), this);
    const int id = static_cast<int>(i);
    group->addButton(button, id);
    button->setChecked(id == preselected);
    layout->addWidget(button);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  setMinimumWidth(WidthForTitle(*this));
}

int CChoiceDialog::Chosen() const { return group->checkedId(); }

void CQtPrompter::Message(const std::string& text, EMessageIcon icon) {
  QMessageBox box(QtIcon(icon), kTitle, QString::fromStdString(text), QMessageBox::Ok, parentWidget);
  Run(box);
}

bool CQtPrompter::AskYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::Question, kTitle, QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                  parentWidget);
  box.setDefaultButton(QMessageBox::Yes);
  return Run(box) == QMessageBox::Yes;
}

ESaveAnswer CQtPrompter::AskSaveChanges(const std::string& text) {
  QMessageBox box(QMessageBox::Question, kTitle, QString::fromStdString(text),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parentWidget);
  box.setDefaultButton(QMessageBox::Save);
  const int answer = Run(box);
  if (answer == QMessageBox::Save) return ESaveAnswer::Save;
  if (answer == QMessageBox::Discard) return ESaveAnswer::Discard;
  return ESaveAnswer::Cancel;
}

int CQtPrompter::Choose(const std::string& title, const std::string& prompt, const std::vector<std::string>& choices,
                        int preselected) {
  CChoiceDialog dialog(title, prompt, choices, preselected, parentWidget);
  dialog.exec();
  const int chosen = dialog.Chosen();
  return chosen < 0 ? preselected : chosen;
}

std::optional<std::string> CQtPrompter::ChooseFile(const CFileChoice& choice, bool save) {
  QFileDialog dialog(parentWidget);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // A data file being located or configured may be one still to be made.
  dialog.setFileMode(QFileDialog::AnyFile);
  if (choice.appends) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(QtNameFilters(choice.filter));
  dialog.setDefaultSuffix(QString::fromStdString(choice.defaultExtension));
  if (!choice.folder.empty()) dialog.setDirectory(QString::fromStdString(choice.folder));
  if (!choice.defaultName.empty()) dialog.selectFile(QString::fromStdString(choice.defaultName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> CQtPrompter::ChooseOpenFile(const CFileChoice& choice) { return ChooseFile(choice, false); }

std::optional<std::string> CQtPrompter::ChooseSaveFile(const CFileChoice& choice) { return ChooseFile(choice, true); }

}  // namespace marigold
