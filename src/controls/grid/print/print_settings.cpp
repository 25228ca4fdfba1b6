#include "controls/grid/print/print_settings.h"

namespace grid {

Qt::PenStyle ToQtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    case psSolid:
    case psInsideFrame: break;
    }
    return Qt::SolidLine;
}

TPrintSettings::TPrintSettings(TExStringGrid* grid) : FGrid(grid) {}

platform::TFont TPrintSettings::NewFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    return platform::TFont(font, clWindowText);
}

void TPrintSettings::Assign(const TPrintSettings& s)
{
    if (&s == this) return;
    FooterSize = s.FooterSize;
    HeaderSize = s.HeaderSize;
    Time = s.Time;
    Date = s.Date;
    DateFormat = s.DateFormat;
    PageNr = s.PageNr;
    Title = s.Title;
    TitleText = s.TitleText;
    TitleLines = s.TitleLines;
    Font = s.Font;
    FixedFont = s.FixedFont;
    HeaderFont = s.HeaderFont;
    FooterFont = s.FooterFont;
    Borders = s.Borders;
    BorderStyle = s.BorderStyle;
    Centered = s.Centered;
    RepeatFixedRows = s.RepeatFixedRows;
    RepeatFixedCols = s.RepeatFixedCols;
    LeftSize = s.LeftSize;
    RightSize = s.RightSize;
    ColumnSpacing = s.ColumnSpacing;
    RowSpacing = s.RowSpacing;
    TitleSpacing = s.TitleSpacing;
    Orientation = s.Orientation;
    PagePrefix = s.PagePrefix;
    PageSuffix = s.PageSuffix;
    PageNumberOffset = s.PageNumberOffset;
    MaxPagesOffset = s.MaxPagesOffset;
    FixedWidth = s.FixedWidth;
    FixedHeight = s.FixedHeight;
    UseFixedHeight = s.UseFixedHeight;
    UseFixedWidth = s.UseFixedWidth;
    FitToPage = s.FitToPage;
    JobName = s.JobName;
    PageNumSep = s.PageNumSep;
    NoAutoSize = s.NoAutoSize;
    NoAutoSizeRow = s.NoAutoSizeRow;
    PrintGraphics = s.PrintGraphics;
    UseDisplayFont = s.UseDisplayFont;
    UseDefaultOrientation = s.UseDefaultOrientation;
    BorderColor = s.BorderColor;
}

}  // namespace grid
