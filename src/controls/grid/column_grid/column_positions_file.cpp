#include "controls/grid/column_grid/column_positions_file.h"

#include <QHash>

#include "platform/codepage.h"
#include "platform/strings.h"
#include "platform/text_lines.h"

namespace grid {

namespace column_positions_detail {

using platform::TextEncoding;

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
    const platform::TextFileEncoding found = platform::detectTextEncoding(file);
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
        line.text = platform::decodeText(QByteArrayView(file).sliced(line.start, line.contentEnd - line.start), ini.encoding);
    return ini;
}

SectionLines findSection(const IniBytes& ini, const QString& section)
{
    SectionLines found;
    for (int i = 0; i < int(ini.lines.size()); ++i) {
        const QString line = platform::trimBlanks(ini.lines[size_t(i)].text);
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

// The key of a "key=value" line, trimmed; nothing for a line without "=".
std::optional<QString> keyOf(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    return platform::trimBlanks(line.left(eq));
}

bool isPositionKey(const QString& key)
{
    if (key.size() < 3 || !key.startsWith(QStringLiteral("CP"), Qt::CaseInsensitive))
        return false;
    for (qsizetype i = 2; i < key.size(); ++i)
        if (key[i] < u'0' || key[i] > u'9')
            return false;
    return true;
}

QString positionLine(int index, int position)
{
    return QStringLiteral("CP%1=%2").arg(index).arg(position);
}

}  // namespace column_positions_detail

std::optional<std::vector<int>> ReadColumnPositions(const QByteArray& file, const QString& section, int count)
{
    using namespace column_positions_detail;
    const IniBytes ini = readLines(file);
    const SectionLines found = findSection(ini, section);
    if (found.header < 0 || count < 0)
        return std::nullopt;
    QHash<QString, QString> values;  // upper-cased key -> the first value
    for (int i = found.header + 1; i < found.end; ++i) {
        const QString& text = ini.lines[size_t(i)].text;
        const auto key = keyOf(text);
        if (key && isPositionKey(*key) && !values.contains(key->toUpper()))
            values.insert(key->toUpper(), platform::trimBlanks(text.mid(text.indexOf(u'=') + 1)));
    }
    if (values.size() < count)
        return std::nullopt;
    std::vector<int> positions;
    std::vector<bool> seen(size_t(count), false);
    for (int i = 0; i < count; ++i) {
        const auto text = values.constFind(QStringLiteral("CP%1").arg(i));
        const auto value = text != values.cend() ? platform::parseInt(*text) : std::nullopt;
        if (!value || *value < 0 || *value >= count || seen[size_t(*value)])
            return std::nullopt;
        seen[size_t(*value)] = true;
        positions.push_back(*value);
    }
    return positions;
}

QByteArray WriteColumnPositions(const QByteArray& file, const QString& section, const std::vector<int>& positions)
{
    using namespace column_positions_detail;
    IniBytes ini = readLines(file);
    const QString header = QStringLiteral("[%1]").arg(section);
    QByteArray bytes = file;
    if (ini.encoding == TextEncoding::Ansi && platform::fromAnsi(platform::toAnsi(header)) != header) {
        // Windows-1252 cannot hold the section's name: the file becomes UTF-8.
        bytes = platform::byteOrderMark(TextEncoding::Utf8) + platform::fromAnsi(file).toUtf8();
        ini = readLines(bytes);
    }
    const TextEncoding encoding = ini.encoding;
    QByteArray lineEnd = platform::encodeText(QStringLiteral("\r\n"), encoding);
    for (const Line& line : ini.lines) {
        if (line.HasLineEnd()) {
            lineEnd = bytes.sliced(line.contentEnd, line.end - line.contentEnd);
            break;
        }
    }
    QByteArray newLines;
    for (size_t i = 0; i < positions.size(); ++i)
        newLines += platform::encodeText(positionLine(int(i), positions[i]), encoding) + lineEnd;

    QByteArray out = bytes.left(ini.bodyStart);
    const bool endsWithoutLineEnd = !ini.lines.empty() && !ini.lines.back().HasLineEnd();
    const SectionLines found = findSection(ini, section);
    if (found.header < 0) {
        out += bytes.sliced(ini.bodyStart);
        if (endsWithoutLineEnd)
            out += lineEnd;
        return out + platform::encodeText(header, encoding) + lineEnd + newLines;
    }
    const auto replaced = [&](int i) {
        if (i <= found.header || i >= found.end)
            return false;
        const auto key = keyOf(ini.lines[size_t(i)].text);
        return key && isPositionKey(*key);
    };
    int insertAfter = found.header;
    for (int i = found.header + 1; i < found.end; ++i)
        if (!replaced(i) && !platform::trimBlanks(ini.lines[size_t(i)].text).isEmpty())
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

}  // namespace grid
