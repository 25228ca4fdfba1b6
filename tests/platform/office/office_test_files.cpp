#include "platform/office/office_test_files.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "platform/office/office_test_support.h"

namespace office_testing {

const QByteArray StylesPart =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">\n"
    "  <w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>\n"
    "</w:styles>\n";

QByteArray DocxWithBody(const QByteArray& body)
{
    return DocxWithMainPart("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                            "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                            "<w:body>" + body + "</w:body></w:document>");
}

QByteArray DocxWithMainPart(const QByteArray& xml)
{
    return office_test::ZipParts({
        {"[Content_Types].xml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/word/main.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
         "<Override PartName=\"/word/styles.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/></Types>"},
        // The main part under another name than usual: found through the
        // relationships.
        {"_rels/.rels",
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
         "relationships/officeDocument\" Target=\"/word/main.xml\"/></Relationships>"},
        {"word/main.xml", xml},
        {"word/styles.xml", StylesPart},
    });
}

void MakeSQLiteDatabase(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "test_setup");
        database.setDatabaseName(path);
        ASSERT_TRUE(database.open()) << database.lastError().text().toStdString();
        QSqlQuery query(database);
        for (const QString& statement : statements)
            ASSERT_TRUE(query.exec(statement)) << statement.toStdString() << ": " << query.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase("test_setup");
}

QByteArray DocumentXml(const QString& path)
{
    const QByteArray main = office_test::ReadPart(path, "word/main.xml");
    return main.isEmpty() ? office_test::ReadPart(path, "word/document.xml") : main;
}

namespace {

QString paragraphText(pugi::xml_node paragraph)
{
    struct Walker : pugi::xml_tree_walker {
        QString text;
        bool for_each(pugi::xml_node& node) override
        {
            const std::string name = node.name();
            if (name == "w:t")
                text += QString::fromUtf8(node.text().get());
            else if (name == "w:tab")
                text += u'\t';
            else if (name == "w:br")
                text += u'\n';
            return true;
        }
    } walker;
    paragraph.traverse(walker);
    return walker.text;
}

QString alignmentOf(pugi::xml_node paragraph)
{
    return QString::fromUtf8(paragraph.child("w:pPr").child("w:jc").attribute("w:val").value());
}

pugi::xml_node bodyOf(pugi::xml_document& xml, const QByteArray& documentXml)
{
    xml.load_buffer(documentXml.constData(), static_cast<size_t>(documentXml.size()),
                    pugi::parse_default | pugi::parse_ws_pcdata);
    return xml.document_element().child("w:body");
}

}  // namespace

QStringList BodyBlocks(const QByteArray& documentXml)
{
    pugi::xml_document xml;
    QStringList blocks;
    for (pugi::xml_node node : bodyOf(xml, documentXml).children()) {
        const std::string name = node.name();
        if (name == "w:p") {
            const QString alignment = alignmentOf(node);
            blocks << (alignment.isEmpty() ? QStringLiteral("p:") : QStringLiteral("p[%1]:").arg(alignment)) +
                          paragraphText(node);
        } else if (name == "w:tbl") {
            const auto rows = node.select_nodes("w:tr");
            blocks << QStringLiteral("tbl:%1x%2").arg(rows.size()).arg(rows.first().node().select_nodes("w:tc").size());
        }
    }
    return blocks;
}

QStringList TableCells(const QByteArray& documentXml, int table)
{
    pugi::xml_document xml;
    const auto tables = bodyOf(xml, documentXml).select_nodes("w:tbl");
    QStringList cells;
    if (table >= static_cast<int>(tables.size())) return cells;
    for (pugi::xpath_node cell : tables[static_cast<size_t>(table)].node().select_nodes("w:tr/w:tc")) {
        QStringList paragraphs;
        for (pugi::xpath_node paragraph : cell.node().select_nodes("w:p")) {
            const QString alignment = alignmentOf(paragraph.node());
            paragraphs << paragraphText(paragraph.node()) +
                              (alignment.isEmpty() ? QString() : QStringLiteral("[%1]").arg(alignment));
        }
        cells << paragraphs.join(u'|');
    }
    return cells;
}

}  // namespace office_testing
