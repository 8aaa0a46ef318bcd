#pragma once
// Runs a save in a child process that kills itself (SIGKILL) at a chosen step, as a crash or
// a power cut at that moment would stop it.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "data/durable_files.h"

namespace mv52::test {

enum class SaveEnd { Killed, Completed, Failed };

// `save` gets a probe that kills the process at the `killAt`-th step it reports (1 for the
// first); past the last step the save runs to its end.
inline SaveEnd runKilledSave(int killAt, const std::function<bool(const SaveProbe&)>& save) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int seen = 0;
        const SaveProbe probe = [&](SaveStep, const std::string&) {
            if (++seen == killAt) ::kill(::getpid(), SIGKILL);
        };
        ::_exit(save(probe) ? 0 : 3);
    }
    if (pid < 0) return SaveEnd::Failed;
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) return SaveEnd::Failed;
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) return SaveEnd::Killed;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? SaveEnd::Completed : SaveEnd::Failed;
}

// Copies the regular files of `from` (temporary files included) into an emptied `to`, so the
// state a crash left can be loaded without changing it for the next save.
inline void copyFolderFiles(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::filesystem::remove_all(to);
    std::filesystem::create_directories(to);
    for (const auto& entry : std::filesystem::directory_iterator(from))
        if (entry.is_regular_file()) std::filesystem::copy_file(entry.path(), to / entry.path().filename());
}

}  // namespace mv52::test
