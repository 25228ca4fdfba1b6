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

class TDragScrollOptions {
public:
    void Assign(const TDragScrollOptions& s) { *this = s; }
    bool Active = false;
    int InitialDelay = 300;  // ms
    int RepeatDelay = 100;   // ms
    int TopMargin = 10;      // pixels
    int BottomMargin = 10;
    int LeftMargin = 10;
    int RightMargin = 10;
};

}  // namespace grid
