// The XML reader on any document, flat or nested, levels to columns or to
// rows: it fails only with its parse error or the size limit, and leaves a
// grid of sane size.
//
// Input: one settings byte, then the document.

#include "controls/grid/grid_error.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

FUZZ_TARGET(xml_file)
{
    fuzz::FuzzedData input(data, size);
    const uint8_t settings = input.takeByte();
    const QString path = fuzz::scratchFile(QStringLiteral("grid.xml"), input.takeRest());

    grid::TExStringGrid g;
    g.SaveFixedCells = (settings & 4) == 0;
    try {
        g.LoadFromXML(path, (settings & 1) != 0, (settings & 2) != 0);
    } catch (const EExGridError& e) {
        const QString message = QString::fromUtf8(e.what());
        FUZZ_CHECK(message.startsWith(QStringLiteral("XMLDOM Parsing error ")) ||
                   message == QStringLiteral("XML document too large for the grid"));
        return;
    }
    FUZZ_CHECK(grid::io::IsSaneGridSize(g.ColCount(), g.RowCount()));
}
