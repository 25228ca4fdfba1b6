#include "controls/dropdown/colors/color_tables.h"

namespace dropdown {

namespace color_tables_detail {

// The hexagon's rows: colours left to right (0xBBGGRR).
constexpr uint32_t kRow1[] = {0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000};
constexpr uint32_t kRow2[] = {0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333};
constexpr uint32_t kRow3[] = {0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900,
                              0xFF6600, 0xFF6633, 0xCC3333, 0x996666};
constexpr uint32_t kRow4[] = {0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33,
                              0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066};
constexpr uint32_t kRow5[] = {0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66,
                              0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xFF0099};
constexpr uint32_t kRow6[] = {0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC,
                              0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF00CC, 0xCC0099};
constexpr uint32_t kRow7[] = {0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF,
                              0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF, 0xCC00CC, 0x660066};
constexpr uint32_t kRow8[] = {0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF,
                              0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF, 0x9900CC, 0x800080};
constexpr uint32_t kRow9[] = {0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF,
                              0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC, 0x990099};
constexpr uint32_t kRow10[] = {0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF,
                               0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399};
constexpr uint32_t kRow11[] = {0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF,
                               0x0066FF, 0x5050FF, 0x6600CC, 0x330066};
constexpr uint32_t kRow12[] = {0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099};
constexpr uint32_t kRow13[] = {0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5};

constexpr std::span<const uint32_t> kRows[] = {kRow1, kRow2, kRow3,  kRow4,  kRow5,  kRow6, kRow7,
                                               kRow8, kRow9, kRow10, kRow11, kRow12, kRow13};

// Row r (1 to 13): centres at y = 20 + 10 (r - 1); the first at x = 55 - 6 (r - 1)
// for the upper half, 19 + 6 (r - 7) for the lower; 12 pixels apart.
std::array<TCubeCell, kCubeCellCount> BuildCube()
{
    std::array<TCubeCell, kCubeCellCount> cells{};
    int n = 0;
    for (int r = 1; r <= 13; ++r) {
        const int y = 20 + 10 * (r - 1);
        int x = r <= 7 ? 55 - 6 * (r - 1) : 19 + 6 * (r - 7);
        for (uint32_t color : kRows[r - 1]) {
            cells[size_t(n++)] = TCubeCell{x, y, color};
            x += 12;
        }
    }
    return cells;
}

constexpr TPaletteBox kPalette[] = {
    {0xFFFFFF, ipStandAlone}, {0x000000, ipStandAlone}, {0xE1ECEE, ipStandAlone}, {0x7D491F, ipStandAlone},
    {0xBD814F, ipStandAlone}, {0x4D50C0, ipStandAlone}, {0x59BB9B, ipStandAlone}, {0xA26480, ipStandAlone},
    {0xC6AC4B, ipStandAlone}, {0x4696F7, ipStandAlone},
    {0xF2F2F2, ipTop}, {0x7F7F7F, ipTop}, {0xC3D9DD, ipTop}, {0xDACEC2, ipTop}, {0xF1E5DB, ipTop},
    {0xDBDCF2, ipTop}, {0xDDF1EB, ipTop}, {0xECE0E5, ipTop}, {0xF3EEDB, ipTop}, {0xDAEAFD, ipTop},
    {0xD8D8D8, ipMiddle}, {0x595959, ipMiddle}, {0x97BDC4, ipMiddle}, {0xE2B38D, ipMiddle}, {0xE4CCB8, ipMiddle},
    {0xB7B9E5, ipMiddle}, {0xBCE3D7, ipMiddle}, {0xD9C1CC, ipMiddle}, {0xE8DDB7, ipMiddle}, {0xB5D5FB, ipMiddle},
    {0xBFBFBF, ipMiddle}, {0x3F3F3F, ipMiddle}, {0x538993, ipMiddle}, {0xD48D54, ipMiddle}, {0xD7B395, ipMiddle},
    {0x9496D9, ipMiddle}, {0x9BD6C3, ipMiddle}, {0xC7A2B2, ipMiddle}, {0xDCCD92, ipMiddle}, {0x8FC0FA, ipMiddle},
    {0xA5A5A5, ipMiddle}, {0x262626, ipMiddle}, {0x294449, ipMiddle}, {0x5D3617, ipMiddle}, {0x926036, ipMiddle},
    {0x343795, ipMiddle}, {0x3C9276, ipMiddle}, {0x7A495F, ipMiddle}, {0x9B8531, ipMiddle}, {0x096CE3, ipMiddle},
    {0x7F7F7F, ipBottom}, {0x0C0C0C, ipBottom}, {0x101B1D, ipBottom}, {0x3E240F, ipBottom}, {0x614024, ipBottom},
    {0x232463, ipBottom}, {0x28614F, ipBottom}, {0x51313F, ipBottom}, {0x675820, ipBottom}, {0x064897, ipBottom},
};

constexpr TNamedColor kNamed[] = {
    {"Black", clBlack}, {"Maroon", clMaroon}, {"Green", clGreen},   {"Olive", clOlive},
    {"Navy", clNavy},   {"Purple", clPurple}, {"Teal", clTeal},     {"Gray", clGray},
    {"Silver", clSilver}, {"Red", clRed},     {"Lime", clLime},     {"Yellow", clYellow},
    {"Blue", clBlue},   {"Fuchsia", clFuchsia}, {"Aqua", clAqua},   {"White", clWhite},
};

constexpr TWebColor kWeb[] = {
    {"clWebSnow", 0xFFFAFA}, {"clWebFloralWhite", 0xFFFAF0}, {"clWebLavenderBlush", 0xFFF0F5},
    {"clWebOldLace", 0xFDF5E6}, {"clWebIvory", 0xFFFFF0}, {"clWebCornSilk", 0xFFF8DC},
    {"clWebBeige", 0xF5F5DC}, {"clWebAntiqueWhite", 0xFAEBD7}, {"clWebWheat", 0xF5DEB3},
    {"clWebAliceBlue", 0xF0F8FF}, {"clWebGhostWhite", 0xF8F8FF}, {"clWebLavender", 0xE6E6FA},
    {"clWebSeashell", 0xFFF5EE}, {"clWebLightYellow", 0xFFFFE0}, {"clWebPapayaWhip", 0xFFEFD5},
    {"clWebNavajoWhite", 0xFFDEAD}, {"clWebMoccasin", 0xFFE4B5}, {"clWebBurlywood", 0xDEB887},
    {"clWebAzure", 0xF0FFFF}, {"clWebMintcream", 0xF5FFFA}, {"clWebHoneydew", 0xF0FFF0},
    {"clWebLinen", 0xFAF0E6}, {"clWebLemonChiffon", 0xFFFACD}, {"clWebBlanchedAlmond", 0xFFEBCD},
    {"clWebBisque", 0xFFE4C4}, {"clWebPeachPuff", 0xFFDAB9}, {"clWebTan", 0xD2B48C},
    {"clWebYellow", 0xFFFF00}, {"clWebDarkOrange", 0xFF8C00}, {"clWebRed", 0xFF0000},
    {"clWebDarkRed", 0x8B0000}, {"clWebMaroon", 0x800000}, {"clWebIndianRed", 0xCD5C5C},
    {"clWebSalmon", 0xFA8072}, {"clWebCoral", 0xFF7F50}, {"clWebGold", 0xFFD700},
    {"clWebTomato", 0xFF6347}, {"clWebCrimson", 0xDC143C}, {"clWebBrown", 0xA52A2A},
    {"clWebChocolate", 0xD2691E}, {"clWebSandyBrown", 0xF4A460}, {"clWebLightSalmon", 0xFFA07A},
    {"clWebLightCoral", 0xF08080}, {"clWebOrange", 0xFFA500}, {"clWebOrangeRed", 0xFF4500},
    {"clWebFirebrick", 0xB22222}, {"clWebSaddleBrown", 0x8B4513}, {"clWebSienna", 0xA0522D},
    {"clWebPeru", 0xCD853F}, {"clWebDarkSalmon", 0xE9967A}, {"clWebRosyBrown", 0xBC8F8F},
    {"clWebPaleGoldenrod", 0xEEE8AA}, {"clWebLightGoldenrodYellow", 0xFAFAD2}, {"clWebOlive", 0x808000},
    {"clWebForestGreen", 0x228B22}, {"clWebGreenYellow", 0xADFF2F}, {"clWebChartreuse", 0x7FFF00},
    {"clWebLightGreen", 0x90EE90}, {"clWebAquamarine", 0x7FFFD4}, {"clWebSeaGreen", 0x2E8B57},
    {"clWebGoldenRod", 0xDAA520}, {"clWebKhaki", 0xF0E68C}, {"clWebOliveDrab", 0x6B8E23},
    {"clWebGreen", 0x008000}, {"clWebYellowGreen", 0x9ACD32}, {"clWebLawnGreen", 0x7CFC00},
    {"clWebPaleGreen", 0x98FB98}, {"clWebMediumAquamarine", 0x66CDAA}, {"clWebMediumSeaGreen", 0x3CB371},
    {"clWebDarkGoldenRod", 0xB8860B}, {"clWebDarkKhaki", 0xBDB76B}, {"clWebDarkOliveGreen", 0x556B2F},
    {"clWebDarkgreen", 0x006400}, {"clWebLimeGreen", 0x32CD32}, {"clWebLime", 0x00FF00},
    {"clWebSpringGreen", 0x00FF7F}, {"clWebMediumSpringGreen", 0x00FA9A}, {"clWebDarkSeaGreen", 0x8FBC8F},
    {"clWebLightSeaGreen", 0x20B2AA}, {"clWebPaleTurquoise", 0xAFEEEE}, {"clWebLightCyan", 0xE0FFFF},
    {"clWebLightBlue", 0xADD8E6}, {"clWebLightSkyBlue", 0x87CEFA}, {"clWebCornFlowerBlue", 0x6495ED},
    {"clWebDarkBlue", 0x00008B}, {"clWebIndigo", 0x4B0082}, {"clWebMediumTurquoise", 0x48D1CC},
    {"clWebTurquoise", 0x40E0D0}, {"clWebCyan", 0x00FFFF}, {"clWebPowderBlue", 0xB0E0E6},
    {"clWebSkyBlue", 0x87CEEB}, {"clWebRoyalBlue", 0x4169E1}, {"clWebMediumBlue", 0x0000CD},
    {"clWebMidnightBlue", 0x191970}, {"clWebDarkTurquoise", 0x00CED1}, {"clWebCadetBlue", 0x5F9EA0},
    {"clWebDarkCyan", 0x008B8B}, {"clWebTeal", 0x008080}, {"clWebDeepskyBlue", 0x00BFFF},
    {"clWebDodgerBlue", 0x1E90FF}, {"clWebBlue", 0x0000FF}, {"clWebNavy", 0x000080},
    {"clWebDarkViolet", 0x9400D3}, {"clWebDarkOrchid", 0x9932CC}, {"clWebMagenta", 0xFF00FF},
    {"clWebDarkMagenta", 0x8B008B}, {"clWebMediumVioletRed", 0xC71585}, {"clWebPaleVioletRed", 0xDB7093},
    {"clWebBlueViolet", 0x8A2BE2}, {"clWebMediumOrchid", 0xBA55D3}, {"clWebMediumPurple", 0x9370DB},
    {"clWebPurple", 0x800080}, {"clWebDeepPink", 0xFF1493}, {"clWebLightPink", 0xFFB6C1},
    {"clWebViolet", 0xEE82EE}, {"clWebOrchid", 0xDA70D6}, {"clWebPlum", 0xDDA0DD},
    {"clWebThistle", 0xD8BFD8}, {"clWebHotPink", 0xFF69B4}, {"clWebPink", 0xFFC0CB},
    {"clWebLightSteelBlue", 0xB0C4DE}, {"clWebMediumSlateBlue", 0x7B68EE}, {"clWebLightSlateGray", 0x778899},
    {"clWebWhite", 0xFFFFFF}, {"clWebLightgrey", 0xD3D3D3}, {"clWebGray", 0x808080},
    {"clWebSteelBlue", 0x4682B4}, {"clWebSlateBlue", 0x6A5ACD}, {"clWebSlateGray", 0x708090},
    {"clWebWhiteSmoke", 0xF5F5F5}, {"clWebSilver", 0xC0C0C0}, {"clWebDimGray", 0x696969},
    {"clWebMistyRose", 0xFFE4E1}, {"clWebDarkSlateBlue", 0x483D8B}, {"clWebDarkSlategray", 0x2F4F4F},
    {"clWebGainsboro", 0xDCDCDC}, {"clWebDarkGray", 0xA9A9A9}, {"clWebBlack", 0x000000},
};

}  // namespace color_tables_detail

using namespace color_tables_detail;

const std::array<TCubeCell, kCubeCellCount>& CubeCells()
{
    static const std::array<TCubeCell, kCubeCellCount> cells = BuildCube();
    return cells;
}

std::span<const TPaletteBox> DefaultPaletteBoxes() { return kPalette; }
std::span<const TNamedColor> DefaultNamedColors() { return kNamed; }
std::span<const TWebColor> WebColors() { return kWeb; }

}  // namespace dropdown
