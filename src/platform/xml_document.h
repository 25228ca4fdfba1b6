#pragma once

#include <memory>
#include <vector>

#include <QString>

namespace pugi {
class xml_document;
class xml_node;
struct xml_node_struct;
}

namespace platform {

// `text` without what XML cannot hold: control characters other than tab, LF
// and CR, lone surrogates, U+FFFE and U+FFFF. Every text value a document
// is given or writes passes through it.
QString xmlCharacters(const QString& text);
// `text` as it is written between the tags of an element: its XML
// characters, with "&", "<" and ">" as entities and CR as "&#13;" (a raw CR
// would read back as LF).
QString xmlEscapedText(const QString& text);
// `text` as it is written between the double quotes of an attribute value:
// its XML characters, with "&", "<" and '"' as entities and tab, LF and CR
// as character references (raw, they would read back as blanks).
QString xmlEscapedAttribute(const QString& text);

// One element of an XmlDocument. A default-constructed (or not found) element
// is null: every read on it gives empty text or a null element, every write
// is ignored. The document owns all nodes; an element is a light handle that
// stays valid until the document is cleared or reloaded.
class XmlElement {
public:
    XmlElement() = default;

    bool isNull() const;
    explicit operator bool() const { return !isNull(); }

    QString name() const;

    // Concatenated text of the element's direct text children; empty when
    // the element holds none or is null.
    QString text() const;
    void setText(const QString& value);

    bool hasAttribute(const QString& name) const;
    // A missing attribute reads as empty text.
    QString attribute(const QString& name) const;
    void setAttribute(const QString& name, const QString& value);

    // First child element with exactly this name (case-sensitive), or null.
    XmlElement child(const QString& name) const;
    // Text of the child element `name`, or empty when there is none.
    QString childText(const QString& name) const;
    std::vector<XmlElement> children() const;
    std::vector<XmlElement> children(const QString& name) const;

    XmlElement appendChild(const QString& name);
    // Appends <name>value</name> and returns it.
    XmlElement appendTextChild(const QString& name, const QString& value);

private:
    friend class XmlDocument;
    explicit XmlElement(const pugi::xml_node& node);
    pugi::xml_node node() const;
    // The document's node itself (a handle is copied freely, without
    // allocating); null for a null element.
    pugi::xml_node_struct* node_ = nullptr;
};

// An XML document: loaded from a file, walked and changed, saved to a file.
// Comments, declarations and processing instructions are parsed as nodes; the
// root is the first element node at the top level, whatever stands before it.
// Text values are kept without what XML cannot hold (see xmlCharacters).
// Saving writes UTF-8 without a declaration, indented with tabs, through the
// atomic file writer; text comes back from the file exactly as it was set.
class XmlDocument {
public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Replaces the content with the file's. Returns false (and leaves the
    // document empty) when the file is missing or not well-formed XML, which
    // includes 8-bit text that is not valid UTF-8 without declaring another
    // encoding the parser reads (ISO-8859-1); `error` then says why.
    bool load(const QString& path, QString* error = nullptr);
    bool loadFromText(const QByteArray& text, QString* error = nullptr);

    // Removes every node.
    void clear();

    XmlElement root() const;
    // Appends a top-level element (the root, on an empty document).
    XmlElement appendRoot(const QString& name);
    // Appends a comment at the top level, after what is already there.
    void appendComment(const QString& text);

    QByteArray toText() const;
    bool save(const QString& path, QString* error = nullptr) const;

private:
    std::unique_ptr<pugi::xml_document> doc_;
};

}  // namespace platform
