#include "platform/office/data_access/data_access.h"

#include <atomic>
#include <memory>
#include <optional>

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "platform/office/member_call.h"

namespace platform::office::data_access {

using automation::Arguments;
using automation::AutomationError;
using automation::AutomationObject;
using automation::InvokeKind;
using automation::ObjectRef;
using automation::Variant;

namespace {

// The pairs of an ODBC connection string, keys in upper case.
std::vector<std::pair<QString, QString>> parseConnectionString(const QString& text)
{
    std::vector<std::pair<QString, QString>> pairs;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype equals = text.indexOf(u'=', i);
        if (equals < 0) {
            if (!text.mid(i).trimmed().isEmpty()) Fail(QStringLiteral("The connection string is malformed"));
            break;
        }
        const QString key = text.mid(i, equals - i).trimmed().toUpper();
        i = equals + 1;
        QString value;
        if (i < text.size() && text[i] == u'{') {
            ++i;
            for (;;) {
                if (i >= text.size()) Fail(QStringLiteral("The connection string has an unclosed '{'"));
                if (text[i] == u'}') {
                    if (i + 1 < text.size() && text[i + 1] == u'}') {
                        value += u'}';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i++];
            }
            while (i < text.size() && text[i] != u';') {
                if (!text[i].isSpace()) Fail(QStringLiteral("The connection string is malformed after '}'"));
                ++i;
            }
        } else {
            const qsizetype end = text.indexOf(u';', i);
            value = text.mid(i, end < 0 ? -1 : end - i).trimmed();
            i = end < 0 ? text.size() : end;
        }
        if (i < text.size()) ++i;  // the ';'
        if (key.isEmpty()) Fail(QStringLiteral("The connection string is malformed"));
        pairs.emplace_back(key, value);
    }
    return pairs;
}

bool isSQLiteFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16);
}

// An open database, shared by the connection and its record sets; the Qt
// connection goes when the last of them lets go.
class Database {
public:
    explicit Database(const QString& connectionString)
    {
        static std::atomic<int> counter{0};
        const QString name = QStringLiteral("office_data_access_%1").arg(++counter);
        QString file;
        bool dsn = false;
        for (const auto& [key, value] : parseConnectionString(connectionString)) {
            if (key == u"DBQ" || key == u"DATA SOURCE") file = value;
            if (key == u"DSN") dsn = true;
        }
        if (file.isEmpty() && !dsn) Fail(QStringLiteral("The connection string names no database"));
        if (!file.isEmpty() && !QFileInfo(file).isFile()) Fail(QStringLiteral("Could not find file '%1'").arg(file));
        QSqlDatabase database;
        if (!file.isEmpty() && isSQLiteFile(file)) {
            database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            database.setDatabaseName(file);
            database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        } else {
            if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")))
                Fail(QStringLiteral("'%1' is not a database this server can read").arg(file));
            database = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
            database.setDatabaseName(connectionString);
        }
        registration_.name = name;
        if (!database.open()) Fail(QStringLiteral("The database cannot be opened: %1").arg(database.lastError().text()));
        if (database.driverName() == u"QSQLITE") {
            // A file from elsewhere runs none of its own schema's functions,
            // and damaged pages are found before they are used.
            QSqlQuery pragma(database);
            pragma.exec(QStringLiteral("PRAGMA trusted_schema=OFF"));
            pragma.exec(QStringLiteral("PRAGMA cell_size_check=ON"));
            QSqlQuery check(database);
            if (!check.exec(QStringLiteral("SELECT count(*) FROM sqlite_schema")))
                Fail(QStringLiteral("'%1' is not a valid database: %2").arg(file, check.lastError().text()));
        }
    }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QSqlDatabase handle() const { return QSqlDatabase::database(registration_.name, false); }
    bool open() const { return open_; }
    void close() { open_ = false; }

private:
    // The Qt connection goes with the object, also when opening fails.
    struct Registration {
        QString name;
        Registration() = default;
        Registration(const Registration&) = delete;
        Registration& operator=(const Registration&) = delete;
        ~Registration()
        {
            if (name.isEmpty()) return;
            QSqlDatabase::database(name, false).close();
            QSqlDatabase::removeDatabase(name);
        }
    };
    Registration registration_;
    bool open_ = true;
};

