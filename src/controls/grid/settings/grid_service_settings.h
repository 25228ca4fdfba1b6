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

// The footer row kept last: shown, its style and whether it calculates.
class TFloatingFooter {
public:
    void Assign(const TFloatingFooter& s)
    {
        Visible = s.Visible;
        FooterStyle = s.FooterStyle;
        EnableCalculation = s.EnableCalculation;
        CalculateHiddenRows = s.CalculateHiddenRows;
        Height = s.Height;
    }
    bool Visible = false;
    TFooterStyle FooterStyle = fsFixedLastRow;
    bool EnableCalculation = true;
    bool CalculateHiddenRows = true;
    int Height = 22;
    TCalcFooterEvent OnCalcFooter;
};

// ----------------------------------------------------------------- grouping

class TGrouping {
public:
    void Assign(const TGrouping& s) { *this = s; }
    bool AutoCheckGroup = false;
    bool AutoSelectGroup = false;  // a click on an expanded node row selects its group
    bool HeaderUnderline = false;
    TColor HeaderLineColor = clBlack;
    int HeaderLineWidth = 2;
    bool SummaryLine = false;
    TColor SummaryLineColor = clBlack;
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
