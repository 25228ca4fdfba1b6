#include <gtest/gtest.h>

#include <QStringList>

#include "controls/grid/text/grid_text_utils.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using grid_text_testing::visible;

namespace {

QString utilsChars(std::initializer_list<char16_t> codes)
{
    QString s;
    for (char16_t c : codes)
        s += QChar(c);
    return s;
}

}  // namespace

TEST(GridTextKinds, TextTypeFollowsTheFirstRuleThatApplies)
{
    struct Case {
        QString text;
        bool html;
        int kind;
    };
    const Case cases[] = {
        {"", true, TextKindPlain},
        {"plain", true, TextKindPlain},
        {"=A1+B1", false, TextKindFormula},
        {"=A1+B1", true, TextKindFormula},
        {"<b>x</b>", true, TextKindHtml},  // because of "</"
        {"<b>x</b>", false, TextKindPlain},
        {"<b>bold", true, TextKindPlain},  // lower case, no closing tag
        {"<B>bold", true, TextKindHtml},
        {"see <I>this", true, TextKindHtml},
        {"a<C>b", true, TextKindHtml},
        {"{\\rtf1 x}", false, TextKindRichText},
        {"{\\rtf1 </b>", true, TextKindRichText},
        {PackWideText("=SUM"), false, TextKindFormula},
        {PackWideText(QString(QChar(0xC4))), false, TextKindPackedWide},
        {PackWideText("plain"), true, TextKindPackedWide},
        {"|\\", false, TextKindPackedWide},
        {"|\\=", false, TextKindPackedWide},  // too short to hold "="
        {utilsChars({u'|', u'\\', 1, u'='}), false, TextKindPackedWide},  // U+013D, not "="
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(visible(c.text) + (c.html ? " html" : ""));
        EXPECT_EQ(TextType(c.text, c.html), c.kind);
    }
}

TEST(GridTextKinds, PackedWideTextCarriesHighAndLowBytes)
{
    EXPECT_EQ(PackWideText(""), QStringLiteral("|\\"));
    EXPECT_EQ(PackWideText("AB"), utilsChars({u'|', u'\\', 0, 65, 0, 66}));
    EXPECT_EQ(PackWideText(QString(QChar(0x20AC))), utilsChars({u'|', u'\\', 0x20, 0xAC}));

    const QString samples[] = {"", "plain", QString::fromUtf8("Grüße €"), utilsChars({0xFFFF, 0x0100, 0x00FF, 0})};
    for (const QString& wide : samples) {
        SCOPED_TRACE(visible(wide));
        const QString packed = PackWideText(wide);
        for (qsizetype i = 2; i < packed.size(); ++i)
            EXPECT_LE(packed[i].unicode(), 0xFF);
        EXPECT_EQ(UnpackWideText(packed), wide);
    }
    EXPECT_EQ(UnpackWideText("plain"), QStringLiteral("plain"));
    EXPECT_EQ(UnpackWideText(utilsChars({u'|', u'\\', 0, u'A', u'x'})), QStringLiteral("A"));  // odd last ignored
    EXPECT_EQ(WidePos("c", "abc"), 3);
    EXPECT_EQ(WidePos("x", "abc"), 0);
}

TEST(GridTextLineBreaks, OneLineCellStorage)
{
    const QString multi = utilsChars({u'a', 13, 10, u'b', 0});
    const QString stored = utilsChars({u'a', 9, 8, u'b', 1});
    EXPECT_EQ(EncodeCellLineBreaks(multi), stored);
    EXPECT_EQ(DecodeCellLineBreaks(stored, true), multi);
    EXPECT_EQ(DecodeCellLineBreaks(stored, false), QStringLiteral("a"));

    // Only a CR makes the text encoded; only character 8 makes it decoded.
    EXPECT_EQ(EncodeCellLineBreaks("a\tb"), QStringLiteral("a\tb"));
    EXPECT_EQ(DecodeCellLineBreaks("a\tb", true), QStringLiteral("a\tb"));
    EXPECT_EQ(EncodeCellLineBreaks("a\nb"), QStringLiteral("a\nb"));
    const QString tabAndBackspace = utilsChars({u'a', 9, u'b', 8});
    EXPECT_EQ(EncodeCellLineBreaks(tabAndBackspace), tabAndBackspace);
    EXPECT_EQ(DecodeCellLineBreaks(tabAndBackspace, true), QStringLiteral("a\rb\n"));
}