class ConnectionObject final : public AutomationObject {
public:
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        MemberCall call(QString::fromLatin1(ConnectionProgram), kind, member, arguments);
        if (call.reads("ConnectionString")) return connectionString_;
        if (call.writes("ConnectionString")) {
            if (isOpen()) Fail(QStringLiteral("The connection is open"));
            connectionString_ = call.newValue().toText();
            return {};
        }
        if (call.reads("State")) return isOpen() ? 1 : 0;
        if (call.reads("Open")) {
            if (isOpen()) Fail(QStringLiteral("The connection is already open"));
            if (const Variant* text = call.find(0, "ConnectionString"); text && !text->isEmpty())
                connectionString_ = text->toText();
            database_ = std::make_shared<Database>(connectionString_);
            return {};
        }
        if (call.reads("Close")) {
            if (!isOpen()) Fail(QStringLiteral("The connection is not open"));
            database_->close();
            database_.reset();
            return {};
        }
        call.unknown();
    }
    bool isOpen() const { return database_ && database_->open(); }
    const std::shared_ptr<Database>& database() const { return database_; }

private:
    QString connectionString_;
    std::shared_ptr<Database> database_;
};

// The record set's rows as it reads them.
struct Cursor {
    std::shared_ptr<Database> database;
    std::optional<QSqlQuery> query;
    QSqlRecord record;
    bool eof = true;
    int count = -1;
    bool open = false;

    void check() const
    {
        if (!open) Fail(QStringLiteral("The record set is closed"));
        if (!database->open()) Fail(QStringLiteral("The record set's connection has been closed"));
    }
    void current() const
    {
        check();
        if (eof) Fail(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted"));
    }
};

Variant toVariant(const QVariant& value)
{
    if (value.isNull()) return {};
    switch (value.metaType().id()) {
    case QMetaType::Bool: return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar: return value.toLongLong();
    case QMetaType::Double:
    case QMetaType::Float: return value.toDouble();
    case QMetaType::QDate: return QDateTime(value.toDate(), QTime(0, 0));
    case QMetaType::QDateTime: return value.toDateTime();
    case QMetaType::QByteArray: return QString::fromUtf8(value.toByteArray());
    default: return value.toString();
    }
}

qint64 actualSize(const QVariant& value)
{
    if (value.isNull()) return 0;
    switch (value.metaType().id()) {
    case QMetaType::QString: return value.toString().size() * 2;
    case QMetaType::QByteArray: return value.toByteArray().size();
    case QMetaType::Bool: return 2;
    case QMetaType::Int:
    case QMetaType::UInt: return 4;
    default: return 8;
    }
}

class FieldObject final : public AutomationObject {
public:
    FieldObject(std::shared_ptr<Cursor> cursor, int index) : cursor_(std::move(cursor)), index_(index) {}
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        MemberCall call(QStringLiteral("Field"), kind, member, arguments);
        cursor_->check();
        if (call.reads("Name")) return cursor_->record.fieldName(index_);
        if (call.reads("Value")) {
            cursor_->current();
            return toVariant(cursor_->query->value(index_));
        }
        if (call.reads("ActualSize")) {
            cursor_->current();
            return actualSize(cursor_->query->value(index_));
        }
        call.unknown();
    }

private:
    std::shared_ptr<Cursor> cursor_;
    int index_;
};

ObjectRef fieldOf(const std::shared_ptr<Cursor>& cursor, const Variant& index)
{
    cursor->check();
    int i = -1;
    if (index.kind() == Variant::Kind::Text)
        i = cursor->record.indexOf(index.toText());
    else if (const qint64 n = index.toInteger(); n >= 0 && n < cursor->record.count())
        i = static_cast<int>(n);
    if (i < 0) Fail(QStringLiteral("Item cannot be found in the collection"));
    return std::make_shared<FieldObject>(cursor, i);
}

