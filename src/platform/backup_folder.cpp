#include "platform/backup_folder.h"

#include <QStandardPaths>

namespace mv52 {

std::string readBackupFolder() {
    // The generic location with our own folder name, so that mv52 and mv52ctl (which sets no
    // application name) agree on one folder.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) return {};
    return (base + QStringLiteral("/MV52/backups")).toStdString();
}

}  // namespace mv52
