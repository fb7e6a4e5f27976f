#include "masterdata/DbfTableLock.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#include <io.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#ifndef Q_OS_WIN
bool lockFd(int fd, short type)
{
    struct flock fl = {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0; // the whole file, also what is appended later
#ifdef F_OFD_SETLKW
    // Open-file-description locks are not dropped when some other handle of
    // the same file in this process is closed.
    int rc;
    do
        rc = fcntl(fd, type == F_UNLCK ? F_OFD_SETLK : F_OFD_SETLKW, &fl);
    while (rc == -1 && errno == EINTR);
    if (rc == 0)
        return true;
    if (errno != EINVAL)
        return false;
    fl.l_pid = 0;
#endif
    int rc2;
    do
        rc2 = fcntl(fd, type == F_UNLCK ? F_SETLK : F_SETLKW, &fl);
    while (rc2 == -1 && errno == EINTR);
    return rc2 == 0;
}
#endif

} // namespace

DbfTableLock::DbfTableLock(QFile& file) : m_file(file)
{
    const int fd = file.handle();
    if (fd < 0)
        return;
#ifdef Q_OS_WIN
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    OVERLAPPED ov = {};
    m_locked = LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &ov) != 0;
#else
    m_locked = lockFd(fd, F_WRLCK);
#endif
}

DbfTableLock::~DbfTableLock()
{
    if (!m_locked)
        return;
    const int fd = m_file.handle();
    if (fd < 0)
        return;
#ifdef Q_OS_WIN
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    OVERLAPPED ov = {};
    UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &ov);
#else
    lockFd(fd, F_UNLCK);
#endif
}
