#include "platform/office/word/word_file.h"

#include <QFile>
#include <QFileInfo>
#include <pugixml.hpp>

#include "platform/atomic_file.h"
#include "platform/automation/automation.h"

namespace platform::office::word {

using automation::AutomationError;

namespace {

constexpr const char* MainPart = "word/document.xml";

constexpr const char* ContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "</Types>";

constexpr const char* PackageRelationships =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/></Relationships>";

// The main part's name, as the package relationships give it.
QString mainPartOf(const ZipPackage& package)
{
    if (!package.Contains(QStringLiteral("_rels/.rels"))) return QString::fromLatin1(MainPart);
    const QByteArray relationships = package.Part(QStringLiteral("_rels/.rels"));
    pugi::xml_document xml;
    if (!xml.load_buffer(relationships.constData(), static_cast<size_t>(relationships.size())))
        throw AutomationError(QStringLiteral("The package relationships are damaged"));
    for (pugi::xml_node relationship : xml.document_element().children()) {
        const QString type = QString::fromUtf8(relationship.attribute("Type").value());
        if (type.endsWith(QLatin1String("/officeDocument"))) {
            QString target = QString::fromUtf8(relationship.attribute("Target").value());
            if (target.startsWith(u'/')) target.remove(0, 1);
            return target;
        }
    }
    return QString::fromLatin1(MainPart);
}

}  // namespace

WordFile::WordFile() : mainPart_(QString::fromLatin1(MainPart))
{
    package_.SetPart(QStringLiteral("[Content_Types].xml"), QByteArray(ContentTypes));
    package_.SetPart(QStringLiteral("_rels/.rels"), QByteArray(PackageRelationships));
    package_.SetPart(mainPart_, QByteArray());
}

WordFile WordFile::Open(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile()) throw AutomationError(QStringLiteral("The file %1 does not exist").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw AutomationError(QStringLiteral("The file %1 cannot be opened: %2").arg(path, file.errorString()));
    if (file.size() > ZipPackage::MaxFileSize) throw AutomationError(QStringLiteral("The file %1 is too large").arg(path));
    try {
        return FromBytes(file.readAll());
    } catch (const AutomationError& error) {
        throw AutomationError(QStringLiteral("%1 is not a valid document: %2").arg(path, error.message()));
    }
}

WordFile WordFile::FromBytes(const QByteArray& bytes)
{
    WordFile result;
    result.package_ = ZipPackage::Read(bytes);
    result.mainPart_ = mainPartOf(result.package_);
    result.body_ = DocumentBody::Parse(result.package_.Part(result.mainPart_));
    return result;
}

void WordFile::SaveAs(const QString& path) const
{
    ZipPackage package = package_;
    package.SetPart(mainPart_, body_.Save());
    QString reason;
    if (!writeFileAtomically(path, package.Write(), &reason))
        throw AutomationError(QStringLiteral("The document cannot be saved as %1: %2").arg(path, reason));
}

}  // namespace platform::office::word
