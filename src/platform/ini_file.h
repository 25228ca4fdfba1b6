#pragma once

// INI files edited at the byte level: one section is read as key/value
// pairs, or some of its keys are replaced, while every other byte of the
// file stays as it was (other sections and keys, comments, line ends, the
// byte-order mark or its absence).
//
// The file is read as the platform reads text files: a byte-order mark
// selects UTF-8, UTF-16 LE or UTF-16 BE, without one the bytes are
// Windows-1252. Lines end at CR LF, LF or CR. A section starts at a line
// "[name]" (name compared without regard to case, blanks around the line
// ignored) and runs to the next such line. A line of the section holding
// "=" is a key (the blank-trimmed text before the first "=") and a value
// (the blank-trimmed text after it); other lines are ignored.

#include <functional>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

namespace platform {

struct IniValue {
    QString Key;
    QString Value;
};

// The key/value lines of one section, in file order (repeated keys
// included); empty when the file has no such section.
class IniSection {
public:
    IniSection() = default;
    explicit IniSection(std::vector<IniValue> values) : FExists(true), FValues(std::move(values)) {}

    // False when the file has no such section.
    bool Exists() const { return FExists; }
    const std::vector<IniValue>& Values() const { return FValues; }
    // The value of the first line whose key equals `key` without regard to
    // case; nothing when there is none.
    std::optional<QString> Value(const QString& key) const;
    QString ReadString(const QString& key, const QString& fallback) const;
    // The value as an integer (platform::parseInt); the fallback when the
    // key is missing or its value is no integer.
    int ReadInteger(const QString& key, int fallback) const;

private:
    bool FExists = false;
    std::vector<IniValue> FValues;
};

IniSection ReadIniSection(const QByteArray& file, const QString& section);

// The file with the section's lines whose key `replaces` accepts taken out
// and `values` written as "key=value" lines, in order, after the section's
// last line that is not blank; a missing section is added at the end. New
// lines take the file's first line end (CR LF in a file without one) and
// its encoding; a text that Windows-1252 cannot hold turns a file without a
// byte-order mark into UTF-8 with one.
QByteArray WriteIniSection(const QByteArray& file, const QString& section, const std::vector<IniValue>& values,
                           const std::function<bool(const QString& key)>& replaces);

// A text value as written: in double quotes when blanks at its ends would
// otherwise be lost (or when it is itself enclosed in double quotes).
QString QuotedIniText(const QString& text);
// A value as read: one pair of enclosing double quotes removed.
QString UnquotedIniText(const QString& value);

// True for `prefix` (without regard to case) followed by one or more
// decimal digits: "Col3" for "Col".
bool IsNumberedKey(const QString& key, const QString& prefix);

// The file at `path` for an edit: its bytes, empty when it does not exist;
// nothing (and `error` set) when it exists but cannot be read.
std::optional<QByteArray> ReadIniFileForUpdate(const QString& path, QString* error = nullptr);

}  // namespace platform
