#pragma once

#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "platform/geometry.h"

class QPainter;
class QFontMetrics;

namespace platform {

// Format flags of the text output routine, with their usual values.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_EXTERNALLEADING = 0x200;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

// One laid-out line: the characters shown, where the line's box starts and
// how wide it is; UnderlineAt is the position within Text of a character
// marked by a prefix "&" (-1 when none).
struct TextLine {
    QString Text;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int UnderlineAt = -1;
};

// The result of laying out a text in a rectangle: the lines as they are
// drawn and the box that holds them (what measuring reports).
struct TextLayout {
    std::vector<TextLine> Lines;
    TRect Bounds;       // aligned in the given rectangle
    int LineHeight = 0;
    int TextHeight = 0;  // height of all lines
};

// The one text engine behind measuring and drawing: both run the same layout,
// so a measured rectangle is exactly the box the drawn text occupies.
//
// Flags: horizontal alignment (left, DT_CENTER, DT_RIGHT) and vertical
// alignment (top, DT_VCENTER, DT_BOTTOM, applied to the whole block of lines);
// DT_SINGLELINE (line breaks do not break, they are left out); DT_WORDBREAK
// (lines break at blanks to fit the width, a word longer than the width breaks
// between characters); DT_END_ELLIPSIS / DT_WORD_ELLIPSIS (a line too wide,
// or the last line that fits when lines are cut at the bottom, ends in "...");
// prefix processing unless DT_NOPREFIX ("&x" underlines x, "&&" is one "&";
// DT_HIDEPREFIX drops the underline); DT_EXPANDTABS (tab stops every eight
// average character widths); DT_EXTERNALLEADING (line height includes the
// font's leading); DT_EDITCONTROL (a partly visible last line is not drawn);
// DT_NOCLIP (drawing is not clipped to the rectangle); DT_RTLREADING.
class TextEngine {
public:
    static TextLayout Layout(const QFont& font, const QString& text, const TRect& rect, unsigned flags);

    // The text output routine. With DT_CALCRECT nothing is drawn and rect's
    // Right and Bottom are set so that rect is the measured box placed at its
    // top-left corner; otherwise the text is drawn into rect with the
    // painter's pen (background filled per line when background is valid).
    // Returns the height of the text.
    static int DrawText(QPainter* painter, const QFont& font, const QString& text, TRect& rect, unsigned flags,
                        const QColor& background = QColor());

    // Draws a laid-out text (the lines of Layout) with the painter's pen.
    static void DrawLayout(QPainter& painter, const QFont& font, const TextLayout& layout, const TRect& clip,
                           unsigned flags, const QColor& background = QColor());

    // Width of one line as the engine measures it (tabs expanded with DT_EXPANDTABS).
    static int LineWidth(const QFontMetrics& fm, const QString& line, unsigned flags);
};

}  // namespace platform
