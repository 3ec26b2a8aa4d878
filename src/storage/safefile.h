#pragma once
#include <QString>

class QFile;

namespace iqx {

// Opens `path` for reading only when it is a regular file that is not a
// symbolic link. Opening never blocks: a FIFO, a device or a directory is
// refused at once instead of being waited on, and a link is neither
// followed nor read through. False with the reason in `reason`.
bool openRegularFile(QFile &file, const QString &path, QString *reason);

} // namespace iqx
