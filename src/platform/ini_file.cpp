#include "platform/ini_file.h"

#include <QFile>

#include "platform/codepage.h"
#include "platform/strings.h"
#include "platform/text_lines.h"

namespace platform {

namespace ini_file_detail {

// One line of the file: its bytes (content, then line end) and its text.
struct Line {
    qsizetype start = 0;
    qsizetype contentEnd = 0;
    qsizetype end = 0;
    QString text;
    bool HasLineEnd() const { return end > contentEnd; }
};

struct IniBytes {
    TextEncoding encoding = TextEncoding::Ansi;
    qsizetype bodyStart = 0;  // the first byte after the byte-order mark
    std::vector<Line> lines;
};

// The section's header line and the line after its last one; -1 when the
// file has no such section.
struct SectionLines {
    int header = -1;
    int end = -1;
};

// The code unit at byte `at`: a byte, or two of them in UTF-16.
char16_t unitAt(const QByteArray& bytes, qsizetype at, TextEncoding encoding)
{
    const auto byte = [&](qsizetype i) { return char16_t(uchar(bytes[i])); };
    switch (encoding) {
    case TextEncoding::Utf16Le:
        return char16_t(byte(at) | (byte(at + 1) << 8));
    case TextEncoding::Utf16Be:
        return char16_t((byte(at) << 8) | byte(at + 1));
    default:
        return byte(at);
    }
}

IniBytes readLines(const QByteArray& file)
{
    IniBytes ini;
    const TextFileEncoding found = detectTextEncoding(file);
    ini.encoding = found.encoding;
    ini.bodyStart = found.markSize;
    const qsizetype width = found.unitSize();
    const qsizetype n = file.size();
    qsizetype lineStart = ini.bodyStart;
    qsizetype at = ini.bodyStart;
    while (at + width <= n) {
        const char16_t unit = unitAt(file, at, ini.encoding);
        if (unit != u'\r' && unit != u'\n') {
            at += width;
            continue;
        }
        const qsizetype contentEnd = at;
        at += width;
        if (unit == u'\r' && at + width <= n && unitAt(file, at, ini.encoding) == u'\n')
            at += width;
        ini.lines.push_back({lineStart, contentEnd, at, {}});
        lineStart = at;
    }
    if (lineStart < n)
        ini.lines.push_back({lineStart, n, n, {}});
    for (Line& line : ini.lines)
        line.text = decodeText(QByteArrayView(file).sliced(line.start, line.contentEnd - line.start), ini.encoding);
    return ini;
}

SectionLines findSection(const IniBytes& ini, const QString& section)
{
    SectionLines found;
    for (int i = 0; i < int(ini.lines.size()); ++i) {
        const QString line = trimBlanks(ini.lines[size_t(i)].text);
        if (!line.startsWith(u'[') || !line.endsWith(u']'))
            continue;
        if (found.header >= 0) {
            found.end = i;
            return found;
        }
        if (line.mid(1, line.size() - 2).compare(section, Qt::CaseInsensitive) == 0)
            found.header = i;
    }
    if (found.header >= 0)
        found.end = int(ini.lines.size());
    return found;
}

// The key and value of a "key=value" line, trimmed; nothing for a line
// without "=".
std::optional<IniValue> valueOf(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    return IniValue{trimBlanks(line.left(eq)), trimBlanks(line.mid(eq + 1))};
}

}  // namespace ini_file_detail

std::optional<QString> IniSection::Value(const QString& key) const
{
    for (const IniValue& v : FValues)
        if (v.Key.compare(key, Qt::CaseInsensitive) == 0)
            return v.Value;
    return std::nullopt;
}

QString IniSection::ReadString(const QString& key, const QString& fallback) const
{
    return Value(key).value_or(fallback);
}

int IniSection::ReadInteger(const QString& key, int fallback) const
{
    const std::optional<QString> text = Value(key);
    return text ? parseIntOr(*text, fallback) : fallback;
}

IniSection ReadIniSection(const QByteArray& file, const QString& section)
{
    using namespace ini_file_detail;
    const IniBytes ini = readLines(file);
    const SectionLines found = findSection(ini, section);
    if (found.header < 0)
        return IniSection();
    std::vector<IniValue> values;
    for (int i = found.header + 1; i < found.end; ++i)
        if (auto value = valueOf(ini.lines[size_t(i)].text))
            values.push_back(std::move(*value));
    return IniSection(std::move(values));
}

QByteArray WriteIniSection(const QByteArray& file, const QString& section, const std::vector<IniValue>& values,
                           const std::function<bool(const QString& key)>& replaces)
{
    using namespace ini_file_detail;
    IniBytes ini = readLines(file);
    const QString header = QStringLiteral("[%1]").arg(section);
    QStringList newTexts;
    for (const IniValue& v : values)
        newTexts << v.Key + u'=' + v.Value;
    QByteArray bytes = file;
    if (ini.encoding == TextEncoding::Ansi) {
        const QString all = header + newTexts.join(QString());
        if (fromAnsi(toAnsi(all)) != all) {
            // Windows-1252 cannot hold the new text: the file becomes UTF-8.
            bytes = byteOrderMark(TextEncoding::Utf8) + fromAnsi(file).toUtf8();
            ini = readLines(bytes);
        }
    }
    const TextEncoding encoding = ini.encoding;
    QByteArray lineEnd = encodeText(QStringLiteral("\r\n"), encoding);
    for (const Line& line : ini.lines) {
        if (line.HasLineEnd()) {
            lineEnd = bytes.sliced(line.contentEnd, line.end - line.contentEnd);
            break;
        }
    }
    QByteArray newLines;
    for (const QString& text : newTexts)
        newLines += encodeText(text, encoding) + lineEnd;

    QByteArray out = bytes.left(ini.bodyStart);
    const bool endsWithoutLineEnd = !ini.lines.empty() && !ini.lines.back().HasLineEnd();
    const SectionLines found = findSection(ini, section);
    if (found.header < 0) {
        out += bytes.sliced(ini.bodyStart);
        if (endsWithoutLineEnd)
            out += lineEnd;
        return out + encodeText(header, encoding) + lineEnd + newLines;
    }
    const auto replaced = [&](int i) {
        if (i <= found.header || i >= found.end)
            return false;
        const auto value = valueOf(ini.lines[size_t(i)].text);
        return value && replaces(value->Key);
    };
    int insertAfter = found.header;
    for (int i = found.header + 1; i < found.end; ++i)
        if (!replaced(i) && !trimBlanks(ini.lines[size_t(i)].text).isEmpty())
            insertAfter = i;
    for (int i = 0; i < int(ini.lines.size()); ++i) {
        if (replaced(i))
            continue;
        const Line& line = ini.lines[size_t(i)];
        out += bytes.sliced(line.start, line.end - line.start);
        if (i != insertAfter)
            continue;
        if (!line.HasLineEnd())
            out += lineEnd;
        out += newLines;
    }
    return out;
}

namespace ini_file_detail {

bool enclosedInQuotes(const QString& text) { return text.size() >= 2 && text.front() == u'"' && text.back() == u'"'; }

}  // namespace ini_file_detail

QString QuotedIniText(const QString& text)
{
    if (trimBlanks(text) == text && !ini_file_detail::enclosedInQuotes(text))
        return text;
    return u'"' + text + u'"';
}

QString UnquotedIniText(const QString& value)
{
    return ini_file_detail::enclosedInQuotes(value) ? value.mid(1, value.size() - 2) : value;
}

bool IsNumberedKey(const QString& key, const QString& prefix)
{
    if (key.size() <= prefix.size() || !key.startsWith(prefix, Qt::CaseInsensitive))
        return false;
    for (qsizetype i = prefix.size(); i < key.size(); ++i)
        if (key[i] < u'0' || key[i] > u'9')
            return false;
    return true;
}

std::optional<QByteArray> ReadIniFileForUpdate(const QString& path, QString* error)
{
    QFile current(path);
    if (!current.exists())
        return QByteArray();
    if (!current.open(QIODevice::ReadOnly)) {
        if (error != nullptr)
            *error = current.errorString();
        return std::nullopt;
    }
    return current.readAll();
}

}  // namespace platform
