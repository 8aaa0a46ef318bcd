#pragma once
// The simulated radio as a child process: started with options, its pseudo-terminal path
// read from its first line of output, stopped with SIGTERM at the end of the test.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace mv52::test {

class SimProcess {
public:
    // `errorFile`: where the simulator's standard error goes (its frame log with --verbose).
    explicit SimProcess(const std::vector<std::string>& options, const std::string& errorFile = {}) {
        int out[2];
        if (::pipe(out) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            if (!errorFile.empty()) {
                const int err = ::open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
                if (err >= 0) ::dup2(err, STDERR_FILENO);
            }
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv;
            std::string program = MV52_RADIO_SIM;
            argv.push_back(program.data());
            std::vector<std::string> copy = options;
            for (std::string& o : copy) argv.push_back(o.data());
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        stdout_ = ::fdopen(out[0], "r");
        char line[512] = {};
        if (stdout_ && std::fgets(line, sizeof line, stdout_)) {
            path_ = line;
            while (!path_.empty() && (path_.back() == '\n' || path_.back() == '\r')) path_.pop_back();
        }
    }
    ~SimProcess() { stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& path() const { return path_; }

    // SIGTERM, then the exit status (-1 when it did not exit normally).
    int stop() {
        if (pid_ <= 0) return status_;
        ::kill(pid_, SIGTERM);
        int raw = 0;
        ::waitpid(pid_, &raw, 0);
        pid_ = -1;
        if (stdout_) std::fclose(stdout_);
        stdout_ = nullptr;
        status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return status_;
    }

private:
    pid_t pid_ = -1;
    FILE* stdout_ = nullptr;
    std::string path_;
    int status_ = -1;
};

}  // namespace mv52::test
