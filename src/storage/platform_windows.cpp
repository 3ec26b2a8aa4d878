// The file calls of Windows: the wide (UTF-16) functions throughout, so
// that Polish letters, network paths (\\server\share\...) and paths longer
// than the old 260-character limit all work.
#include "storage/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include <string>

namespace iqx::platform {

namespace {

// The path in the form the wide calls take whatever its length: absolute,
// with backslashes and the "\\?\" prefix ("\\?\UNC\server\share\..." for a
// network path). Behind that prefix Windows takes the name as it stands,
// so a file named CON or NUL in a folder is that file, never the device.
std::wstring wide(const NativePath &path)
{
    QString text = QString::fromUtf8(path);
    if (!text.startsWith(QLatin1String("\\\\?\\")) && !text.startsWith(QLatin1String("//?/"))) {
        text = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(text).absoluteFilePath()));
        if (text.startsWith(QLatin1String("\\\\")))
            text = QLatin1String("\\\\?\\UNC\\") + text.mid(2);
        else
            text = QLatin1String("\\\\?\\") + text;
    }
    return text.toStdWString();
}

// The system's words for an error, in the system's language, with a few
// that the clerk meets when saving put plainly.
QString reasonOf(DWORD err)
{
    switch (err) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return QStringLiteral("Another program has the file open; close it there and try again.");
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return QStringLiteral("There is not enough space on the disk.");
    case ERROR_WRITE_PROTECT:
        return QStringLiteral("The disk is write-protected.");
    default:
        break;
    }
    wchar_t *buffer = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, err, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    QString text = n ? QString::fromWCharArray(buffer, int(n)).trimmed() : QString();
    LocalFree(buffer);
    if (text.isEmpty())
        text = QStringLiteral("System error %1.").arg(err);
    return text;
}

void setReason(QString *reason, DWORD err)
{
    if (reason)
        *reason = reasonOf(err);
}

HANDLE toWin(Handle handle) { return reinterpret_cast<HANDLE>(handle); }
Handle fromWin(HANDLE handle) { return handle == INVALID_HANDLE_VALUE ? kNoHandle : reinterpret_cast<Handle>(handle); }

// A symbolic link, a junction or a mount point: a name that stands for
// another. Other reparse points (files kept in the cloud, deduplicated
// files) are the files themselves.
bool isNameSurrogate(DWORD attributes, DWORD tag)
{
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(tag);
}

