// The tags of the mini-HTML dialect applied to the render state: fonts and
// colours, lines, lists, paragraphs, anchors. Effects marked "drawing only"
// are skipped while the line engine measures.

#include <algorithm>

#include "controls/grid/html/html_colors.h"
#include "controls/grid/html/html_render_engine.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/html/picture_container.h"

namespace grid::html_render {

using platform::TRect;

namespace render_tags_detail {

// Font sizes of FONT SIZE: 1 to 5 are steps, any other number is points
// (kept within what a font can be drawn at).
int fontPoints(int size)
{
    switch (size) {
    case 1: return 8;
    case 2: return 10;
    case 3: return 12;
    case 4: return 14;
    case 5: return 16;
    default: return std::clamp(size, 1, 1000);
    }
}

void copyFaceAndSize(QFont& to, const QFont& from)
{
    to.setFamilies(from.families());
    to.setFamily(from.family());
    if (from.pixelSize() > 0)
        to.setPixelSize(from.pixelSize());
    else
        to.setPointSizeF(from.pointSizeF());
}

}  // namespace render_tags_detail

namespace rt = render_tags_detail;

void TRenderEngine::ApplyTag(THTMLTag tag, QStringView tagText)
{
    const bool drawing = !FMeasuring;
    using enum THTMLTag;
    switch (tag) {
    case Anchor: OpenAnchor(tagText); break;
    case AnchorEnd: CloseAnchor(); break;
    case Bold: C.Font.setBold(true); break;
    case BoldEnd: C.Font.setBold(false); break;
    case Break:
        FLineEnd = true;
        if (FFirstPass) R.StripVal += u'\r';
        break;
    case Blink:
        if (!P.BlinkOn) C.Font.Color = FEntryBackground;
        break;
    case BlinkEnd: C.Font.Color = FBaseFont.Color; break;
    case Body: ApplyBody(tagText); break;
    case Control: PlaceControl(tagText); break;
    case ErrorMark:
        if (drawing) FErrorMark = true;
        break;
    case ErrorMarkEnd:
        if (drawing) FErrorMark = false;
        break;
    case Font: ApplyFont(tagText); break;
    case FontEnd:
        rt::copyFaceAndSize(C.Font, FBaseFont);
        if (drawing && !P.Selected) {
            C.Font.Color = FBaseFont.Color;
            C.Brush.Color = FFontBackSlot;
        }
        break;
    case Highlight:
        if (drawing) {
            FHiTextSlot = C.Font.Color;
            FHiBackSlot = C.Brush.Color;
            C.Brush.Color = HTMLHighlightColor();
            C.Font.Color = HTMLHighlightTextColor();
        }
        break;
    case HighlightEnd:
        if (drawing) {
            C.Font.Color = FHiTextSlot;
            C.Brush.Color = FHiBackSlot;
        }
        break;
    case Rule:
        FLineEnd = true;
        if (drawing) {
            const TColor pen = C.Pen.Color;
            C.Pen.Color = clBlack;
            C.MoveTo(FBox.Left, FPen.Bottom + 1);
            C.LineTo(FBox.Right, FPen.Bottom + 1);
            C.Pen.Color = pen;
        }
        break;
    case Italic: C.Font.setItalic(true); break;
    case ItalicEnd: C.Font.setItalic(false); break;
    case Indent: {
        bool number = false;
        const int n = HTMLTagLetterNumber(tagText, u'x', &number);
        if (number && FAdvance < n) {
            FAdvance = n;
            FPen.Left = FRect.Left + n;
        }
        break;
    }
    case Image: PlaceImage(tagText); break;
    case ListItem: StartListItem(); break;
    case ListItemEnd: FLineEnd = true; break;
    case Paragraph: ApplyParagraph(tagText); break;
    case ParagraphEnd:
        FLineEnd = true;
        if (drawing) {
            C.Brush.Color = FParaBackSlot;
            FParaBand = false;
        }
        break;
    case Rotate: FRotation = HTMLTagLetterNumber(tagText, u'a', nullptr) % 360; break;
    case RotateEnd: FRotation = 0; break;
    case Strike: C.Font.setStrikeOut(true); break;
    case StrikeEnd: C.Font.setStrikeOut(false); break;
    case Shadow: FShadow = true; break;
    case ShadowEnd: FShadow = false; break;
    case Subscript: FSub = true; break;
    case Superscript: FSup = true; break;
    case SubSupEnd: FSub = FSup = false; break;
    case Underline: C.Font.setUnderline(true); break;
    case UnderlineEnd: C.Font.setUnderline(false); break;
    case List:
        ++FListLevel;
        FLineEnd = true;
        break;
    case ListEnd:
        if (FListLevel == 0)
            C.Font.setUnderline(false);
        else
            --FListLevel;
        break;
    case Hidden: FHidden = true; break;
    case HiddenEnd: FHidden = false; break;
    case Unknown: break;
    }
}

void TRenderEngine::ApplyFont(QStringView tagText)
{
    const QStringView original = tagText.mid(5);
    const QString upper = HTMLUpper(original);
    const QStringView face = HTMLTagAttributeAsWritten(original, upper, u"FACE");
    if (!face.isEmpty()) C.Font.setFamily(face.toString());
    if (!P.Selected) HTMLAttributeColor(HTMLTagAttribute(upper, u" COLOR"), C.Font.Color);
    if (!FMeasuring && !P.Selected && upper.contains(u"BGCOLOR")) {
        FFontBackSlot = C.Brush.Color;
        HTMLAttributeColor(HTMLTagAttribute(upper, u"BGCOLOR"), C.Brush.Color);
    }
    bool number = false;
    const int size = HTMLTagNumberAfterEquals(upper, u"SIZE", &number);
    if (number) C.Font.setPointSize(rt::fontPoints(size));
}

void TRenderEngine::ApplyParagraph(QStringView tagText)
{
    const QString upper = HTMLUpper(tagText);
    const QStringView align = HTMLTagAttribute(upper, u"ALIGN");
    if (align.contains(u"RIGHT")) FAlign = TParagraphAlign::Right;
    if (align.contains(u"LEFT")) FAlign = TParagraphAlign::Left;
    if (align.contains(u"CENTER")) FAlign = TParagraphAlign::Center;
    if (upper.contains(u"INDENT")) FIndent = LeadingNumber(HTMLTagAttribute(upper, u"INDENT"));
    if (!upper.contains(u"BGCOLOR")) return;
    TColor band = clNone;
    HTMLAttributeColor(HTMLTagAttribute(upper, u"BGCOLOR"), band);
    if (FMeasuring) return;
    FParaBand = true;
    FParaBackSlot = C.Brush.Color;
    C.Brush.Color = band;
    C.Pen.Color = band;
    C.FillRect(TRect(FRect.Left, FBox.Top, FRect.Right, FBox.Bottom));
}

void TRenderEngine::ApplyBody(QStringView tagText)
{
    if (FMeasuring) return;
    const QString upper = HTMLUpper(tagText);
    const QStringView background = HTMLTagAttributeAsWritten(tagText, upper, u"BACKGROUND");
    if (!background.isEmpty()) {
        const THTMLPicture* picture = FindPicture(background.toString());
        if (picture != nullptr && !picture->Empty() && picture->Width() > 0 && picture->Height() > 0) {
            C.Save();
            C.IntersectClip(FRect);
            for (int y = FRect.Top; y < FRect.Bottom; y += picture->Height())
                for (int x = FRect.Left; x < FRect.Right; x += picture->Width())
                    picture->Draw(C, TRect(x, y, x + picture->Width(), y + picture->Height()));
            C.Restore();
        }
    }
    if (upper.contains(u"BGCOLOR")) {
        const QStringView value = HTMLTagAttribute(upper, u"BGCOLOR");
        if (value.contains(u"CL")) C.Brush.Color = HTMLNamedColor(value.toString().toLower());
        if (value.contains(u'#')) C.Brush.Color = HTMLHexColor(value);
        FFontBackSlot = C.Brush.Color;
        const TColor pen = C.Pen.Color;
        C.Pen.Color = C.Brush.Color;
        C.FillRect(FRect);
        C.Pen.Color = pen;
    }
}

void TRenderEngine::StartListItem()
{
    // Each item starts a line of its own.
    if (FListItemSeen) {
        FCarry = true;
        return;
    }
    FListItemSeen = true;
    FAdvance += FListLevel * 12;
    FPen.Left += (FListLevel - 1) * 12;
    if (!FMeasuring) {
        const QFont font = C.Font;
        C.Font.setFamily(QStringLiteral("Symbol"));
        TRect bullet(FPen.Left, FPen.Top, FPen.Left + 12, FPen.Bottom);
        C.DrawText(FListLevel % 2 == 1 ? QStringLiteral("\u2022") : QStringLiteral("o"), bullet,
                   platform::DT_SINGLELINE | platform::DT_NOPREFIX | platform::DT_NOCLIP);
        static_cast<QFont&>(C.Font) = font;
    }
    FPen.Left += 12;
}

// ------------------------------------------------------------------ anchors

void TRenderEngine::OpenAnchor(QStringView tagText)
{
    if (!FMeasuring && P.FocusLink == FAnchorCount) {
        FFocusRect.Left = FPen.Left;
        FFocusRect.Top = FBox.Top;
    }
    const int n = ++FAnchorCount;
    const bool styled = !P.HoverStyle || P.HoverLink == n;
    if (!FMeasuring && styled) {
        C.Font.setUnderline(true);
        if (P.HoverColor != clNone) {
            FAnchorBackSlot = C.Brush.Color;
            C.Brush.Color = P.HoverColor;
        }
        if (P.HoverFontColor != clNone) {
            FAnchorTextSlot = C.Font.Color;
            C.Font.Color = P.HoverFontColor;
        }
    }
    if (!P.Selected && (P.HoverFontColor == clNone || P.HoverLink != n || !P.HoverStyle)) C.Font.Color = P.URLColor;
    const QStringView original = tagText.mid(2);
    const QString upper = HTMLUpper(original);
    if (upper.contains(u"HREF")) {
        FHref = HTMLTagAttributeAsWritten(original, upper, u"HREF").toString();
        FInAnchor = true;
    }
    FTitle = HTMLTagAttributeAsWritten(original, upper, u"TITLE").toString();
    FAnchorStartAdvance = FAdvance;
    FAnchorStartTop = FBox.Top;
}

void TRenderEngine::CloseAnchor()
{
    if (!FMeasuring && (!P.HoverStyle || P.HoverLink == FAnchorCount)) {
        C.Font.setUnderline(false);
        if (P.HoverColor != clNone) C.Brush.Color = FAnchorBackSlot;
        if (P.HoverFontColor != clNone) C.Font.Color = FAnchorTextSlot;
    }
    if (!P.Selected) C.Font.Color = FBaseFont.Color;
    FInAnchor = false;
    if (FPointInAnchor) {
        TRect box;
        if (FAnchorStartTop == FBox.Top) {
            box.Left = FBox.Left + FAnchorStartAdvance;
            box.Top = FAnchorStartTop;
        } else {
            box.Left = FBox.Left;
            box.Top = FBox.Top;
        }
        box.Right = FBox.Left + FAdvance;
        box.Bottom = FBox.Bottom;
        R.AnchorRect = box;
        R.MouseLink = FAnchorCount;
        FPointInAnchor = false;
    }
    if (P.FocusLink == FAnchorCount - 1) CloseFocusPiece(false);
}

}  // namespace grid::html_render
