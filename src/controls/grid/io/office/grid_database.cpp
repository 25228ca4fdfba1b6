#include "controls/grid/io/office/grid_database.h"

#include <algorithm>
#include <vector>

#include "controls/grid/grid_error.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/io/office/office_connection.h"

namespace grid::io {

using namespace platform::automation;

namespace {

constexpr const char* ConnectionServer = "ADODB.Connection";
constexpr const char* RecordSetServer = "ADODB.RecordSet";

ObjectRef NewDataObject(const char* programName)
{
    ObjectRef object = Objects().CreateObject(QString::fromLatin1(programName));
    if (!object) throw EExGridError(QStringLiteral("%1 OLE server not found").arg(QLatin1String(programName)).toStdString());
    return object;
}

struct TQueryResult {
    int FieldCount = 0;
    QStringList Names;
    std::vector<QStringList> Records;
};

TQueryResult RunQuery(const QString& FileName, const QString& SQL, bool withNames)
{
    TQueryResult result;
    ObjectRef connection = NewDataObject(ConnectionServer);
    WithGridError([&] {
        connection->Call(QStringLiteral("Open"),
                         {Argument(QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};DBQ=") + FileName)});
    });
    ObjectRef records = NewDataObject(RecordSetServer);
    WithGridError([&] {
        records->Put(QStringLiteral("ActiveConnection"), Variant(connection));
        records->Call(QStringLiteral("Open"), {Argument(SQL)});
        ObjectRef fields = records->GetObject(QStringLiteral("Fields"));
        const qint64 count = fields->Get(QStringLiteral("Count")).toInteger();
        if (count < 0 || !IsSaneGridSize(count + 1, 1)) throw EExGridError("The query gives too many fields");
        const int n = static_cast<int>(count);
        result.FieldCount = n;
        std::vector<ObjectRef> field;
        for (int i = 0; i < n; ++i) field.push_back(fields->GetObject(QStringLiteral("Item"), {Argument(i)}));
        if (withNames)
            for (int i = 0; i < n; ++i) result.Names << field[static_cast<size_t>(i)]->Get(QStringLiteral("Name")).toText();
        records->Get(QStringLiteral("RecordCount"));
        while (!records->Get(QStringLiteral("EOF")).toBool()) {
            if (!IsSaneGridSize(n + 1, static_cast<qint64>(result.Records.size()) + 2))
                throw EExGridError("The query gives too many records");
            QStringList record;
            for (const ObjectRef& f : field)
                record << (f->Get(QStringLiteral("ActualSize")).toInteger() > 0 ? f->Get(QStringLiteral("Value")).toText()
                                                                                 : QString());
            result.Records.push_back(std::move(record));
            records->Call(QStringLiteral("MoveNext"));
        }
        records->Call(QStringLiteral("Close"));
        connection->Call(QStringLiteral("Close"));
    });
    return result;
}

}  // namespace

QString QuotedIdentifier(const QString& Name)
{
    QString quoted = Name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

void LoadDatabaseQuery(TExStringGrid& grid, const QString& FileName, const QString& SQL)
{
    for (QChar c : {u';', u'{', u'}'})
        if (FileName.contains(c))
            throw EExGridError(
                QStringLiteral("The database file name \"%1\" holds '%2', which a connection string cannot carry")
                    .arg(FileName, c)
                    .toStdString());
    const int fixedCols = grid.FixedCols();
    const int fixedRows = grid.FixedRows();
    const TQueryResult result = RunQuery(FileName, SQL, fixedRows > 0);

    const int n = result.FieldCount;
    grid.SetColCount(n + fixedCols);
    for (int i = 0; i < result.Names.size(); ++i) grid.SetCellEx(fixedCols + i, fixedRows - 1, result.Names[i]);
    // As many rows as records: rows of an earlier load do not pass for
    // results.
    const int records = static_cast<int>(result.Records.size());
    grid.SetRowCount(fixedRows + std::max(1, records));
    if (records == 0)
        for (int i = 0; i < n; ++i) grid.LoadCellText(fixedCols + i, fixedRows, QString());
    for (int r = 0; r < records; ++r)
        for (int i = 0; i < n; ++i) grid.LoadCellText(fixedCols + i, fixedRows + r, result.Records[static_cast<size_t>(r)][i]);
}

}  // namespace grid::io
