#include "model/AtomicFile.h"

#include "model/Errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orvex {

namespace {

std::string Reason() { return std::strerror(errno); }

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
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("cannot open " + path + ": " + Reason());
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw FileError("cannot read " + path);
    return content.str();
}

} // namespace orvex
