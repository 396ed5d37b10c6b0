#include "qtplatform/QtSettingsStore.h"

#include <QSettings>
#include <QString>
#include <QStringList>

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
