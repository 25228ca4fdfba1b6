// Text pasted from another program: cut into lines and fields, and pasted
// into a grid. The counts agree with the fields read, a block written back
// in the clipboard's own form reads as the same fields, and a paste with
// growing off stays inside the grid.
//
// Input: a flags byte (bit 0: growing on, bit 1: insert mode, bit 2: clipboard
// writes always allowed), then the pasted text as UTF-8.

#include "controls/grid/clipboard/clipboard_text.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

using namespace grid::clipboard;

QString oneLineFeed(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

void checkBlock(const TTextBlock& block)
{
    FUZZ_CHECK(!block.Lines.empty());
    qsizetype fields = 0;
    for (size_t i = 0; i < block.Lines.size(); ++i) {
        FUZZ_CHECK(!block.Lines[i].Fields.isEmpty());
        FUZZ_CHECK(block.Lines[i].Break == (i + 1 < block.Lines.size()));
        fields += block.Lines[i].Fields.size();
    }
    FUZZ_CHECK(fields == block.FieldCount);
    FUZZ_CHECK(block.CellCount() == block.FieldCount || block.CellCount() == block.FieldCount - 1);
    const QPoint size = TextBlockSize(block);
    FUZZ_CHECK(size.x() >= 1 && size.y() >= -1 && size.y() < int(block.Lines.size()));
}

// The fields written back as the grid's copy writes them read as the same
// fields (line breaks inside a field as one line feed each).
void checkRewrite(const TTextBlock& block)
{
    QString text;
    for (size_t i = 0; i < block.Lines.size(); ++i) {
        QStringList quoted;
        for (const QString& f : block.Lines[i].Fields) quoted << QuoteField(f);
        text += quoted.join(u'\t');
        if (block.Lines[i].Break) text += QStringLiteral("\r\n");
    }
    const TTextBlock again = ParseTextBlock(text);
    FUZZ_CHECK(again.Lines.size() == block.Lines.size());
    for (size_t i = 0; i < block.Lines.size(); ++i) {
        FUZZ_CHECK(again.Lines[i].Fields.size() == block.Lines[i].Fields.size());
        for (qsizetype f = 0; f < block.Lines[i].Fields.size(); ++f)
            FUZZ_CHECK_EQUAL(oneLineFeed(again.Lines[i].Fields[f]), oneLineFeed(block.Lines[i].Fields[f]));
    }
}

}  // namespace

FUZZ_TARGET(clipboard_paste)
{
    fuzz::FuzzedData input(data, size);
    const uint8_t flags = input.takeByte();
    const QString text = input.takeRestText();
    const TTextBlock block = ParseTextBlock(text);
    checkBlock(block);
    checkRewrite(block);
    if (text.size() > 4000) return;

    grid::TExStringGrid g;
    g.SetColCount(4);
    g.SetRowCount(4);
    g.SetOptions(g.Options() | platform::goEditing);
    const bool grow = flags & 1;
    g.Navigation().AllowClipboardColGrow = grow;
    g.Navigation().AllowClipboardRowGrow = grow;
    g.Navigation().ClipboardPasteAction = (flags & 2) ? grid::paInsert : grid::paReplace;
    g.Navigation().AllowClipboardAlways = flags & 4;
    int cols = 0, rows = 0;
    const int fields = g.PasteText(1, 1, text, cols, rows);
    FUZZ_CHECK(fields == block.FieldCount);
    FUZZ_CHECK(rows == int(block.Lines.size()));
    FUZZ_CHECK(cols == int(block.Lines.back().Fields.size()));
    if (!grow) FUZZ_CHECK(g.ColCount() == 4);
    if (!grow && !(flags & 2)) FUZZ_CHECK(g.RowCount() == 4);
}
