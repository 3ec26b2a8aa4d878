#pragma once
#include <QString>
#include <QStringList>

namespace iqx {

// What the command line asks for. It is read before any application object
// exists, so that the caller can choose which one to construct.
struct CommandLine {
    enum class Mode {
        Window,  // the program with its main window
        Pdf,     // no window: the printed pages go to `pdfPath`
        Export,  // no window: the document(s) as JSON or CSV to `exportPath`
        Check,   // no window: the whole-document check, findings on standard output
        Help,    // print `text` on standard output, exit kOkStatus
        Version, // print `text` on standard output, exit kOkStatus
        Error,   // print `text` on standard error, exit kUsageStatus
        // The register GMINY.txt made anew from GUS's TERC file `importPath`;
        // without a file, one is chosen in a file dialog.
        ImportRegister,
    };
    Mode mode = Mode::Window;
    QString pdfPath;
    QString exportPath;
    QString importPath; // ImportRegister: the TERC file; empty: ask for it
    // The data files and folders named for Pdf, Export and Check (--data
    // and the trailing arguments, in order); empty: the first InfoQX*.iqx
    // of the working folder.
    QStringList dataPaths;
    // Work in the user's own documents folder instead of the current
    // directory (the desktop launcher passes this).
    bool userFolder = false;
    QString text;
};

// `arguments` starts with the program's own name, as argv does.
CommandLine parseCommandLine(const QStringList &arguments);

QString programVersion();

} // namespace iqx
