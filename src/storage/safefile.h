#pragma once
#include <QByteArray>
#include <QDir>
#include <QIODevice>
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

// Writes `bytes` to dir/fileName so that the file is either the old one or
// the new one, whole, whatever happens: the bytes go to a temporary file
// beside it ("<fileName>.zapis-XXXXXX"), are flushed to the disk, the
// temporary file then replaces the old one, and the folder is flushed so
// that the new name survives a power cut too. A symbolic link or anything
// but a regular file in the file's place is refused, never written through,
// and so is a read-only file (one whose permission bits allow nobody to
// write it: a clerk made it read-only; root keeps it too), which stays as
// it was. Every file the program writes goes through here.
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
    // The user-facing text of the first failure, naming the file.
    const QString &error() const { return error_; }
    // The same failure in the system's words alone, for a caller that
    // names the file in its own way.
    const QString &reason() const { return reason_; }
    // Whether the failure is a refusal to replace what stands in the file's
    // place (a read-only file, a link, a folder, a special file): that text
    // is the same whichever part of the program writes the file.
    bool refused() const { return refused_; }

private:
    void fail(const QString &action, const QString &reason);
    void refuse(const QString &reason);
    void discard();
    QDir dir_;
    QString fileName_;
    QByteArray path_;
    QByteArray temporary_;
    qintptr handle_ = -1; // platform::Handle of the temporary file
    QString error_;
    QString reason_;
    bool refused_ = false;
};

// An AtomicFileWriter for code that writes to a QIODevice (the PDF writer,
// the saved report). It is open for writing once made; what is written goes
// to the temporary file, and commit() puts it in place. The bytes stream
// to the disk as they come, so nothing is held in memory twice. A write
// that fails makes every later one fail too, and the writer keeps the
// first reason, so a writer that ignores failed writes (the PDF writer
// does) still has its failure reported by commit().
class AtomicFileDevice : public QIODevice {
public:
    AtomicFileDevice(const QDir &dir, const QString &fileName);
    ~AtomicFileDevice() override;

    bool isSequential() const override { return true; }
    // Empty on success, else the writer's error().
    QString commit();
    const AtomicFileWriter &writer() const { return writer_; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    AtomicFileWriter writer_;
};

// Removes temporary files that an interrupted write of ours left in `dir`:
// regular files named "InfoQX<digits>.iqx", "InfoQX.odzysk", "GMINY.txt" or
// "GMINY-poprzedni-<date>.txt" followed by ".zapis-" and six letters or
// digits; nothing else.
// Returns the names removed.
QStringList removeStaleTemporaryFiles(const QDir &dir);

} // namespace iqx
