#pragma once

// The value rules of the spin edit, free of any window: clamping, which
// typed characters a spin accepts, the text of a float, and the steps of the
// date and time spins. TEsgSpinEdit applies them to its text.

#include <cstdint>

#include <QChar>
#include <QString>

#include "controls/grid/editors/date_time_value.h"
#include "controls/grid/editors/editor_kinds.h"

namespace grid {

// Limits of a spin: a pair of equal limits means "no limit".
int ClampSpinValue(int value, int minimum, int maximum);
double ClampSpinFloat(double value, double minimum, double maximum);
TDateTime ClampSpinDateTime(TDateTime value, TDateTime minimum, TDateTime maximum);

// value + step kept within the 32-bit range (stepping never wraps from the
// largest to the smallest number or back).
int SaturatingAdd(int value, int step);

// The state of the edit that decides whether a typed character is taken.
struct TSpinCharContext {
    TEsgSpinType SpinType = sptNormal;
    QString Text;
    int SelStart = 0;   // caret, 0-based
    int SelLength = 0;
    bool EditorEnabled = true;
    int Precision = 0;  // decimals of a float spin, 0 = any
};

// True when the character may go into the edit (a refused one beeps). The
// separators are those of the process-wide format settings.
bool IsValidSpinCharacter(const TSpinCharContext& context, QChar key);

// A float as the spin shows it: with `precision` > 0 in fixed notation with
// that many decimals, else the shortest general form (15 significant
// digits); the locale decimal separator either way.
QString FormatSpinFloat(double value, int precision);
// A float text with the locale decimal separator; no value when the text is
// no number.
std::optional<double> ParseSpinFloat(const QString& text);

// Which date field lies under the caret of a date text.
enum class TDateField : uint8_t { Day, Month, Year };
TDateField DateFieldAt(const QString& text, int caret);
// The date stepped by one unit (+1 or -1) of the field under the caret:
// months keep the day where the target month has it (else its last day),
// days move by one, years keep day and month and drop the time of day;
// 29 February stepped into a common year becomes 28 February.
TDateTime StepDateField(TDateTime value, const QString& text, int caret, int direction);

// Which time field lies under the caret of a time text, and the step of
// `direction` (+1 or -1) applied to the time of day (wrapping at midnight).
enum class TTimeField : uint8_t { Hours, Minutes, Seconds };
TTimeField TimeFieldAt(const QString& text, int caret, bool showSeconds);
TDateTime StepTimeValue(TDateTime value, TTimeField field, int direction, int incrementHours, int incrementMinutes,
                        int incrementSeconds);

}  // namespace grid
