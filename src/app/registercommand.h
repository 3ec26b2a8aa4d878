#pragma once
#include <QString>

#include <cstdio>

namespace iqx {

struct CommandLine;
struct RegisterImport;

// informacja --import-register FILE: the register GMINY.txt of the working
// folder made anew from GUS's TERC file, without a window: the summary on
// standard output, a refusal on standard error. Without FILE (the desktop's
// "Aktualizuj rejestr gmin"), a file dialog asks for it and message boxes
// tell the outcome. Returns the exit status.
int runImportRegister(int &argc, char **argv, const CommandLine &cmd);

// The dialog's way, under an application object that exists already, the
// messages going to the sink in use: the per-user folder when asked for,
// the file dialog (Cancel: kOkStatus, nothing done), the import, and its
// summary or refusal as one message.
int importRegisterWithDialog(const CommandLine &cmd);

// The import's summary for the clerk. With `changesShown` >= 0, at most that
// many change lines, then how many more there are.
QString registerImportSummary(const RegisterImport &import, qsizetype changesShown = -1);

} // namespace iqx
