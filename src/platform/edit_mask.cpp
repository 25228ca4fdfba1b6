#include "platform/edit_mask.h"

#include "platform/format_settings.h"

namespace platform {

namespace edit_mask_detail {

void AppendLiteral(QString& out, QChar c)
{
    static const QString special = QStringLiteral("AaNnXx90Dd#HhBb><!\\;[]{}");
    if (special.contains(c)) out += u'\\';
    out += c;
}

}  // namespace edit_mask_detail

QString QtInputMask(const QString& editMask)
{
    using edit_mask_detail::AppendLiteral;
    if (editMask.isEmpty()) return QString();
    // The mask itself runs to the first unescaped ';'.
    QString mask;
    QString rest;
    for (int i = 0; i < editMask.size(); ++i) {
        if (editMask[i] == u'\\' && i + 1 < editMask.size()) {
            mask += editMask[i];
            mask += editMask[++i];
        } else if (editMask[i] == u';') {
            rest = editMask.mid(i + 1);
            break;
        } else {
            mask += editMask[i];
        }
    }
    const QStringList fields = rest.split(u';');
    const QChar blank = fields.size() >= 2 && !fields[1].isEmpty() ? fields[1][0] : QChar(u'_');
    const FormatSettings& fs = formatSettings();
    QString out;
    for (int i = 0; i < mask.size(); ++i) {
        const QChar c = mask[i];
        switch (c.unicode()) {
        case u'0': out += u'9'; break;
        case u'9': out += u'0'; break;
        case u'#': out += u'#'; break;
        case u'L': out += u'A'; break;
        case u'l': out += u'a'; break;
        case u'A': out += u'N'; break;
        case u'a': out += u'n'; break;
        case u'C': out += u'X'; break;
        case u'c': out += u'x'; break;
        case u'!': break;
        case u'/': AppendLiteral(out, fs.DateSeparator); break;
        case u':': AppendLiteral(out, fs.TimeSeparator); break;
        case u'>':
            if (i + 1 < mask.size() && mask[i + 1] == u'<') {
                out += u'!';
                ++i;
            } else {
                out += u'>';
            }
            break;
        case u'<': out += u'<'; break;
        case u'\\':
            if (i + 1 < mask.size()) AppendLiteral(out, mask[++i]);
            break;
        default: AppendLiteral(out, c); break;
        }
    }
    if (out.isEmpty()) return QString();
    out += u';';
    out += blank;
    return out;
}

}  // namespace platform
