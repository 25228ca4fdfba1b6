#include "controls/dropdown/multi_column/list_styles.h"

namespace dropdown::liststyles {

std::optional<TListStylePreset> ListStylePreset(TQVRStyle style)
{
    constexpr std::nullopt_t none = std::nullopt;
    switch (style) {
    case tsOffice2003Blue:
        return TListStylePreset{0xD68759, 0x933803, 0xFFFFFF, scOffice2007, 0x000000, 0x962D00, 0x962D00, none};
    case tsOffice2003Silver:
        return TListStylePreset{0xBDA4A5, 0x957475, none, scOffice2007, 0x000000, 0x947C7C, 0x947C7C, none};
    case tsOffice2003Olive:
        return TListStylePreset{0x82C0AF, 0x447A63, none, scOffice2007, 0x000000, 0x588060, 0x588060, none};
    case tsOffice2003Classic:
        return TListStylePreset{0x808080, 0x808080, none, scOffice2007, 0x000000, 0x808080, 0x808080, none};
    case tsOffice2007Luna:
        return TListStylePreset{0xFFEFE3, 0xFFD2AF, 0x723708, scOffice2007, 0x000000, 0xFFD2AF, 0xFFD2AF, none};
    case tsOffice2007Obsidian:
        return TListStylePreset{0xF2F1F0, 0xC9C2BD, 0x433C37, scOffice2007, 0x000000, 0x5C534C, 0x5C534C, none};
    case tsWindowsXP:
        return TListStylePreset{clBtnFace, clBtnFace, 0x000000, scCustom, clHighlightText, 0xC0C0C0, 0x000000,
                                clHighlight};
    case tsWhidbey:
        return TListStylePreset{0xEBEEEF, 0x7E9898, 0xFFFFFF, scOffice2007, 0x000000, 0x962D00, 0x962D00, none};
    case tsOffice2007Silver:
        return TListStylePreset{0xF8F7F6, 0xE8E0DB, 0x8B4215, scOffice2007, 0x000000, 0x74706F, 0x74706F, none};
    case tsWindowsVista:
        return TListStylePreset{0xFFFDF9, 0xFFFAF0, 0x000000, scWindowsVista, 0x000000, 0xFCF2DA, 0xFCF2DA, none};
    case tsWindows7:
        return TListStylePreset{0xFDFBFA, 0xFDF3EB, 0x000000, scWindows7, 0x000000, 0xFBD6B8, 0xFBD6B8, none};
    case tsTerminal:
        return TListStylePreset{clBtnFace, clBtnFace, 0x000000, scCustom, clHighlightText, 0x808080, 0x808080,
                                clHighlight};
    case tsOffice2010Blue:
        return TListStylePreset{0xEDDBCD, clNone, 0x5B391E, scCustom, 0x000000, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF};
    case tsOffice2010Silver:
        return TListStylePreset{0xEDE9E5, clNone, 0x5B391E, scCustom, 0x000000, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF};
    case tsOffice2010Black:
        return TListStylePreset{0x828282, clNone, 0xD7D7D6, scCustom, 0x000000, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF};
    case tsCustom: return std::nullopt;
    }
    return std::nullopt;
}

std::optional<TLineColors> SelectionStyleLines(TSelectionColorStyle style)
{
    switch (style) {
    case scOffice2007: return TLineColors{0xF1EDEB, 0xD1BBA4};
    case scWindowsVista:
    case scWindows7: return TLineColors{0xECECF0, 0xD4D2D1};
    case scCustom: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace dropdown::liststyles
