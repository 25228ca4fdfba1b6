// The string grid's cell text for the file formats and its Save/Load
// members: each member builds the format unit of this folder and runs it.

#include <QTextDocument>

#include "controls/grid/editors/grid_link_editors.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/io/grid_file_format.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid {

QString TExStringGrid::GetPlainCellText(int ACol, int ARow) { return GetCellEx(ACol, ARow); }

QString TExStringGrid::SaveCellText(int ACol, int ARow)
{
    QString value = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
    if (value.isEmpty()) {
        const TCellType kind = GetCellType(ACol, ARow);
        if (kind == ctCheckBox || kind == ctTriStateCheckBox) {
            TCheckBoxState state = cbUnchecked;
            GetCheckBoxState(ACol, ARow, state);
            if (state == cbChecked)
                GetCheckTrue(ACol, ARow, value);
            else
                GetCheckFalse(ACol, ARow, value);
        }
    }
    switch (TextType(value, true)) {
    case TextKindHtml:
        if (!SaveWithHTML) value = StripHTMLTags(value);
        break;
    case TextKindRichText:
        if (SaveWithRTF) {
            value.remove(QChar(u'\r'));
            value.remove(QChar(u'\n'));
        } else if (TExRichEdit* editor = RichEdit()) {
            CellToRich(ACol, ARow, editor);
            value = editor->toPlainText().replace(QChar(u'\n'), QStringLiteral("\r\n"));
        }
        break;
    default: break;
    }
    if (OnSaveCell) OnSaveCell(this, ACol, ARow, value);
    return value;
}

void TExStringGrid::LoadCellText(int ACol, int ARow, const QString& Value)
{
    if (OnLoadCell) {
        QString value = Value;
        OnLoadCell(this, ACol, ARow, value);
        SetGridCell(ACol, ARow, value);
    } else {
        SetGridCell(ACol, ARow, Value);
    }
}

void TExStringGrid::DoFileProgress(int Progress)
{
    if (OnFileProgress) OnFileProgress(this, Progress);
}

}  // namespace grid
