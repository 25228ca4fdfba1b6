#pragma once

// The state of one RenderHTMLText call and its line engine (internal to the
// renderer): the call-wide render state, the state of the line being laid
// out, and the steps that work on them. The entry point and the line loop,
// the text runs and tags, and the objects (pictures and form controls) are
// implemented in html_renderer.cpp, html_render_tags.cpp and
// html_render_objects.cpp.

#include <algorithm>
#include <memory>
#include <vector>

#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <QStringView>

#include "controls/grid/html/html_renderer.h"
#include "controls/grid/html/html_tags.h"

namespace grid {

class THTMLPicture;

namespace html_render {

// MulDiv: a × b ÷ c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

// What is left of a text that a pass consumes from the front, with the
// next "<", " " and ">" found once per stretch of text, so that a long text
// costs one walk.
class TTextCursor {
public:
    explicit TTextCursor(QStringView text) : FText(text) {}
    QStringView Rest() const { return FText.mid(FPos); }
    bool Empty() const { return FPos >= FText.size(); }
    qsizetype Size() const { return FText.size() - FPos; }
    void Skip(qsizetype n) { FPos = std::min(FText.size(), FPos + n); }
    void Clear() { FPos = FText.size(); }
    // Index in Rest() of the next c; -1 when none.
    qsizetype Find(QChar c);

private:
    struct Next {
        QChar Char;
        qsizetype At = -2;  // absolute index of the next Char at or after the cursor; -1 none; -2 unknown
    };
    QStringView FText;
    qsizetype FPos = 0;
    Next FNext[3] = {{u'<'}, {u' '}, {u'>'}};
};

enum class TParagraphAlign { Left, Right, Center };

// A font as the runs use it: its metrics, the engine's line height, the
// widths of a space and of "gh", and the widths of the runs measured in it.
// Kept across calls (every paint lays the same texts out again), on the
// user-interface thread only.
struct TFontInfo {
    explicit TFontInfo(const QFont& font, unsigned runFormat);
    QFont Font;
    QFontMetrics Metrics;
    int LineHeight = 0;
    int SpaceWidth = 0;
    int Gh = 0;
    QHash<QString, int> Widths;
};

class TFontInfoCache {
public:
    // The font's entry; none is dropped while a call holds entries.
    TFontInfo& Of(const QFont& font, unsigned runFormat);
    // At the start of a call: a cache grown too big starts again.
    void Trim();

private:
    std::vector<std::unique_ptr<TFontInfo>> FFonts;
};

class TRenderEngine {
public:
    TRenderEngine(platform::TCanvas& canvas, const platform::TRect& rect, const THTMLRenderParams& params,
                  THTMLRenderResult& result);
    bool Run(const QString& text);

private:
    // ----- the line loop and the line engine (html_renderer.cpp)
    void LineLoop(const QString& prepared);
    // Lays out one line from the cursor: measuring (first pass), or drawing
    // or hit-testing at the drawn place (second pass). Returns the line's
    // source, the part of the text it consumed.
    QString RenderLine(TTextCursor& text, platform::TRect box, bool measuring, bool firstPass);
    void LayoutRun(TTextCursor& text, qsizetype sourceLength, const QString& run);
    void DrawRun(const QString& run, platform::TRect pen, int& width);
    void DrawRunText(const QString& run, const platform::TRect& pen);
    void DrawErrorMark(int right);
    void CloseFocusPiece(bool lineEnd);

    // The canvas font's entry in the font cache, looked up when the font changed.
    TFontInfo& Font();
    int RunWidth(const QString& run);
    int RunHeight();
    int GhHeight();

    // ----- tags (html_render_tags.cpp)
    void ApplyTag(THTMLTag tag, QStringView tagText);
    void OpenAnchor(QStringView tagText);
    void CloseAnchor();
    void ApplyFont(QStringView tagText);
    void ApplyParagraph(QStringView tagText);
    void ApplyBody(QStringView tagText);
    void StartListItem();

    // ----- objects (html_render_objects.cpp)
    void PlaceImage(QStringView tagText);
    void PlaceControl(QStringView tagText);
    // The object rule: the object of the current box moves to the next line
    // (first pass, when it does not fit but would on a line of its own), or
    // takes its place on this one.
    void PlaceObject();
    THTMLPicture* FindPicture(const QString& name);
    // The icon of a file, a folder or an icon number; its size.
    QSize SystemIcon(const QString& name, bool large, bool draw);
    int DpiX() const;
    int DpiY() const;

    platform::TCanvas& C;
    const platform::TRect FRect;
    const THTMLRenderParams& P;
    THTMLRenderResult& R;

    // ----- call state
    platform::TFont FBaseFont;
    platform::TFont FMeasureFont;
    platform::TFont FDrawFont;
    TColor FEntryBackground = clNone;
    unsigned FRunFormat = 0;
    bool FRightToLeft = false;  // right-to-left reading
    bool FThemed = true;
    bool FSub = false;
    bool FSup = false;
    bool FShadow = false;
    bool FHidden = false;
    bool FErrorMark = false;
    bool FInAnchor = false;
    QString FHref;
    QString FTitle;
    bool FParaBand = false;
    TColor FAnchorBackSlot = clNone;
    TColor FAnchorTextSlot = clNone;
    TColor FFontBackSlot = clNone;
    TColor FHiTextSlot = clNone;
    TColor FHiBackSlot = clNone;
    TColor FParaBackSlot = clNone;
    int FListLevel = 0;
    int FAnchorCount = 0;
    TParagraphAlign FAlign = TParagraphAlign::Left;
    int FIndent = 0;
    bool FPointInAnchor = false;
    int FAnchorStartAdvance = 0;
    int FAnchorStartTop = 0;
    platform::TRect FFocusRect;
    int FRotation = 0;
    int FImageCount = 0;
    int FObjectUnderPoint = -1;
    int FObjectWidth = 0;
    int FObjectHeight = 0;
    bool FResult = false;

    // ----- line state
    platform::TRect FBox;
    platform::TRect FPen;
    int FAdvance = 0;
    int FLineHeight = 0;
    int FRise = 0;
    int FDrop = 0;
    int FLift = 0;
    bool FLineEnd = false;
    bool FCarry = false;
    QString FLineText;
    QString FLineSource;
    int FTrailing = 0;
    bool FListItemSeen = false;
    bool FAnchorHit = false;
    bool FObjectHit = false;
    bool FMeasuring = true;
    bool FFirstPass = true;

    // ----- fonts
    TFontInfo* FFont = nullptr;
};

}  // namespace html_render

}  // namespace grid
