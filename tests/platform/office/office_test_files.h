#pragma once

// Documents for the office server tests: .docx packages made from a body
// written by hand, and the body of a saved one summed up block by block.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "platform/automation/automation.h"

namespace office_testing {

// Arguments of a late-bound call, positional or named.
template <class T>
platform::automation::Argument Arg(T value)
{
    return platform::automation::Argument(platform::automation::Variant(value));
}
template <class T>
platform::automation::Argument Arg(const char* name, T value)
{
    return platform::automation::Argument(QString::fromLatin1(name), platform::automation::Variant(value));
}

// A package with the usual parts around `body` (the inside of w:body), plus
// a styles part that must come back untouched.
QByteArray DocxWithBody(const QByteArray& body);
// Likewise with the whole main part given.
QByteArray DocxWithMainPart(const QByteArray& xml);
extern const QByteArray StylesPart;

// A new SQLite database at `path` made by the statements (the test fails
// when one fails).
void MakeSQLiteDatabase(const QString& path, const QStringList& statements);

// The main part of a .docx file on disk.
QByteArray DocumentXml(const QString& path);

// The body's blocks in order: "p:<text>" for a paragraph (tabs as \t, line
// breaks as \n), "p[right]:<text>" when it is aligned, "tbl:<rows>x<cols>"
// for a table; section properties are left out.
QStringList BodyBlocks(const QByteArray& documentXml);
// The cells of the n-th table (0-based) of the body, row by row, each as its
// paragraphs' text joined by '|', with "[center]" / "[right]" after an
// aligned one.
QStringList TableCells(const QByteArray& documentXml, int table = 0);

}  // namespace office_testing
