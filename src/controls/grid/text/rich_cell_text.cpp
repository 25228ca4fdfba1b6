#include "controls/grid/text/rich_cell_text.h"

#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextCharFormat>
#include <QTextCursor>
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

void DrawRichCellText(QPainter& painter, const QString& text, const QFont& defaultFont, const QRectF& rect,
                      const QColor& textColor)
{
    if (rect.width() <= 0 || rect.height() <= 0) return;
    QTextDocument document;
    // Fonts measured on the device drawn on: a printer's page and the screen
    // lay the text out alike.
    if (painter.device() != nullptr) document.documentLayout()->setPaintDevice(painter.device());
    document.setDefaultFont(defaultFont);
    loadInto(text, document);
    if (textColor.isValid()) {
        QTextCursor all(&document);
        all.select(QTextCursor::Document);
        QTextCharFormat colour;
        colour.setForeground(textColor);
        all.mergeCharFormat(colour);
    }
    document.setTextWidth(rect.width());
    painter.save();
    painter.translate(rect.topLeft());
    document.drawContents(&painter, QRectF(0, 0, rect.width(), rect.height()));
    painter.restore();
}

}  // namespace grid
