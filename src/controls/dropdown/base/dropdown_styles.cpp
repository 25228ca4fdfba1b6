#include "controls/dropdown/base/dropdown_styles.h"

#include <array>

namespace dropdown {

namespace dropdown_styles_detail {

// The state colours most styles share: the warm Office set and the 2010 set.
constexpr TButtonStateColors kOfficeHot{0xEBFDFF, 0xACECFF, 0x99CEDB};
constexpr TButtonStateColors kOfficeDown{0xAAD9FF, 0x6EBBFF, 0x42AEFE};
constexpr TButtonStateColors kOfficeDisabled{0xF2F2F2, 0xB6B6B6, clNone};
constexpr TButtonStateColors kOfficeChecked{0x76AFF1, 0x4190F3, 0x45667B};
constexpr TButtonStateColors k2010Hot{0x8AE3FD, clNone, 0x58CAF1};
constexpr TButtonStateColors k2010Down{0x6CD0FF, clNone, 0x308AC2};
constexpr TButtonStateColors k2010Checked{0x45E1FE, clNone, 0x4FA0CE};

constexpr TButtonStyleColors officeButtons(TColor color, TColor colorTo)
{
    return {color, colorTo, clNone, kOfficeHot, kOfficeDown, kOfficeDisabled, kOfficeChecked};
}

constexpr TButtonStyleColors office2010Buttons(TColor color, TColor colorTo, TColor border)
{
    return {color, colorTo, border, k2010Hot, k2010Down, kOfficeDisabled, k2010Checked};
}

constexpr TDropDownStylePreset preset(TColor dropDown, TColor dropDownTo, std::optional<TColor> border,
                                      TBarStyleColors bar, TButtonStyleColors buttons)
{
    return {dropDown, dropDownTo, border, bar, bar, buttons};
}

constexpr std::optional<TColor> kKeep = std::nullopt;

// Indexed by TQVRStyle.
const std::array<std::optional<TDropDownStylePreset>, StyleCount>& presets()
{
    static const std::array<std::optional<TDropDownStylePreset>, StyleCount> table = [] {
        std::array<std::optional<TDropDownStylePreset>, StyleCount> t{};
        t[tsOffice2003Blue] = TDropDownStylePreset{clWhite, clNone, kKeep, {0xFCE1CB, 0xE0A57D, clBlack, clBlack},
                                                   {0xFCE1CB, 0xE0A57D, clBlack, 0x962D00},
                                                   officeButtons(0xFCE1CB, 0xE0A57D)};
        t[tsOffice2003Silver] = preset(clWhite, clNone, kKeep, {0xECE2E1, 0xB39698, clBlack, 0x947C7C},
                                       officeButtons(0xECE2E1, 0xB39698));
        t[tsOffice2003Olive] = preset(clWhite, clNone, clNone, {0xCFF0EA, 0x8CC0B1, clBlack, 0x588060},
                                      officeButtons(0xCFF0EA, 0x8CC0B1));
        t[tsOffice2003Classic] = preset(0xF2F2F2, 0xF2F2F2, clNone, {clGray, clGray, clWhite, clGray},
                                        {clWhite, 0xC9D1D5, clNone, {0xD2BDB6, 0xD2BDB6, clGray},
                                         {0xB59285, 0xB59285, clGray}, {0xD8D5D4, 0xD8D5D4, clNone},
                                         {0xD8D5D4, 0xD8D5D4, clGray}});
        t[tsOffice2007Luna] = preset(0xF3E5DA, 0xF0DED0, clNone, {0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF},
                                     officeButtons(0xFFEFE3, 0xFFDDC4));
        t[tsOffice2007Obsidian] = preset(clWhite, clNone, clNone, {0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C},
                                         officeButtons(0xF2F1F0, 0xC9C2BD));
        t[tsWindowsXP] = preset(clWhite, clNone, kKeep, {clWhite, clBtnFace, clBlack, clGray},
                                {clWhite, clBtnFace, clNone, {0xEFD3C6, 0xEFD3C6, clHighlight},
                                 {clInactiveCaption, clInactiveCaption, clHighlight}, {0xB6B6B6, 0xB6B6B6, clNone},
                                 {0xB9D8DC, 0xB9D8DC, clBlack}});
        t[tsWhidbey] = preset(0xF5F9FA, 0xF5F9FA, clNone, {0xEBEEEF, 0x7E9898, clWhite, 0x962D00},
                              officeButtons(clWhite, 0xDFEDF0));
        t[tsOffice2007Silver] = preset(0xF8F4F1, 0xF0E8E3, clNone, {0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F},
                                       officeButtons(0xF9F8F8, 0xE4E2DF));
        t[tsWindowsVista] = TDropDownStylePreset{
            clWhite, clWhite, 0x979797, {0xFFFDF9, 0xFFFAF0, clBlack, 0xFCF2DA}, {0xFFFAF0, 0xFFFDF9, clBlack, 0xFCF2DA},
            {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, {0xFEF9F0, 0xFFFAF0, 0xFCF2DA}, {0xFEF9F0, 0xFDF0D7, 0xFEDF9A},
             {clWhite, clWhite, clNone}, {0xFEF9F0, 0xFDF0D7, 0xFEDF9A}}};
        t[tsWindows7] = preset(clWhite, clWhite, 0x979797, {0xFDFBFA, 0xFDF3EB, clBlack, 0xFBD6B8},
                               {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, {0xFDFBFA, 0xFDF3EB, 0xFBD6B8},
                                {0xFCEBDC, 0xFCDBC1, 0xCEA27D}, {clWhite, clWhite, clNone},
                                {0xFEF9F0, 0xFCDBC1, 0xCEA27D}});
        t[tsTerminal] = preset(clWhite, clWhite, clGray, {clBtnFace, clBtnFace, clBlack, clNone},
                               {clBtnFace, clBtnFace, clNone, {clSilver, clSilver, clGray},
                                {clHighlight, clHighlight, clGray}, {clBtnFace, clBtnFace, clNone},
                                {clBtnFace, clBtnFace, clHighlight}});
        t[tsOffice2010Blue] = preset(clWhite, 0xF1EFED, 0xEDEDEC, {0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F},
                                     office2010Buttons(0xFDF6EF, 0xF0DAC7, 0xC7B29F));
        t[tsOffice2010Silver] = preset(clWhite, 0xF1EFED, 0xEDEDEC, {clWhite, 0xEDE5E0, 0x5B391E, 0xD2CDC8},
                                       office2010Buttons(clWhite, 0xEDE5E0, 0xD2CDC8));
        t[tsOffice2010Black] = preset(clWhite, 0xF1EFED, 0xEDEDEC, {0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D},
                                      office2010Buttons(0xBFBFBF, 0x919191, 0xD7D7D6));
        return t;
    }();
    return table;
}

// Item appearances: the warm hot and selected sets of the Office styles.
constexpr TItemAppearanceColors officeItems(TColor top, TColor bottom, TColor edge)
{
    return {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE,
            top,      bottom,   edge,     clBlack};
}

constexpr TItemAppearanceColors plainItems(TColor hot, TColor hotTo, TColor selected, TColor selectedTo,
                                           TColor border, TColor top, TColor bottom, TColor edge, TColor selectedText)
{
    return {hot, hotTo, clNone, clNone, selected, selectedTo, clNone, clNone, border, top, bottom, edge, selectedText};
}

const std::array<std::optional<TItemAppearanceColors>, StyleCount>& itemPresets()
{
    static const std::array<std::optional<TItemAppearanceColors>, StyleCount> table = [] {
        std::array<std::optional<TItemAppearanceColors>, StyleCount> t{};
        for (TQVRStyle s : {tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsWhidbey})
            t[s] = officeItems(clNone, clNone, clNone);
        for (TQVRStyle s : {tsOffice2007Luna, tsOffice2007Obsidian, tsOffice2007Silver})
            t[s] = officeItems(0xF4FEFF, 0xCAF8FF, 0xC3D9DF);
        t[tsOffice2003Classic] =
            plainItems(0xD2BDB6, 0xD2BDB6, 0xB59285, 0xB59285, clGray, clNone, clNone, clNone, clBlack);
        t[tsWindowsXP] = plainItems(0xEFD3C6, 0xEFD3C6, clHighlight, clNone, clHighlight, clNone, clNone, clNone,
                                    clHighlightText);
        t[tsWindowsVista] =
            plainItems(0xFFFDF9, 0xFFFAF0, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB, clBlack);
        t[tsWindows7] =
            plainItems(0xFDFBFA, 0xFDF3EB, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE, clBlack);
        t[tsTerminal] =
            plainItems(clSilver, clSilver, clHighlight, clNone, clGray, clNone, clNone, clNone, clHighlightText);
        for (TQVRStyle s : {tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black})
            t[s] = TItemAppearanceColors{0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF,
                                         0x7BEEFF, 0x308AC2, clNone,   clNone,   clNone,   clBlack};
        return t;
    }();
    return table;
}

}  // namespace dropdown_styles_detail

std::optional<TDropDownStylePreset> DropDownStylePreset(TQVRStyle style)
{
    if (style >= StyleCount) return std::nullopt;
    return dropdown_styles_detail::presets()[style];
}

std::optional<TItemAppearanceColors> ItemAppearancePreset(TQVRStyle style)
{
    if (style >= StyleCount) return std::nullopt;
    return dropdown_styles_detail::itemPresets()[style];
}

std::optional<TSelectionStyleColors> SelectionStylePreset(TSelectionColorStyle style)
{
    switch (style) {
    case scOffice2007: return TSelectionStyleColors{0xD7FFFD, 0x58D4FC, 0xC3D9DF, 0x8DD7D3,
                                                    0xCAF8FF, 0xF4FEFF, 0x58D4FC, 0xB3F1FC};
    case scWindowsVista: return TSelectionStyleColors{0xFDF8F1, 0xFCEFD5, 0xFCEDCB, 0xFDDE99,
                                                      0xFDF5E7, 0xFDFBF6, clNone, clNone};
    case scWindows7: return TSelectionStyleColors{0xFCEBDC, 0xFCDBC1, 0xE0C5AE, 0xCEA27D,
                                                  0xFDEADB, 0xFDF4EB, clNone, clNone};
    case scCustom: break;
    }
    return std::nullopt;
}

}  // namespace dropdown
