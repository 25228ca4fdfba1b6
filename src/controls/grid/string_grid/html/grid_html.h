#pragma once

// What a string grid does with mini-HTML beyond the text drawing itself:
// its pictures (the URL cache it owns, a picture container it is given),
// links under the mouse (hover styling, the hand cursor, anchor events),
// clicks on anchors and on drawn form controls, and its cell hints with the
// HTML hint window. Settings, run-time state and events live here; the
// grid holds one and calls it from its mouse, paint and hint handling.

#include <functional>
#include <memory>

#include <QHash>
#include <QLineEdit>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "controls/grid/editors/esg_combo.h"
#include "controls/grid/editors/grid_link_editors.h"
#include "controls/grid/html/html_renderer.h"
#include "controls/grid/html/picture_container.h"
#include "platform/colors.h"


namespace grid {

class TExStringGrid;
class THTMLHintWindow;
enum THintShowLargeTextPos : uint8_t;

// The hint record of one hint request (the platform's THintInfo).
struct THintInfo {
    QPoint CursorPos;                  // mouse point in the grid's cell area (viewport)
    QString HintStr;                   // on entry the grid's own hint text
    QPoint HintPos;                    // screen point of the hint's top-left corner
    int HintMaxWidth = 0;              // 0: no limit of the grid's
    TColor HintColor = clInfoBk;
    bool HTMLHintWindow = false;       // the hint window class is THTMLHintWindow
    const TExStringGrid* HintData = nullptr;
};

// What the renderer found under a point of a cell.
struct THTMLCellHit {
    bool Hit = false;
    THTMLRenderResult Result;
};

class TGridHTML {
public:
    explicit TGridHTML(TExStringGrid& grid);
    ~TGridHTML();
    TGridHTML(const TGridHTML&) = delete;
    TGridHTML& operator=(const TGridHTML&) = delete;

    // ----- settings
    bool HintShowCells = false;          // a normal cell shows its own text as hint
    bool HintShowLargeText = false;      // a text that does not fit shows as hint
    THintShowLargeTextPos HintShowLargeTextPos{};  // hpCell
    bool HTMLHint = false;               // cell texts reach the hint with their tags
    bool AnchorHint = false;             // an anchor under the mouse shows its hint
    bool URLUnderlineOnHover = false;    // only the hovered link is underlined
    TPictureContainer* PictureContainer() const { return FPictureContainer; }
    void SetPictureContainer(TPictureContainer* value) { FPictureContainer = value; }
    THTMLPictureCache& PictureCache() { return FPictureCache; }

    // ----- state the painting reads (display cells)
    QPoint HoverCell() const { return FHoverCell; }
    int HoverLink() const { return FHoverLink; }
    const QString& Anchor() const { return FAnchor; }
    const QString& LastAnchorHint() const { return FLastAnchorHint; }
    QPoint LastHintPos() const { return FLastHintPos; }
    // The form control being pressed or edited: storage column and row.
    QPoint CtrlXY() const { return FCtrlXY; }
    bool CtrlDown() const { return FCtrlDown; }
    bool CtrlEditing() const { return FCtrlEditing; }
    const QString& CtrlID() const { return FCtrlID; }
    const QString& CtrlType() const { return FCtrlType; }

    // ----- events
    std::function<void(QObject* Sender, int ARow, int ACol, QString& Anchor)> OnAnchorHint;
    std::function<void(QObject* Sender, int ARow, int ACol, const QString& Anchor)> OnAnchorEnter;
    std::function<void(QObject* Sender, int ARow, int ACol, const QString& Anchor)> OnAnchorExit;
    std::function<void(QObject* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal)>
        OnControlClick;
    std::function<void(QObject* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal)>
        OnControlEditDone;
    std::function<void(QObject* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal, QStringList& Values, bool& Edit, int& DropCount)>
        OnControlComboList;
    std::function<void(QObject* Sender, int ARow, int ACol, int ItemIndex, const QString& CtrlID,
                       const QString& CtrlValue)>
        OnControlComboSelect;

