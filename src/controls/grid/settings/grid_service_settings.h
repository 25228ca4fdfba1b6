#pragma once

// Settings objects of the grid's painting, editing and data-operation
// services that the string grid creates and owns. Each holds the values the
// grid's own code reads now; the services that own them add the rest.

#include <functional>

#include <QString>

#include "platform/colors.h"

class QObject;

namespace grid {

// ----------------------------------------------------------- floating footer

enum TFooterStyle : uint8_t { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

using TCalcFooterEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;

// The footer kept below the scrolling cells: shown, its style, its look
// and whether it calculates. Writing the fields directly only stores them;
// the setters also tell the grid (panel height, fixed footer row, repaint).
class TFloatingFooter {
public:
    // Copies CalculateHiddenRows, Color, Column, CustomTemplate, FooterStyle,
    // ShowHint and, through its setter, Visible.
    void Assign(const TFloatingFooter& s)
    {
        CalculateHiddenRows = s.CalculateHiddenRows;
        Color = s.Color;
        Column = s.Column;
        CustomTemplate = s.CustomTemplate;
        FooterStyle = s.FooterStyle;
        ShowHint = s.ShowHint;
        SetVisible(s.Visible);
    }
    void SetVisible(bool value)
    {
        Visible = value;
        if (OnVisibleChange) OnVisibleChange();
    }
    void SetFooterStyle(TFooterStyle value)
    {
        FooterStyle = value;
        if (OnStyleChange) OnStyleChange();
    }
    void SetHeight(int value)
    {
        Height = value;
        if (OnHeightChange) OnHeightChange();
    }
    void SetColor(TColor value) { Color = value, Invalidate(); }
    void SetBorderColor(TColor value)
    {
        if (BorderColor != value) BorderColor = value, Invalidate();
    }
    void SetColumn(int value) { Column = value, Invalidate(); }
    void SetCustomTemplate(const QString& value) { CustomTemplate = value, Invalidate(); }
    void SetShowHint(bool value)
    {
        ShowHint = value;
        if (OnShowHintChange) OnShowHintChange();
    }
    // Repaints the footer panel.
    void Invalidate()
    {
        if (OnRepaint) OnRepaint();
    }

