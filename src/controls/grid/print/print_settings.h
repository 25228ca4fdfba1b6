#pragma once

// The options that govern how a string grid prints and previews itself:
// page furniture (time, date, page number, title and their places), the
// four print fonts, cell lines, margins and spacings, orientation, column
// and row sizing (fixed sizes, fit to page, screen sizes), repeated fixed
// rows and columns and the print job's name.
//
// Lengths are tenths of a millimetre. Every property is a plain value:
// changing one repaints nothing and takes effect at the next print or
// preview pass. The fonts and the title lines are owned values; their
// setters copy the given object's contents.

#include <QStringList>

#include "platform/canvas.h"

namespace grid {

class TExStringGrid;

// Where a header/footer item goes: 1..3 the header band, 4..6 the footer band.
enum TPrintPosition : uint8_t {
    ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter
};
// Which cell lines and page frame lines are drawn.
enum TPrintBorders : uint8_t {
    pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical, pbAroundHorizontal,
    pbCustom
};
// Scaling of the column widths to the printable page width.
enum TFitToPage : uint8_t { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation : uint8_t { poPortrait, poLandscape };
// Pen styles of printed lines (ordinals as stored in settings files).
enum TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

Qt::PenStyle ToQtPenStyle(TPenStyle style);
// A header position (1..3) and a footer position (4..6).
inline bool IsTopPosition(TPrintPosition p) { return p >= ppTopLeft && p <= ppTopCenter; }
inline bool IsBottomPosition(TPrintPosition p) { return p >= ppBottomLeft && p <= ppBottomCenter; }

class TPrintSettings {
public:
    // The owner grid is kept for the settings' lifetime (null: values only).
    explicit TPrintSettings(TExStringGrid* grid = nullptr);
    TPrintSettings(const TPrintSettings&) = delete;
    TPrintSettings& operator=(const TPrintSettings&) = delete;

    // Copies every published setting; never FixedCellsAlways nor the owner.
    void Assign(const TPrintSettings& source);

    TExStringGrid* Grid() const { return FGrid; }

    // A font as printing starts it: Tahoma 8 in the window text colour.
    static platform::TFont NewFont();

    // Font setters copy the given font's name, size, style and colour.
    void SetFont(const platform::TFont& value) { Font = value; }
    void SetFixedFont(const platform::TFont& value) { FixedFont = value; }
    void SetHeaderFont(const platform::TFont& value) { HeaderFont = value; }
    void SetFooterFont(const platform::TFont& value) { FooterFont = value; }
    void SetTitleLines(const QStringList& value) { TitleLines = value; }

    int FooterSize = 0;  // page bottom to footer texts
    int HeaderSize = 0;  // page top to header texts
    TPrintPosition Time = ppNone;  // current time, "hh:nn"
    TPrintPosition Date = ppNone;  // current date, DateFormat
    QString DateFormat = QStringLiteral("dd/mm/yyyy");
    TPrintPosition PageNr = ppNone;
    TPrintPosition Title = ppNone;
    QString TitleText;        // one-line title; empty: TitleLines is the title
    QStringList TitleLines;   // plain or mini-HTML multi-line title
    platform::TFont Font = NewFont();        // normal cells (unless UseDisplayFont)
    platform::TFont FixedFont = NewFont();   // fixed cells (unless UseDisplayFont)
    platform::TFont HeaderFont = NewFont();
    platform::TFont FooterFont = NewFont();
    TPrintBorders Borders = pbSingle;
    TPenStyle BorderStyle = psSolid;
    TColor BorderColor = 0;  // black
    bool Centered = true;    // centre each column band; LeftSize then ignored
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    int LeftSize = 0;
    int RightSize = 0;
    int ColumnSpacing = 0;  // extra width of every column (2 mm more always added)
    int RowSpacing = 0;
    int TitleSpacing = 0;   // header band to first row
    TPrinterOrientation Orientation = poPortrait;
    QString PagePrefix;
    QString PageSuffix;
    int PageNumberOffset = 0;
    int MaxPagesOffset = 0;
    int FixedWidth = 0;
    int FixedHeight = 0;
    bool UseFixedHeight = false;
    bool UseFixedWidth = false;  // also drops the column spacing
    TFitToPage FitToPage = fpNever;
    QString JobName;
    QString PageNumSep = QStringLiteral("/");  // empty: no page total
    bool NoAutoSize = false;     // column widths from the screen; word wrap in print
    bool NoAutoSizeRow = false;  // row heights from the screen
    bool PrintGraphics = false;
    bool UseDisplayFont = true;  // cells print with the grid's own fonts
    bool UseDefaultOrientation = false;
    // Printing only the selected rows or columns prints the fixed ones too.
    bool FixedCellsAlways = false;

private:
    TExStringGrid* FGrid;
};

}  // namespace grid