    // ----- painting
    // The renderer's settings for drawing the text of a cell (storage column
    // sc, display cell ACol, ARow); the text drawing adds its URL colour.
    THTMLRenderParams CellRenderParams(int sc, int ACol, int ARow) const;
    // The rectangle the text drawing gave a cell's mini-HTML, noted while
    // painting: hit tests lay the text out exactly where it was drawn.
    void NoteCellTextRect(int ACol, int ARow, const platform::TRect& textRect);

    // ----- the mouse (grid_html_mouse.cpp)
    // The cell's text laid out in hit-test mode at (X, Y), client points, as
    // a click and the mouse test it (display cell, base of its merged block).
    // With a ControlID the result describes that form control wherever it is.
    THTMLCellHit HitTestCell(int ACol, int ARow, int X, int Y, const QString& ControlID = QString());
    // Links under the mouse on every move, after the base grid's move: the
    // hovered link, the hand cursor, the anchor events; and the shown hint
    // goes when the mouse leaves its cell.
    void MouseMove(int X, int Y);
    // The mouse left the cells: no hovered link, no hand, no hint.
    void MouseLeave();
    // A left press on an anchor or a form control of a cell (display cell,
    // base of its block; press cell before mapping for OnClickCell): true
    // when the press ends here.
    bool Press(int ACol, int ARow, int X, int Y, int PressCol, int PressRow);
    // The release: a pressed BUTTON control is drawn up again.
    void Release();
    // Editing a form control: the edit or combo over it, and its end.
    void OpenControlEditor(const QString& CellText, const QString& CtrlType, int ARow, int StorageCol, int DisplayCol,
                           const platform::TRect& CtrlRect, const QString& CtrlValue, const QString& CtrlID);
    void CloseControlEditor();
    // Opens the editor of the form control after CtrlID in a cell (the first
    // one for an empty id); false, and the grid has the focus, when none.
    bool StartControlEdit(int ACol, int ARow, const QString& CtrlID);
    TControlEdit* ControlEdit() const { return FControlEdit; }
    TControlCombo* ControlCombo() const { return FControlCombo; }

    // ----- hints (grid_html_hints.cpp)
    void GetCellHintInfo(QString& HintStr, bool& CanShow, THintInfo& HintInfo);
    // The hint request of a rest of the mouse at a client point: the hint is
    // shown in the HTML hint window or as a plain tool tip; none when empty.
    void ShowHint(QPoint clientPos);
    // Hides a shown hint and forgets its cell.
    void CancelHint();
    // The grid's hint window (made on first use, a child of the grid).
    THTMLHintWindow* HintWindow();

private:
    struct TInsets {
        int Left = 0, Top = 0, Right = 0, Bottom = 0;  // from the cell's edges
    };
    static quint64 CellKey(int ACol, int ARow) { return (quint64(uint32_t(ACol)) << 32) | uint32_t(ARow); }
    // Where a cell's mini-HTML is laid out for a hit test: as last drawn,
    // else the cell moved in by XYOffset (and a check box).
    platform::TRect CellTextRect(int ACol, int ARow) const;
    void SetHoverLink(int ACol, int ARow, int link);
    void SetLinkCursor(bool on);
    // The renderer's settings common to the grid's own calls.
    THTMLRenderParams GridRenderParams() const;

    TExStringGrid& G;
    QHash<quint64, TInsets> FTextInsets;
    QPointer<TPictureContainer> FPictureContainer;
    // Filled by the renderer while it lays the grid's cells out.
    mutable THTMLPictureCache FPictureCache;
    QPoint FHoverCell{-1, -1};
    int FHoverLink = -1;
    QString FAnchor;
    QString FLastAnchorHint;
    QPoint FLastHintPos{-1, -1};
    bool FLinkCursor = false;
    QPoint FCtrlXY{-1, -1};
    QString FCtrlID;
    QString FCtrlType;
    bool FCtrlEditing = false;
    bool FCtrlDown = false;
    QPointer<THTMLHintWindow> FHintWindow;
    QPointer<TControlEdit> FControlEdit;
    QPointer<TControlCombo> FControlCombo;
};

}  // namespace grid
