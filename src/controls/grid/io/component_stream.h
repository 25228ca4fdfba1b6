#pragma once

// The binary component stream: one object per record, written as
//   "TPF0", class name (length byte + UTF-8), component name (length byte +
//   UTF-8, always empty here), properties (name, value), 0, 0
// where every value starts with a type byte. The grid's binary cell stream
// and the column grid's description stream are sequences of such records.
//
// The writer picks the canonical form of each value (smallest integer form,
// the string form by the text's content, colour names for named colours).
// The reader is meant for untrusted bytes: every length and count is checked
// against what is left, nesting is bounded, and any deviation raises
// EExGridError; it never reads past the end nor allocates more than the input
// could hold.

#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "controls/grid/io/stream_names.h"
#include "platform/colors.h"

namespace grid::io {

enum TValueType : uint8_t {
    vaNull = 0x00,
    vaList = 0x01,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaExtended = 0x05,
    vaString = 0x06,
    vaIdent = 0x07,
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaBinary = 0x0A,
    vaSet = 0x0B,
    vaLString = 0x0C,
    vaCollection = 0x0E,
    vaWString = 0x12,
    vaUTF8String = 0x14,
};

// The colour names of the stream: the sixteen basic colours, the four extra
// named ones, the system colours, clNone and clDefault.
std::optional<QString> ColorToIdent(TColor color);
std::optional<TColor> IdentToColor(const QString& ident);

struct TPropValue;
// The properties of one object, in stream order.
struct TPropEntry;
using TPropList = std::vector<TPropEntry>;

// One value as read.
struct TPropValue {
    TValueType Type = vaNull;
    int64_t Int = 0;              // vaInt8/16/32
    long double Float = 0;        // vaExtended
    QString Text;                 // strings and identifiers
    QByteArray Bytes;             // vaBinary
    QStringList Names;            // vaSet
    std::vector<TPropValue> Items;    // vaList
    std::vector<TPropList> Collection;  // vaCollection: the items' properties

    bool IsInteger() const { return Type == vaInt8 || Type == vaInt16 || Type == vaInt32; }
    bool IsString() const
    {
        return Type == vaString || Type == vaLString || Type == vaWString || Type == vaUTF8String;
    }
};

struct TPropEntry {
    QString Name;
    TPropValue Value;
};

// One object of the stream.
struct TComponentRecord {
    QString ClassName;
    TPropList Properties;
};

class TComponentWriter {
public:
    explicit TComponentWriter(QByteArray& out) : FOut(out) {}

    void BeginObject(const char* className);
    void EndObject();

    void Integer(const char* name, int64_t value);  // must fit 32 bits
    void Float(const char* name, long double value);
    void String(const char* name, const QString& value);
    void Ident(const char* name, const char* ident);
    void Boolean(const char* name, bool value);
    void Binary(const char* name, const QByteArray& value);
    void Set(const char* name, const QStringList& elements);
    void Enum(const char* name, int value, const TNameTable& table) { Ident(name, table.Name(value)); }
    void SetBits(const char* name, uint32_t bits, const TNameTable& table) { Set(name, SetToNames(bits, table)); }
    // A named colour as its identifier, any other as an integer.
    void Color(const char* name, TColor value);
    void StringList(const char* name, const QStringList& items);

    // A collection property: BeginCollection, then per item BeginItem,
    // properties, EndItem, then EndCollection.
    void BeginCollection(const char* name);
    void BeginItem();
    void EndItem();
    void EndCollection();

    // The bare value encodings (after a property name).
    void IntegerValue(int64_t value);
    void StringValue(const QString& value);

private:
    void Name(const char* name);
    void ShortText(const QByteArray& bytes);
    void U32(uint32_t value);

    QByteArray& FOut;
};

class TComponentReader {
public:
    explicit TComponentReader(const QByteArray& bytes) : FBytes(bytes) {}

    qsizetype Position() const { return FPos; }
    qsizetype Remaining() const { return FBytes.size() - FPos; }
    // Reads one whole object; raises EExGridError when the bytes are no
    // well-formed object.
    TComponentRecord ReadObject();

private:
    uint8_t Byte();
    QByteArray Take(qsizetype n);
    uint32_t U32();
    QString ShortUtf8();
    TPropList ReadProperties(int depth);
    TPropValue ReadValue(int depth);
    [[noreturn]] void Fail(const char* what) const;

    const QByteArray& FBytes;
    qsizetype FPos = 0;
};

// Typed reading of a record's values: each raises EExGridError when the
// value is not of a fitting type or out of range, naming the property.
int64_t ReadInteger(const TPropEntry& e, int64_t min, int64_t max);
bool ReadBoolean(const TPropEntry& e);
QString ReadString(const TPropEntry& e);
long double ReadFloat(const TPropEntry& e);
TColor ReadColor(const TPropEntry& e);
// The identifier's position in the table.
int ReadIdent(const TPropEntry& e, const TNameTable& table);
// A set of the table's elements as bits.
uint32_t ReadSet(const TPropEntry& e, const TNameTable& table);
QByteArray ReadBinary(const TPropEntry& e);
QStringList ReadStringList(const TPropEntry& e);
[[noreturn]] void UnknownProperty(const QString& className, const TPropEntry& e);

}  // namespace grid::io
