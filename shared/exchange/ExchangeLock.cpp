#include "ExchangeLock.h"

#include "FileIo.h"
#include "Message.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exchange {

CExchangeLock::CExchangeLock()
{
    m_fd = ::open(kLockFile, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0644);
    const int openError = errno;
    struct stat st {};
    if (m_fd >= 0 && ::fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode))
        return;
    if (m_fd >= 0)
        ::close(m_fd);
    const text::CMessage reason = m_fd >= 0 ? text::Tr("FileIo", "it is not a regular file")
        : openError == ELOOP               ? text::Tr("FileIo", "it is a symbolic link")
                                           : text::CMessage::Verbatim(std::strerror(openError));
    throw FileError(text::Tr("FileIo", "cannot open \"%1\": %2").arg(kLockFile).arg(reason));
}

CExchangeLock::~CExchangeLock() { ::close(m_fd); }

bool CExchangeLock::TryAcquire()
{
    if (!m_bHeld)
        m_bHeld = ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
    return m_bHeld;
}

void ReleaseHandedOnLock()
{
    struct stat handed {}, lock {};
    if (::fstat(kHandedOnLockFd, &handed) == 0 && ::stat(kLockFile, &lock) == 0 && handed.st_dev == lock.st_dev
        && handed.st_ino == lock.st_ino)
        ::close(kHandedOnLockFd);
}

}  // namespace exchange
