#include "controls/grid/text/rich_cell_text.h"

#include <cmath>

#include <QTextDocument>

#include "platform/rtf_text_document.h"

namespace grid {

bool HoldsRichText(const QString& text) { return text.contains(QLatin1String("{\\")); }

QByteArray RichCellSource(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) bytes += char(ch.unicode() & 0xFF);
    return bytes;
}

namespace {
void loadInto(const QString& text, QTextDocument& document)
{
    document.setDocumentMargin(0);
    platform::LoadRtf(RichCellSource(text), document);
}
}  // namespace

QString RichCellPlainText(const QString& text)
{
    QTextDocument document;
    loadInto(text, document);
    // Line separators inside a paragraph read as line breaks as well.
    return document.toPlainText().replace(QChar(0x2028), QLatin1Char('\n'));
}

QSize RichCellTextSize(const QString& text, const QFont& defaultFont, int wrapWidth)
{
    QTextDocument document;
    document.setDefaultFont(defaultFont);
    loadInto(text, document);
    document.setTextWidth(wrapWidth > 0 ? wrapWidth : -1);
    const int width = int(std::ceil(wrapWidth > 0 ? document.idealWidth() : document.size().width()));
    return QSize(width, int(std::ceil(document.size().height())));
}

}  // namespace grid
