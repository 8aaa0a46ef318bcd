#include "platform/user_folders.h"

#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

namespace mv52 {
namespace {

std::string below(const QString& base, const char* rest) {
    if (base.isEmpty()) return {};
    return (base + QLatin1Char('/') + QLatin1String(rest)).toStdString();
}

// Qt 6.4 names no state location; the XDG rule: an absolute $XDG_STATE_HOME, else
// ~/.local/state.
QString stateLocation() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!state.isEmpty() && QDir::isAbsolutePath(state)) return state;
    const QString home = QDir::homePath();
    return home.isEmpty() ? QString() : home + QStringLiteral("/.local/state");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
}

}  // namespace

UserFolders userFolders() {
    return {below(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), "MV52"),
            below(stateLocation(), "MV52/logs")};
}

}  // namespace mv52
