#pragma once

// The small settings objects of the string grid: each groups the options of
// one behaviour or look, is created and owned by its grid, and is copied into
// with Assign (only from an object of the same class; events are not copied).
// A setter fires its event only when one is assigned.

#include <functional>

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

#include "platform/colors.h"

namespace grid {

class TExStringGrid;

using TNotifyEvent = std::function<void(void* Sender)>;

// ------------------------------------------------------------ navigation

enum TAdvanceDirection : uint8_t { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition : uint8_t { pInsertBefore, pInsertAfter };
enum TClipboardPasteAction : uint8_t { paReplace, paInsert };
enum TCursorAdvance : uint8_t { caDefault, caSnake, caLoop };
enum THomeEndAction : uint8_t { heFirstLastColumn, heFirstLastRow, heFirstLastCell };

// Keyboard, clipboard and cursor-advance behaviour.
class TNavigation {
public:
    void Assign(const TNavigation& source);

    bool AllowInsertRow = false;
    bool AllowDeleteRow = false;
    bool AlwaysEdit = false;
    bool AdvanceOnEnter = false;
    bool AdvanceOnEnterLoop = true;
    bool AdvanceAutoEdit = true;
    bool AdvanceSkipReadOnlyCells = true;
    bool AutoGotoWhenSorted = false;
    bool AutoGotoIncremental = false;
    bool AutoComboDropSize = false;
    bool AllowClipboardShortCuts = false;
    bool AllowCtrlEnter = true;
    bool AllowSmartClipboard = false;
    bool AllowRTFClipboard = false;
    bool AllowFmtClipboard = false;
    bool AllowClipboardAlways = false;
    bool AllowClipboardRowGrow = true;
    bool AllowClipboardColGrow = true;
    bool AppendOnArrowDown = false;
    bool EditSelectAll = true;
    TInsertPosition InsertPosition = pInsertBefore;
    TClipboardPasteAction ClipboardPasteAction = paReplace;
    bool ComboGetUpDown = true;
    TCursorAdvance CursorAdvance = caDefault;
    bool CursorWalkEditor = false;
    bool CursorWalkAlwaysEdit = true;
    bool CursorMoveRows = false;
    bool MoveRowOnSort = false;
    bool KeepScrollOnSort = false;
    bool MoveScrollOnly = false;
    bool ImproveMaskSel = false;
    bool LeftRightRowSelect = true;
    bool CopyHTMLTagsToClipboard = true;
    bool KeepHorizScroll = false;
    bool LineFeedOnEnter = false;
    THomeEndAction HomeEndKey = heFirstLastColumn;
    bool SkipFixedCells = true;
    bool SkipDisabledRows = true;
    bool TabToNextAtEnd = false;
    TAdvanceDirection TabAdvanceDirection = adLeftRight;

    bool AdvanceInsert() const { return FAdvanceInsert; }
    void SetAdvanceInsert(bool value);
    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection value);
    bool AdvanceAuto() const { return FAdvanceAuto; }
    void SetAdvanceAuto(bool value);

    TNotifyEvent OnChange;

private:
    void Changed();
    bool FAdvanceInsert = false;
    TAdvanceDirection FAdvanceDirection = adLeftRight;
    bool FAdvanceAuto = false;
};

// ----------------------------------------------------------- mouse actions

enum TGridFixedCellEdit : uint8_t { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor : uint8_t { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction : uint8_t { waMoveSelection, waScroll };

// Mouse behaviour.
class TMouseActions {
public:
    void Assign(const TMouseActions& source);

