#pragma once
#include "storage/registerscanner.h"

#include <QDir>

namespace iqx {

// True when the register file exists in `folder` (a start without it is
// refused).
bool registerPresent(const QDir &folder);
// "Brak pliku GMINY.txt - ...": the message of a start without the register.
// It names `namedFolder` when the program was told to work there (the
// per-user folder); without one it says the program's own folder, where a
// program started by hand looks.
QString missingRegisterMessage(const QString &namedFolder = {});

// Looks `key` up in the register file at `path`, reading it piece by piece
// (memory stays flat however long the file). A file that cannot be read
// gives FileError with a user-facing text naming the file.
RegisterLookup lookupRegisterFile(const QString &path, const QString &key);

} // namespace iqx
