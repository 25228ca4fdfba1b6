#pragma once

#include <optional>
#include <vector>

#include <QHash>
#include <QString>

#include "platform/xml_document.h"

namespace params {

// How the general parameters form stores a value in ParGen.xml.
enum class ParGenValueKind {
    CheckBox,         // "1" checked, "0" not; read: checked exactly when "1"
    NumericCheckBox,  // "1"/"0"; read as an integer, checked when it is 1
    ListIndex,        // decimal index of the selected item
    ListText,         // the selected item's text (GSM_GPRS_AUTHTYPE)
    Text,             // the field's text as it stands
};

// One element of ParGen.xml: name, value kind and the value the form uses
// when the element is missing or cannot be read.
struct ParGenElement {
    const char* name;
    ParGenValueKind kind;
    const char* formDefault;
};

// The 107 elements in the order they are written.
const std::vector<ParGenElement>& parGenElements();

inline const QString kParGenRoot = QStringLiteral("Par_Gen");
inline const QString kParGenVersionComment = QStringLiteral("SW_VERSION = 1.001");

// The content of a ParGen.xml as read: each element of the root (the
// document's first element, whatever its name or
// whatever stands before it) by name, the first of a name
// counting. An element that holds child elements cannot be read and counts
// as missing; an empty element gives an empty text.
class ParGenFile {
public:
    // True when the file existed and was loaded.
    bool exists() const { return exists_; }

    // The element's text, or nothing when it is missing.
    std::optional<QString> value(const QString& name) const;
    bool has(const QString& name) const { return value(name).has_value(); }

    // What the form shows: the element's text, or the element's default when
    // it is missing; when the whole file is missing the send time is "10".
    QString formValue(const QString& name) const;

    // Replaces the content (used by the reader and by tests).
    void set(const QString& name, const QString& text);
    void setExists(bool exists) { exists_ = exists; }

private:
    bool exists_ = false;
    QHash<QString, QString> values_;
};

// Reads ParGen.xml through `doc`. A missing file gives an empty ParGenFile
// and true. A file that cannot be loaded gives false and `error` naming it.
bool readParGenFile(const QString& path, platform::XmlDocument& doc, ParGenFile& file, QString* error = nullptr);

// Writes ParGen.xml whole through `doc`: the root Par_Gen, the version
// comment after it, then all 107 elements in order, each with its value from
// `values` (an element not in `values` gets its form default). False with
// `error` set when the file cannot be written.
bool writeParGenFile(const QString& path, platform::XmlDocument& doc, const QHash<QString, QString>& values,
                     QString* error = nullptr);

}  // namespace params