    bool AllColumnSize = false;
    bool AllRowSize = false;
    bool AllSelect = false;
    bool AutoSizeColOnDblClick = true;
    bool CaretPositioning = false;
    bool CheckAllCheck = false;
    bool ColSelect = false;
    bool DirectComboClose = false;
    bool DirectComboDrop = false;
    bool DirectDateClose = false;
    bool DirectDateDrop = false;
    bool DirectEdit = false;
    bool DisjunctRowSelectNoCtrl = false;
    TGridFixedCellEdit FixedRowsEdit = fceNone;
    TGridFixedCellEditor FixedRowsEditor = fceEdit;
    TGridFixedCellEditor FixedColsEditor = fceEdit;
    TGridFixedCellEdit FixedColsEdit = fceNone;
    bool MoveRowOnNodeClick = false;
    bool NoAutoRangeScroll = false;
    bool NodeAllExpandContract = false;
    bool NoScrollOnPartialRow = false;
    bool PreciseCheckBoxCheck = false;
    bool PreciseNodeClick = true;
    bool RangeSelectAndEdit = false;
    bool RowSelect = false;
    bool RowSelectPersistent = false;
    bool SelectOnRightClick = false;
    bool SizeFixedCol = false;
    bool SizeFixedRow = false;
    int WheelIncrement = 0;

    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool value);
    // The same value without the setter's side effect.
    bool DisjunctRowSelectDirect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool value) { FDisjunctRowSelect = value; }
    bool DisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool value);
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool value);
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool value);
    const QStringList& FixedComboValues() const { return FFixedComboValues; }
    void SetFixedComboValues(const QStringList& value) { FFixedComboValues = value; }
    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool value);
    TWheelAction WheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction value);

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDisableEdit;
    std::function<void(void* Sender, bool& IsDesigning)> OnIsDesigning;

private:
    bool IsDesigning();
    bool FDisjunctRowSelect = false;
    bool FDisjunctColSelect = false;
    bool FDisjunctCellSelect = false;
    bool FEditOnDblClickOnly = false;
    bool FHotmailRowSelect = false;
    TWheelAction FWheelAction = waMoveSelection;
    QStringList FFixedComboValues;
};

// ----------------------------------------------------------- search footer

enum TSearchDirection : uint8_t { sdTopBottom, sdLeftRight };

// The search bar under the grid.
class TSearchFooter {
public:
    // initDesign: the grid was just dropped in the form designer; only then
    // do the captions and hints start with their texts.
    explicit TSearchFooter(bool initDesign = false);
    void Assign(const TSearchFooter& source);

    bool AlwaysHighLight = false;
    bool AutoSearch = true;
    bool SearchActiveColumnOnly = false;
    int SearchColumn = -1;
    bool SearchMatchStart = false;
    bool SearchFixedCells = false;
    bool SearchHiddenRows = false;
    TSearchDirection SearchDirection = sdTopBottom;
    QString LastSearch;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; Changed(); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { FColorTo = value; Changed(); }
    const QFont& Font() const { return FFont; }
    void SetFont(const QFont& value) { FFont = value; Changed(); }
    const QString& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const QString& v) { FFindNextCaption = v; Changed(); }
    const QString& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const QString& v) { FFindPrevCaption = v; Changed(); }
    const QString& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const QString& v) { FHighLightCaption = v; Changed(); }
    const QString& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const QString& v) { FMatchCaseCaption = v; Changed(); }
    const QString& HintClose() const { return FHintClose; }
    void SetHintClose(const QString& v) { FHintClose = v; Changed(); }
    const QString& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const QString& v) { FHintFindNext = v; Changed(); }
    const QString& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const QString& v) { FHintFindPrev = v; Changed(); }
    const QString& HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const QString& v) { FHintHighlight = v; Changed(); }
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool value) { FShowClose = value; Changed(); }
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool value) { SetIfChanged(FShowFindNext, value); }
    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool value) { SetIfChanged(FShowFindPrev, value); }
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool value) { SetIfChanged(FShowHighLight, value); }
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool value) { SetIfChanged(FShowMatchCase, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { SetIfChanged(FVisible, value); }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value) { FAutoThemeAdapt = value; Changed(); }

    TNotifyEvent OnChange;

private:
    void Changed();
    void SetIfChanged(bool& field, bool value);
    TColor FColor = clWhite;
    TColor FColorTo = clBtnFace;
    QFont FFont;
    QString FFindNextCaption, FFindPrevCaption, FHighLightCaption, FMatchCaseCaption;
    QString FHintClose, FHintFindNext, FHintFindPrev, FHintHighlight;
    bool FShowClose = true;
    bool FShowFindNext = true;
    bool FShowFindPrev = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    bool FVisible = false;
    bool FAutoThemeAdapt = false;
};

