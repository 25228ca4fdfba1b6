#include "fuzz_support.h"

#include <algorithm>
#include <iterator>

#include <QFile>

#include "support/temp_folder.h"

namespace fuzz {

uint8_t FuzzedData::takeByte()
{
    return position_ < size_ ? data_[position_++] : 0;
}

int64_t FuzzedData::takeInt(int64_t lowest, int64_t highest)
{
    const uint64_t range = static_cast<uint64_t>(highest) - static_cast<uint64_t>(lowest);
    uint64_t value = 0;
    for (uint64_t left = range; left != 0 && remaining() > 0; left >>= 8)
        value = (value << 8) | takeByte();
    if (range != UINT64_MAX)
        value %= range + 1;
    return static_cast<int64_t>(static_cast<uint64_t>(lowest) + value);
}

QByteArray FuzzedData::takeBytesUntil(char delimiter)
{
    const size_t start = position_;
    while (position_ < size_ && data_[position_] != static_cast<uint8_t>(delimiter))
        ++position_;
    QByteArray bytes(reinterpret_cast<const char*>(data_ + start), static_cast<qsizetype>(position_ - start));
    if (position_ < size_)
        ++position_;  // the delimiter
    return bytes;
}

QByteArray FuzzedData::takeRest()
{
    QByteArray bytes(reinterpret_cast<const char*>(data_ + position_), static_cast<qsizetype>(remaining()));
    position_ = size_;
    return bytes;
}

namespace {

testing_support::TempFolder& scratchFolder()
{
    static testing_support::TempFolder folder;
    return folder;
}

}  // namespace

QString scratchFile(const QString& name, const QByteArray& bytes)
{
    return scratchFolder().write(name, bytes);
}

QString scratchPath(const QString& name)
{
    return scratchFolder().file(name);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray printable(const QByteArray& bytes)
{
    QByteArray out;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E || byte == '\\')
            out += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
        else
            out += c;
    }
    return out;
}

QByteArray printable(const QString& text)
{
    return printable(text.toUtf8());
}

QByteArray printable(const QStringList& lines)
{
    QByteArray out = "[";
    for (const QString& line : lines)
        out += (out.size() > 1 ? ", \"" : "\"") + printable(line) + '"';
    return out + ']';
}

void valuesDiffer(const char* expression, const QByteArray& left, const QByteArray& right, const char* file, int line)
{
    // Long values from a little before their first difference.
    qsizetype first = 0;
    while (first < left.size() && first < right.size() && left[first] == right[first])
        ++first;
    const qsizetype from = std::max<qsizetype>(0, first - 40);
    const auto cut = [&](const QByteArray& value) {
        return (from > 0 ? QByteArray("...") : QByteArray()) + value.mid(from, 200) +
               (value.size() > from + 200 ? QByteArray("...") : QByteArray());
    };
    const QByteArray message = QByteArray(expression) + "\n    left: " + cut(left) + "\n   right: " + cut(right);
    propertyFailed(message.constData(), file, line);
}

FormatSettingsChoice::FormatSettingsChoice(FuzzedData& input) : saved_(platform::formatSettings())
{
    struct Choice {
        char16_t decimal, thousand, date;
        const char* shortDate;
    };
    static constexpr Choice choices[] = {
        {u'.', u',', u'/', "dd/mm/yyyy"}, {u'.', u',', u'/', "m/d/yyyy"},   {u',', u'.', u'.', "dd.mm.yyyy"},
        {u',', u' ', u'.', "d.m.yy"},     {u'.', u'\'', u'-', "yyyy-mm-dd"}, {u',', u'.', u'-', "dd-mm-yyyy"},
    };
    const Choice& choice = choices[input.takeByte() % std::size(choices)];
    platform::FormatSettings& settings = platform::formatSettings();
    settings.DecimalSeparator = choice.decimal;
    settings.ThousandSeparator = choice.thousand;
    settings.DateSeparator = choice.date;
    settings.ShortDateFormat = QString::fromLatin1(choice.shortDate);
}

FormatSettingsChoice::~FormatSettingsChoice()
{
    platform::formatSettings() = saved_;
}

}  // namespace fuzz
