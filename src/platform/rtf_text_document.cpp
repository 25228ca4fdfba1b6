#include "platform/rtf_text_document.h"

#include <cmath>

#include <QTextBlock>
#include <QTextCursor>

namespace platform {

namespace rtf_document_detail {

QTextCharFormat CharFormatOf(const TRtfCharFormat& f)
{
    QTextCharFormat c;
    if (f.Bold) c.setFontWeight(QFont::Bold);
    if (f.Italic) c.setFontItalic(true);
    if (f.Underline) c.setFontUnderline(true);
    if (f.StrikeOut) c.setFontStrikeOut(true);
    if (!f.FontName.isEmpty()) c.setFontFamilies(QStringList{f.FontName});
    if (f.HalfPoints > 0) c.setFontPointSize(f.HalfPoints / 2.0);
    if (f.Color) c.setForeground(QColor(*f.Color));
    if (f.Script == TRtfScript::Superscript) c.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (f.Script == TRtfScript::Subscript) c.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return c;
}

TRtfCharFormat RtfFormatOf(const QTextCharFormat& c)
{
    TRtfCharFormat f;
    f.Bold = c.fontWeight() >= QFont::Bold;
    f.Italic = c.fontItalic();
    f.Underline = c.fontUnderline();
    f.StrikeOut = c.fontStrikeOut();
    if (c.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = c.fontFamilies().toStringList();
        if (!families.isEmpty()) f.FontName = families.first();
    }
    if (c.hasProperty(QTextFormat::FontPointSize) && c.fontPointSize() > 0)
        f.HalfPoints = int(std::lround(c.fontPointSize() * 2));
    if (c.hasProperty(QTextFormat::ForegroundBrush) && c.foreground().style() != Qt::NoBrush)
        f.Color = c.foreground().color().rgb();
    if (c.verticalAlignment() == QTextCharFormat::AlignSuperScript) f.Script = TRtfScript::Superscript;
    if (c.verticalAlignment() == QTextCharFormat::AlignSubScript) f.Script = TRtfScript::Subscript;
    return f;
}

Qt::Alignment QtAlignmentOf(TRtfAlignment a)
{
    switch (a) {
    case TRtfAlignment::Center: return Qt::AlignHCenter;
    case TRtfAlignment::Right: return Qt::AlignRight;
    case TRtfAlignment::Justify: return Qt::AlignJustify;
    case TRtfAlignment::Left: break;
    }
    return Qt::AlignLeft;
}

TRtfAlignment RtfAlignmentOf(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter) return TRtfAlignment::Center;
    if (a & Qt::AlignRight) return TRtfAlignment::Right;
    if (a & Qt::AlignJustify) return TRtfAlignment::Justify;
    return TRtfAlignment::Left;
}

}  // namespace rtf_document_detail

void RtfToTextDocument(const TRtfDocument& rtf, QTextDocument& document)
{
    using namespace rtf_document_detail;
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const TRtfParagraph& p : rtf.Paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(QtAlignmentOf(p.Alignment));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, QTextCharFormat());
        first = false;
        for (const TRtfRun& run : p.Runs) {
            // A paragraph mark inside a run would split the block.
            QString text = run.Text;
            text.replace(QChar(u'\u2029'), QChar(RtfLineBreak));
            cursor.insertText(text, CharFormatOf(run.Format));
        }
    }
    cursor.endEditBlock();
}

TRtfDocument RtfFromTextDocument(const QTextDocument& document)
{
    using namespace rtf_document_detail;
    TRtfDocument rtf;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        TRtfParagraph p;
        p.Alignment = RtfAlignmentOf(block.blockFormat().alignment());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            p.Runs.push_back(TRtfRun{fragment.text(), RtfFormatOf(fragment.charFormat())});
        }
        rtf.Paragraphs.push_back(p);
    }
    rtf.Normalize();
    return rtf;
}

void LoadRtf(const QByteArray& source, QTextDocument& document) { RtfToTextDocument(ReadRtf(source), document); }

QByteArray SaveRtf(const QTextDocument& document) { return WriteRtf(RtfFromTextDocument(document)); }

}  // namespace platform
