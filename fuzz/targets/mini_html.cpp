// The mini-HTML dialect: the renderer's tag reader and line engine (laying a
// text out, measuring it and testing a point) and the HTML text utilities
// (entities, tag stripping, search marks, CONTROL tags).
//
// Input: a flag byte (bit 0 word wrap, bit 1 named entities, bit 2 case
// sensitive, bits 3-4 the render mode: measure, hit test, draw), the point
// (two values), a line (the searched text, tag or control ID), then the text.

#include <QImage>
#include <QPainter>

#include "controls/grid/html/html_measure_canvas.h"
#include "controls/grid/html/html_renderer.h"
#include "controls/grid/html/html_tags.h"
#include "controls/grid/html/html_text_utils.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

bool isPosition(int position, const QString& text) { return position >= 0 && position <= text.size() + 1; }

// Characters that survive encoding and decoding both ways unchanged.
QString plainWord(const QString& text, bool allowEquals)
{
    QString word;
    for (QChar c : text)
        if (c.isLetterOrNumber() || c == u' ' || c == u'<' || c == u'>' || c == u'"' || (allowEquals && c == u'='))
            word += c;
    return word;
}

void checkTagReader(const QString& text, const QString& line)
{
    const QString prepared = grid::PrepareHTMLText(text);
    // Line feeds go last, so one between "<" and "#" leaves a "<#".
    if (!text.contains(u'\n')) FUZZ_CHECK(!prepared.contains(QStringLiteral("<#")));
    FUZZ_CHECK(!prepared.contains(u'\r') && !prepared.contains(u'\n'));
    if (!text.contains(u'<') && !text.contains(u'\r') && !text.contains(u'\n'))
        for (QStringView entity : {u"&amp;", u"&quot;", u"&sect;", u"&permil;", u"&reg;", u"&copy;", u"&para;",
                                   u"&trade;", u"&euro;"})
            FUZZ_CHECK(grid::PosText(entity, prepared) == 0);
    if (line.startsWith(u'<') && line.size() >= 3) {
        const QStringView tag = grid::HTMLTagText(line);
        FUZZ_CHECK(tag.size() <= line.size());
        grid::ClassifyHTMLTag(tag);
        const QString upper = grid::HTMLUpper(tag);
        for (QStringView name : {u"HREF", u"SRC", u"COLOR", u"X"}) {
            const QStringView value = grid::HTMLTagAttributeAsWritten(tag, upper, name);
            FUZZ_CHECK(value.isEmpty() || (value.data() >= tag.data() && value.data() + value.size() <= tag.data() + tag.size()));
        }
        bool number = false;
        FUZZ_CHECK(grid::HTMLTagLetterNumber(tag, u'x', &number) >= 0);
        FUZZ_CHECK(grid::HTMLTagNumberAfterEquals(upper, u"SIZE", &number) >= 0);
    }
}

void checkUtilities(const QString& text, const QString& line, bool named, bool caseSensitive)
{
    const QString stripped = grid::StripHTMLTags(text);
    FUZZ_CHECK(stripped.size() <= text.size());
    FUZZ_CHECK(grid::StripTagsForSearch(text).size() <= text.size());
    int previous = 0;
    for (int n = 1; n <= 4; ++n) {
        const int p = grid::VisibleToSourcePos(text, n);
        FUZZ_CHECK(isPosition(p, text));
        if (p == 0) break;
        FUZZ_CHECK(p > previous);
        previous = p;
    }
    if (!text.contains(u'&')) FUZZ_CHECK_EQUAL(grid::DecodeHTMLEntities(grid::EncodeHTMLEntities(text, named), named), text);
    grid::EncodeHTMLSpaces(text);

    // Marks put in come out again, on a text of plain words.
    const QString words = plainWord(text, false).remove(u'<').remove(u'>');
    const QString find = plainWord(line, false).remove(u'<').remove(u'>').trimmed();
    const QString marked = grid::HighlightHTMLText(words, find, QStringLiteral("HI"), caseSensitive);
    FUZZ_CHECK_EQUAL(grid::UnHighlightHTMLText(marked, QStringLiteral("hi")), words);
    grid::HighlightHTMLText(text, line, line, caseSensitive);
    grid::UnHighlightHTMLText(text, line);

    // A value written into a control is read back as written.
    QString form = text;
    const QString id = plainWord(line, false).remove(u'"').remove(u' ').remove(u'<').remove(u'>');
    const QString value = plainWord(line, true);
    grid::GetNextHTMLControlID(form, id);
    grid::GetHTMLControlProp(form, id);
    FUZZ_CHECK(grid::GetHTMLControlMaxLen(form, id) >= 0);
    form = grid::ClearHTMLRadioControls(form);
    if (!id.isEmpty() && grid::SetHTMLControlValue(form, id, value)) {
        QString read;
        FUZZ_CHECK(grid::GetHTMLControlValue(form, id, read));
        FUZZ_CHECK_EQUAL(read, value);
    }
}

void checkRenderer(const QString& text, int mode, bool wordWrap, int x, int y)
{
    grid::THTMLRenderParams p;
    p.WordWrap = wordWrap;
    p.X = x;
    p.Y = y;
    p.MeasureOnly = mode == 0 || mode == 3;
    p.HitTestOnly = mode == 1;
    const platform::TRect box(0, 0, 160, 60);
    grid::THTMLRenderResult measured;
    grid::THTMLRenderResult again;
    bool hit = false;
    if (mode == 2) {
        QImage image(160, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        platform::TCanvas canvas(painter);
        hit = grid::RenderHTMLText(canvas, text, box, p, measured);
        grid::RenderHTMLText(canvas, text, box, p, again);
    } else {
        grid::THTMLMeasureCanvas canvas(nullptr, platform::TFont(QFont(QStringLiteral("DejaVu Sans"), 9)));
        hit = grid::RenderHTMLText(canvas.Canvas(), text, box, p, measured);
        grid::RenderHTMLText(canvas.Canvas(), text, box, p, again);
    }
    FUZZ_CHECK(measured.XSize >= 0 && measured.YSize > 0);
    FUZZ_CHECK(measured.XSize == again.XSize && measured.YSize == again.YSize);
    FUZZ_CHECK_EQUAL(measured.StripVal, again.StripVal);
    FUZZ_CHECK(!(p.MeasureOnly && hit));
    FUZZ_CHECK(measured.AnchorCount >= 0 && measured.AnchorCount <= text.count(u'<'));
    FUZZ_CHECK(measured.MouseLink == -1 || (measured.MouseLink >= 1 && measured.MouseLink <= measured.AnchorCount));
}

}  // namespace

FUZZ_TARGET(mini_html)
{
    fuzz::FuzzedData input(data, size);
    const uint8_t flags = input.takeByte();
    const int x = int(input.takeInt(-10, 170));
    const int y = int(input.takeInt(-10, 70));
    const QString line = input.takeLine();
    const QString text = input.takeRestText();
    const int mode = (flags >> 3) & 3;
    checkTagReader(text, line);
    checkUtilities(text, line, flags & 2, flags & 4);
    checkRenderer(text, mode, flags & 1, x, y);
}
