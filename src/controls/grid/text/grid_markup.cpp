#include "controls/grid/text/grid_markup.h"

#include <QRegularExpression>

namespace grid {

QString StripHTMLTags(const QString& text)
{
    QString out;
    out.reserve(text.size());
    bool inTag = false;
    for (QChar c : text) {
        if (c == u'<') inTag = true;
        else if (c == u'>' && inTag) inTag = false;
        else if (!inTag) out += c;
    }
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    out.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    out.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    out.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return out;
}

namespace grid_markup_detail {

// Finds the CONTROL tag with the id; start/length of its VALUE text (length
// -1 when the tag has no VALUE, start = the tag's end then).
bool findControlValue(const QString& text, const QString& id, int& start, int& length)
{
    static const QRegularExpression tag(QStringLiteral("<CONTROL\\s[^>]*>"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attr(QStringLiteral("(\\w+)\\s*=\\s*(?:\"([^\"]*)\"|([^\\s\">]*))"));
    auto it = tag.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString body = m.captured(0);
        QString foundId;
        int valueStart = -1;
        int valueLength = -1;
        auto attrs = attr.globalMatch(body);
        while (attrs.hasNext()) {
            const QRegularExpressionMatch a = attrs.next();
            const QString name = a.captured(1).toUpper();
            const int group = a.capturedStart(2) >= 0 ? 2 : 3;
            if (name == QStringLiteral("ID")) foundId = a.captured(group);
            if (name == QStringLiteral("VALUE")) {
                valueStart = int(m.capturedStart(0) + a.capturedStart(group));
                valueLength = int(a.capturedLength(group));
            }
        }
        if (foundId.compare(id, Qt::CaseInsensitive) != 0) continue;
        start = valueStart >= 0 ? valueStart : int(m.capturedEnd(0) - 1);
        length = valueLength;
        return true;
    }
    return false;
}

}  // namespace grid_markup_detail

bool GetHTMLControlValue(const QString& text, const QString& id, QString& value)
{
    int start = 0;
    int length = 0;
    if (!grid_markup_detail::findControlValue(text, id, start, length)) return false;
    value = length >= 0 ? text.mid(start, length) : QString();
    return true;
}

bool SetHTMLControlValue(QString& text, const QString& id, const QString& value)
{
    int start = 0;
    int length = 0;
    if (!grid_markup_detail::findControlValue(text, id, start, length)) return false;
    if (length >= 0) text.replace(start, length, value);
    else text.insert(start, QStringLiteral(" VALUE=\"") + value + u'"');
    return true;
}

}  // namespace grid
