#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "platform/office/data_access/data_access.h"
#include "platform/office/office_test_files.h"
#include "support/temp_folder.h"

using namespace platform::automation;
using namespace office_testing;
namespace data_access = platform::office::data_access;

namespace {

QString accessString(const QString& file)
{
    return "Driver={Microsoft Access Driver (*.mdb)};DBQ=" + file;
}

ObjectRef openConnection(const QString& connectionString)
{
    ObjectRef connection = data_access::NewConnection();
    connection->Call("Open", {Arg(connectionString)});
    return connection;
}

ObjectRef openRecords(const ObjectRef& connection, const QString& sql)
{
    ObjectRef records = data_access::NewRecordSet();
    records->Put("ActiveConnection", connection);
    records->Call("Open", {Arg(sql)});
    return records;
}

// The records as the grid reads them: each field's text, or "-" when its
// actual size is 0.
QStringList readAll(const ObjectRef& records)
{
    QStringList rows;
    ObjectRef fields = records->GetObject("Fields");
    const qint64 n = fields->Get("Count").toInteger();
    while (!records->Get("EOF").toBool()) {
        QStringList row;
        for (qint64 i = 0; i < n; ++i) {
            ObjectRef field = fields->GetObject("Item", {Arg(i)});
            row << (field->Get("ActualSize").toInteger() > 0 ? field->Get("Value").toText() : QStringLiteral("-"));
        }
        rows << row.join(u',');
        records->Call("MoveNext");
    }
    return rows;
}

}  // namespace

TEST(DataAccessServer, ReadsTheRecordsOfAnSQLiteFileNamedInAnAccessConnectionString)
{
    testing_support::TempFolder folder;
    const QString file = folder.file("plant.mdb");
    MakeSQLiteDatabase(file, {"CREATE TABLE Orders (Id INTEGER, Item TEXT, Price REAL, Note TEXT)",
                        "INSERT INTO Orders VALUES (1, 'Pump', 12.5, NULL)",
                        "INSERT INTO Orders VALUES (2, 'Valve', 3, '')",
                        "INSERT INTO Orders VALUES (3, 'Gräte; \"x\"', -0.25, 'spare')"});
    ObjectRef connection = openConnection(accessString(file));
    EXPECT_EQ(connection->Get("State").toInteger(), 1);
    ObjectRef records = openRecords(connection, "SELECT * FROM Orders ORDER BY Id");
    // The driver does not count ahead.
    EXPECT_EQ(records->Get("RecordCount").toInteger(), -1);
    ObjectRef fields = records->GetObject("Fields");
    ASSERT_EQ(fields->Get("Count").toInteger(), 4);
    QStringList names;
    for (int i = 0; i < 4; ++i) names << records->GetObject("Fields", {Arg(i)})->Get("Name").toText();
    EXPECT_EQ(names, (QStringList{"Id", "Item", "Price", "Note"}));
    EXPECT_EQ(readAll(records), (QStringList{"1,Pump,12.5,-", "2,Valve,3,-", QString::fromUtf8("3,Gräte; \"x\",-0.25,spare")}));
    EXPECT_THROW(fields->GetObject("Item", {Arg(0)})->Get("Value"), AutomationError);  // past the last record
    EXPECT_THROW(fields->Call("Item", {Arg(4)}), AutomationError);
    EXPECT_EQ(fields->GetObject("Item", {Arg("price")})->Get("Name").toText(), "Price");
    records->Call("Close");
    connection->Call("Close");
    EXPECT_EQ(connection->Get("State").toInteger(), 0);
}

TEST(DataAccessServer, EmptyResultIsAtItsEndAtOnce)
{
    testing_support::TempFolder folder;
    const QString file = folder.file("empty.db");
    MakeSQLiteDatabase(file, {"CREATE TABLE t (a TEXT, b TEXT)"});
    ObjectRef records = openRecords(openConnection(accessString(file)), "SELECT a, b FROM t");
    EXPECT_TRUE(records->Get("EOF").toBool());
    EXPECT_EQ(records->GetObject("Fields")->Get("Count").toInteger(), 2);
    EXPECT_THROW(records->Call("MoveNext"), AutomationError);
}

TEST(DataAccessServer, FilesAndStatementsItCannotServeAreServerErrors)
{
    testing_support::TempFolder folder;
    const QString good = folder.file("good.db");
    MakeSQLiteDatabase(good, {"CREATE TABLE t (a TEXT)", "INSERT INTO t VALUES ('x')"});
    const QString text = folder.write("text.mdb", "no database at all");
    QByteArray damaged = folder.read("good.db");
    damaged.replace(100, 400, QByteArray(400, '\xff'));
    const QString broken = folder.write("damaged.db", damaged);
    const QString missing = folder.file("missing.mdb");

    for (const QString& connectionString :
         {accessString(missing), accessString(text), accessString(folder.path()), QString("Driver={unclosed;DBQ=x"),
          QString("no pairs"), QString("Driver={X}")}) {
        EXPECT_THROW(openConnection(connectionString), AutomationError) << connectionString.toStdString();
    }
    // Opening never makes a file.
    EXPECT_FALSE(QFileInfo::exists(missing));

    ObjectRef connection = openConnection(accessString(good));
    EXPECT_THROW(openRecords(connection, "SELECT * FROM nowhere"), AutomationError);
    // The file is only read.
    EXPECT_THROW(openRecords(connection, "INSERT INTO t VALUES ('y')"), AutomationError);
    EXPECT_THROW(openRecords(connection, "DROP TABLE t"), AutomationError);
    EXPECT_THROW(openRecords(openConnection(accessString(broken)), "SELECT * FROM t"), AutomationError);
    // A record set needs an open connection object.
    ObjectRef records = data_access::NewRecordSet();
    EXPECT_THROW(records->Put("ActiveConnection", "DSN=x"), AutomationError);
    EXPECT_THROW(records->Call("Open", {Arg("SELECT 1")}), AutomationError);
    ObjectRef closed = data_access::NewConnection();
    records->Put("ActiveConnection", closed);
    EXPECT_THROW(records->Call("Open", {Arg("SELECT 1")}), AutomationError);
}

TEST(DataAccessServer, BracedValuesMayHoldSeparators)
{
    testing_support::TempFolder folder;
    const QString file = folder.file("a;b}c.db");
    MakeSQLiteDatabase(file, {"CREATE TABLE t (a INTEGER)", "INSERT INTO t VALUES (7)"});
    QString braced = file;
    braced.replace("}", "}}");
    ObjectRef records = openRecords(openConnection("Driver={Microsoft Access Driver (*.mdb)}; DBQ={" + braced + "} ;"),
                                    "SELECT a FROM t");
    EXPECT_EQ(readAll(records), QStringList{"7"});
}
