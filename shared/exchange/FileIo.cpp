#include "FileIo.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exchange {

namespace {

[[noreturn]] void fail(const std::string& action, const std::string& path, int error)
{
    throw FileError("cannot " + action + " \"" + path + "\": " + std::strerror(error));
}

// Permissions for the replacement: those of the file it replaces, else the usual ones.
mode_t modeFor(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Appends everything fd holds to out; false on a read error (a folder, say), errno set.
bool readAll(int fd, std::string& out)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        out.append(buffer, static_cast<size_t>(n));
    }
}

// The file a write to path must replace: through a symbolic link, the file it points to,
// so that the link survives the rename.
std::string replacedFile(const std::string& path)
{
    char resolved[PATH_MAX];
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

}  // namespace

std::string ReadFileBytes(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail("open", path, errno);
    std::string contents;
    const bool read = readAll(fd, contents);
    const int readError = errno;
    ::close(fd);
    if (!read)
        fail("read", path, readError);
    return contents;
}

void WriteFileAtomically(const std::string& name, const std::string& bytes)
{
    const std::string path = replacedFile(name);
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        fail("create", path, errno);
    const bool written = ::fchmod(fd, modeFor(path)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.c_str());
        fail("write", path, written ? errno : writeError);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp.c_str());
        fail("write", path, renameError);
    }
}

}  // namespace exchange
