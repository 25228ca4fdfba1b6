#include "platform/xml_document.h"

#include <QFile>
#include <pugixml.hpp>

#include "platform/atomic_file.h"

namespace platform {
namespace {

std::string utf8(const QString& s)
{
    return s.toStdString();
}

// A text value as the document keeps it: without what XML cannot hold.
// Printable ASCII with tabs and line ends, the usual case, is all kept and
// is copied straight across.
std::string utf8Value(const QString& s)
{
    std::string out(size_t(s.size()), '\0');
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c >= 0x7F || (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'))
            return xmlCharacters(s).toStdString();
        out[size_t(i)] = char(c);
    }
    return out;
}

QString fromUtf8(const char* s)
{
    return QString::fromUtf8(s);
}

// Offset of the first byte that starts no well-formed UTF-8 sequence (an
// overlong form, an encoded surrogate, a value above U+10FFFF or a sequence
// cut short included), or -1 when all of `bytes` is UTF-8.
qsizetype firstInvalidUtf8(const QByteArray& bytes)
{
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char lead = s[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The range of the second byte narrows for the leads that would
        // otherwise allow overlong forms, surrogates or values too large.
        int length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i;
        }
        if (n - i < length || s[i + 1] < low || s[i + 1] > high)
            return i;
        for (int k = 2; k < length; ++k)
            if ((s[i + k] & 0xC0) != 0x80)
                return i;
        i += length;
    }
    return -1;
}

enum class Escape { None, Text, Attribute };

// The entity or character reference that stands for `c`, or null when `c`
// is written as it is.
const char* reference(char16_t c, Escape escape)
{
    if (escape == Escape::None)
        return nullptr;
    const bool attribute = escape == Escape::Attribute;
    switch (c) {
    case u'&': return "&amp;";
    case u'<': return "&lt;";
    case u'>': return attribute ? nullptr : "&gt;";
    case u'"': return attribute ? "&quot;" : nullptr;
    // A raw CR reads back as LF; in an attribute tab and LF read back as
    // blanks.
    case u'\r': return "&#13;";
    case u'\n': return attribute ? "&#10;" : nullptr;
    case u'\t': return attribute ? "&#9;" : nullptr;
    default: return nullptr;
    }
}

bool isXmlCharacter(char16_t c)
{
    if (c < 0x20)
        return c == u'\t' || c == u'\n' || c == u'\r';
    return c != 0xFFFE && c != 0xFFFF;
}

QString xmlOutput(QStringView text, Escape escape)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            out += text[i];
            out += text[++i];
        } else if (QChar::isSurrogate(c) || !isXmlCharacter(c)) {
            continue;
        } else if (const char* ref = reference(c, escape)) {
            out += QLatin1String(ref);
        } else {
            out += QChar(c);
        }
    }
    return out;
}

// Comments, declarations and processing instructions are kept as nodes; a
// text of blanks alone (a password of one space) is kept as it stands.
constexpr unsigned parseOptions = pugi::parse_default | pugi::parse_comments | pugi::parse_declaration
                                  | pugi::parse_pi | pugi::parse_doctype | pugi::parse_ws_pcdata_single;

// Writes a document in the layout of the program's files: one tab per
// level, each element, comment or instruction on a line of its own, except
// after text, which keeps what follows on its line. A declaration read from
// a file is left out: what is written is always UTF-8.
class Xml_Writer {
public:
    QByteArray write(const pugi::xml_node& document)
    {
        writeChildren(document, 0);
        if (pending_ & kNewLine)
            out_ += '\n';
        return out_;
    }

private:
    static constexpr unsigned kNewLine = 1;
    static constexpr unsigned kIndent = 2;

    static bool isAscii(const char* s)
    {
        for (; *s; ++s)
            if (static_cast<unsigned char>(*s) >= 0x80)
                return false;
        return true;
    }

    // A name as it is written: the document's UTF-8 bytes.
    void writeName(const char* name)
    {
        if (isAscii(name))
            out_ += name;
        else
            out_ += fromUtf8(name).toUtf8();
    }

