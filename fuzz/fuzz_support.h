#pragma once

// What the fuzz targets share: taking typed values from the fuzzer's bytes,
// a scratch file for readers that only take paths, and the number and date
// formats an input chooses.

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QString>

#include "fuzz_target.h"
#include "platform/format_settings.h"

namespace fuzz {

// The input bytes, taken from the front. Once they run out every value is
// zero or empty, so a target never has to check the length.
class FuzzedData {
public:
    FuzzedData(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    size_t remaining() const { return size_ - position_; }
    uint8_t takeByte();
    bool takeBool() { return (takeByte() & 1) != 0; }
    // A value of lowest .. highest from as many bytes as the range needs.
    int64_t takeInt(int64_t lowest, int64_t highest);
    // The bytes up to the next `delimiter` (which is dropped), or all that is left.
    QByteArray takeBytesUntil(char delimiter);
    // takeBytesUntil('\n') read as UTF-8.
    QString takeLine() { return QString::fromUtf8(takeBytesUntil('\n')); }
    QByteArray takeRest();
    // The rest read as UTF-8.
    QString takeRestText() { return QString::fromUtf8(takeRest()); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// Writes `bytes` to `name` in the process's scratch folder (replacing what
// was there) and returns its path.
QString scratchFile(const QString& name, const QByteArray& bytes);
// The path `name` would have in the scratch folder, without writing it.
QString scratchPath(const QString& name);
// The bytes of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// The round trip of a file that a writer makes from what its reader gave:
// `data` written to one scratch file, that file read back into a fresh Data,
// and that written to another must give the same bytes, so nothing read is
// lost or changed on the way. `write(path, data)` and `read(path, data)`
// return whether they succeeded.
template <typename Data, typename Write, typename Read>
void checkWriteReadWrite(const Data& data, Write write, Read read)
{
    const QString first = scratchPath(QStringLiteral("written once"));
    const QString second = scratchPath(QStringLiteral("written twice"));
    FUZZ_CHECK(write(first, data));
    Data reread;
    FUZZ_CHECK(read(first, reread));
    FUZZ_CHECK(write(second, reread));
    FUZZ_CHECK_EQUAL(fileBytes(first), fileBytes(second));
}

// Sets the process-wide format settings to one of a few real-world sets
// (decimal comma or point, day or month first, "/", "." or "-" between date
// fields), chosen by a byte of the input, and puts the old ones back at the
// end of the scope.
class FormatSettingsChoice {
public:
    explicit FormatSettingsChoice(FuzzedData& input);
    ~FormatSettingsChoice();
    FormatSettingsChoice(const FormatSettingsChoice&) = delete;
    FormatSettingsChoice& operator=(const FormatSettingsChoice&) = delete;

private:
    platform::FormatSettings saved_;
};

}  // namespace fuzz
