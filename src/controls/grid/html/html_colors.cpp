#include "controls/grid/html/html_colors.h"

#include <array>

#include <QString>

namespace grid {

namespace html_colors_detail {

struct NamedColor {
    const char16_t* Name;
    TColor Color;
};

constexpr std::array<NamedColor, 40> kNamedColors{{
    {u"clred", clRed},
    {u"clblack", clBlack},
    {u"clblue", clBlue},
    {u"clgreen", clGreen},
    {u"claqua", clAqua},
    {u"clyellow", clYellow},
    {u"clfuchsia", clFuchsia},
    {u"clwhite", clWhite},
    {u"cllime", clLime},
    {u"clsilver", clSilver},
    {u"clgray", clGray},
    {u"clolive", clOlive},
    {u"clnavy", clNavy},
    {u"clpurple", clPurple},
    {u"clteal", clTeal},
    {u"clmaroon", clMaroon},
    {u"clbackground", clBackground},
    {u"clactivecaption", clActiveCaption},
    {u"clinactivecaption", clInactiveCaption},
    {u"clmenu", clMenu},
    {u"clwindow", clWindow},
    {u"clwindowframe", clWindowFrame},
    {u"clmenutext", clMenuText},
    {u"clwindowtext", clWindowText},
    {u"clcaptiontext", clCaptionText},
    {u"clactiveborder", clActiveBorder},
    {u"clinactiveborder", clInactiveBorder},
    {u"clappworkspace", clAppWorkSpace},
    {u"clhighlight", clHighlight},
    {u"clhighlighttext", clHighlightText},
    {u"clbtnface", clBtnFace},
    {u"clbtnshadow", clBtnShadow},
    {u"clgraytext", clGrayText},
    {u"clbtntext", clBtnText},
    {u"clinactivecaptiontext", clInactiveCaptionText},
    {u"clbtnhighlight", clBtnHighlight},
    {u"cl3ddkshadow", cl3DDkShadow},
    {u"cl3dlight", cl3DLight},
    {u"clinfotext", clInfoText},
    {u"clinfobk", clInfoBk},
}};

int hexPair(QStringView text, qsizetype at)
{
    if (at + 2 > text.size()) return 0;
    int value = 0;
    for (qsizetype k = at; k < at + 2; ++k) {
        const char16_t c = text[k].unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        if (c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        if (digit < 0) return 0;
        value = value * 16 + digit;
    }
    return value;
}

TColor gHighlightColor = clHighlight;
TColor gHighlightTextColor = clHighlightText;

}  // namespace html_colors_detail

namespace hc = html_colors_detail;

TColor HTMLNamedColor(QStringView name)
{
    for (const auto& c : hc::kNamedColors)
        if (name == QStringView(c.Name)) return c.Color;
    return clBlack;
}

TColor HTMLHexColor(QStringView text)
{
    return TColor(hc::hexPair(text, 1)) | (TColor(hc::hexPair(text, 3)) << 8) | (TColor(hc::hexPair(text, 5)) << 16);
}

bool HTMLAttributeColor(QStringView value, TColor& color)
{
    if (value.isEmpty()) return false;
    color = value.front() == u'#' ? HTMLHexColor(value) : HTMLNamedColor(value.toString().toLower());
    return true;
}

void SetHTMLHighlightColors(TColor Color, TColor TextColor)
{
    hc::gHighlightColor = Color;
    hc::gHighlightTextColor = TextColor;
}

TColor HTMLHighlightColor() { return hc::gHighlightColor; }
TColor HTMLHighlightTextColor() { return hc::gHighlightTextColor; }

}  // namespace grid
