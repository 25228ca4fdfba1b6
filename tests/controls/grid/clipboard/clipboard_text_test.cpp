// The clipboard's text form: fields of a copied cell, the cutting of a
// pasted text into lines and fields, and the size of a text block.

#include <gtest/gtest.h>

#include "controls/grid/clipboard/clipboard_text.h"

using namespace grid::clipboard;

namespace clipboard_text_test {

TEST(ClipboardText, QuoteFieldTurnsLineBreaksIntoOneLineFeedAndDoublesQuotes)
{
    struct Case {
        QString text, field;
    } const cases[] = {
        {"plain", "plain"},
        {"say \"hi\"", "say \"hi\""},  // no line break: as it stands
        {"a\r\nb", "\"a\nb\""},         // CR LF is one LF, not two
        {"a\rb", "\"a\nb\""},           // a lone CR too
        {"a\nb", "\"a\nb\""},
        {"say \"hi\"\r\nthere", "\"say \"\"hi\"\"\nthere\""},
        {"a\r\n\r\n", "\"a\n\n\""},
    };
    for (const Case& c : cases) EXPECT_EQ(QuoteField(c.text), c.field) << c.text.toStdString();
}

TEST(ClipboardText, ParseCutsLinesAndFieldsAndCountsTheEmptyRest)
{
    struct Case {
        QString text;
        std::vector<QStringList> lines;
        qsizetype fields, cells;
    } const cases[] = {
        {"a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}, {""}}, 5, 4},
        {"a\tb\r\nc\td", {{"a", "b"}, {"c", "d"}}, 4, 4},
        {"a\tb", {{"a", "b"}}, 2, 2},
        {"a\tb\n\nc", {{"a", "b"}, {""}, {"c"}}, 4, 4},  // line feeds of other programs
        {"a\rb\r", {{"a"}, {"b"}, {""}}, 3, 2},          // lone CRs
        {"a\t", {{"a", ""}}, 2, 2},
        {"", {{""}}, 1, 1},
        {"a\0b\tc", {{"a"}}, 1, 1},  // a NUL ends the text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const TTextBlock block = ParseTextBlock(c.text);
        ASSERT_EQ(block.Lines.size(), c.lines.size());
        for (size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(block.Lines[i].Fields, c.lines[i]) << i;
        EXPECT_EQ(block.FieldCount, c.fields);
        EXPECT_EQ(block.CellCount(), c.cells);
    }
}

TEST(ClipboardText, QuotedFieldsHoldingLineBreaksAreUnquotedOthersStayAsTheyStand)
{
    struct Case {
        QString text;
        std::vector<QStringList> lines;
    } const cases[] = {
        {"\"a\nb\"\tc", {{"a\nb", "c"}}},
        {"\"say \"\"hi\"\"\nthere\"\r\n", {{"say \"hi\"\nthere"}, {""}}},
        {"\"a\x0B" "b\nc\"", {{"a\r\nb\nc"}}},        // character 11 inside quotes: CR LF
        {"\"a\x0B" "b\"", {{"\"a\x0B" "b\""}}},      // no line break: quotes and character 11 stay
        {"\"x\"\ty", {{"\"x\"", "y"}}},              // a one-line quoted field keeps its quotes
        {"\"a\nb\" c", {{"\"a"}, {"b\" c"}}},        // a closing quote that does not end the field
        {"\"a\nb", {{"\"a"}, {"b"}}},                // never closed
        {"\"\"\tx", {{"\"\"", "x"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const TTextBlock block = ParseTextBlock(c.text);
        ASSERT_EQ(block.Lines.size(), c.lines.size());
        for (size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(block.Lines[i].Fields, c.lines[i]) << i;
    }
}

TEST(ClipboardText, AQuotedFieldReadsBackAsTheTextThatWasQuoted)
{
    for (const QString& text : {QString("say \"hi\"\nthere"), QString("\"\n\""), QString("a\n\tb"), QString("\n")}) {
        const TTextBlock block = ParseTextBlock(QuoteField(text) + "\tnext");
        ASSERT_EQ(block.Lines.size(), 1u) << text.toStdString();
        EXPECT_EQ(block.Lines[0].Fields, QStringList({text, "next"}));
    }
}

TEST(ClipboardText, BlockSizeIsTheWidestLineAndTheNonEmptyLinesMinusOne)
{
    struct Case {
        QString text;
        QPoint size;
    } const cases[] = {
        {"a\tb\r\nc\r\n", {2, 1}}, {"a", {1, 0}}, {"", {1, -1}},
        {"a\tb\tc\r\nd\r\ne\tf", {3, 2}}, {"a\r\n\r\nb\r\n", {1, 1}},
    };
    for (const Case& c : cases) EXPECT_EQ(TextBlockSize(ParseTextBlock(c.text)), c.size) << c.text.toStdString();
}

}  // namespace clipboard_text_test
