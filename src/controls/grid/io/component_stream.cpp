#include "controls/grid/io/component_stream.h"

#include <cfloat>
#include <cstring>

#include <QtEndian>

#include "controls/grid/grid_error.h"

namespace grid::io {

namespace component_stream_detail {

// The extended float is the x86 80-bit format, which long double is here.
static_assert(LDBL_MANT_DIG == 64, "long double must be the 80-bit extended format");

struct NamedColor {
    TColor Color;
    const char* Name;
};

constexpr NamedColor kColorNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {0x00C0DCC0, "clMoneyGreen"}, {0x00F0CAA6, "clSkyBlue"}, {0x00F0FBFF, "clCream"},
    {0x00A4A0A0, "clMedGray"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"}, {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"}, {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"}, {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"}, {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"}, {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"}, {clNone, "clNone"}, {clDefault, "clDefault"},
};

// Lists and collections nest only a few levels in any record of ours.
constexpr int kMaxDepth = 8;

QString propertyName(const TPropEntry& e) { return e.Name.isEmpty() ? QStringLiteral("(unnamed)") : e.Name; }

[[noreturn]] void badValue(const TPropEntry& e)
{
    throw EExGridError(QStringLiteral("Invalid property value: %1").arg(propertyName(e)).toStdString());
}

}  // namespace component_stream_detail

namespace csd = component_stream_detail;

std::optional<QString> ColorToIdent(TColor color)
{
    for (const csd::NamedColor& c : csd::kColorNames)
        if (c.Color == color) return QString::fromLatin1(c.Name);
    return std::nullopt;
}

std::optional<TColor> IdentToColor(const QString& ident)
{
    for (const csd::NamedColor& c : csd::kColorNames)
        if (ident.compare(QLatin1String(c.Name), Qt::CaseInsensitive) == 0) return c.Color;
    return std::nullopt;
}

// ------------------------------------------------------------------ writer

void TComponentWriter::BeginObject(const char* className)
{
    FOut.append("TPF0", 4);
    ShortText(QByteArray(className));
    FOut.append(char(0));  // no component name
}

void TComponentWriter::EndObject()
{
    FOut.append(char(0));  // end of the properties
    FOut.append(char(0));  // no child objects
}

void TComponentWriter::Name(const char* name) { ShortText(QByteArray(name)); }

void TComponentWriter::ShortText(const QByteArray& bytes)
{
    const qsizetype n = std::min<qsizetype>(bytes.size(), 255);
    FOut.append(char(uint8_t(n)));
    FOut.append(bytes.constData(), n);
}

void TComponentWriter::U32(uint32_t value)
{
    char b[4];
    qToLittleEndian<uint32_t>(value, b);
    FOut.append(b, 4);
}

void TComponentWriter::IntegerValue(int64_t value)
{
    if (value >= -128 && value <= 127) {
        FOut.append(char(vaInt8));
        FOut.append(char(int8_t(value)));
    } else if (value >= -32768 && value <= 32767) {
        FOut.append(char(vaInt16));
        char b[2];
        qToLittleEndian<int16_t>(int16_t(value), b);
        FOut.append(b, 2);
    } else {
        FOut.append(char(vaInt32));
        U32(uint32_t(int32_t(value)));
    }
}

void TComponentWriter::StringValue(const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    if (value.isEmpty()) {
        // Written short: the length rule below would make it a wide string.
        FOut.append(char(vaString));
        FOut.append(char(0));
    } else if (utf8.size() >= 2 * value.size()) {
        FOut.append(char(vaWString));
        U32(uint32_t(value.size()));
        for (const QChar ch : value) {
            char b[2];
            qToLittleEndian<uint16_t>(ch.unicode(), b);
            FOut.append(b, 2);
        }
    } else if (utf8.size() != value.size()) {  // a byte of 128 or above
        FOut.append(char(vaUTF8String));
        U32(uint32_t(utf8.size()));
        FOut.append(utf8);
    } else if (utf8.size() >= 256) {
        FOut.append(char(vaLString));
        U32(uint32_t(utf8.size()));
        FOut.append(utf8);
    } else {
        FOut.append(char(vaString));
        ShortText(utf8);
    }
}

void TComponentWriter::Integer(const char* name, int64_t value)
{
    Name(name);
    IntegerValue(value);
}

void TComponentWriter::Float(const char* name, long double value)
{
    Name(name);
    FOut.append(char(vaExtended));
    char b[sizeof(long double)] = {};
    std::memcpy(b, &value, sizeof(long double));
    FOut.append(b, 10);
}