class FieldsObject final : public AutomationObject {
public:
    explicit FieldsObject(std::shared_ptr<Cursor> cursor) : cursor_(std::move(cursor)) {}
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        MemberCall call(QStringLiteral("Fields"), kind, member, arguments);
        cursor_->check();
        if (call.reads("Count")) return cursor_->record.count();
        if (call.reads("Item")) return fieldOf(cursor_, call.required(0, "Index"));
        call.unknown();
    }

private:
    std::shared_ptr<Cursor> cursor_;
};

class RecordSetObject final : public AutomationObject {
public:
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        MemberCall call(QString::fromLatin1(RecordSetProgram), kind, member, arguments);
        if (call.writes("ActiveConnection")) {
            setConnection(call.newValue());
            return {};
        }
        if (call.reads("ActiveConnection")) return connection_ ? Variant(connection_) : Variant();
        if (call.reads("State")) return cursor_ && cursor_->open ? 1 : 0;
        if (call.reads("Open")) {
            if (cursor_ && cursor_->open) Fail(QStringLiteral("The record set is already open"));
            if (const Variant* other = call.find(1, "ActiveConnection"); other && !other->isEmpty()) setConnection(*other);
            open(call.required(0, "Source").toText());
            return {};
        }
        if (call.reads("Close")) {
            if (!cursor_ || !cursor_->open) Fail(QStringLiteral("The record set is not open"));
            cursor_->open = false;
            cursor_->query.reset();
            return {};
        }
        if (!cursor_) Fail(QStringLiteral("The record set is not open"));
        if (call.reads("Fields")) {
            if (const Variant* index = call.find(0, "Index")) return fieldOf(cursor_, *index);
            cursor_->check();
            return ObjectRef(std::make_shared<FieldsObject>(cursor_));
        }
        if (call.reads("RecordCount")) {
            cursor_->check();
            return cursor_->count;
        }
        if (call.reads("EOF")) {
            cursor_->check();
            return cursor_->eof;
        }
        if (call.reads("BOF")) {
            cursor_->check();
            return cursor_->eof && cursor_->count <= 0;
        }
        if (call.reads("MoveNext")) {
            cursor_->current();
            cursor_->eof = !cursor_->query->next();
            if (cursor_->eof && cursor_->query->lastError().isValid())
                Fail(QStringLiteral("The next record cannot be read: %1").arg(cursor_->query->lastError().text()));
            return {};
        }
        call.unknown();
    }

private:
    void setConnection(const Variant& value)
    {
        auto* connection = value.isObject() ? dynamic_cast<ConnectionObject*>(value.object().get()) : nullptr;
        if (!connection) Fail(QStringLiteral("The active connection must be a connection object"));
        connection_ = value.object();
    }
    void open(const QString& source)
    {
        auto* connection = dynamic_cast<ConnectionObject*>(connection_.get());
        if (!connection || !connection->isOpen()) Fail(QStringLiteral("The record set has no open connection"));
        auto cursor = std::make_shared<Cursor>();
        cursor->database = connection->database();
        cursor->query.emplace(cursor->database->handle());
        QSqlQuery& query = *cursor->query;
        query.setForwardOnly(true);
        if (!query.exec(source)) Fail(query.lastError().text());
        cursor->record = query.record();
        cursor->count = query.isSelect() ? query.size() : 0;
        cursor->eof = !query.next();
        if (cursor->eof && query.lastError().isValid()) Fail(query.lastError().text());
        cursor->open = true;
        cursor_ = std::move(cursor);
    }

    ObjectRef connection_;
    std::shared_ptr<Cursor> cursor_;
};

}  // namespace

ObjectRef NewConnection() { return std::make_shared<ConnectionObject>(); }
ObjectRef NewRecordSet() { return std::make_shared<RecordSetObject>(); }

void AddDataAccessServers(ServerRegistry& registry)
{
    registry.Add(QString::fromLatin1(ConnectionProgram), {&NewConnection, {}});
    registry.Add(QString::fromLatin1(RecordSetProgram), {&NewRecordSet, {}});
}

}  // namespace platform::office::data_access
