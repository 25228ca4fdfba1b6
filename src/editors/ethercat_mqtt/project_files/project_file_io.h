#pragma once

#include <utility>
#include <vector>

#include <QString>

#include "platform/xml_document.h"

namespace ethercat_mqtt {

// Outcome of reading one project file. A missing file is no error: the
// caller's data simply stays empty.
struct ProjectFileRead {
    bool exists = false;
    // Empty when the file was missing or read whole; otherwise what went wrong
    // (the file is not XML, a list element is missing), naming the file.
    QString error;
    // The parts of the error, for a message of the reader's own: the
    // parser's message for a file that cannot be loaded, or the name of the
    // first list element missing.
    QString reason;
    QString missingElement;

    bool ok() const { return error.isEmpty(); }
};

// The version comment written after the root of every project file.
inline const QString kProjectFileVersion = QStringLiteral("SW_VERSION = 1.001");

// One attribute of a row element and the row member it goes to and from.
template <typename Row>
using RowAttribute = std::pair<const char*, QString Row::*>;

namespace project_file_io {

// Loads `path` into `doc` when the file exists. On return `root` is the
// document's first element, whatever stands before it. A file that
// exists but cannot be loaded sets `result.error`.
ProjectFileRead load(const QString& path, platform::XmlDocument& doc, platform::XmlElement& root);

// The list element `name` of `parent`; when there is none, `result.error`
// gets a message naming the file and the element (the first such failure is
// kept) and a null element is returned.
platform::XmlElement list(const platform::XmlElement& parent, const QString& name, const QString& path,
                          ProjectFileRead& result);

// Empties `doc`, adds the root `rootName` and the version comment after it
// (the editor's own where it has one), and returns the root.
platform::XmlElement start(platform::XmlDocument& doc, const QString& rootName,
                           const QString& version = kProjectFileVersion);

// Every row element of `list` in document order (element names not checked),
// with the attributes of `attributes` copied into a Row; a missing attribute
// reads as empty text.
template <typename Row>
std::vector<Row> readRows(const platform::XmlElement& list, const std::vector<RowAttribute<Row>>& attributes)
{
    std::vector<Row> rows;
    for (const platform::XmlElement& element : list.children()) {
        Row row;
        for (const auto& [name, member] : attributes)
            row.*member = element.attribute(QString::fromLatin1(name));
        rows.push_back(std::move(row));
    }
    return rows;
}

// An attribute's value when a row element lacks it.
using AttributeDefault = std::pair<const char*, QString>;

// readRows, where a row element lacking an attribute of `defaults` reads as
// that attribute's default.
template <typename Row>
std::vector<Row> readRows(const platform::XmlElement& list, const std::vector<RowAttribute<Row>>& attributes,
                          const std::vector<AttributeDefault>& defaults)
{
    std::vector<Row> rows = readRows(list, attributes);
    const std::vector<platform::XmlElement> elements = list.children();
    for (size_t i = 0; i < rows.size(); ++i)
        for (const auto& [name, member] : attributes)
            for (const auto& [missing, value] : defaults)
                if (qstrcmp(name, missing) == 0 && !elements[i].hasAttribute(QString::fromLatin1(name)))
                    rows[i].*member = value;
    return rows;
}

// Appends an element `elementName` for one row to `list`, its attributes in
// the order of `attributes`, and returns it.
template <typename Row>
platform::XmlElement writeRow(platform::XmlElement list, const QString& elementName, const Row& row,
                              const std::vector<RowAttribute<Row>>& attributes)
{
    platform::XmlElement element = list.appendChild(elementName);
    for (const auto& [name, member] : attributes)
        element.setAttribute(QString::fromLatin1(name), row.*member);
    return element;
}

// Appends one `row` element (or one named `rowName`) per row to `list`, its
// attributes in the order of `attributes`.
template <typename Row>
void writeRows(platform::XmlElement list, const std::vector<Row>& rows,
               const std::vector<RowAttribute<Row>>& attributes, const QString& rowName = QStringLiteral("row"))
{
    for (const Row& row : rows)
        writeRow(list, rowName, row, attributes);
}

}  // namespace project_file_io
}  // namespace ethercat_mqtt
