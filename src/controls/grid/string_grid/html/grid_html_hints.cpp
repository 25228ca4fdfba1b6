// Cell hints: the text of a hint request from the comment, the anchor under
// the mouse, the cell's own text, a text too large for its cell and the
// application's handlers, in that order; and the window that shows it.

#include <QTextDocument>
#include <QToolTip>

#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/paint/html_hint_window.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid {

void TGridHTML::GetCellHintInfo(QString& HintStr, bool& CanShow, THintInfo& HintInfo)
{
    (void)CanShow;  // every hint with a text shows
    int ACol = -1, ARow = -1;
    G.MouseToCell(HintInfo.CursorPos.x(), HintInfo.CursorPos.y(), ACol, ARow);
    if (G.ControlLook().HintMaxWidth > 0) HintInfo.HintMaxWidth = G.ControlLook().HintMaxWidth;
    SetHintFontName(ToCanvasFont(G.Font()).family());
    if (ACol >= 0 && ARow >= 0 && ACol < G.ColCount() && ARow < G.RowCount()) {
        {
            const QPoint base = G.BaseCell(G.RealColIndex(ACol), ARow);
            ACol = G.DisplColIndex(base.x());
            ARow = base.y();
        }
        FLastHintPos = QPoint(ACol, ARow);
        const platform::TRect r = G.CellRect(ACol, ARow);
        const int cw = r.Width();
        const int ch = r.Height();
        const int sc = G.RealColIndex(ACol);
        const QString text = G.GetCellEx(sc, ARow);
        const int kind = TextType(text, G.EnableHTML);

        // Comment: beside the cell's top-right corner; else below the mouse.
        const TCellGraphic* graphic = G.GetCellGraphic(sc, ARow);
        if (graphic != nullptr && graphic->CellType() == ctComment) {
            HintStr = graphic->CellText();
            HintInfo.HintPos = QPoint(r.Right, r.Top);
        } else {
            HintInfo.HintPos = QPoint(HintInfo.CursorPos.x(), r.Bottom + 6);
        }
        // Anchor under the mouse: its title, else its target.
        if (AnchorHint && kind == TextKindHtml) {
            const THTMLCellHit hit = HitTestCell(ACol, ARow, HintInfo.CursorPos.x(), HintInfo.CursorPos.y());
            if (hit.Hit && !hit.Result.AnchorVal.isEmpty()) {
                QString hint = hit.Result.AnchorTitle.isEmpty() ? hit.Result.AnchorVal : hit.Result.AnchorTitle;
                if (OnAnchorHint) OnAnchorHint(&G, ARow, sc, hint);
                FLastAnchorHint = hint;
                HintStr = hint;
                HintInfo.HintPos = HintInfo.CursorPos + QPoint(8, -16);
            }
        }
        // The cell's own text, for normal cells.
        const bool normal = ACol >= G.FixedCols() && ACol < G.ColCount() - G.FixedRightCols() &&
                            ARow >= G.FixedRows() && ARow < G.RowCount() - G.FixedFooters();
        if (HintShowCells && normal) {
            HintInfo.HintPos.setY(r.Top);
            if (kind == TextKindPackedWide)
                HintStr = G.GetWideCells(sc, ARow);
            else
                HintStr = HTMLHint ? text : G.GetStrippedCell(sc, ARow);
        }
        // A text that does not fit its cell.
        const QSize size = G.CellTextExtent(ACol, ARow);
        if (HintShowLargeText && (size.width() > cw || size.height() > ch)) {
            if (HintShowLargeTextPos == hpCell) HintInfo.HintPos = QPoint(r.Left, r.Top);
            const bool stripped = kind == TextKindHtml && !HTMLHint;
            HintStr = stripped ? StripHTMLTags(text) : text;
        }
        // The application's handlers see the text built so far.
        if (!(G.FloatingFooter().Visible && ARow == G.RowCount() - 1)) {
            QString wide;
            G.GetGridHint(ACol, ARow, HintStr, wide);
        }
        const int hintKind = TextType(HintStr, true);
        if ((hintKind == TextKindHtml || hintKind == TextKindPackedWide) && G.UseInternalHintClass) {
            HintInfo.HTMLHintWindow = true;
            HintInfo.HintData = &G;
        }
        HintInfo.HintPos = G.viewport()->mapToGlobal(HintInfo.HintPos);
    }
    HintInfo.HintColor = G.HintColor;
}

void TExStringGrid::GetCellHintInfo(QString& HintStr, bool& CanShow, THintInfo& HintInfo)
{
    FHTML->GetCellHintInfo(HintStr, CanShow, HintInfo);
}

void TGridHTML::ShowHint(QPoint clientPos)
{
    THintInfo info;
    info.CursorPos = clientPos;
    info.HintStr = G.toolTip();
    info.HintPos = G.viewport()->mapToGlobal(clientPos + QPoint(0, 20));
    bool canShow = true;
    G.GetCellHintInfo(info.HintStr, canShow, info);
    if (info.HintStr.isEmpty()) {
        CancelHint();
        return;
    }
    if (info.HTMLHintWindow) {
        QToolTip::hideText();
        THTMLHintWindow* window = HintWindow();
        window->Color = info.HintColor;
        window->ActivateHintData(QRect(info.HintPos, QSize(1, 1)), info.HintStr, G.GridImages(), PictureContainer());
    } else {
        if (FHintWindow != nullptr) FHintWindow->hide();
        // The plain window shows tags as text.
        const QString shown = Qt::mightBeRichText(info.HintStr)
                                  ? Qt::convertFromPlainText(info.HintStr, Qt::WhiteSpaceNormal)
                                  : info.HintStr;
        QToolTip::showText(info.HintPos, shown, G.viewport());
    }
}

void TGridHTML::CancelHint()
{
    if (FHintWindow != nullptr) FHintWindow->hide();
    QToolTip::hideText();
    FLastHintPos = QPoint(-1, -1);
}

}  // namespace grid
