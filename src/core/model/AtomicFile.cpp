#include "model/AtomicFile.h"

#include "model/Errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orvex {

namespace {

std::string Reason() {
    return std::strerror(errno);
}

} // namespace

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    std::vector<char> temporary(path.begin(), path.end());
    const std::string suffix = ".XXXXXX";
    temporary.insert(temporary.end(), suffix.begin(), suffix.end());
    temporary.push_back('\0');
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw FileError("cannot write " + path + ": " + Reason());
    const std::string temporaryPath(temporary.data());
    const auto fail = [&](const std::string& reason) {
        ::close(fd);
        ::unlink(temporaryPath.c_str());
        throw FileError("cannot write " + path + ": " + reason);
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(Reason());
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        fail(Reason());
    // mkstemp creates the file readable by the owner only; give it the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0) {
        ::unlink(temporaryPath.c_str());
        throw FileError("cannot write " + path + ": " + Reason());
    }
    if (::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        const std::string reason = Reason();
        ::unlink(temporaryPath.c_str());
        throw FileError("cannot write " + path + ": " + reason);
    }
}

std::string ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError("cannot open " + path + ": " + Reason());
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        // A directory opens for reading on Linux; without this it would read as an empty file.
        const std::string reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : Reason();
        ::close(fd);
        throw FileError("cannot open " + path + ": " + reason);
    }
    // One byte more than the size, so that a file that does not grow is read without resizing.
    std::string content(S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) + 1 : 65536, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == content.size())
            content.resize(content.size() * 2);
        const ssize_t n = ::read(fd, content.data() + used, content.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const std::string reason = Reason();
            ::close(fd);
            throw FileError("cannot read " + path + ": " + reason);
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    content.resize(used);
    return content;
}

} // namespace orvex
