#pragma once

// Late-bound automation: objects whose members are reached by name at run
// time, the way the grid drives a spreadsheet application, a word processor
// and data-access objects. A caller asks the installed object factory for an
// object by its program name ("excel.application", "word.application",
// "ADODB.Connection", "ADODB.RecordSet"), then gets and puts properties and
// calls methods by member name. Member names match without regard to case,
// as late binding does ("Paragraphs"."Add", "TypeParaGraph").
//
// The servers behind the names are in-process backends installed at start
// (spreadsheet and document files, databases); tests install recording
// doubles in their place.

#include <memory>
#include <stdexcept>
#include <vector>

#include <QDateTime>
#include <QString>

namespace platform::automation {

class AutomationObject;
class VariantArray;
using ObjectRef = std::shared_ptr<AutomationObject>;

// A value passed to or returned by a member.
class Variant {
public:
    enum class Kind { Empty, Boolean, Integer, Number, Date, Text, Error, Object, Array };

    Variant() = default;
    Variant(bool value);
    Variant(int value);
    Variant(qint64 value);
    Variant(double value);
    Variant(const QString& value);
    Variant(const char* value);
    Variant(const QDateTime& value);
    Variant(ObjectRef object);
    Variant(std::shared_ptr<VariantArray> array);
    // An error value (a spreadsheet cell holding #N/A, #DIV/0! and the like).
    static Variant ErrorValue(qint32 code);

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isObject() const { return kind_ == Kind::Object; }
    bool isError() const { return kind_ == Kind::Error; }

    bool toBool() const;        // numbers: non-zero; texts: "true"/"false" or a number
    qint64 toInteger() const;   // throws AutomationError when the value is no number
    double toNumber() const;    // likewise
    QDateTime toDate() const;   // the date itself; invalid for other kinds
    qint32 errorCode() const { return kind_ == Kind::Error ? static_cast<qint32>(integer_) : 0; }
    const ObjectRef& object() const { return object_; }
    const std::shared_ptr<VariantArray>& array() const { return array_; }
    // The text form: empty for Empty, "True"/"False", numbers in their
    // shortest exact form with the process's decimal separator, dates in the
    // short date format (and the long time format when the time is not
    // midnight). Throws AutomationError for objects, arrays and errors.
    QString toText() const;

private:
    Kind kind_ = Kind::Empty;
    qint64 integer_ = 0;
    double number_ = 0;
    QString text_;
    QDateTime date_;
    ObjectRef object_;
    std::shared_ptr<VariantArray> array_;
};

// A two-dimensional array of values, row first, with the lower bound of each
// dimension given (1 for a spreadsheet range's "Value", 0 for the arrays the
// grid assigns).
class VariantArray {
public:
    VariantArray(int rows, int columns, int rowBase = 0, int columnBase = 0);

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    int rowBase() const { return rowBase_; }
    int columnBase() const { return columnBase_; }
    // Elements by index within the bounds; out of bounds throws
    // AutomationError.
    const Variant& at(int row, int column) const;
    Variant& at(int row, int column);

private:
    int index(int row, int column) const;
    int rows_;
    int columns_;
    int rowBase_;
    int columnBase_;
    std::vector<Variant> items_;
};

// A failure reported by a server, with the server's own message.
class AutomationError : public std::runtime_error {
public:
    explicit AutomationError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// One argument: positional when the name is empty, else named ("what", "name",
// "numRows").
struct Argument {
    Argument(Variant v) : value(std::move(v)) {}
    Argument(const char* v) : value(v) {}
    Argument(QString argumentName, Variant v) : name(std::move(argumentName)), value(std::move(v)) {}
    QString name;
    Variant value;
};
using Arguments = std::vector<Argument>;

enum class InvokeKind { Method, PropertyGet, PropertyPut };

class AutomationObject {
public:
    virtual ~AutomationObject() = default;

    // The one entry every access goes through. A property put passes the new
    // value as the last argument. Unknown members and bad arguments throw
    // AutomationError.
    virtual Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) = 0;

    Variant Get(const QString& member, const Arguments& arguments = {});
    void Put(const QString& member, const Variant& value, Arguments arguments = {});
    Variant Call(const QString& member, const Arguments& arguments = {});
    // Get() whose result must be an object; throws AutomationError otherwise.
    ObjectRef GetObject(const QString& member, const Arguments& arguments = {});
    ObjectRef CallObject(const QString& member, const Arguments& arguments = {});
};

// Where objects come from.
class ObjectFactory {
public:
    virtual ~ObjectFactory() = default;
    // A new object (a new server instance) for the program name; nullptr when
    // no server answers to the name.
    virtual ObjectRef CreateObject(const QString& programName) = 0;
    // The running instance of the program, nullptr when none runs.
    virtual ObjectRef GetActiveObject(const QString& programName) = 0;
};

// The installed factory; by default one that answers to no name.
ObjectFactory& Objects();
// Installs a factory (nullptr: back to the default) and returns the one it
// replaces.
std::shared_ptr<ObjectFactory> InstallObjectFactory(std::shared_ptr<ObjectFactory> factory);

}  // namespace platform::automation
