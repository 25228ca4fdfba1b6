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
