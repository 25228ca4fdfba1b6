// The string grid's cell text for the file formats and its Save/Load
// members: each member builds the format unit of this folder and runs it.

#include <cstdlib>

#include <QFileInfo>
#include <QIODevice>
#include <QTextDocument>

#include "controls/grid/editors/grid_link_editors.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/io/ascii_table.h"
#include "controls/grid/io/csv_format.h"
#include "controls/grid/io/fixed_width_format.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/io/grid_file_format.h"
#include "controls/grid/io/grid_text_format.h"
#include "controls/grid/io/xml_format.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_number_text.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid {

QString TExStringGrid::GetPlainCellText(int ACol, int ARow) { return GetCellEx(ACol, ARow); }

QString TExStringGrid::SaveCellText(int ACol, int ARow)
{
    QString value = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
    if (value.isEmpty()) {
        const TCellType kind = GetCellType(ACol, ARow);
        if (kind == ctCheckBox || kind == ctTriStateCheckBox) {
            TCheckBoxState state = cbUnchecked;
            GetCheckBoxState(ACol, ARow, state);
            if (state == cbChecked)
                GetCheckTrue(ACol, ARow, value);
            else
                GetCheckFalse(ACol, ARow, value);
        }
    }
    switch (TextType(value, true)) {
    case TextKindHtml:
        if (!SaveWithHTML) value = StripHTMLTags(value);
        break;
    case TextKindRichText:
        if (SaveWithRTF) {
            value.remove(QChar(u'\r'));
            value.remove(QChar(u'\n'));
        } else if (TExRichEdit* editor = RichEdit()) {
            CellToRich(ACol, ARow, editor);
            value = editor->toPlainText().replace(QChar(u'\n'), QStringLiteral("\r\n"));
        }
        break;
    default: break;
    }
    if (OnSaveCell) OnSaveCell(this, ACol, ARow, value);
    return value;
}

void TExStringGrid::LoadCellText(int ACol, int ARow, const QString& Value)
{
    if (OnLoadCell) {
        QString value = Value;
        OnLoadCell(this, ACol, ARow, value);
        SetGridCell(ACol, ARow, value);
    } else {
        SetGridCell(ACol, ARow, Value);
    }
}

void TExStringGrid::DoFileProgress(int Progress)
{
    if (OnFileProgress) OnFileProgress(this, Progress);
}

}  // namespace grid

// ---------------------------------------------------------- the formats

namespace grid {

void TExStringGrid::SaveToFile(const QString& FileName, bool Unicode)
{
    io::TGridTextWriter writer;
    writer.Unicode = Unicode;
    io::SaveFormatToFile(writer, *this, FileName);
}

void TExStringGrid::LoadFromFile(const QString& FileName)
{
    io::TGridTextReader reader;
    io::LoadFormatFromFile(reader, *this, FileName);
}

void TExStringGrid::SaveToStream(QIODevice& Stream) { io::SaveGridTextStream(*this, Stream); }

void TExStringGrid::LoadFromStream(QIODevice& Stream) { io::LoadGridTextStream(*this, Stream); }

void TExStringGrid::SaveToASCII(const QString& FileName, bool Unicode)
{
    io::TAsciiTableWriter writer;
    writer.Unicode = Unicode;
    io::SaveFormatToFile(writer, *this, FileName);
}

void TExStringGrid::AppendToASCII(const QString& FileName, bool Unicode)
{
    io::TAsciiTableWriter writer;
    writer.Unicode = Unicode;
    io::SaveFormatToFile(writer, *this, FileName, true);
}

double TExStringGrid::CellToReal(int ACol, int ARow)
{
    const QString text = GetCellEx(ACol, ARow);
    if (text.isEmpty()) return 0;
    const QByteArray number = NormalizeNumberText(text).toLatin1();
    const char* begin = number.constData();
    char* end = nullptr;
    const double value = number.isEmpty() ? 0.0 : std::strtod(begin, &end);
    if (number.isEmpty() || end != begin + number.size()) {
        const qsizetype position = number.isEmpty() ? 1 : (end - begin) + 1;
        throw EExGridError(QString("Error at position: %1 in Cell [%2, %3].")
                               .arg(position)
                               .arg(ACol)
                               .arg(ARow)
                               .toStdString());
    }
    return value;
}

}  // namespace grid

namespace grid {

void TExStringGrid::SaveToCSV(const QString& FileName, bool Unicode)
{
    io::TCsvWriter writer;
    writer.Unicode = Unicode;
    io::SaveFormatToFile(writer, *this, FileName);
}

void TExStringGrid::AppendToCSV(const QString& FileName, bool Unicode)
{
    if (!QFileInfo::exists(FileName)) throw EExGridError(("Cannot open file " + FileName).toStdString());
    io::TCsvWriter writer;
    writer.Unicode = Unicode;
    io::SaveFormatToFile(writer, *this, FileName, true);
}

namespace {

void ImportCSVFile(TExStringGrid& grid, const QString& FileName, bool Insert, int MaxRows)
{
    const QByteArray bytes = io::ReadWholeFile(FileName, "Cannot open file " + FileName);
    if (bytes.isEmpty()) return;
    io::TCsvReader reader;
    reader.Insert = Insert;
    reader.MaxRows = MaxRows;
    reader.Read(grid, bytes, FileName);
}

}  // namespace

void TExStringGrid::LoadFromCSV(const QString& FileName, int MaxRows) { ImportCSVFile(*this, FileName, false, MaxRows); }

void TExStringGrid::InsertFromCSV(const QString& FileName, int MaxRows) { ImportCSVFile(*this, FileName, true, MaxRows); }

void TExStringGrid::LoadFromCSVStream(QIODevice& AStream, int MaxRows)
{
    io::TCsvReader reader;
    reader.MaxRows = MaxRows;
    reader.Read(*this, AStream.readAll(), QString());
}

}  // namespace grid

namespace grid {

void TExStringGrid::SaveToFixed(const QString& FileName, TIntList& Positions)
{
    io::TFixedWidthWriter writer(Positions);
    io::SaveFormatToFile(writer, *this, FileName);
}

void TExStringGrid::LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim, int MaxRows)
{
    io::TFixedWidthReader reader(Positions);
    reader.DoTrim = DoTrim;
    reader.MaxRows = MaxRows;
    io::LoadFormatFromFile(reader, *this, FileName);
}

}  // namespace grid

namespace grid {

void TExStringGrid::SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                              const QStringList* FieldDescr, bool ExportEmptyCells)
{
    io::TXmlWriter writer;
    writer.ListDescr = ListDescr;
    writer.RecordDescr = RecordDescr;
    writer.FieldDescr = FieldDescr;
    writer.ExportEmptyCells = ExportEmptyCells;
    io::SaveFormatToFile(writer, *this, FileName);
}

void TExStringGrid::LoadFromXML(const QString& FileName, bool LevelToRow, bool LoadFieldDescr)
{
    io::TXmlReader reader;
    reader.LevelToRow = LevelToRow;
    reader.LoadFieldDescr = LoadFieldDescr;
    io::LoadFormatFromFile(reader, *this, FileName, QStringLiteral("XML file not found"));
}

}  // namespace grid
