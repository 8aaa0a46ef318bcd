#include "version/handover.h"

#include "system/prompter.h"
#include "lang/messages.h"
#include "version/version_table.h"

namespace mv52 {

std::string otherProgramPath(const std::string& installationFolder, const std::string& programVersion,
                             const std::string& programFileName) {
    std::string path = installationFolder + "/" + programVersion + "/ZU_418/" + programFileName;
#ifdef _WIN32
    path += ".exe";
#endif
    return path;
}

HandoverResult startProgramFor(const HandoverContext& c, const std::string& otherVersion) {
    const std::string programVersion = programVersionFor(c.versions, otherVersion);
    if (!isVersionText(programVersion)) {
        c.prompter.ask(messageText(MessageKey::MsgVersionNotExist, c.language), MessageButtons::Ok,
                       MessageIcon::None);
        return HandoverResult::NoSuchVersion;
    }
    if (c.closeSerialPort) c.closeSerialPort();
    const bool started =
        c.launcher.startDetached(otherProgramPath(c.installationFolder, programVersion, c.programFileName));
    return started ? HandoverResult::Started : HandoverResult::StartFailed;
}

void handOverToVersion(const HandoverContext& c, const std::string& otherVersion,
                       const std::function<void()>& endProgram) {
    switch (startProgramFor(c, otherVersion)) {
        case HandoverResult::Started: endProgram(); return;
        case HandoverResult::StartFailed:
            c.prompter.ask(messageText(MessageKey::MsgFileError, c.language), MessageButtons::Ok, MessageIcon::None);
            return;
        case HandoverResult::NoSuchVersion: return;  // already reported
    }
}

}  // namespace mv52
