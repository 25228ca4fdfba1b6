#include <gtest/gtest.h>

#include "controls/dropdown/base/dropdown_styles.h"

using namespace dropdown;

// One spot check for each group of rows of the preset tables.

TEST(DropDownStyles, PopupAndBarPresets)
{
    struct Case {
        TQVRStyle style;
        TColor dropDown, dropDownTo;
        std::optional<TColor> border;
        TBarStyleColors header, footer;
    } cases[] = {
        // Office 2003: the pop-up border is kept; blue has a footer border of its own.
        {tsOffice2003Blue, clWhite, clNone, std::nullopt, {0xFCE1CB, 0xE0A57D, clBlack, clBlack},
         {0xFCE1CB, 0xE0A57D, clBlack, 0x962D00}},
        {tsOffice2003Olive, clWhite, clNone, clNone, {0xCFF0EA, 0x8CC0B1, clBlack, 0x588060},
         {0xCFF0EA, 0x8CC0B1, clBlack, 0x588060}},
        {tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, clNone, {clGray, clGray, clWhite, clGray},
         {clGray, clGray, clWhite, clGray}},
        // Office 2007.
        {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, clNone, {0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF},
         {0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF}},
        {tsOffice2007Silver, 0xF8F4F1, 0xF0E8E3, clNone, {0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F},
         {0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F}},
        // Windows XP keeps the border; Whidbey.
        {tsWindowsXP, clWhite, clNone, std::nullopt, {clWhite, clBtnFace, clBlack, clGray},
         {clWhite, clBtnFace, clBlack, clGray}},
        {tsWhidbey, 0xF5F9FA, 0xF5F9FA, clNone, {0xEBEEEF, 0x7E9898, clWhite, 0x962D00},
         {0xEBEEEF, 0x7E9898, clWhite, 0x962D00}},
        // Vista turns the footer's gradient round; Windows 7.
        {tsWindowsVista, clWhite, clWhite, 0x979797, {0xFFFDF9, 0xFFFAF0, clBlack, 0xFCF2DA},
         {0xFFFAF0, 0xFFFDF9, clBlack, 0xFCF2DA}},
        {tsWindows7, clWhite, clWhite, 0x979797, {0xFDFBFA, 0xFDF3EB, clBlack, 0xFBD6B8},
         {0xFDFBFA, 0xFDF3EB, clBlack, 0xFBD6B8}},
        {tsTerminal, clWhite, clWhite, clGray, {clBtnFace, clBtnFace, clBlack, clNone},
         {clBtnFace, clBtnFace, clBlack, clNone}},
        // Office 2010.
        {tsOffice2010Black, clWhite, 0xF1EFED, 0xEDEDEC, {0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D},
         {0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D}},
    };
    auto same = [](const TBarStyleColors& a, const TBarStyleColors& b) {
        return a.Color == b.Color && a.ColorTo == b.ColorTo && a.FontColor == b.FontColor
               && a.BorderColor == b.BorderColor;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.style));
        const auto p = DropDownStylePreset(c.style);
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(p->DropDownColor, c.dropDown);
        EXPECT_EQ(p->DropDownColorTo, c.dropDownTo);
        EXPECT_EQ(p->DropDownBorderColor, c.border);
        EXPECT_TRUE(same(p->Header, c.header));
        EXPECT_TRUE(same(p->Footer, c.footer));
    }
    EXPECT_FALSE(DropDownStylePreset(tsCustom).has_value());
}

TEST(DropDownStyles, BarButtonPresets)
{
    struct Case {
        TQVRStyle style;
        TButtonStyleColors expected;
    } cases[] = {
        // The Office set.
        {tsOffice2007Luna, {0xFFEFE3, 0xFFDDC4, clNone, {0xEBFDFF, 0xACECFF, 0x99CEDB}, {0xAAD9FF, 0x6EBBFF, 0x42AEFE},
                            {0xF2F2F2, 0xB6B6B6, clNone}, {0x76AFF1, 0x4190F3, 0x45667B}}},
        {tsWhidbey, {clWhite, 0xDFEDF0, clNone, {0xEBFDFF, 0xACECFF, 0x99CEDB}, {0xAAD9FF, 0x6EBBFF, 0x42AEFE},
                     {0xF2F2F2, 0xB6B6B6, clNone}, {0x76AFF1, 0x4190F3, 0x45667B}}},
        {tsOffice2003Classic, {clWhite, 0xC9D1D5, clNone, {0xD2BDB6, 0xD2BDB6, clGray}, {0xB59285, 0xB59285, clGray},
                               {0xD8D5D4, 0xD8D5D4, clNone}, {0xD8D5D4, 0xD8D5D4, clGray}}},
        {tsWindowsXP, {clWhite, clBtnFace, clNone, {0xEFD3C6, 0xEFD3C6, clHighlight},
                       {clInactiveCaption, clInactiveCaption, clHighlight}, {0xB6B6B6, 0xB6B6B6, clNone},
                       {0xB9D8DC, 0xB9D8DC, clBlack}}},
        {tsWindowsVista, {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, {0xFEF9F0, 0xFFFAF0, 0xFCF2DA}, {0xFEF9F0, 0xFDF0D7, 0xFEDF9A},
                          {clWhite, clWhite, clNone}, {0xFEF9F0, 0xFDF0D7, 0xFEDF9A}}},
        {tsWindows7, {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, {0xFDFBFA, 0xFDF3EB, 0xFBD6B8}, {0xFCEBDC, 0xFCDBC1, 0xCEA27D},
                      {clWhite, clWhite, clNone}, {0xFEF9F0, 0xFCDBC1, 0xCEA27D}}},
        {tsTerminal, {clBtnFace, clBtnFace, clNone, {clSilver, clSilver, clGray}, {clHighlight, clHighlight, clGray},
                      {clBtnFace, clBtnFace, clNone}, {clBtnFace, clBtnFace, clHighlight}}},
        // The 2010 set.
        {tsOffice2010Silver, {clWhite, 0xEDE5E0, 0xD2CDC8, {0x8AE3FD, clNone, 0x58CAF1}, {0x6CD0FF, clNone, 0x308AC2},
                              {0xF2F2F2, 0xB6B6B6, clNone}, {0x45E1FE, clNone, 0x4FA0CE}}},
    };
    auto same = [](const TButtonStateColors& a, const TButtonStateColors& b, bool withBorder) {
        return a.From == b.From && a.To == b.To && (!withBorder || a.Border == b.Border);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.style));
        const auto p = DropDownStylePreset(c.style);
        ASSERT_TRUE(p.has_value());
        const TButtonStyleColors& b = p->Buttons;
        EXPECT_EQ(b.Color, c.expected.Color);
        EXPECT_EQ(b.ColorTo, c.expected.ColorTo);
        EXPECT_EQ(b.BorderColor, c.expected.BorderColor);
        EXPECT_TRUE(same(b.Hot, c.expected.Hot, true));
        EXPECT_TRUE(same(b.Down, c.expected.Down, true));
        EXPECT_TRUE(same(b.Disabled, c.expected.Disabled, false));
        EXPECT_TRUE(same(b.Checked, c.expected.Checked, true));
    }
}

