#include "qtplatform/UserDataFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace marigold {

std::string UserDataFolder() {
  // Named here rather than through the application's names, which the
  // command line does not set.
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (data.isEmpty()) return {};
  return QDir::cleanPath(data + QStringLiteral("/Lanternfish Works/Marigold Route")).toStdString();
}

}  // namespace marigold