// A FILETIME (100 ns since 1601, UTC) in milliseconds since 1970.
qint64 millisecondsSince1970(const FILETIME &t)
{
    constexpr qint64 k1601To1970Ms = 11644473600000LL;
    const quint64 ticks = (quint64(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return qint64(ticks / 10000) - k1601To1970Ms;
}

Status statusOfOpen(HANDLE h)
{
    Status s;
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_ATTRIBUTE_TAG_INFO tag{};
    const DWORD type = GetFileType(h);
    if (type == FILE_TYPE_PIPE) {
        s.kind = Status::Fifo;
        return s;
    }
    if (type == FILE_TYPE_CHAR) {
        s.kind = Status::Device;
        return s;
    }
    if (!GetFileInformationByHandle(h, &info)) {
        s.kind = Status::Unknown;
        s.error = reasonOf(GetLastError());
        return s;
    }
    if (!GetFileInformationByHandleEx(h, FileAttributeTagInfo, &tag, sizeof tag))
        tag.ReparseTag = 0;
    const DWORD a = info.dwFileAttributes;
    s.kind = isNameSurrogate(a, tag.ReparseTag) ? Status::Link
             : (a & FILE_ATTRIBUTE_DIRECTORY)   ? Status::Directory
             : type == FILE_TYPE_DISK           ? Status::Regular
                                                : Status::Other;
    const bool readOnly = (a & FILE_ATTRIBUTE_READONLY) != 0;
    s.permissions = readOnly ? 0444 : 0666;
    s.writableByNobody = readOnly;
    s.device = info.dwVolumeSerialNumber;
    s.inode = (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    s.modifiedMs = millisecondsSince1970(info.ftLastWriteTime);
    return s;
}

Status failedStatus(DWORD err)
{
    Status s;
    if (err != ERROR_FILE_NOT_FOUND && err != ERROR_PATH_NOT_FOUND && err != ERROR_INVALID_NAME
        && err != ERROR_BAD_NETPATH) {
        s.kind = Status::Unknown;
        s.error = reasonOf(err);
    }
    return s;
}

// Opens only to ask what stands there: no access to the contents, so a
// file another program holds open without sharing can still be looked at.
Status statusByName(const NativePath &path, DWORD flags)
{
    const HANDLE h =
        CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return failedStatus(GetLastError());
    Status s = statusOfOpen(h);
    CloseHandle(h);
    return s;
}

} // namespace

NativePath nativePath(const QString &path) { return path.toUtf8(); }

std::optional<QString> decodedPath(const NativePath &path)
{
    QString decoded = QString::fromUtf8(path);
    if (decoded.toUtf8() != path)
        return std::nullopt;
    return decoded;
}

NativePath joinPath(const NativePath &folder, const NativePath &name)
{
    return folder.endsWith('/') || folder.endsWith('\\') ? folder + name : folder + '/' + name;
}

Status statusOf(const NativePath &path) { return statusByName(path, FILE_FLAG_OPEN_REPARSE_POINT); }

Status statusThroughLinks(const NativePath &path) { return statusByName(path, 0); }

Handle openRegularForReading(const NativePath &path, OpenFailure *failure, QString *reason)
{
    // The reparse point itself is opened, never what it leads to; backup
    // semantics let a folder be opened, so that it is reported as one.
    const std::wstring name = wide(path);
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE h = CreateFileW(name.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                           FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD err = GetLastError();
        *failure =
            err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND ? OpenFailure::Missing : OpenFailure::Other;
        setReason(reason, err);
        return kNoHandle;
    }
    const DWORD type = GetFileType(h);
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (type != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info)) {
        CloseHandle(h);
        *failure = OpenFailure::NotRegular;
        setReason(reason, ERROR_BAD_FILE_TYPE);
        return kNoHandle;
    }
    if (!GetFileInformationByHandleEx(h, FileAttributeTagInfo, &tag, sizeof tag))
        tag.ReparseTag = 0;
    const DWORD a = info.dwFileAttributes;
    if (isNameSurrogate(a, tag.ReparseTag) || (a & FILE_ATTRIBUTE_DIRECTORY)) {
        CloseHandle(h);
        const bool folder = (a & FILE_ATTRIBUTE_DIRECTORY) && !isNameSurrogate(a, tag.ReparseTag);
        *failure = folder ? OpenFailure::Directory : OpenFailure::Link;
        // The words the POSIX build gives for a folder.
        if (reason)
            *reason = folder ? QStringLiteral("Is a directory") : reasonOf(ERROR_CANT_ACCESS_FILE);
        return kNoHandle;
    }
    if (a & FILE_ATTRIBUTE_REPARSE_POINT) {
        // A file of another kind of reparse point (kept in the cloud, say):
        // opened again the ordinary way, so that the system brings in its
        // contents; it must still be the same file.
        HANDLE again = CreateFileW(name.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
        BY_HANDLE_FILE_INFORMATION second{};
        const bool same = again != INVALID_HANDLE_VALUE && GetFileInformationByHandle(again, &second)
                          && second.dwVolumeSerialNumber == info.dwVolumeSerialNumber
                          && second.nFileIndexHigh == info.nFileIndexHigh && second.nFileIndexLow == info.nFileIndexLow;
        CloseHandle(h);
        if (!same) {
            const DWORD err = again == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_FILE_INVALID;
            if (again != INVALID_HANDLE_VALUE)
                CloseHandle(again);
            *failure = OpenFailure::Other;
            setReason(reason, err);
            return kNoHandle;
        }
        h = again;
    }
    *failure = OpenFailure::None;
    return fromWin(h);
}

Status statusOf(Handle handle) { return statusOfOpen(toWin(handle)); }

bool adoptForReading(QFile &file, Handle handle, QString *reason)
{
    // QFile reads a C runtime descriptor; the descriptor owns the handle.
    const int fd = _open_osfhandle(handle, _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(toWin(handle));
        if (reason)
            *reason = QStringLiteral("Too many open files.");
        return false;
    }
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    _close(fd);
    if (reason)
        *reason = file.errorString();
    return false;
}

qint64 readSome(Handle handle, char *buffer, qint64 size)
{
    DWORD got = 0;
    const DWORD want = DWORD(qMin<qint64>(size, 1 << 30));
    if (!ReadFile(toWin(handle), buffer, want, &got, nullptr))
        return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
    return qint64(got);
}

bool lockedByAnother(Handle handle)
{
    // The program that holds a lock keeps it open for writing and lets
    // nobody else write: opening it again for writing is refused then.
    const HANDLE again = ReOpenFile(toWin(handle), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0);
    if (again != INVALID_HANDLE_VALUE) {
        CloseHandle(again);
        return false;
    }
    const DWORD err = GetLastError();
    return err == ERROR_SHARING_VIOLATION || err == ERROR_LOCK_VIOLATION;
}

Handle createUniqueFile(NativePath &pathTemplate, unsigned /*permissions*/, QString *reason)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    if (!pathTemplate.endsWith("XXXXXX")) {
        setReason(reason, ERROR_INVALID_PARAMETER);
        return kNoHandle;
    }
    DWORD err = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < 100 && err == ERROR_FILE_EXISTS; ++attempt) {
        for (qsizetype i = pathTemplate.size() - 6; i < pathTemplate.size(); ++i)
            pathTemplate[i] = letters[QRandomGenerator::system()->bounded(int(sizeof letters - 1))];
        // Nobody else may open it while it is written; it is made new, so
        // nothing that stood at the name is ever written through.
        const HANDLE h = CreateFileW(wide(pathTemplate).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE)
            return fromWin(h);
        err = GetLastError();
    }
    setReason(reason, err);
    return kNoHandle;
}

