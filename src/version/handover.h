#pragma once
// Handing over to the installed program version that goes with a firmware or data-file
// version: <installation>/<version>/ZU_418/<this program's file name>.

#include <functional>
#include <string>

#include "lang/language.h"

namespace mv52 {

struct VersionTable;
class Prompter;

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts the program as a normal window and does not wait for it; false when it cannot.
    virtual bool startDetached(const std::string& path) = 0;
};

enum class HandoverResult {
    Started,      // the other program runs; this one must end at once
    NoSuchVersion,  // "Fail to start the software. This version does not exist." was shown
    StartFailed,  // the program could not be started; the caller reports "file error."
};

struct HandoverContext {
    const VersionTable& versions;
    std::string installationFolder;
    std::string programFileName;  // the running program's file name, without ".exe"
    ProcessLauncher& launcher;
    Prompter& prompter;
    LanguageIndex language;
    std::function<void()> closeSerialPort;  // may be empty
};

// The path of the program for `programVersion`; ".exe" is added on Windows only.
std::string otherProgramPath(const std::string& installationFolder, const std::string& programVersion,
                             const std::string& programFileName);

// A program version taken from Version.ini becomes part of a path: only a version text
// ("V" and three digits) is accepted, anything else counts as no pair.
HandoverResult startProgramFor(const HandoverContext& context, const std::string& otherVersion);

// The whole hand-over as the windows run it: start the other program, then `endProgram` at
// once; a program that cannot be started is reported as "file error.".
void handOverToVersion(const HandoverContext& context, const std::string& otherVersion,
                       const std::function<void()>& endProgram);

}  // namespace mv52
