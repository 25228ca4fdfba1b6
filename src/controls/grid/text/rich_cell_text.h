#pragma once

// Cells whose text is rich-text source ("{\rtf..."): the source bytes a
// rich edit loads, the plain text that copying, hints and balloons show,
// and the size the formatted text asks for.

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

class QPainter;
class QRectF;

namespace grid {

// True when the text holds the rich-text start "{\".
bool HoldsRichText(const QString& text);
// The cell's rich-text source as a rich edit loads it: each character's low
// eight bits as one byte.
QByteArray RichCellSource(const QString& text);
// The text without its formatting; paragraphs end with a line feed.
QString RichCellPlainText(const QString& text);
// The size the formatted text needs, laid out in the default font; with a
// wrapWidth above 0 its lines are wrapped at that width, else they run
// unbroken.
QSize RichCellTextSize(const QString& text, const QFont& defaultFont, int wrapWidth);

// Draws the formatted text into rect (painter coordinates, laid out for
// the painter's device), wrapped at its width and clipped to it. A valid
// textColor recolours all of the text (a selected cell).
void DrawRichCellText(QPainter& painter, const QString& text, const QFont& defaultFont, const QRectF& rect,
                      const QColor& textColor = QColor());

}  // namespace grid