    bool Visible = false;
    TFooterStyle FooterStyle = fsFixedLastRow;
    bool EnableCalculation = true;
    bool CalculateHiddenRows = true;
    int Height = 22;
    TColor Color = clBtnFace;
    TColor BorderColor = clNone;
    int Column = 0;
    QString CustomTemplate;
    bool ShowHint = false;
    TCalcFooterEvent OnCalcFooter;
    // The grid's wiring.
    std::function<void()> OnVisibleChange;
    std::function<void()> OnStyleChange;
    std::function<void()> OnHeightChange;
    std::function<void()> OnShowHintChange;
    std::function<void()> OnRepaint;
};

// ----------------------------------------------------------------- grouping

// The looks and options of grouping: header and summary row colours, their
// lines, merging, summary rows and the group count after header texts.
// Assign copies neither Summary nor the line colours and widths.
class TGrouping {
public:
    void Assign(const TGrouping& s)
    {
        GroupCountFormat = s.GroupCountFormat;
        HeaderColor = s.HeaderColor;
        HeaderColorTo = s.HeaderColorTo;
        HeaderTextColor = s.HeaderTextColor;
        HeaderUnderline = s.HeaderUnderline;
        MergeHeader = s.MergeHeader;
        MergeSummary = s.MergeSummary;
        ShowGroupCount = s.ShowGroupCount;
        SummaryColor = s.SummaryColor;
        SummaryColorTo = s.SummaryColorTo;
        SummaryTextColor = s.SummaryTextColor;
        SummaryLine = s.SummaryLine;
        AutoCheckGroup = s.AutoCheckGroup;
        AutoSelectGroup = s.AutoSelectGroup;
    }
    bool AutoSelectGroup = false;  // a click on an expanded node row selects its group
    bool AutoCheckGroup = false;
    // Format of the count after a header's text (one integer argument);
    // empty: " (count)".
    QString GroupCountFormat;
    TColor HeaderColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderTextColor = clNone;
    bool HeaderUnderline = false;
    TColor HeaderLineColor = clBlue;
    int HeaderLineWidth = 2;
    // The header's text cell is merged over the columns to its right.
    bool MergeHeader = false;
    // The same for summary rows.
    bool MergeSummary = false;
    bool ShowGroupCount = false;
    // A summary row follows every group.
    bool Summary = false;
    TColor SummaryColor = clNone;
    TColor SummaryColorTo = clNone;
    TColor SummaryTextColor = clNone;
    bool SummaryLine = false;
    TColor SummaryLineColor = clBlue;
    int SummaryLineWidth = 2;
};

// ------------------------------------------------------- drag scroll options

// Scrolling while a drag passes near the grid's edges: within a margin of
// an edge the grid scrolls one row or column towards it after InitialDelay,
// then every RepeatDelay.
class TDragScrollDelays {
public:
    void Assign(const TDragScrollDelays& s) { *this = s; }
    int InitialDelay = 1000;  // ms
    int RepeatDelay = 250;    // ms
};

class TDragScrollMargins {
public:
    void Assign(const TDragScrollMargins& s) { *this = s; }
    int TopMargin = 50;  // pixels
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
};

class TDragScrollOptions {
public:
    void Assign(const TDragScrollOptions& s)
    {
        Active = s.Active;
        Delays.Assign(s.Delays);
        Margins.Assign(s.Margins);
    }
    bool Active = false;
    TDragScrollDelays Delays;
    TDragScrollMargins Margins;
};

// ------------------------------------------------------- drag and drop

// How the grid takes part in drag and drop between windows and programs.
class TDragDropSettings {
public:
    void Assign(const TDragDropSettings& s)
    {
        FOleDropTarget = s.FOleDropTarget;
        OleDropSource = s.OleDropSource;
        OleAcceptText = s.OleAcceptText;
        OleAcceptFiles = s.OleAcceptFiles;
        OleAcceptURLs = s.OleAcceptURLs;
        OleEntireRows = s.OleEntireRows;
        OleAppendRows = s.OleAppendRows;
        OleInsertRows = s.OleInsertRows;
        OleRemoveRows = s.OleRemoveRows;
        OleCopyAlways = s.OleCopyAlways;
        OleColumnDragDrop = s.OleColumnDragDrop;
        OleColumnReorder = s.OleColumnReorder;
        OleColumnsOnly = s.OleColumnsOnly;
        FOleDropRTF = s.FOleDropRTF;
        ShowCells = s.ShowCells;
    }
    // The grid's window takes drops (the grid attaches its drop target).
    bool OleDropTarget() const { return FOleDropTarget; }
    void SetOleDropTarget(bool value)
    {
        FOleDropTarget = value;
        if (OnDropTargetChanged) OnDropTargetChanged(value);
    }
    // Rich text is offered and accepted: the switch is the whole program's.
    bool OleDropRTF() const { return FOleDropRTF; }
    void SetOleDropRTF(bool value);
    bool OleDropSource = false;
    bool OleAcceptText = true;
    bool OleAcceptFiles = true;
    bool OleAcceptURLs = true;
    bool OleEntireRows = false;
    bool OleAppendRows = false;
    bool OleInsertRows = false;
    bool OleRemoveRows = false;
    bool OleCopyAlways = false;
    bool OleColumnDragDrop = false;
    bool OleColumnReorder = false;
    bool OleColumnsOnly = false;
    bool ShowCells = true;
    std::function<void(bool)> OnDropTargetChanged;

private:
    bool FOleDropTarget = false;
    bool FOleDropRTF = false;
};

}  // namespace grid
