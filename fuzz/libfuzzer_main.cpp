// What a libFuzzer program adds around its target: the application object
// and settings every test program runs with, and an abort for a broken
// property, so that libFuzzer saves the input.

#include <cstdio>
#include <cstdlib>
#include <memory>

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
    static const std::unique_ptr<QApplication> application = std::make_unique<QApplication>(appArgc, appArgv);
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