void TComponentWriter::String(const char* name, const QString& value)
{
    Name(name);
    StringValue(value);
}

void TComponentWriter::Ident(const char* name, const char* ident)
{
    Name(name);
    FOut.append(char(vaIdent));
    ShortText(QByteArray(ident));
}

void TComponentWriter::Boolean(const char* name, bool value)
{
    Name(name);
    FOut.append(char(value ? vaTrue : vaFalse));
}

void TComponentWriter::Binary(const char* name, const QByteArray& value)
{
    Name(name);
    FOut.append(char(vaBinary));
    U32(uint32_t(value.size()));
    FOut.append(value);
}

void TComponentWriter::Set(const char* name, const QStringList& elements)
{
    Name(name);
    FOut.append(char(vaSet));
    for (const QString& e : elements) ShortText(e.toUtf8());
    FOut.append(char(0));
}

void TComponentWriter::Color(const char* name, TColor value)
{
    if (const std::optional<QString> ident = ColorToIdent(value)) {
        Ident(name, ident->toLatin1().constData());
        return;
    }
    Integer(name, int32_t(value));
}

void TComponentWriter::StringList(const char* name, const QStringList& items)
{
    Name(name);
    FOut.append(char(vaList));
    for (const QString& s : items) StringValue(s);
    FOut.append(char(0));
}

void TComponentWriter::BeginCollection(const char* name)
{
    Name(name);
    FOut.append(char(vaCollection));
}

void TComponentWriter::BeginItem() { FOut.append(char(vaList)); }
void TComponentWriter::EndItem() { FOut.append(char(0)); }
void TComponentWriter::EndCollection() { FOut.append(char(0)); }

// ------------------------------------------------------------------ reader

void TComponentReader::Fail(const char* what) const
{
    throw EExGridError(QStringLiteral("Stream read error: %1 at byte %2").arg(QLatin1String(what)).arg(FPos).toStdString());
}

uint8_t TComponentReader::Byte()
{
    if (FPos >= FBytes.size()) Fail("unexpected end of stream");
    return uint8_t(FBytes[FPos++]);
}

QByteArray TComponentReader::Take(qsizetype n)
{
    if (n < 0 || n > Remaining()) Fail("length beyond the end of the stream");
    QByteArray out = FBytes.mid(FPos, n);
    FPos += n;
    return out;
}

uint32_t TComponentReader::U32()
{
    if (Remaining() < 4) Fail("unexpected end of stream");
    const uint32_t v = qFromLittleEndian<uint32_t>(FBytes.constData() + FPos);
    FPos += 4;
    return v;
}

QString TComponentReader::ShortUtf8()
{
    const uint8_t n = Byte();
    return QString::fromUtf8(Take(n));
}

TComponentRecord TComponentReader::ReadObject()
{
    if (Remaining() < 4 || std::memcmp(FBytes.constData() + FPos, "TPF0", 4) != 0) Fail("invalid stream format");
    FPos += 4;
    TComponentRecord record;
    record.ClassName = ShortUtf8();
    if (record.ClassName.isEmpty()) Fail("empty class name");
    ShortUtf8();  // component name, not used
    record.Properties = ReadProperties(0);
    if (Byte() != 0) Fail("child objects are not supported");
    return record;
}

TPropList TComponentReader::ReadProperties(int depth)
{
    TPropList list;
    for (;;) {
        const uint8_t n = Byte();
        if (n == 0) return list;
        TPropEntry e;
        e.Name = QString::fromUtf8(Take(n));
        e.Value = ReadValue(depth);
        list.push_back(std::move(e));
    }
}

