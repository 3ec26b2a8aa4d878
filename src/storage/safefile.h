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

// Reads `file` up to its first line end (CR or LF) or its end, at most
// `limit` bytes of line. Nullopt on a read error (reason in `reason`) or
// when the line is longer than `limit` (`tooLong` set).
std::optional<QByteArray> readFirstLine(QFile &file, qsizetype limit, bool *tooLong, QString *reason);

// Writes `bytes` to dir/fileName so that the file is either the old one or
// the new one, whole, whatever happens: the bytes go to a temporary file
// beside it ("<fileName>.zapis-XXXXXX"), are flushed to the disk, and the
// temporary file then replaces the old one. A symbolic link or anything but
// a regular file in the file's place is refused, never written through.
// Empty on success, else a user-facing text naming the file and the reason.
QString writeFileAtomically(const QDir &dir, const QString &fileName, const QByteArray &bytes);

// Removes temporary files that an interrupted write of ours left in `dir`
// ("InfoQX<digits>.iqx" followed by our temporary suffix); nothing else.
// Returns the names removed.
QStringList removeStaleTemporaryFiles(const QDir &dir);

} // namespace iqx