    // A text value as xmlOutput writes it. ASCII text, the usual case, is
    // written byte by byte without going through a QString.
    void writeValue(const char* value, Escape escape)
    {
        if (!isAscii(value)) {
            out_ += xmlOutput(fromUtf8(value), escape).toUtf8();
            return;
        }
        // Bytes written as they are go out in runs.
        const char* run = value;
        const char* s = value;
        for (; *s; ++s) {
            const auto c = static_cast<char16_t>(static_cast<unsigned char>(*s));
            const bool kept = isXmlCharacter(c);
            const char* ref = kept ? reference(c, escape) : nullptr;
            if (kept && !ref)
                continue;
            out_.append(run, s - run);
            if (ref)
                out_ += ref;
            run = s + 1;
        }
        out_.append(run, s - run);
    }

    void writeChildren(const pugi::xml_node& parent, int depth)
    {
        for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
            switch (node.type()) {
            case pugi::node_pcdata:
                writeValue(node.value(), Escape::Text);
                pending_ = 0;
                break;
            case pugi::node_cdata:
                out_ += "<![CDATA[";
                writeValue(node.value(), Escape::None);
                out_ += "]]>";
                pending_ = 0;
                break;
            case pugi::node_declaration:
                break;
            default:
                startLine(depth);
                writeMarkup(node, depth);
                pending_ = kNewLine | kIndent;
            }
        }
    }

    void startLine(int depth)
    {
        if (pending_ & kNewLine)
            out_ += '\n';
        if (pending_ & kIndent)
            out_.append(depth, '\t');
    }

    void writeMarkup(const pugi::xml_node& node, int depth)
    {
        switch (node.type()) {
        case pugi::node_element:
            writeElement(node, depth);
            break;
        case pugi::node_comment:
            out_ += QByteArray("<!--") + commentText(xmlCharacters(fromUtf8(node.value()))).toUtf8() + "-->";
            break;
        case pugi::node_pi: {
            const QString value = xmlCharacters(fromUtf8(node.value()));
            out_ += "<?";
            writeName(node.name());
            out_ += (value.isEmpty() ? QString() : u' ' + value).toUtf8() + "?>";
            break;
        }
        case pugi::node_doctype:
            out_ += QByteArray("<!DOCTYPE ") + xmlCharacters(fromUtf8(node.value())).toUtf8() + '>';
            break;
        default:
            break;
        }
    }

    void writeElement(const pugi::xml_node& element, int depth)
    {
        out_ += '<';
        writeName(element.name());
        for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
            out_ += ' ';
            writeName(a.name());
            out_ += "=\"";
            writeValue(a.value(), Escape::Attribute);
            out_ += '"';
        }
        if (!element.first_child()) {
            out_ += " />";
            return;
        }
        out_ += '>';
        pending_ = kNewLine | kIndent;
        writeChildren(element, depth + 1);
        startLine(depth);
        out_ += "</";
        writeName(element.name());
        out_ += '>';
    }

    // "--" may not stand in a comment, nor "-" at its end.
    static QString commentText(const QString& text)
    {
        QString out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            out += text[i];
            if (text[i] == u'-' && (i + 1 == text.size() || text[i + 1] == u'-'))
                out += u' ';
        }
        return out;
    }

    QByteArray out_;
    unsigned pending_ = kIndent;
};

}  // namespace

QString xmlCharacters(const QString& text)
{
    return xmlOutput(text, Escape::None);
}

QString xmlEscapedText(const QString& text)
{
    return xmlOutput(text, Escape::Text);
}

QString xmlEscapedAttribute(const QString& text)
{
    return xmlOutput(text, Escape::Attribute);
}

// ---- XmlElement -----------------------------------------------------------

XmlElement::XmlElement(const pugi::xml_node& node) : node_(node.internal_object()) {}

pugi::xml_node XmlElement::node() const
{
    return pugi::xml_node(node_);
}

bool XmlElement::isNull() const
{
    return node().type() != pugi::node_element;
}

QString XmlElement::name() const
{
    return isNull() ? QString() : fromUtf8(node().name());
}

QString XmlElement::text() const
{
    QString result;
    for (pugi::xml_node n = node().first_child(); n; n = n.next_sibling())
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata)
            result += fromUtf8(n.value());
    return result;
}