TEST(DropDownStyles, ItemAppearancePresets)
{
    struct Case {
        TQVRStyle style;
        TColor hot, hotTo, mirrorHot, mirrorHotTo, selected, selectedTo, mirrorSelected, mirrorSelectedTo, border,
            top, bottom, edge, selectedText;
    } cases[] = {
        {tsOffice2003Silver, 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE,
         clNone, clNone, clNone, clBlack},
        {tsOffice2007Obsidian, 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE,
         0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, clBlack},
        {tsOffice2003Classic, 0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone, clNone, clGray, clNone,
         clNone, clNone, clBlack},
        {tsWindowsXP, 0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clNone, clNone, clNone, clHighlight, clNone,
         clNone, clNone, clHighlightText},
        {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, clNone, clNone, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFEDF9A, 0xFDFBF6,
         0xFDF5E7, 0xFCEDCB, clBlack},
        {tsWindows7, 0xFDFBFA, 0xFDF3EB, clNone, clNone, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB,
         0xFDEADB, 0xE0C5AE, clBlack},
        {tsTerminal, clSilver, clSilver, clNone, clNone, clHighlight, clNone, clNone, clNone, clGray, clNone, clNone,
         clNone, clHighlightText},
        {tsOffice2010Blue, 0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2,
         clNone, clNone, clNone, clBlack},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.style));
        const auto p = ItemAppearancePreset(c.style);
        ASSERT_TRUE(p.has_value());
        const TColor got[] = {p->ColorHot,      p->ColorHotTo,          p->ColorMirrorHot,  p->ColorMirrorHotTo,
                              p->ColorSelected, p->ColorSelectedTo,     p->ColorMirrorSelected,
                              p->ColorMirrorSelectedTo, p->BorderColor, p->BorderColorTop,  p->BorderColorBottom,
                              p->EdgeColor,     p->ColorSelectedText};
        const TColor want[] = {c.hot,      c.hotTo,      c.mirrorHot,      c.mirrorHotTo, c.selected,
                               c.selectedTo, c.mirrorSelected, c.mirrorSelectedTo, c.border, c.top,
                               c.bottom,   c.edge,       c.selectedText};
        for (size_t i = 0; i < std::size(want); ++i) EXPECT_EQ(got[i], want[i]) << "field " << i;
        // What every style but the custom one sets.
        EXPECT_EQ(p->BorderColorHot, clNone);
        EXPECT_EQ(p->BorderColorSelected, clNone);
        EXPECT_EQ(p->ColorHotText, clBlack);
    }
    EXPECT_FALSE(ItemAppearancePreset(tsCustom).has_value());
}

TEST(DropDownStyles, SelectionColorStyles)
{
    const auto office = SelectionStylePreset(scOffice2007);
    ASSERT_TRUE(office.has_value());
    EXPECT_EQ(office->SelectionColor, 0xD7FFFDu);
    EXPECT_EQ(office->SelectionColorTo, 0x58D4FCu);
    EXPECT_EQ(office->Outer, 0x8DD7D3u);
    EXPECT_EQ(office->MirrorFrom, 0x58D4FCu);
    EXPECT_EQ(office->MirrorTo, 0xB3F1FCu);

    const auto vista = SelectionStylePreset(scWindowsVista);
    ASSERT_TRUE(vista.has_value());
    EXPECT_EQ(vista->SelectionColor, 0xFDF8F1u);
    EXPECT_EQ(vista->SelectionColorTo, 0xFCEFD5u);
    EXPECT_EQ(vista->InnerCorner, 0xFCEDCBu);
    EXPECT_EQ(vista->MirrorFrom, clNone);

    const auto seven = SelectionStylePreset(scWindows7);
    ASSERT_TRUE(seven.has_value());
    EXPECT_EQ(seven->SelectionColor, 0xFCEBDCu);
    EXPECT_EQ(seven->SelectionColorTo, 0xFCDBC1u);
    EXPECT_EQ(seven->InnerTop, 0xFDF4EBu);
    EXPECT_EQ(seven->InnerBottom, 0xFDEADBu);

    EXPECT_FALSE(SelectionStylePreset(scCustom).has_value());
}
