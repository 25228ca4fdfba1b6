// What a libFuzzer program adds around its target: the application object
// and settings every test program runs with, and an abort for a broken
// property, so that libFuzzer saves the input.

#include <cstdio>
#include <cstdlib>
#include <new>

#include <QApplication>

#include "fuzz_target.h"
#include "platform/format_settings.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("LANG", "C.UTF-8");
    static int appArgc = 1;
    static char* appArgv[] = {(*argv)[0], nullptr};
    // libFuzzer leaves through exit(), which takes the static objects down in
    // the reverse order of their making. Qt makes some of its own (the icon
    // cache, on the first icon drawn) after the application, so they would go
    // first and the application's clean-up routines would then use them. The
    // application is therefore never destroyed: the end of the process takes it.
    alignas(QApplication) static unsigned char applicationStorage[sizeof(QApplication)];
    new (applicationStorage) QApplication(appArgc, appArgv);
    platform::formatSettings() = platform::FormatSettings{};
    return 0;
}

namespace fuzz {

void propertyFailed(const char* property, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, property);
    std::abort();
}

}  // namespace fuzz