TEST(GridTextLineBreaks, CsvCells)
{
    QString text = "x";
    CSVQuoteLines(text);
    EXPECT_EQ(text, QStringLiteral("\"x\""));

    text = "a\r\nb";
    CSVQuoteLines(text);
    EXPECT_EQ(text, utilsChars({u'"', u'a', 11, u'b', u'"'}));
    VTToCRLF(text);
    EXPECT_EQ(text, QStringLiteral("\"a\r\nb\""));

    text = "a\r\nb\rc\n";
    CRLFToLF(text);
    EXPECT_EQ(text, QStringLiteral("a\nb\rc\n"));

    EXPECT_EQ(DoubleQuotes("say \"hi\""), QStringLiteral("say \"\"hi\"\""));
    EXPECT_EQ(UndoubleChar(u'"', "say \"\"hi\"\"\""), QStringLiteral("say \"hi\"\""));
    EXPECT_EQ(UndoubleChar(u'"', "none"), QStringLiteral("none"));
    EXPECT_EQ(CharCount(u'"', "a\"b\"\"c"), 3);
}

TEST(GridTextLineBreaks, SingleCharPosFindsTheFirstUnescapedCharacter)
{
    struct Case {
        QString text;
        int pos;
        int count;
    };
    const Case cases[] = {
        {"", 0, 0},
        {"abc", 0, 0},
        {"ab\"c", 3, 1},
        {"a\"\"b", 0, 0},           // an escaped quote only
        {"a\"\"b\"", 5, 1},         // ends with the character
        {"\"\"\"x", 3, 1},          // a run of three: its last one
        {"x\"\"", 3, 1},            // the end counts whatever the run's length
        {"\"a\"", 1, 2},
        {"a\"b\"c\"\"d\"", 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(visible(c.text));
        int out = -1;
        EXPECT_EQ(SingleCharPos(u'"', c.text, out), c.pos);
        EXPECT_EQ(out, c.pos);
        EXPECT_EQ(SingleCharCount(u'"', c.text), c.count);
    }
}

TEST(GridTextLineBreaks, TildeBackslashAndOtherEncodings)
{
    QString text = "a\r\nb\rc";
    CRToTilde(text);
    EXPECT_EQ(text, QStringLiteral("a~b~c"));
    TildeToCRLF(text);
    EXPECT_EQ(text, QStringLiteral("a\r\nb\r\nc"));
    text = "^";
    TildeToCRLF(text);
    EXPECT_EQ(text, QString());

    EXPECT_EQ(CRToBackslashN("a\r\nb\rc"), QStringLiteral("a\\nb\\nc"));
    EXPECT_EQ(BackslashNToCR("a\\nb\\nc"), QStringLiteral("a\rb\rc"));
    EXPECT_EQ(CRToLF("a\rb\r\n"), QStringLiteral("a\nb\n\n"));
    EXPECT_EQ(RemoveCR("a\rb\r\n"), QStringLiteral("ab\n"));
    EXPECT_EQ(TextLineCount("a\rb\rc", true), 3);
    EXPECT_EQ(TextLineCount("a\rb\rc", false), 1);
    EXPECT_EQ(TextLineCount("", true), 1);
    EXPECT_EQ(TextLineCount("a\r\nb\nc\rd", true), 4);
}

TEST(GridTextLineBreaks, CutFirstLine)
{
    struct Case {
        QString text;
        bool keepRest;
        QString first;
        QString rest;
    };
    const Case cases[] = {
        {"a\r\nb\r\nc", true, "a", "b\r\nc"},
        {"a\r\nb\r\nc", false, "a", ""},
        {"a\rb", true, "a", "b"},
        {"\r\n", true, "", ""},
        {"abc", true, "abc", ""},  // no CR: whole text, caller's text emptied
        {"a\nb", true, "a\nb", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(visible(c.text));
        QString text = c.text;
        EXPECT_EQ(CutFirstLine(text, c.keepRest), c.first);
        EXPECT_EQ(text, c.rest);
    }
}

TEST(GridTextLineBreaks, OemCodePageRoundTrip)
{
    QString text = QString::fromUtf8("Äb é");
    TextToOem(text);
    EXPECT_EQ(text, utilsChars({0x8E, u'b', u' ', 0x82}));  // CP850 bytes
    OemToText(text);
    EXPECT_EQ(text, QString::fromUtf8("Äb é"));
}

TEST(GridTextStrings, MixedCaseText)
{
    const std::pair<QString, QString> cases[] = {
        {"", ""},
        {"mcdonald", "McDonald"},
        {"old mcdonald", "Old McDonald"},
        {"john o'neil-smith iii", "John O'Neil-Smith III"},
        {"ANNA-LENA", "Anna-Lena"},
        {"louis iv", "Louis IV"},
        {"fix it", "Fix IT"},  // a final two-letter word starting with "i"
        {"st. john,ann", "St. John,Ann"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(MixedCaseText(text), expected);
    }
}

TEST(GridTextStrings, PositionsTokensAndLimits)
{
    EXPECT_EQ(UpperCasePos("<BLI", "x<bli>y"), 2);
    EXPECT_EQ(UpperCasePos("<BLI", "xyz"), 0);
    int pos = -1;
    EXPECT_EQ(VarPos("cd", "abcd", pos), 3);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(VarCharPos(u'z', "abcd", pos), 0);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(CharPos(u'a', "abcd"), 1);

    QString text = "a,b,c";
    EXPECT_EQ(CutToken(text, ","), QStringLiteral("a"));
    EXPECT_EQ(text, QStringLiteral("b,c"));
    text = "abc";
    EXPECT_EQ(CutToken(text, ","), QString());
    EXPECT_EQ(text, QStringLiteral("abc"));
    text = "a::b";  // only the delimiter's first character goes
    EXPECT_EQ(CutToken(text, "::"), QStringLiteral("a"));
    EXPECT_EQ(text, QStringLiteral(":b"));

    text = "secret";
    FillWithChar(text, u'*');
    EXPECT_EQ(text, QStringLiteral("******"));
    EXPECT_EQ(ConcatStrings({"a", "", "bc"}), QStringLiteral("abc"));

    const QRect cells(QPoint(1, 2), QPoint(3, 4));  // columns 1..3, rows 2..4
    EXPECT_TRUE(CellInGridRect(cells, 1, 2));
    EXPECT_TRUE(CellInGridRect(cells, 3, 4));
    EXPECT_FALSE(CellInGridRect(cells, 4, 4));
    EXPECT_FALSE(CellInGridRect(cells, 2, 1));
    EXPECT_EQ(IntMax(-1, 2), 2);
    EXPECT_EQ(IntMin(-1, 2), -1);

    struct Limits {
        int value, minimum, maximum, result;
    };
    const Limits limits[] = {
        {5, 10, 0, 10}, {500, 10, 200, 200}, {5, 7, 7, 5}, {50, 10, 200, 50}, {500, 0, 0, 500}, {-5, 0, 10, -5},
    };
    for (const Limits& l : limits) {
        SCOPED_TRACE(testing::Message() << l.value << " " << l.minimum << " " << l.maximum);
        EXPECT_EQ(ApplySizeLimits(l.value, l.minimum, l.maximum), l.result);
    }
}
