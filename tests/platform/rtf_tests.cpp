#include <gtest/gtest.h>

#include <QTextDocument>

#include "platform/rtf.h"
#include "platform/rtf_text_document.h"

using namespace platform;

namespace rtf_tests {

TRtfCharFormat Plain() { return {}; }
TRtfCharFormat Bold()
{
    TRtfCharFormat f;
    f.Bold = true;
    return f;
}

TRtfDocument OneParagraph(QList<TRtfRun> runs, TRtfAlignment a = TRtfAlignment::Left)
{
    TRtfDocument d;
    d.Paragraphs.push_back(TRtfParagraph{a, std::move(runs)});
    return d;
}

// Worked out by hand: header, the font and colour tables in order of use,
// one group per run, \par after every paragraph.
TEST(RtfWriter, WritesTheDocumentAsSevenBitSource)
{
    TRtfDocument d;
    TRtfCharFormat arial;
    arial.FontName = QStringLiteral("Arial");
    arial.HalfPoints = 20;
    arial.Color = qRgb(255, 0, 0);
    TRtfCharFormat sup;
    sup.Script = TRtfScript::Superscript;
    TRtfCharFormat sub;
    sub.Italic = true;
    sub.Underline = true;
    sub.StrikeOut = true;
    sub.Script = TRtfScript::Subscript;
    d.Paragraphs.push_back(TRtfParagraph{TRtfAlignment::Left,
                                         {TRtfRun{QStringLiteral("H"), Bold()},
                                          TRtfRun{QStringLiteral("2"), sub},
                                          TRtfRun{QStringLiteral("x{\\}"), arial}}});
    d.Paragraphs.push_back(TRtfParagraph{TRtfAlignment::Center,
                                         {TRtfRun{QString::fromUtf8("caf\u00e9\u2028m\u00b2\t\u20ac"), Plain()},
                                          TRtfRun{QStringLiteral("3"), sup}}});
    const QByteArray expected =
        "{\\rtf1\\ansi\\ansicpg1252\\uc1{\\fonttbl{\\f1\\fnil Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
        "\\pard{\\b H}{\\i\\ul\\strike\\dn4 2}{\\f1\\fs20\\cf1 x\\{\\\\\\}}\\par\r\n"
        "\\pard\\qc{caf\\u233?\\line m\\u178?\\tab \\u8364?}{\\up4 3}\\par\r\n"
        "}";
    EXPECT_EQ(WriteRtf(d), expected);
    EXPECT_EQ(ReadRtf(expected), d);
}

TEST(RtfWriter, EmptyParagraphsAndCharactersBeyondTheFirstPlaneSurvive)
{
    TRtfDocument d = OneParagraph({TRtfRun{QStringLiteral("a"), Plain()}}, TRtfAlignment::Right);
    d.Paragraphs.push_back(TRtfParagraph{});
    d.Paragraphs.push_back(TRtfParagraph{TRtfAlignment::Justify, {TRtfRun{QString::fromUtf8("\U0001F600 -"), Bold()}}});
    d.Paragraphs.push_back(TRtfParagraph{});
    const QByteArray source = WriteRtf(d);
    for (const char c : source) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_EQ(ReadRtf(source), d);
    EXPECT_EQ(ReadRtf(WriteRtf(TRtfDocument{})), TRtfDocument{});
}

struct ReadCase {
    const char* name;
    QByteArray source;
    QString plain;
};

// What a pasted source may carry beside the subset: it is skipped, never
// shown as text.
TEST(RtfReader, TakesTheTextAndSkipsWhatItDoesNotKnow)
{
    const ReadCase cases[] = {
        {"escapes", "{\\rtf1 a\\\\b\\{c\\}d}", QStringLiteral("a\\b{c}d")},
        {"ansi byte", "{\\rtf1\\ansi caf\\'e9 \\'80}", QString::fromUtf8("caf\u00e9 \u20ac")},
        {"unicode with fallback", "{\\rtf1\\uc1 x\\u8364?y}", QString::fromUtf8("x\u20acy")},
        {"two fallback characters", "{\\rtf1\\uc2 \\u8364\\'80\\'80z}", QString::fromUtf8("\u20acz")},
        {"negative unicode", "{\\rtf1 \\u-3913?}", QString(QChar(char16_t(65536 - 3913)))},
        {"fallback ends at a group", "{\\rtf1\\uc3 {\\u228?}b}", QString::fromUtf8("\u00e4b")},
        {"starred destination", "{\\rtf1{\\*\\generator Writer 1.0;}ok}", QStringLiteral("ok")},
        {"picture", "{\\rtf1 a{\\pict\\pngblip 89504e47}b}", QStringLiteral("ab")},
        {"style sheet and info",
         "{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}text}", QStringLiteral("text")},
        {"field shows its result", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}",
         QStringLiteral("link")},
        {"line and tab", "{\\rtf1 a\\line b\\tab c}", QString::fromUtf8("a\u2028b\tc")},
        {"paragraphs", "{\\rtf1 one\\par two\\par}", QStringLiteral("one\ntwo")},
        {"source line ends are no text", "{\\rtf1 a\r\nb\\\r\nc}", QStringLiteral("ab\nc")},
        {"unknown words and symbols", "{\\rtf1\\deflang1033\\viewkind4\\sa200 x\\|y\\:z}", QStringLiteral("xyz")},
        {"unbalanced groups", "{\\rtf1 a}}}b{", QStringLiteral("a")},
        {"text after the document", "{\\rtf1 a}garbage", QStringLiteral("a")},
        {"not rtf", "plain\r\nsecond", QStringLiteral("plain\nsecond")},
        {"truncated", "{\\rtf1 abc\\'4", QStringLiteral("abc")},
        {"huge numbers", "{\\rtf1\\fs999999999999999\\u99999999999 ?q}", QString(QChar(u'q'))},
    };
    for (const ReadCase& c : cases) {
        const TRtfDocument d = ReadRtf(c.source);
        EXPECT_EQ(d.PlainText(), c.plain) << c.name;
    }
}

