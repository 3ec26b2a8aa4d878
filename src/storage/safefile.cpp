#include "storage/safefile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace iqx {

bool openRegularFile(QFile &file, const QString &path, QString *reason)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        *reason = err == ELOOP ? QStringLiteral("The file is a symbolic link; it is not followed.")
                               : QString::fromLocal8Bit(std::strerror(err));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = errno;
        ::close(fd);
        *reason = S_ISDIR(st.st_mode) ? QString::fromLocal8Bit(std::strerror(EISDIR))
                  : st.st_mode != 0   ? QStringLiteral("It is not a regular file.")
                                      : QString::fromLocal8Bit(std::strerror(err));
        return false;
    }
    // Reads of a regular file never wait; the flag only kept open() from
    // waiting on a FIFO.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace iqx