// ------------------------------------------------------------- sync grid

// A second grid that follows this one.
class TSyncGrid {
public:
    explicit TSyncGrid(TExStringGrid* owner) : Owner(owner) {}
    void Assign(const TSyncGrid& source);

    TExStringGrid* Grid() const { return FGrid; }
    // A grid never synchronises with itself: such an assignment is ignored.
    void SetGrid(TExStringGrid* value);

    bool ScrollVertical = false;
    bool ScrollHorizontal = false;
    bool SelectionColumn = false;
    bool SelectionRow = false;
    bool MoveColumn = false;
    bool MoveRow = false;

    TExStringGrid* const Owner;

private:
    TExStringGrid* FGrid = nullptr;
};

// ----------------------------------------------------------------- bands

// Alternating row colours.
class TBands {
public:
    void Assign(const TBands& source);

    bool Active() const { return FActive; }
    void SetActive(bool value);
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor value);
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor value);
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int value);
    int TotalLength() const { return FTotalLength; }
    bool Print = false;

    // The band colour of a normal row, clNone when bands give none.
    TColor RowColor(int row, int fixedRows) const;

    TNotifyEvent OnChange;

private:
    void ChangedWhenActive();
    bool FActive = false;
    TColor FPrimaryColor = clInfoBk;
    int FPrimaryLength = 1;
    TColor FSecondaryColor = clWindow;
    int FSecondaryLength = 1;
    int FTotalLength = 2;
};

// -------------------------------------------------------- balloon settings

class TBalloonSettings {
public:
    void Assign(const TBalloonSettings& source);

    bool FInit = false;  // the grid's balloon set-up ran
    int AutoHideDelay = -1;
    TColor BackgroundColor = clNone;
    int InitialDelay = -1;
    int ReshowDelay = -1;
    TColor TextColor = clNone;
    uint8_t Transparency = 0;

    bool Enable() const { return FEnable; }
    // Stores and fires OnEnableChange, also when unchanged.
    void SetEnable(bool value);

    TNotifyEvent OnEnableChange;

private:
    bool FEnable = false;
};

// ---------------------------------------------------------- show modified

class TShowModified {
public:
    void Assign(const TShowModified& source);

    bool Enabled = false;
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    TNotifyEvent OnChange;

private:
    TColor FColor = clYellow;
};

// ---------------------------------------------------- progress appearance

enum TProgressStyle : uint8_t { psXP, psClassic };

