#pragma once

// A string list used as a line-oriented text file by the grid's text and CSV
// import and export: ReadLn walks the lines from a read position, Write and
// WriteLn build lines at the end.

#include <QString>
#include <QStringList>

namespace grid {

class TFileStringList : public QStringList {
public:
    using QStringList::QStringList;

    // Read position 0, nothing pending from Write.
    void Reset();
    // True when the read position is past the last line.
    bool Eof() const { return fp >= size(); }
    // s := the line at the read position, which moves on; raises
    // EExGridError when reading past the last line.
    void ReadLn(QString& s);
    // Adds s to the pending text of the next line.
    void Write(const QString& s);
    // Appends the pending text + s as a line; nothing is pending afterwards.
    void WriteLn(const QString& s);

    int fp = 0;     // index of the next line ReadLn returns
    QString cache;  // written with Write and not yet ended by WriteLn
};

}  // namespace grid
