#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"

#include "app/language.h"

namespace rule_editor {

QString formatText(const QString& format, const QStringList& values)
{
    QString out;
    out.reserve(format.size() + 32);
    qsizetype next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != u'%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        const QChar kind = format[i + 1];
        if (kind == u'%') {
            out += u'%';
            ++i;
        } else if ((kind == u'd' || kind == u's') && next < values.size()) {
            out += values[next++];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString deleteQuestion(const QString& text, int row)
{
    const QString number = QString::number(row);
    return text.contains(QStringLiteral("%d")) ? formatText(text, {number}) : text + number;
}

QString failureMessage(const RuleFailure& failure, int errorRowId, int errorRowsId, int errorRowsJoinId)
{
    // A format text with values is the whole message.
    if (!failure.values.isEmpty())
        return formatText(app::langText(failure.textId), failure.values) + failure.tail;
    const QString rule = app::langText(failure.textId) + failure.tail;
    if (failure.row > 0 && failure.otherRow > 0)
        return app::langText(errorRowsId) + QString::number(failure.row) + app::langText(errorRowsJoinId)
               + QString::number(failure.otherRow) + rule;
    if (failure.row > 0)
        return app::langText(errorRowId) + QString::number(failure.row) + rule;
    return rule;
}

QString fileProblemText(const QString& path, const QString& reason, const QString& missingElement)
{
    if (!missingElement.isEmpty())
        return formatText(app::langText(frame_texts::FileIncomplete), {path, missingElement});
    return formatText(app::langText(frame_texts::FileUnreadable), {path, reason});
}

}  // namespace rule_editor
