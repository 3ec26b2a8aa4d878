#pragma once
#include <QByteArray>
#include <QDir>
#include <QString>

class QFile;

// Files of the program's folder, opened and written so that a hostile or
// unlucky folder cannot hang the program, take its memory, make it write
// outside the folder or lose an earlier file.
namespace iqx {

// Opens `path` for reading only when it is a regular file that is not a
// symbolic link. Opening never blocks: a FIFO, a device or a directory is
// refused at once instead of being waited on, and a link is neither
// followed nor read through. False with the reason in `reason`.
bool openRegularFile(QFile &file, const QString &path, QString *reason);
// The same, for a path in the system's own bytes.
bool openRegularFile(QFile &file, const QByteArray &path, QString *reason);

// Whether anything stands at `path` (a link counts; it is not followed).
bool entryExists(const QString &path);
// Removes the name `path`: a file, or a link itself, never what it leads
// to. True when nothing stands there afterwards.
bool removeEntry(const QString &path, QString *reason = nullptr);
// Gives the file `from` the name `to`, replacing a file there.
bool renameEntry(const QString &from, const QString &to, QString *reason);

// Reads `file` to its end, or with `firstLineOnly` up to its first line end
// (CR or LF), at most `limit` bytes. Nullopt on a read error (reason in
// `reason`) or when there are more than `limit` bytes (`tooLong` set).
std::optional<QByteArray> readBounded(QFile &file, qsizetype limit, bool firstLineOnly, bool *tooLong, QString *reason);

// Whether the file at `path` is one the program must not replace: its
// permission bits allow nobody to write it (a clerk made it read-only), for
// root as for anybody. A missing file is not read-only.
bool isReadOnlyFile(const QString &path);
// The reason given when such a file is refused.
QString readOnlyReason();

// Writes `bytes` to dir/fileName so that the file is either the old one or
// the new one, whole, whatever happens: the bytes go to a temporary file
// beside it ("<fileName>.zapis-XXXXXX"), are flushed to the disk, and the
// temporary file then replaces the old one. A symbolic link or anything but
// a regular file in the file's place is refused, never written through, and
// so is a read-only file (isReadOnlyFile), which stays as it was.
// Empty on success, else a user-facing text naming the file and the reason.
QString writeFileAtomically(const QDir &dir, const QString &fileName, const QByteArray &bytes);

// The same, for a file written piece by piece (a long export): the pieces go
// to the temporary file as they come, and commit() puts it in place. Until
// then nothing under `fileName` changes; a writer destroyed without a
// successful commit() removes its temporary file. After the first failure
// every call does nothing, and error() / commit() give the reason.
class AtomicFileWriter {
public:
    AtomicFileWriter(const QDir &dir, const QString &fileName);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    bool append(QByteArrayView bytes);
    // Flushes, closes and renames; empty on success, else the reason.
    QString commit();
    const QString &error() const { return error_; }

private:
    void fail(const QString &action, const QString &reason);
    void discard();
    QDir dir_;
    QString fileName_;
    QByteArray path_;
    QByteArray temporary_;
    qintptr handle_ = -1; // platform::Handle of the temporary file
    QString error_;
};

// Removes temporary files that an interrupted write of ours left in `dir`:
// regular files named "InfoQX<digits>.iqx" or "InfoQX.odzysk" followed by
// ".zapis-" and six letters or digits; nothing else.
// Returns the names removed.
QStringList removeStaleTemporaryFiles(const QDir &dir);

} // namespace iqx
