#pragma once
#include "storage/registerscanner.h"

namespace iqx {

// True when the register file exists in the current directory (a start
// without it is refused).
bool registerPresent();
// "Brak pliku GMINY.txt - ...": the message of a start without the register.
// It names the folder given by setWorkFolderShown(), else it says the
// program's own folder, where a program started by hand looks.
QString missingRegisterMessage();
// The folder the program was told to work in (the per-user folder), which
// the message above then names; empty for the current directory.
void setWorkFolderShown(const QString &folder);

// Looks `identifier` up in the register file at `path`, reading it piece by
// piece (memory stays flat however long the file). A file that cannot be
// read gives FileError with a user-facing text naming the file.
RegisterLookup lookupRegisterFile(const QString &path, const QString &identifier);
// The same in the register of the current directory, where the program works.
RegisterLookup lookupRegisterHere(const QString &identifier);

} // namespace iqx
