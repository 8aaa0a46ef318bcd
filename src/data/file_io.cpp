#include "data/file_io.h"

#include <cerrno>

#include "data/durable_files.h"
#include "data/native_files.h"

namespace mv52 {

std::optional<std::vector<std::uint8_t>> readFilePrefix(const std::string& path, std::size_t limit,
                                                        FileFailure* failure) {
    const auto fail = [&](int code) -> std::optional<std::vector<std::uint8_t>> {
        if (failure != nullptr) *failure = {path, code};
        return std::nullopt;
    };
    const int fd = native::openToRead(path);
    if (fd < 0) return fail(errno);
    std::vector<std::uint8_t> bytes(limit);
    std::size_t done = 0;
    while (done < limit) {
        const std::int64_t n = native::readSome(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            const int code = errno;
            native::closeFile(fd);
            return fail(code);  // EISDIR for a folder
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    native::closeFile(fd);
    bytes.resize(done);
    return bytes;
}

}  // namespace mv52
