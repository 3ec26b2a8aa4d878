#include "app/application.h"
#include "app/commandline.h"
#include "app/exitstatus.h"
#include "app/registercommand.h"
#include "base/messages.h"

#include "storage/platform.h"

#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Beyond a file-size limit a write then fails with "File too large" and
    // is reported, instead of the signal killing the program unannounced.
    iqx::platform::reportOversizedWritesAsErrors();

    const iqx::CommandLine cmd = iqx::parseCommandLine(iqx::platform::commandLineArguments(argc, argv));
    if (cmd.mode != iqx::CommandLine::Mode::Window)
        iqx::platform::prepareStandardStreams();
    switch (cmd.mode) {
    case iqx::CommandLine::Mode::Help:
    case iqx::CommandLine::Mode::Version:
        std::fputs(iqx::consoleBytes(cmd.text).constData(), stdout);
        return iqx::kOkStatus;
    case iqx::CommandLine::Mode::Error:
        std::fputs(iqx::consoleBytes(cmd.text).constData(), stderr);
        return iqx::kUsageStatus;
    case iqx::CommandLine::Mode::Pdf:
        return iqx::runPdfCommand(argc, argv, cmd);
    case iqx::CommandLine::Mode::Export:
    case iqx::CommandLine::Mode::Check:
        return iqx::runDataCommand(argc, argv, cmd);
    case iqx::CommandLine::Mode::ImportRegister:
        return iqx::runImportRegister(argc, argv, cmd);
    case iqx::CommandLine::Mode::Window:
        break;
    }
    return iqx::runWindow(argc, argv, cmd);
}
