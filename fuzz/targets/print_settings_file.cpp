// The print settings read from a section of an INI file. Whatever is read
// is written back whole: saved, read into fresh settings and saved again,
// the file comes out the same.
//
// Input: the section name up to the first line feed, then the file.

#include <QFile>

#include "controls/grid/grid_error.h"
#include "controls/grid/print/print_settings.h"
#include "controls/grid/print/print_settings_file.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

FUZZ_TARGET(print_settings_file)
{
    fuzz::FuzzedData input(data, size);
    QString section = input.takeLine();
    section.remove(u'\r');
    const QString path = fuzz::scratchFile(QStringLiteral("print.ini"), input.takeRest());

    grid::TPrintSettings settings;
    try {
        grid::LoadPrintSettingsFile(settings, path, section);
    } catch (const EExGridError&) {
        return;  // a file that cannot be read
    }
    const auto write = [&](const QString& file, const grid::TPrintSettings& s) {
        try {
            grid::SavePrintSettingsFile(s, file, section);
            return true;
        } catch (const EExGridError&) {
            return false;
        }
    };
    const auto read = [&](const QString& file, grid::TPrintSettings& s) {
        try {
            grid::LoadPrintSettingsFile(s, file, section);
            return true;
        } catch (const EExGridError&) {
            return false;
        }
    };
    QFile::remove(fuzz::scratchPath(QStringLiteral("written once")));
    QFile::remove(fuzz::scratchPath(QStringLiteral("written twice")));
    fuzz::checkWriteReadWrite(settings, write, read);
}