void XmlElement::setText(const QString& value)
{
    if (isNull())
        return;
    for (pugi::xml_node n = node().first_child(); n;) {
        pugi::xml_node next = n.next_sibling();
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata)
            node().remove_child(n);
        n = next;
    }
    const std::string text = utf8Value(value);
    if (!text.empty())
        node().append_child(pugi::node_pcdata).set_value(text.c_str());
}

bool XmlElement::hasAttribute(const QString& name) const
{
    return !isNull() && node().attribute(utf8(name).c_str());
}

QString XmlElement::attribute(const QString& name) const
{
    if (isNull())
        return {};
    return fromUtf8(node().attribute(utf8(name).c_str()).value());
}

void XmlElement::setAttribute(const QString& name, const QString& value)
{
    if (isNull())
        return;
    const std::string key = utf8(name);
    pugi::xml_attribute a = node().attribute(key.c_str());
    if (!a)
        a = node().append_attribute(key.c_str());
    a.set_value(utf8Value(value).c_str());
}

XmlElement XmlElement::child(const QString& name) const
{
    if (isNull())
        return {};
    return XmlElement(node().child(utf8(name).c_str()));
}

QString XmlElement::childText(const QString& name) const
{
    return child(name).text();
}

std::vector<XmlElement> XmlElement::children() const
{
    std::vector<XmlElement> result;
    if (isNull())
        return result;
    for (pugi::xml_node n = node().first_child(); n; n = n.next_sibling())
        if (n.type() == pugi::node_element)
            result.push_back(XmlElement(n));
    return result;
}

std::vector<XmlElement> XmlElement::children(const QString& name) const
{
    std::vector<XmlElement> result;
    if (isNull())
        return result;
    const std::string key = utf8(name);
    for (pugi::xml_node n = node().child(key.c_str()); n; n = n.next_sibling(key.c_str()))
        result.push_back(XmlElement(n));
    return result;
}

XmlElement XmlElement::appendChild(const QString& name)
{
    if (isNull())
        return {};
    return XmlElement(node().append_child(utf8(name).c_str()));
}

XmlElement XmlElement::appendTextChild(const QString& name, const QString& value)
{
    XmlElement e = appendChild(name);
    e.setText(value);
    return e;
}

// ---- XmlDocument ----------------------------------------------------------

XmlDocument::XmlDocument() : doc_(std::make_unique<pugi::xml_document>()) {}
XmlDocument::~XmlDocument() = default;

bool XmlDocument::load(const QString& path, QString* error)
{
    clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return loadFromText(file.readAll(), error);
}

bool XmlDocument::loadFromText(const QByteArray& text, QString* error)
{
    clear();
    const pugi::xml_parse_result result = doc_->load_buffer(text.constData(), static_cast<size_t>(text.size()),
                                                            parseOptions, pugi::encoding_auto);
    if (!result) {
        if (error)
            *error = QStringLiteral("Not well-formed XML at offset %1: %2")
                         .arg(result.offset)
                         .arg(QString::fromUtf8(result.description()));
        clear();
        return false;
    }
    // The parser takes 8-bit text that declares no other encoding for UTF-8
    // without checking it: text in another encoding would read as
    // replacement characters and be saved so.
    if (result.encoding == pugi::encoding_utf8) {
        const qsizetype bad = firstInvalidUtf8(text);
        if (bad >= 0) {
            if (error)
                *error = QStringLiteral("Not well-formed XML at offset %1: the text is not valid UTF-8").arg(bad);
            clear();
            return false;
        }
    }
    return true;
}

void XmlDocument::clear()
{
    doc_->reset();
}

XmlElement XmlDocument::root() const
{
    for (pugi::xml_node n = doc_->first_child(); n; n = n.next_sibling())
        if (n.type() == pugi::node_element)
            return XmlElement(n);
    return {};
}

XmlElement XmlDocument::appendRoot(const QString& name)
{
    return XmlElement(doc_->append_child(utf8(name).c_str()));
}

void XmlDocument::appendComment(const QString& text)
{
    doc_->append_child(pugi::node_comment).set_value(utf8Value(text).c_str());
}

QByteArray XmlDocument::toText() const
{
    return Xml_Writer().write(*doc_);
}

bool XmlDocument::save(const QString& path, QString* error) const
{
    return writeFileAtomically(path, toText(), error);
}

}  // namespace platform
