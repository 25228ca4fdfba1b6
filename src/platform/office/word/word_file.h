#pragma once

// A word-processor document file (.docx): the package with its main part,
// read from and written to disk. Parts other than the main one are kept as
// they were read.

#include <QString>

#include "platform/office/package/zip_package.h"
#include "platform/office/word/document_body.h"

namespace platform::office::word {

class WordFile {
public:
    // A new document: one empty paragraph on an A4 page.
    WordFile();
    // Throws AutomationError when the file is missing, unreadable or no
    // word-processor document.
    static WordFile Open(const QString& path);
    // The document in a package's bytes; throws AutomationError with the
    // reason when they hold none.
    static WordFile FromBytes(const QByteArray& bytes);
    // Writes the document whole (through the atomic writer); throws
    // AutomationError when it cannot.
    void SaveAs(const QString& path) const;

    DocumentBody& Body() { return body_; }
    const DocumentBody& Body() const { return body_; }

private:
    ZipPackage package_;
    QString mainPart_;
    DocumentBody body_;
};

}  // namespace platform::office::word
