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

// ------------------------------------------------------------- control look

enum TControlStyle : uint8_t { csClassic, csFlat, csWinXP, csPelmora, csQVR, csGlyph, csTheme };

// The look of the grid's cell controls.
class TControlLook {
public:
    void Assign(const TControlLook& s) { *this = s; }
    TControlStyle ControlStyle = csWinXP;
    bool DropDownAlwaysVisible = false;
    bool SpinButtonsAlwaysVisible = false;
    int CheckSize = 15;
    bool CheckAlwaysActive = false;
    bool RadioAlwaysActive = false;
    TColor CommentColor = clRed;
    int DropDownCount = 8;
};

// --------------------------------------------------------------- background

enum TBackgroundDisplay : uint8_t { bdTile, bdFixed, bdGradientHorz, bdGradientVert };

class TBackGround {
public:
    TBackgroundDisplay Display = bdTile;
    TColor Color = clNone;
    TColor ColorTo = clNone;
    bool IsGradient() const { return Display == bdGradientHorz || Display == bdGradientVert; }
};

// ----------------------------------------------------------------- grouping

class TGrouping {
public:
    void Assign(const TGrouping& s) { *this = s; }
    bool AutoCheckGroup = false;
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