bool writeAll(Handle handle, QByteArrayView bytes, QString *reason)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        const DWORD chunk = DWORD(qMin<qsizetype>(bytes.size() - done, 1 << 30));
        if (!WriteFile(toWin(handle), bytes.data() + done, chunk, &wrote, nullptr)) {
            setReason(reason, GetLastError());
            return false;
        }
        if (wrote == 0) {
            setReason(reason, ERROR_DISK_FULL);
            return false;
        }
        done += wrote;
    }
    return true;
}

bool flushToDisk(Handle handle, QString *reason)
{
    if (FlushFileBuffers(toWin(handle)))
        return true;
    setReason(reason, GetLastError());
    return false;
}

bool closeFile(Handle handle, QString *reason)
{
    if (CloseHandle(toWin(handle)))
        return true;
    setReason(reason, GetLastError());
    return false;
}

bool replaceFile(const NativePath &from, const NativePath &to, QString *reason)
{
    // The name is replaced in one step (a link standing at `to` is
    // replaced itself, never written through), and the call returns only
    // when the change is on the disk.
    if (MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD err = GetLastError();
    if (reason) {
        // Windows refuses to replace a file another program holds open,
        // and says only "access denied".
        if (err == ERROR_ACCESS_DENIED || err == ERROR_SHARING_VIOLATION)
            *reason = QStringLiteral("The file cannot be replaced: another program has it open, or it may not be "
                                     "changed. Close it in the other program and try again; the file is as it was.");
        else
            *reason = reasonOf(err);
    }
    return false;
}

void flushFolder(const NativePath &)
{
    // MOVEFILE_WRITE_THROUGH has put the new name on the disk.
}

bool removeFile(const NativePath &path, QString *reason)
{
    if (DeleteFileW(wide(path).c_str()))
        return true;
    setReason(reason, GetLastError());
    return false;
}

unsigned newFilePermissions() { return 0666; }

std::optional<qint64> processStartTime(qint64 pid)
{
    if (pid <= 0 || pid > qint64(MAXDWORD))
        return std::nullopt;
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        return std::nullopt;
    FILETIME created{}, exited{}, kernel{}, user{};
    DWORD exitCode = 0;
    const bool running = GetProcessTimes(process, &created, &exited, &kernel, &user)
                         && GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    CloseHandle(process);
    if (!running)
        return std::nullopt;
    return millisecondsSince1970(created);
}

std::optional<QList<NativePath>> folderNames(const NativePath &folder, QString *reason)
{
    std::wstring pattern = wide(folder);
    if (!pattern.empty() && pattern.back() != L'\\')
        pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW entry{};
    const HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH);
    QList<NativePath> names;
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD err = GetLastError();
        if (err == ERROR_FILE_NOT_FOUND)
            return names;
        setReason(reason, err);
        return std::nullopt;
    }
    DWORD err = ERROR_SUCCESS;
    for (;;) {
        const QString name = QString::fromWCharArray(entry.cFileName);
        if (name != QLatin1String(".") && name != QLatin1String(".."))
            names << name.toUtf8();
        if (!FindNextFileW(find, &entry)) {
            err = GetLastError();
            break;
        }
    }
    FindClose(find);
    if (err != ERROR_NO_MORE_FILES) {
        setReason(reason, err);
        return std::nullopt;
    }
    return names;
}

QStringList commandLineArguments(int, char *[])
{
    QStringList arguments;
    int count = 0;
    wchar_t **args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args)
        return arguments;
    for (int i = 0; i < count; ++i)
        arguments << QString::fromWCharArray(args[i]);
    LocalFree(args);
    return arguments;
}

namespace {

bool hasHandle(DWORD which)
{
    const HANDLE h = GetStdHandle(which);
    return h != nullptr && h != INVALID_HANDLE_VALUE;
}

} // namespace

void prepareStandardStreams()
{
    // A windows program started from a command prompt has no standard
    // streams of its own; where neither is redirected, the prompt's console
    // is taken. Started from the Start menu there is none, and nothing is
    // shown (the messages go to the exit status).
    if (!hasHandle(STD_OUTPUT_HANDLE) && !hasHandle(STD_ERROR_HANDLE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::FILE *ignored = nullptr;
        freopen_s(&ignored, "CONOUT$", "w", stdout);
        freopen_s(&ignored, "CONOUT$", "w", stderr);
        SetConsoleOutputCP(CP_UTF8);
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

void reportOversizedWritesAsErrors()
{
    // Windows has no file-size signal: a write beyond a limit fails and is
    // reported as it is.
}

} // namespace iqx::platform
