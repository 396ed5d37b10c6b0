#include "ui/sheets/ConfigurationDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/Settings.h"
#include "ui/widgets/DaysSpinBox.h"

namespace marigold {
namespace {

struct CPathRow {
  EDataFile file;
  const char* label;
};

// The order the officer reads them in, not the load order.
constexpr CPathRow kPathRows[] = {
    {EDataFile::Vessel, "Vessel data "},   {EDataFile::History, "Position data"},
    {EDataFile::Ports, "Port data "},      {EDataFile::Meteo, "Meteo data"},
    {EDataFile::Warnings, "Nav warnings"}, {EDataFile::Hurricanes, "Hurricane data"},
};

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CConfigurationDialog::CConfigurationDialog(CSettingsStore& settings, CPrompter& prompter, QWidget* parent)
    : CEditDialog(prompter, kDataHasChangedQuestion, parent), settings_(settings) {
  setWindowTitle(QStringLiteral("Configuration"));
  QVBoxLayout* layout = ContentLayout();
  layout->addWidget(BuildOptions());
  layout->addWidget(BuildPaths());
  layout->addWidget(BuildCleanUp());
  layout->addWidget(BuildSeparator());
  Load(ReadConfiguration(settings_));
  WatchForChanges(this);
}

QWidget* CConfigurationDialog::BuildOptions() {
  auto* group = new QGroupBox(QStringLiteral("Program Options"), this);
  auto* layout = new QVBoxLayout(group);
  askLoadOld_ = new QCheckBox(QStringLiteral("Compatible with old versions of route files (file open-dialog)"), group);
  askLoadOld_->setObjectName(QString::fromLatin1(settings::kAskLoadOld.key));
  layout->addWidget(askLoadOld_);
  return group;
}

QWidget* CConfigurationDialog::BuildPaths() {
  auto* group = new QGroupBox(QStringLiteral("Path to configuration files"), this);
  auto* grid = new QGridLayout(group);
  int row = 0;
  for (const CPathRow& path : kPathRows) {
    const QString key = QString::fromLatin1(DataFileInfo(path.file).path.key);
    auto* edit = new QLineEdit(group);
    edit->setObjectName(key);
    edit->setMinimumWidth(280);
    auto* label = new QLabel(QString::fromLatin1(path.label), group);
    label->setBuddy(edit);
    auto* browse = new QPushButton(QStringLiteral("Browse"), group);
    browse->setObjectName(QStringLiteral("browse_") + key);
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, [this, file = path.file] { Browse(file); });
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(browse, row, 2);
    paths_[Index(path.file)] = edit;
    browse_[Index(path.file)] = browse;
    ++row;
  }
  return group;
}

QWidget* CConfigurationDialog::BuildCleanUp() {
  auto* group = new QGroupBox(QStringLiteral("CleanUp"), this);
  auto* form = new QFormLayout(group);
  daysOldFix_ = new CDaysSpinBox(settings::kDaysOldFix, group);
  daysOldHurri_ = new CDaysSpinBox(settings::kDaysOldHurri, group);
  form->addRow(QStringLiteral("Number of days to keep old position fixes:"), daysOldFix_);
  form->addRow(QStringLiteral("Number of days to keep old hurricane positions:"), daysOldHurri_);
  return group;
}

QWidget* CConfigurationDialog::BuildSeparator() {
  auto* group = new QGroupBox(QStringLiteral("Import and Export"), this);
  auto* form = new QFormLayout(group);
  separator_ = new QComboBox(group);
  separator_->setObjectName(QString::fromLatin1(settings::kConvChar.key));
  separator_->setEditable(true);
  separator_->setInsertPolicy(QComboBox::NoInsert);
  separator_->addItems({QStringLiteral(","), QStringLiteral(";"), QStringLiteral(":"), QStringLiteral("\\")});
  separator_->lineEdit()->setMaxLength(1);
  form->addRow(QStringLiteral("Separation character for csv files import/export:"), separator_);
  return group;
}

void CConfigurationDialog::Load(const CConfigurationFields& configuration) {
  askLoadOld_->setChecked(configuration.askLoadOld);
  for (const EDataFile file : kDataFiles) pathEdit(file)->setText(ToQt(configuration.PathOf(file)));
  daysOldFix_->setValue(configuration.daysOldFix);
  daysOldHurri_->setValue(configuration.daysOldHurri);
  separator_->setEditText(ToQt(configuration.separator));
}

CConfigurationFields CConfigurationDialog::Fields() const {
  CConfigurationFields configuration;
  configuration.askLoadOld = askLoadOld_->isChecked();
  for (const EDataFile file : kDataFiles) configuration.PathOf(file) = pathEdit(file)->text().toStdString();
  configuration.daysOldFix = daysOldFix_->value();
  configuration.daysOldHurri = daysOldHurri_->value();
  configuration.separator = separator_->currentText().toStdString();
  return configuration;
}

void CConfigurationDialog::Browse(EDataFile file) {
  const std::optional<std::string> chosen = Prompter().ChooseOpenFile(BrowseChoice(file));
  if (!chosen) return;
  pathEdit(file)->setText(ToQt(*chosen));
  // Choosing the path already shown counts as a change too.
  SetChanged();
}

std::optional<CFieldRefusal> CConfigurationDialog::Validate() { return marigold::Validate(Fields()); }

void CConfigurationDialog::Apply() { ApplyConfiguration(Fields(), settings_); }

bool RunConfigurationDialog(QWidget* parent, CSettingsStore& settings, CPrompter& prompter) {
  CConfigurationDialog dialog(settings, prompter, parent);
  dialog.exec();
  return dialog.Applied();
}

}  // namespace marigold
