#pragma once
// What the file tests put in a file's place, on either system: a symbolic
// link (on Windows a real one, not the .lnk shortcut QFile::link makes), a
// file another program holds open; on POSIX systems a name that is not
// valid in the system's encoding and a disk that fills up; and the memory
// the test has used.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#if defined(Q_OS_WIN)
#include <windows.h>
#include <psapi.h>
#else
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace testfs {

// A symbolic link at `link` to `target`; false where the system does not
// let this process make one (Windows without the right, say).
inline bool makeSymbolicLink(const QString &target, const QString &link)
{
#if defined(Q_OS_WIN)
    const DWORD flags =
        (QFileInfo(target).isDir() ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    const QString name = QDir::toNativeSeparators(link), to = QDir::toNativeSeparators(target);
    const auto *wideName = reinterpret_cast<const wchar_t *>(name.utf16());
    if (!CreateSymbolicLinkW(wideName, reinterpret_cast<const wchar_t *>(to.utf16()), flags))
        return false;
    // Some systems (Wine) report success and make nothing: the link must be there.
    const DWORD attributes = GetFileAttributesW(wideName);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
#else
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
#endif
}

// A whole file's bytes; "<unreadable>" when it cannot be read, so that a
// file that is missing never compares equal to one that is empty.
inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Writes a whole file in place (a test's set-up, not the program's writer).
[[nodiscard]] inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

#if !defined(Q_OS_WIN)
// Writes `bytes` to a new file at `path`, a name in the system's own bytes
// that need not be valid in its encoding (a Windows-1250 name copied from a
// Windows share), which QFile cannot name.
inline bool writeFileByBytes(const QByteArray &path, const QByteArray &bytes)
{
    QFile file;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    return fd >= 0 && file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)
           && file.write(bytes) == bytes.size();
}

// Caps the size any file of the process may grow to while it lives: a write
// beyond fails with EFBIG as on a full disk (SIGXFSZ is ignored, as the
// program does).
struct FileSizeLimit {
    rlimit saved{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit capped{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
};
#endif

// The most memory the process has held so far, in KiB.
inline qint64 peakMemoryKiB()
{
#if defined(Q_OS_WIN)
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return qint64(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

#if defined(Q_OS_WIN)
// `path` held open as another program holds a file it is working on: read
// and written, shared with nobody, so that Windows refuses to replace or
// delete it while this object lives.
class HeldOpen {
public:
    explicit HeldOpen(const QString &path)
        : handle_(CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                              GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
    {}
    ~HeldOpen()
    {
        if (isOpen())
            CloseHandle(handle_);
    }
    HeldOpen(const HeldOpen &) = delete;
    HeldOpen &operator=(const HeldOpen &) = delete;
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};
#endif

} // namespace testfs