TEST(RtfReader, FormatsFollowTheGroupsAndTheTables)
{
    const QByteArray source =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman{\\*\\panose 02}Times New Roman;}}"
        "{\\colortbl;\\red0\\green128\\blue255;}"
        "\\pard\\qr\\f1\\fs28 A{\\b\\i B\\b0 C}{\\ul D\\ulnone E}{\\cf1\\strike F}{\\super G\\nosupersub H}"
        "{\\dn6 I}{\\up0 J}\\plain K\\par\\qc L}";
    const TRtfDocument d = ReadRtf(source);
    ASSERT_EQ(d.Paragraphs.size(), 2);
    EXPECT_EQ(d.Paragraphs[0].Alignment, TRtfAlignment::Right);
    EXPECT_EQ(d.Paragraphs[1].Alignment, TRtfAlignment::Center);
    const QList<TRtfRun>& runs = d.Paragraphs[0].Runs;
    auto runOf = [&](QChar ch) -> TRtfCharFormat {
        for (const TRtfRun& r : runs)
            if (r.Text.contains(ch)) return r.Format;
        ADD_FAILURE() << "no run holds " << QString(ch).toStdString();
        return {};
    };
    TRtfCharFormat base;
    base.FontName = QStringLiteral("Times New Roman");
    base.HalfPoints = 28;
    EXPECT_EQ(runOf(u'A'), base);
    TRtfCharFormat f = base;
    f.Bold = f.Italic = true;
    EXPECT_EQ(runOf(u'B'), f);
    f.Bold = false;
    EXPECT_EQ(runOf(u'C'), f);
    f = base;
    f.Underline = true;
    EXPECT_EQ(runOf(u'D'), f);
    EXPECT_EQ(runOf(u'E'), base);
    f = base;
    f.Color = qRgb(0, 128, 255);
    f.StrikeOut = true;
    EXPECT_EQ(runOf(u'F'), f);
    EXPECT_EQ(runOf(u'G').Script, TRtfScript::Superscript);
    EXPECT_EQ(runOf(u'H').Script, TRtfScript::Normal);
    EXPECT_EQ(runOf(u'I').Script, TRtfScript::Subscript);
    EXPECT_EQ(runOf(u'J').Script, TRtfScript::Normal);
    EXPECT_EQ(runOf(u'K'), TRtfCharFormat{}) << "\\plain resets the character format";
    EXPECT_EQ(d.Paragraphs[1].Runs[0].Format, TRtfCharFormat{});
}

TEST(RtfReader, DeepNestingIsSkippedNotFollowed)
{
    QByteArray source = "{\\rtf1 a";
    for (int i = 0; i < 5000; ++i) source += "{x";
    for (int i = 0; i < 5000; ++i) source += "}";
    source += "b}";
    const TRtfDocument d = ReadRtf(source);
    EXPECT_TRUE(d.PlainText().startsWith(u'a'));
    EXPECT_TRUE(d.PlainText().endsWith(u'b'));
    EXPECT_LT(d.PlainText().size(), 300) << "groups beyond the nesting limit are dropped";
}

TEST(RtfTextDocument, RoundTripsThroughTheEditorsDocument)
{
    TRtfCharFormat big;
    big.HalfPoints = 36;
    big.FontName = QStringLiteral("DejaVu Serif");
    big.Color = qRgb(0, 0, 255);
    TRtfCharFormat sup;
    sup.Script = TRtfScript::Superscript;
    sup.Underline = true;
    TRtfDocument d = OneParagraph({TRtfRun{QStringLiteral("plain "), Plain()}, TRtfRun{QStringLiteral("bold"), Bold()},
                                   TRtfRun{QString::fromUtf8(" x\u2028y"), big}, TRtfRun{QStringLiteral("2"), sup}},
                                  TRtfAlignment::Center);
    d.Paragraphs.push_back(TRtfParagraph{TRtfAlignment::Right, {TRtfRun{QStringLiteral("end"), Plain()}}});
    QTextDocument doc;
    RtfToTextDocument(d, doc);
    EXPECT_EQ(doc.blockCount(), 2);
    EXPECT_EQ(RtfFromTextDocument(doc), d);
    QTextDocument again;
    LoadRtf(SaveRtf(doc), again);
    EXPECT_EQ(RtfFromTextDocument(again), d);
}

}  // namespace rtf_tests
