#include "FileIo.h"

#include "Message.h"
#include "Printable.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exchange {

namespace {

// The prefix of the temporary file a write creates beside its target: short, so that a
// target whose name has the longest length a folder allows can still be written.
constexpr char kTemporaryName[] = ".filter-XXXXXX";

// What failed, with a file name for %1 and the reason for %2.
enum class Action { Open, Read, Write, Create };

text::CMessage failure(Action action)
{
    switch (action) {
    case Action::Open: return text::Tr("FileIo", "cannot open \"%1\": %2");
    case Action::Read: return text::Tr("FileIo", "cannot read \"%1\": %2");
    case Action::Write: return text::Tr("FileIo", "cannot write \"%1\": %2");
    default: return text::Tr("FileIo", "cannot create \"%1\": %2");
    }
}

[[noreturn]] void fail(Action action, const std::string& path, const text::CMessage& reason)
{
    throw FileError(failure(action).arg(PrintableText(path)).arg(reason));
}

[[noreturn]] void fail(Action action, const std::string& path, int error)
{
    fail(action, path, text::CMessage::Verbatim(std::strerror(error)));
}

// Why a file of this kind is neither read nor replaced.
text::CMessage notRegular(const struct stat& st)
{
    return S_ISDIR(st.st_mode) ? text::Tr("FileIo", "it is a folder") : text::Tr("FileIo", "it is not a regular file");
}

text::CMessage describeBytes(size_t bytes)
{
    for (const auto& [shift, unit] : {std::pair{30, " GiB"}, std::pair{20, " MiB"}, std::pair{10, " KiB"}})
        if (bytes >= (size_t{1} << shift) && bytes % (size_t{1} << shift) == 0)
            return text::CMessage::Verbatim(std::to_string(bytes >> shift) + unit);
    return text::Tr("FileIo", "%1 bytes").arg(bytes);
}

text::CMessage tooLarge(size_t maxBytes) { return text::Tr("FileIo", "it is larger than %1").arg(describeBytes(maxBytes)); }

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

// The file a write to path must replace: through a symbolic link, the file it points to,
// so that the link survives the rename.
std::string followedFile(const std::string& path)
{
    char resolved[PATH_MAX];
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

// Refuses a target that exists and is not a regular file (a link to be replaced is fine);
// returns the permissions for the replacement: those of the file it replaces, else the
// usual ones.
mode_t checkTarget(const std::string& name, const std::string& target, LinkPolicy links)
{
    struct stat st {};
    const int found = links == LinkPolicy::Follow ? ::stat(target.c_str(), &st) : ::lstat(target.c_str(), &st);
    if (found == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    if (found == 0 && !S_ISLNK(st.st_mode))
        fail(Action::Write, name, notRegular(st));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string temporaryBeside(const std::string& target)
{
    const size_t slash = target.find_last_of('/');
    return (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + kTemporaryName;
}

}  // namespace

CReadFile::CReadFile(const std::string& path, size_t maxBytes) : m_path(path)
{
    if (path.empty())
        fail(Action::Open, path, text::Tr("FileIo", "no file name given"));
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        fail(Action::Open, path, errno);
    if (!S_ISREG(st.st_mode))
        fail(Action::Open, path, notRegular(st));
    // Not blocking: should a FIFO have taken the file's place since, the open returns.
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (m_fd < 0)
        fail(Action::Open, path, errno);
    if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(m_fd);
        fail(Action::Open, path, notRegular(st));
    }
    m_size = static_cast<size_t>(st.st_size);
    if (m_size > maxBytes) {
        ::close(m_fd);
        fail(Action::Open, path, tooLarge(maxBytes));
    }
}

CReadFile::~CReadFile() { ::close(m_fd); }

std::string CReadFile::Read(size_t count)
{
    std::string out;
    out.reserve(std::min(count, m_size));
    char buffer[65536];
    while (out.size() < count) {
        const ssize_t n = ::read(m_fd, buffer, std::min(sizeof buffer, count - out.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(Action::Read, m_path, errno);
        if (n == 0)
            break;
        out.append(buffer, static_cast<size_t>(n));
    }
    return out;
}

std::string ReadFileBytes(const std::string& path, size_t maxBytes)
{
    CReadFile file(path, maxBytes);
    std::string contents = file.Read(maxBytes + 1);
    if (contents.size() > maxBytes)  // grown since it was opened
        fail(Action::Read, path, tooLarge(maxBytes));
    return contents;
}

void WriteFileAtomically(const std::string& name, const std::string& bytes, LinkPolicy links)
{
    if (name.empty())
        fail(Action::Write, name, text::Tr("FileIo", "no file name given"));
    const std::string path = links == LinkPolicy::Follow ? followedFile(name) : name;
    const mode_t mode = checkTarget(name, path, links);
    std::string temp = temporaryBeside(path);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        fail(Action::Create, name, errno);
    const bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.c_str());
        fail(Action::Write, name, written ? errno : writeError);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp.c_str());
        fail(Action::Write, name, renameError);
    }
}

}  // namespace exchange
