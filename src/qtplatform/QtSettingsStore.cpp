#include "qtplatform/QtSettingsStore.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <filesystem>

namespace marigold {
namespace {

QString KeyOf(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

CQtSettingsStore::CQtSettingsStore()
    : settings_(std::make_unique<QSettings>(QStringLiteral("Lanternfish Works"), QStringLiteral("Marigold Route"))) {}

CQtSettingsStore::CQtSettingsStore(const std::string& iniPath)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat)) {}

CQtSettingsStore::~CQtSettingsStore() = default;

void CQtSettingsStore::CopyFrom(const CQtSettingsStore& other) {
  for (const QString& key : other.settings_->allKeys()) settings_->setValue(key, other.settings_->value(key));
}

void CQtSettingsStore::CopyTo(CSettingsStore& other) const {
  for (const QString& key : settings_->allKeys()) {
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    if (slash <= 0) continue;  // every setting of ours has a section
    const QVariant value = settings_->value(key);
    // An unquoted text with a comma reads as a list.
    const QString text =
        value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(',')) : value.toString();
    other.WriteString(key.left(slash).toStdString(), key.mid(slash + 1).toStdString(), text.toStdString());
  }
}

void ReadDataFolderSettings(const std::string& folder, CSettingsStore& into) {
  const std::filesystem::path ini = std::filesystem::path(folder) / kDataFolderSettings;
  std::error_code error;
  if (std::filesystem::is_regular_file(ini, error)) CQtSettingsStore(ini.string()).CopyTo(into);
}

bool CQtSettingsStore::Sync() {
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

std::string CQtSettingsStore::GetString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue) const {
  return settings_->value(KeyOf(section, key), QString::fromStdString(defaultValue)).toString().toStdString();
}

int CQtSettingsStore::GetInt(const std::string& section, const std::string& key, int defaultValue) const {
  bool ok = false;
  const int value = settings_->value(KeyOf(section, key), defaultValue).toInt(&ok);
  return ok ? value : defaultValue;
}

void CQtSettingsStore::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  settings_->setValue(KeyOf(section, key), QString::fromStdString(value));
}

void CQtSettingsStore::WriteInt(const std::string& section, const std::string& key, int value) {
  settings_->setValue(KeyOf(section, key), value);
}

}  // namespace marigold
