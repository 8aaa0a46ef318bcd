#include "platform/qt_process_launcher.h"

#include <QFileInfo>
#include <QProcess>

namespace mv52 {

bool QtProcessLauncher::startDetached(const std::string& path) {
    const QString program = QString::fromStdString(path);
    // Started in its own folder, as from a desktop shortcut.
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
}

}  // namespace mv52
