#pragma once
#include "app/workfolder.h"

#include <QString>
#include <QTranslator>
#include <functional>

namespace iqx {

class MainWindow;
struct CommandLine;

// What every mode with widgets sets up once its QApplication exists: the
// program's name and version, the Fusion style, and Qt's own texts (a box's
// context menu, the file and print dialogs) in Polish, as everything else
// the clerk reads. Keep it alive as long as the widgets.
class WidgetsSetUp {
public:
    WidgetsSetUp();
    WidgetsSetUp(const WidgetsSetUp &) = delete;
    WidgetsSetUp &operator=(const WidgetsSetUp &) = delete;

private:
    QTranslator qtTexts_;
};

// The folder the program works in: the per-user folder, prepared and
// entered, for the launcher (--user-folder); else the folder it was started
// in. Nullopt (after the message) when the per-user folder cannot be used.
std::optional<WorkFolder> workFolderOf(const CommandLine &cmd);

// The program with its window: creates the application and the main
// window, and runs until the window closes. Returns the exit status.
// `onCreated` (for benchmarks) sees the window before it is shown.
int runWindow(int &argc, char **argv, const CommandLine &cmd, const std::function<void(MainWindow &)> &onCreated = {});
// The same under an application object that exists already, with the
// messages going to the sink in use: the per-user folder, the folder's lock,
// then the main window until it closes.
int runMainWindow(const CommandLine &cmd, const std::function<void(MainWindow &)> &onCreated = {});

// informacja --pdf FILE: the six printed pages of the document in the
// current directory as one PDF. No window and no widget: a GUI application
// object gives the fonts and the PDF writer.
int runPdfCommand(int &argc, char **argv, const CommandLine &cmd);

// informacja --export FILE and informacja --check: structured data and the
// whole-document check, under a plain core application object.
int runDataCommand(int &argc, char **argv, const CommandLine &cmd);

} // namespace iqx
