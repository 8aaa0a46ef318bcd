#include "data/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "data/durable_files.h"

namespace mv52 {

std::optional<std::vector<std::uint8_t>> readFilePrefix(const std::string& path, std::size_t limit,
                                                        FileFailure* failure) {
    const auto fail = [&](int code) -> std::optional<std::vector<std::uint8_t>> {
        if (failure != nullptr) *failure = {path, code};
        return std::nullopt;
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fail(errno);
    std::vector<std::uint8_t> bytes(limit);
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t n = ::read(fd, bytes.data() + done, limit - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int code = errno;
            ::close(fd);
            return fail(code);  // EISDIR for a folder
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

}  // namespace mv52
