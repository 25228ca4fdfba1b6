// The string grid's HTML export members: each runs the HTML export unit.

#include <QDesktopServices>
#include <QUrl>

#include "controls/grid/io/grid_html_export.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

namespace {

void writeHTMLFile(TExStringGrid& grid, const QString& FileName, bool Append, bool Unicode, bool Show)
{
    io::THTMLGridWriter writer(FileName, Unicode);
    io::SaveFormatToFile(writer, grid, FileName, Append);
    if (Show || grid.HTMLSettings.AutoPreview) QDesktopServices::openUrl(QUrl::fromLocalFile(FileName));
}

}  // namespace

void TExStringGrid::SaveToHTML(const QString& FileName, bool Show, bool Unicode)
{
    writeHTMLFile(*this, FileName, false, Unicode, Show);
}

void TExStringGrid::AppendToHTML(const QString& FileName, bool Show, bool Unicode)
{
    writeHTMLFile(*this, FileName, true, Unicode, Show);
}

QString TExStringGrid::SaveToHTMLString(const QString& dir) { return io::SaveToHTMLString(*this, dir); }

}  // namespace grid
