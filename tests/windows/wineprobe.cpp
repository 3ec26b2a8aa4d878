// A stand-in Windows program for checking scripts/wine-run.sh: it links the
// MinGW C++ runtime (so it starts only when the runner finds those DLLs)
// and reports what a Windows program sees.
//   wineprobe env NAME   prints NAME's value in UTF-8, or "(unset)"
//   wineprobe arg TEXT   prints TEXT as the wide command line has it, in UTF-8
//   wineprobe exit N     ends with status N
//   wineprobe hang       never ends by itself
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include <windows.h>
#include <shellapi.h>

static void printWide(const wchar_t *text)
{
    char utf8[4096];
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\n", n > 0 ? utf8 : "(unconvertible)");
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "env") == 0) {
        // The wide environment, as Qt reads it: the 8-bit one is in the ANSI
        // code page and loses Polish letters.
        wchar_t name[256];
        MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, name, 256);
        const wchar_t *value = _wgetenv(name);
        if (!value) {
            std::printf("(unset)\n");
            return 0;
        }
        printWide(value);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "arg") == 0) {
        // The 8-bit argv is in the ANSI code page, like the environment.
        int count = 0;
        wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
        printWide(count == 3 ? wide[2] : L"(no argument)");
        LocalFree(wide);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "exit") == 0)
        return std::atoi(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "hang") == 0) {
        std::thread([] { std::this_thread::sleep_for(std::chrono::hours(1)); }).join();
        return 0;
    }
    std::fprintf(stderr, "usage: wineprobe env NAME | arg TEXT | exit N | hang\n");
    return 2;
}
