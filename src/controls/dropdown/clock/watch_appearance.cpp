#include "controls/dropdown/clock/watch_appearance.h"

namespace dropdown {

namespace {

platform::TFont tahoma(int points)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(points);
    return platform::TFont(font, clWindowText);
}

}  // namespace

void TWatchAppearance::SetDefaults()
{
    FSize = 0;
    FShape = wsCircle;
    FBackgroundColor = clWhite;
    FBackgroundColorTo = clNone;
    FBackgroundGradient = wgVertical;
    FBorderColor = clBlack;
    FBorderWidth = 4;
    FPicture = QImage();
    FTickMarks = tmAll;
    FHourMarkStyle = hmsLine;
    FHourColor = clBlack;
    FHourMarkLength = 0;
    FHourMarkWidth = 1;
    FMinuteColor = clGray;
    FMinuteMarkLength = 0;
    FMinuteMarkWidth = 1;
    FHourFont = tahoma(8);
    FPointerStyle = psLine;
    FHourPointer = clBlack;
    FHourPointerShadow = clBtnShadow;
    FHourPointerSize = 4;
    FMinutePointer = clBlack;
    FMinutePointerShadow = clBtnShadow;
    FMinutePointerSize = 3;
    FSecondPointer = clRed;
    FSecondPointerSize = 1;
    FCenterPointSize = 4;
    FCenterPointColor = clBlack;
    FCenterPointBorderColor = clNone;
    FCenterPointOuterBorderColor = clNone;
    FAMPMFont = tahoma(10);
    FAMPMColor = clWhite;
    FAMPMBorderColor = clBlack;
    FAMPMFrame = apRect;
    Changed();
}

void TWatchAppearance::Assign(const TWatchAppearance& source)
{
    if (&source == this) return;
    auto onChange = std::move(OnChange);
    FSize = source.FSize;
    FShape = source.FShape;
    FBackgroundColor = source.FBackgroundColor;
    FBackgroundColorTo = source.FBackgroundColorTo;
    FBackgroundGradient = source.FBackgroundGradient;
    FBorderColor = source.FBorderColor;
    FBorderWidth = source.FBorderWidth;
    FPicture = source.FPicture;
    FTickMarks = source.FTickMarks;
    FHourMarkStyle = source.FHourMarkStyle;
    FHourColor = source.FHourColor;
    FHourMarkLength = source.FHourMarkLength;
    FHourMarkWidth = source.FHourMarkWidth;
    FMinuteColor = source.FMinuteColor;
    FMinuteMarkLength = source.FMinuteMarkLength;
    FMinuteMarkWidth = source.FMinuteMarkWidth;
    FHourFont = source.FHourFont;
    FPointerStyle = source.FPointerStyle;
    FHourPointer = source.FHourPointer;
    FHourPointerShadow = source.FHourPointerShadow;
    FHourPointerSize = source.FHourPointerSize;
    FMinutePointer = source.FMinutePointer;
    FMinutePointerShadow = source.FMinutePointerShadow;
    FMinutePointerSize = source.FMinutePointerSize;
    FSecondPointer = source.FSecondPointer;
    FSecondPointerSize = source.FSecondPointerSize;
    FCenterPointSize = source.FCenterPointSize;
    FCenterPointColor = source.FCenterPointColor;
    FCenterPointBorderColor = source.FCenterPointBorderColor;
    FCenterPointOuterBorderColor = source.FCenterPointOuterBorderColor;
    FAMPMFont = source.FAMPMFont;
    FAMPMColor = source.FAMPMColor;
    FAMPMBorderColor = source.FAMPMBorderColor;
    FAMPMFrame = source.FAMPMFrame;
    OnChange = std::move(onChange);
    Changed();
}

}  // namespace dropdown
