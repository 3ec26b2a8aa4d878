#include "storage/safefile.h"

#include "base/messages.h"

#include "storage/platform.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace iqx {

namespace {

const QString kTemporarySuffix = QStringLiteral(".zapis-XXXXXX");

QString readOnlyReason()
{
    return QStringLiteral("The file is read-only (its permissions allow no writing); the program does not "
                          "replace it, and nothing was written.");
}

QString openRefusal(platform::OpenFailure failure, const QString &reason)
{
    switch (failure) {
    case platform::OpenFailure::Link:
        return QStringLiteral("It is a symbolic link, which the program does not follow.");
    case platform::OpenFailure::NotRegular:
        return QStringLiteral("It is not a regular file.");
    default:
        return reason;
    }
}

} // namespace

bool openRegularFile(QFile &file, const QString &path, QString *reason)
{
    return openRegularFile(file, platform::nativePath(path), reason);
}

bool openRegularFile(QFile &file, const QByteArray &name, QString *reason)
{
    platform::OpenFailure failure = platform::OpenFailure::None;
    QString why;
    const platform::Handle handle = platform::openRegularForReading(name, &failure, &why);
    if (handle == platform::kNoHandle) {
        *reason = openRefusal(failure, why);
        return false;
    }
    return platform::adoptForReading(file, handle, reason);
}

bool entryExists(const QString &path)
{
    return platform::statusOf(platform::nativePath(path)).kind != platform::Status::Missing;
}

bool removeEntry(const QString &path, QString *reason)
{
    const platform::NativePath name = platform::nativePath(path);
    return platform::removeFile(name, reason) || platform::statusOf(name).kind == platform::Status::Missing;
}

bool renameEntry(const QString &from, const QString &to, QString *reason)
{
    return platform::replaceFile(platform::nativePath(from), platform::nativePath(to), reason);
}

std::optional<QByteArray> readBounded(QFile &file, qsizetype limit, bool firstLineOnly, bool *tooLong, QString *reason)
{
    *tooLong = false;
    QByteArray line;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0) {
            *reason = file.errorString();
            return std::nullopt;
        }
        const char *end = firstLineOnly
                              ? std::find_if(buffer, buffer + n, [](char c) { return c == '\r' || c == '\n'; })
                              : buffer + n;
        line.append(buffer, end - buffer);
        if (line.size() > limit) {
            *tooLong = true;
            return std::nullopt;
        }
        if (n == 0 || end != buffer + n)
            return line;
    }
}

AtomicFileWriter::AtomicFileWriter(const QDir &dir, const QString &fileName)
    : dir_(dir), fileName_(fileName), path_(platform::nativePath(dir.filePath(fileName)))
{
    // What stands in the file's place now: only a regular file is replaced.
    const platform::Status st = platform::statusOf(path_);
    unsigned permissions = 0;
    switch (st.kind) {
    case platform::Status::Missing:
        permissions = platform::newFilePermissions();
        break;
    case platform::Status::Regular:
        // No write permission for anyone in the permission bits: a clerk
        // made it read-only. Root, whom the bits do not stop, keeps it too.
        if (st.writableByNobody) {
            refuse(readOnlyReason());
            return;
        }
        permissions = st.permissions;
        break;
    case platform::Status::Link:
        refuse(QStringLiteral("It is a symbolic link; the program writes no file through a link, and "
                              "nothing was written."));
        return;
    case platform::Status::Directory:
        refuse(QStringLiteral("Is a directory"));
        return;
    case platform::Status::Unknown:
        fail(QStringLiteral("Cannot create file"), st.error);
        return;
    default:
        refuse(QStringLiteral("It is not a regular file."));
        return;
    }

    temporary_ = path_ + platform::nativePath(kTemporarySuffix);
    QString reason;
    handle_ = platform::createUniqueFile(temporary_, permissions, &reason);
    if (handle_ == platform::kNoHandle)
        fail(QStringLiteral("Cannot create file"), reason);
}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

void AtomicFileWriter::fail(const QString &action, const QString &reason)
{
    if (error_.isEmpty()) {
        error_ = fileErrorText(action, fileName_, reason);
        reason_ = reason;
    }
    discard();
}

void AtomicFileWriter::refuse(const QString &reason)
{
    refused_ = true;
    fail(QStringLiteral("Cannot create file"), reason);
}

void AtomicFileWriter::discard()
{
    if (handle_ != platform::kNoHandle) {
        platform::closeFile(handle_);
        handle_ = platform::kNoHandle;
        platform::removeFile(temporary_);
    }
}

bool AtomicFileWriter::append(QByteArrayView bytes)
{
    if (handle_ == platform::kNoHandle)
        return false;
    QString reason;
    if (!platform::writeAll(handle_, bytes, &reason))
        fail(QStringLiteral("Cannot write file"), reason);
    return handle_ != platform::kNoHandle;
}

QString AtomicFileWriter::commit()
{
    if (handle_ == platform::kNoHandle)
        return error_;
    QString reason;
    if (!platform::flushToDisk(handle_, &reason)) {
        fail(QStringLiteral("Cannot write file"), reason);
        return error_;
    }
    const platform::Handle handle = handle_;
    handle_ = platform::kNoHandle;
    if (!platform::closeFile(handle, &reason) || !platform::replaceFile(temporary_, path_, &reason)) {
        platform::removeFile(temporary_);
        error_ = fileErrorText(QStringLiteral("Cannot write file"), fileName_, reason);
        reason_ = reason;
        return error_;
    }
    // The new name is on the disk too.
    platform::flushFolder(platform::nativePath(dir_.absolutePath()));
    return {};
}

QString writeFileAtomically(const QDir &dir, const QString &fileName, const QByteArray &bytes)
{
    AtomicFileWriter file(dir, fileName);
    file.append(bytes);
    return file.commit();
}

AtomicFileDevice::AtomicFileDevice(const QDir &dir, const QString &fileName) : writer_(dir, fileName)
{
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (!writer_.error().isEmpty())
        setErrorString(writer_.reason());
}

AtomicFileDevice::~AtomicFileDevice() = default;

QString AtomicFileDevice::commit()
{
    close();
    return writer_.commit();
}

qint64 AtomicFileDevice::readData(char *, qint64) { return -1; }

qint64 AtomicFileDevice::writeData(const char *data, qint64 size)
{
    if (writer_.append(QByteArrayView(data, size)))
        return size;
    setErrorString(writer_.reason());
    return -1;
}

QStringList removeStaleTemporaryFiles(const QDir &dir)
{
    // Ours: the temporary suffix this program writes, after a data file, the
    // recovery copy, the register or the copy of a register it replaced. A
    // name that only looks like one (a clerk's "InfoQX0201032.iqx.kopia1")
    // is the clerk's, and stays.
    static const QRegularExpression ours(
        QStringLiteral("^(InfoQX([0-9]*\\.iqx|\\.odzysk)|GMINY(-poprzedni-[0-9-]+)?\\.txt)\\.zapis-[A-Za-z0-9]{6}$"));
    QStringList removed;
    const QStringList candidates = dir.entryList({QStringLiteral("InfoQX*.*"), QStringLiteral("GMINY*.zapis-*")},
                                                 QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : candidates) {
        if (!ours.match(name).hasMatch())
            continue;
        // Only a regular file: a link, a folder or a device of that name
        // is not one we left.
        const platform::NativePath path = platform::nativePath(dir.filePath(name));
        if (platform::statusOf(path).kind == platform::Status::Regular && platform::removeFile(path))
            removed << name;
    }
    return removed;
}

} // namespace iqx
