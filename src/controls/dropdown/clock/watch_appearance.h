#pragma once

// The look of the analogue clock (TWatchAppearance) and its running-clock
// behaviour (TWatchSettings).

#include <cstdint>
#include <functional>

#include <QImage>

#include "platform/canvas.h"
#include "platform/colors.h"

namespace dropdown {

enum TWatchShape : uint8_t { wsCircle, wsRect, wsRoundRect };
enum TWatchGradient : uint8_t { wgVertical, wgDiagonalForward, wgDiagonalBackward, wgRadial };
enum TTickMarks : uint8_t { tmAll, tmHours, tmQuartHours, tmNone };
enum THourMarkStyle : uint8_t { hmsLine, hmsQuartDblLine };
enum TPointerStyle : uint8_t { psLine, psShortLine, psPointer, psLineArrow };
enum TAMPMFrame : uint8_t { apRect, apRoundRect };

class TWatchAppearance {
public:
    TWatchAppearance() { SetDefaults(); }
    TWatchAppearance(const TWatchAppearance& other) { Assign(other); }
    TWatchAppearance& operator=(const TWatchAppearance& other)
    {
        Assign(other);
        return *this;
    }

    // Every value back to its initial one (one change notification).
    void SetDefaults();
    // Copies every value (one change notification).
    void Assign(const TWatchAppearance& source);

#define WATCH_PROPERTY(Type, Name)        \
    Type Name() const { return F##Name; } \
    void Set##Name(Type value)            \
    {                                     \
        if (F##Name == value) return;     \
        F##Name = value;                  \
        Changed();                        \
    }
    WATCH_PROPERTY(int, Size)
    WATCH_PROPERTY(TWatchShape, Shape)
    WATCH_PROPERTY(TColor, BackgroundColor)
    WATCH_PROPERTY(TColor, BackgroundColorTo)
    WATCH_PROPERTY(TWatchGradient, BackgroundGradient)
    WATCH_PROPERTY(TColor, BorderColor)
    WATCH_PROPERTY(int, BorderWidth)
    WATCH_PROPERTY(TTickMarks, TickMarks)
    WATCH_PROPERTY(THourMarkStyle, HourMarkStyle)
    WATCH_PROPERTY(TColor, HourColor)
    WATCH_PROPERTY(uint8_t, HourMarkLength)
    WATCH_PROPERTY(uint8_t, HourMarkWidth)
    WATCH_PROPERTY(TColor, MinuteColor)
    WATCH_PROPERTY(uint8_t, MinuteMarkLength)
    WATCH_PROPERTY(uint8_t, MinuteMarkWidth)
    WATCH_PROPERTY(TPointerStyle, PointerStyle)
    WATCH_PROPERTY(TColor, HourPointer)
    WATCH_PROPERTY(TColor, HourPointerShadow)
    WATCH_PROPERTY(uint8_t, HourPointerSize)
    WATCH_PROPERTY(TColor, MinutePointer)
    WATCH_PROPERTY(TColor, MinutePointerShadow)
    WATCH_PROPERTY(uint8_t, MinutePointerSize)
    WATCH_PROPERTY(TColor, SecondPointer)
    WATCH_PROPERTY(uint8_t, SecondPointerSize)
    WATCH_PROPERTY(uint8_t, CenterPointSize)
    WATCH_PROPERTY(TColor, CenterPointColor)
    WATCH_PROPERTY(TColor, CenterPointBorderColor)
    WATCH_PROPERTY(TColor, CenterPointOuterBorderColor)
    WATCH_PROPERTY(TColor, AMPMColor)
    WATCH_PROPERTY(TColor, AMPMBorderColor)
    WATCH_PROPERTY(TAMPMFrame, AMPMFrame)
#undef WATCH_PROPERTY

    // Fonts and picture: the setters always notify.
    const platform::TFont& HourFont() const { return FHourFont; }
    void SetHourFont(const platform::TFont& value)
    {
        FHourFont = value;
        Changed();
    }
    const platform::TFont& AMPMFont() const { return FAMPMFont; }
    void SetAMPMFont(const platform::TFont& value)
    {
        FAMPMFont = value;
        Changed();
    }
    const QImage& Picture() const { return FPicture; }
    void SetPicture(const QImage& value)
    {
        FPicture = value;
        Changed();
    }

    // Without change notification.
    void SetAMPMColorQuietly(TColor value) { FAMPMColor = value; }
    void SetAMPMBorderColorQuietly(TColor value) { FAMPMBorderColor = value; }

    std::function<void()> OnChange;

private:
    void Changed()
    {
        if (OnChange) OnChange();
    }

    int FSize;
    TWatchShape FShape;
    TColor FBackgroundColor, FBackgroundColorTo;
    TWatchGradient FBackgroundGradient;
    TColor FBorderColor;
    int FBorderWidth;
    QImage FPicture;
    TTickMarks FTickMarks;
    THourMarkStyle FHourMarkStyle;
    TColor FHourColor;
    uint8_t FHourMarkLength, FHourMarkWidth;
    TColor FMinuteColor;
    uint8_t FMinuteMarkLength, FMinuteMarkWidth;
    platform::TFont FHourFont;
    TPointerStyle FPointerStyle;
    TColor FHourPointer, FHourPointerShadow;
    uint8_t FHourPointerSize;
    TColor FMinutePointer, FMinutePointerShadow;
    uint8_t FMinutePointerSize;
    TColor FSecondPointer;
    uint8_t FSecondPointerSize;
    uint8_t FCenterPointSize;
    TColor FCenterPointColor, FCenterPointBorderColor, FCenterPointOuterBorderColor;
    platform::TFont FAMPMFont;
    TColor FAMPMColor, FAMPMBorderColor;
    TAMPMFrame FAMPMFrame;
};

class TWatchSettings {
public:
    bool Auto() const { return FAuto; }
    void SetAuto(bool value) { Store(FAuto, value); }
    // Minutes added to the current time of a live clock.
    int TimeOffset() const { return FTimeOffset; }
    void SetTimeOffset(int value) { Store(FTimeOffset, value); }
    // A live clock shows the second hand.
    bool Second() const { return FSecond; }
    void SetSecond(bool value) { Store(FSecond, value); }
    void Assign(const TWatchSettings& source)
    {
        SetAuto(source.FAuto);
        SetTimeOffset(source.FTimeOffset);
        SetSecond(source.FSecond);
    }
    std::function<void()> OnChange;

private:
    template <class T>
    void Store(T& field, T value)
    {
        if (field == value) return;
        field = value;
        if (OnChange) OnChange();
    }
    bool FAuto = false;
    int FTimeOffset = 0;
    bool FSecond = true;
};

}  // namespace dropdown
