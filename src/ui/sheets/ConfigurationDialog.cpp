#include "ui/sheets/ConfigurationDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Settings.h"

namespace marigold {
namespace {

constexpr const char* kCancelQuestion = "Data has changed!\nCancel all changes?";

struct CPathRow {
  EDataFile file;
  const char* label;
};

// The order the officer reads them in, not the load order.
constexpr CPathRow kPathRows[] = {
    {EDataFile::Vessel, "Vessel data "}, {EDataFile::History, "Position data"},
    {EDataFile::Ports, "Port data "},    {EDataFile::Meteo, "Meteo data"},
    {EDataFile::Warnings, "Nav warnings"}, {EDataFile::Hurricanes, "Hurricane data"},
};

// Accepts any two-digit number as typed, so that a value out of range gets
// the standard refusal on OK instead of being silently kept at its old value;
// the arrows stay inside the valid range.
class CDaysSpinBox final : public QSpinBox {
 public:
  CDaysSpinBox(const CIntSetting& setting, QWidget* parent)
      : QSpinBox(parent), low_(setting.min), high_(setting.max) {
    setRange(0, 99);
  }

  void stepBy(int steps) override { setValue(std::clamp(value() + steps * singleStep(), low_, high_)); }

 protected:
  StepEnabled stepEnabled() const override {
    StepEnabled enabled = StepNone;
    if (value() < high_) enabled |= StepUpEnabled;
    if (value() > low_) enabled |= StepDownEnabled;
    return enabled;
  }

 private:
  int low_;
  int high_;
};

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CConfigurationDialog::CConfigurationDialog(CSettingsStore& settings, CPrompter& prompter, QWidget* parent)
    : QDialog(parent), settings_(settings), prompter_(prompter) {
  setWindowTitle(QStringLiteral("Configuration"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildOptions());
  layout->addWidget(BuildPaths());
  layout->addWidget(BuildCleanUp());
  layout->addWidget(BuildSeparator());
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons_, &QDialogButtonBox::accepted, this, &CConfigurationDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &CConfigurationDialog::reject);
  layout->addWidget(buttons_);

  Load(CConfiguration::Read(settings_));
  changed_ = false;
}

QWidget* CConfigurationDialog::BuildOptions() {
  auto* group = new QGroupBox(QStringLiteral("Program Options"), this);
  auto* layout = new QVBoxLayout(group);
  askLoadOld_ = new QCheckBox(QStringLiteral("Compatible with old versions of route files (file open-dialog)"), group);
  askLoadOld_->setObjectName(QString::fromLatin1(settings::kAskLoadOld.key));
  connect(askLoadOld_, &QCheckBox::toggled, this, &CConfigurationDialog::SetChanged);
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
    connect(edit, &QLineEdit::textEdited, this, &CConfigurationDialog::SetChanged);
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
  daysOldFix_->setObjectName(QString::fromLatin1(settings::kDaysOldFix.key));
  daysOldHurri_ = new CDaysSpinBox(settings::kDaysOldHurri, group);
  daysOldHurri_->setObjectName(QString::fromLatin1(settings::kDaysOldHurri.key));
  for (QSpinBox* box : {daysOldFix_, daysOldHurri_})
    connect(box, &QSpinBox::valueChanged, this, &CConfigurationDialog::SetChanged);
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
  connect(separator_, &QComboBox::editTextChanged, this, &CConfigurationDialog::SetChanged);
  form->addRow(QStringLiteral("Separation character for csv files import/export:"), separator_);
  return group;
}

void CConfigurationDialog::Load(const CConfiguration& configuration) {
  askLoadOld_->setChecked(configuration.askLoadOld);
  for (const EDataFile file : kDataFiles) pathEdit(file)->setText(ToQt(configuration.PathOf(file)));
  daysOldFix_->setValue(configuration.daysOldFix);
  daysOldHurri_->setValue(configuration.daysOldHurri);
  separator_->setEditText(ToQt(configuration.separator));
}

CConfiguration CConfigurationDialog::Fields() const {
  CConfiguration configuration;
  configuration.askLoadOld = askLoadOld_->isChecked();
  for (const EDataFile file : kDataFiles) configuration.PathOf(file) = pathEdit(file)->text().toStdString();
  configuration.daysOldFix = daysOldFix_->value();
  configuration.daysOldHurri = daysOldHurri_->value();
  configuration.separator = separator_->currentText().toStdString();
  return configuration;
}

void CConfigurationDialog::Browse(EDataFile file) {
  const std::optional<std::string> chosen = prompter_.ChooseOpenFile(BrowseChoice(file));
  if (!chosen) return;
  pathEdit(file)->setText(ToQt(*chosen));
  changed_ = true;
}

bool CConfigurationDialog::Commit() {
  const CConfiguration configuration = Fields();
  if (const auto refusal = configuration.Validate()) {
    prompter_.Message(*refusal, EMessageIcon::Exclamation);
    return false;
  }
  configuration.Write(settings_);
  changed_ = false;
  written_ = true;
  return true;
}

void CConfigurationDialog::accept() {
  if (changed_ && !Commit()) return;
  QDialog::accept();
}

void CConfigurationDialog::reject() {
  if (changed_ && !prompter_.AskYesNo(kCancelQuestion)) {
    // Keeping the changes must not store values the OK button would refuse.
    if (!Commit()) return;
    QDialog::accept();
    return;
  }
  QDialog::reject();
}

bool RunConfigurationDialog(QWidget* parent, CSettingsStore& settings, CPrompter& prompter) {
  CConfigurationDialog dialog(settings, prompter, parent);
  dialog.exec();
  return dialog.Written();
}

}  // namespace marigold