// The look of progress bars in cells. Every setter fires OnChange when the
// value changes.
class TGridProgressAppearance {
public:
    void Assign(const TGridProgressAppearance& source);

#define GRID_PROGRESS_PROPERTY(Type, Name, Default)                      \
    Type Name() const { return F##Name; }                                \
    void Set##Name(Type value) { SetIfChanged(F##Name, value); }         \
                                                                         \
private:                                                                 \
    Type F##Name = Default;                                              \
                                                                         \
public:
    GRID_PROGRESS_PROPERTY(TColor, CompleteColor, clRed)
    GRID_PROGRESS_PROPERTY(TColor, CompleteFontColor, clBlue)
    GRID_PROGRESS_PROPERTY(TColor, UnCompleteColor, clNone)
    GRID_PROGRESS_PROPERTY(TColor, UnCompleteFontColor, clWindowText)
    GRID_PROGRESS_PROPERTY(TColor, Level0Color, 0x0000FF00)
    GRID_PROGRESS_PROPERTY(TColor, Level0ColorTo, 0x00E1FFE1)
    GRID_PROGRESS_PROPERTY(TColor, Level1Color, 0x0000FFFF)
    GRID_PROGRESS_PROPERTY(TColor, Level1ColorTo, 0x00CAFFFF)
    GRID_PROGRESS_PROPERTY(TColor, Level2Color, 0x0053A9FF)
    GRID_PROGRESS_PROPERTY(TColor, Level2ColorTo, 0x00A8D3FF)
    GRID_PROGRESS_PROPERTY(TColor, Level3Color, 0x000000FF)
    GRID_PROGRESS_PROPERTY(TColor, Level3ColorTo, 0x00CACAFF)
    GRID_PROGRESS_PROPERTY(int, Level1Perc, 70)
    GRID_PROGRESS_PROPERTY(int, Level2Perc, 90)
    GRID_PROGRESS_PROPERTY(TColor, BorderColor, clBlack)
    GRID_PROGRESS_PROPERTY(bool, ShowBorder, false)
    GRID_PROGRESS_PROPERTY(bool, Stacked, false)
    GRID_PROGRESS_PROPERTY(bool, ShowPercentage, true)
    GRID_PROGRESS_PROPERTY(bool, CompletionSmooth, true)
    GRID_PROGRESS_PROPERTY(bool, ShowGradient, true)
    GRID_PROGRESS_PROPERTY(int, Steps, 11)
    GRID_PROGRESS_PROPERTY(TProgressStyle, Style, psXP)
#undef GRID_PROGRESS_PROPERTY

    TNotifyEvent OnChange;

private:
    template <typename T> void SetIfChanged(T& field, T value)
    {
        if (field == value) return;
        field = value;
        if (OnChange) OnChange(this);
    }
};

// --------------------------------------------------------------- cell node

enum TNodeType : uint8_t { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// The look of tree nodes in the first column.
class TCellNode {
public:
    explicit TCellNode(TExStringGrid* owner) : FOwner(owner) {}
    void Assign(const TCellNode& source);

    TColor Color = clSilver;
    bool ExpandOne = false;
    TColor NodeColor = clBlack;
    QImage ExpandGlyph;
    QImage ContractGlyph;

    TNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TNodeType value);
    int NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int value);
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool value);
    bool ShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool value);
    TColor TreeColor() const { return FTreeColor; }
    void SetTreeColor(TColor value);

private:
    template <typename T> void SetAndRepaint(T& field, T value);
    TExStringGrid* FOwner;
    TNodeType FNodeType = cnXP;
    int FNodeIndent = 12;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    TColor FTreeColor = clGray;
};

// ------------------------------------------------------------- column size

enum TAutoSizeRows : uint8_t { arAll, arNormal, arFixed };
enum TColumnSizeLocation : uint8_t { clRegistry, clIniFile };

// Persistence of column sizes and stretching of a column.
class TColumnSize {
public:
    explicit TColumnSize(TExStringGrid* owner) : Owner(owner) {}
    void Assign(const TColumnSize& source);

    TAutoSizeRows Rows = arAll;
    bool Save = false;
    QString Key;
    QString Section;
    int StretchColumn = -1;  // -1 = the last column
    bool SynchWithGrid = false;
    bool SynchNormalCellsOnly = false;
    TColumnSizeLocation Location = clRegistry;

    bool Stretch() const { return FStretch; }
    // Stores; when the grid is shown in a parent, fits the stretch column at once.
    void SetStretch(bool value);

    TExStringGrid* const Owner;

private:
    bool FStretch = false;
};

// ------------------------------------------------------------ focus helper

class TFocusHelper {
public:
    explicit TFocusHelper(TExStringGrid* owner = nullptr) : Owner(owner) {}
    void Assign(const TFocusHelper& source) { Enabled = source.Enabled; }
    bool Enabled = false;
    TExStringGrid* const Owner;
};

}  // namespace grid