TPropValue TComponentReader::ReadValue(int depth)
{
    if (depth > csd::kMaxDepth) Fail("values nested too deeply");
    TPropValue v;
    v.Type = TValueType(Byte());
    switch (v.Type) {
    case vaInt8:
        v.Int = int8_t(Byte());
        break;
    case vaInt16: {
        const QByteArray b = Take(2);
        v.Int = qFromLittleEndian<int16_t>(b.constData());
        break;
    }
    case vaInt32:
        v.Int = int32_t(U32());
        break;
    case vaExtended: {
        const QByteArray b = Take(10);
        char raw[sizeof(long double)] = {};
        std::memcpy(raw, b.constData(), 10);
        std::memcpy(&v.Float, raw, sizeof(long double));
        break;
    }
    case vaString:
        v.Text = ShortUtf8();
        break;
    case vaIdent:
        v.Text = QString::fromUtf8(Take(Byte()));
        break;
    case vaFalse:
    case vaTrue:
    case vaNull:
        break;
    case vaBinary:
        v.Bytes = Take(qsizetype(U32()));
        break;
    case vaSet:
        for (;;) {
            const uint8_t n = Byte();
            if (n == 0) break;
            v.Names << QString::fromUtf8(Take(n));
        }
        break;
    case vaLString:
    case vaUTF8String:
        v.Text = QString::fromUtf8(Take(qsizetype(U32())));
        break;
    case vaWString: {
        const uint32_t units = U32();
        if (units > uint32_t(Remaining() / 2)) Fail("length beyond the end of the stream");
        const QByteArray b = Take(qsizetype(units) * 2);
        v.Text.resize(qsizetype(units));
        for (uint32_t i = 0; i < units; ++i)
            v.Text[qsizetype(i)] = QChar(qFromLittleEndian<uint16_t>(b.constData() + 2 * qsizetype(i)));
        break;
    }
    case vaList:
        for (;;) {
            if (Remaining() > 0 && FBytes[FPos] == 0) {
                ++FPos;
                break;
            }
            v.Items.push_back(ReadValue(depth + 1));
        }
        break;
    case vaCollection:
        for (;;) {
            const uint8_t next = Byte();
            if (next == 0) break;
            if (next == vaInt8 || next == vaInt16 || next == vaInt32) {  // an item's order value, not used
                --FPos;
                ReadValue(depth + 1);
                if (Byte() != vaList) Fail("collection item expected");
            } else if (next != vaList) {
                Fail("collection item expected");
            }
            v.Collection.push_back(ReadProperties(depth + 1));
        }
        break;
    default:
        Fail("unknown value type");
    }
    return v;
}

// ----------------------------------------------------------- typed reading

int64_t ReadInteger(const TPropEntry& e, int64_t min, int64_t max)
{
    if (!e.Value.IsInteger() || e.Value.Int < min || e.Value.Int > max) csd::badValue(e);
    return e.Value.Int;
}

bool ReadBoolean(const TPropEntry& e)
{
    if (e.Value.Type == vaTrue) return true;
    if (e.Value.Type == vaFalse) return false;
    csd::badValue(e);
}

QString ReadString(const TPropEntry& e)
{
    if (!e.Value.IsString()) csd::badValue(e);
    return e.Value.Text;
}

long double ReadFloat(const TPropEntry& e)
{
    if (e.Value.IsInteger()) return (long double)e.Value.Int;
    if (e.Value.Type != vaExtended) csd::badValue(e);
    return e.Value.Float;
}

TColor ReadColor(const TPropEntry& e)
{
    if (e.Value.Type == vaIdent) {
        if (const std::optional<TColor> c = IdentToColor(e.Value.Text)) return *c;
        csd::badValue(e);
    }
    return TColor(uint32_t(int32_t(ReadInteger(e, INT32_MIN, INT32_MAX))));
}

int ReadIdent(const TPropEntry& e, const TNameTable& table)
{
    if (e.Value.Type != vaIdent) csd::badValue(e);
    for (int i = 0; i < table.Count; ++i)
        if (e.Value.Text == QLatin1String(table.Names[i])) return i;
    csd::badValue(e);
}

uint32_t ReadSet(const TPropEntry& e, const TNameTable& table)
{
    if (e.Value.Type != vaSet) csd::badValue(e);
    bool ok = false;
    const uint32_t bits = NamesToSet(e.Value.Names, table, ok);
    if (!ok) csd::badValue(e);
    return bits;
}

QByteArray ReadBinary(const TPropEntry& e)
{
    if (e.Value.Type != vaBinary) csd::badValue(e);
    return e.Value.Bytes;
}

QStringList ReadStringList(const TPropEntry& e)
{
    if (e.Value.Type != vaList) csd::badValue(e);
    QStringList out;
    for (const TPropValue& item : e.Value.Items) {
        if (!item.IsString()) csd::badValue(e);
        out << item.Text;
    }
    return out;
}

void UnknownProperty(const QString& className, const TPropEntry& e)
{
    throw EExGridError(
        QStringLiteral("Stream read error: %1 has no property %2").arg(className, csd::propertyName(e)).toStdString());
}

}  // namespace grid::io
