#include "platform/automation/automation.h"

#include <charconv>
#include <cmath>

#include "platform/format_settings.h"

namespace platform::automation {

namespace {

[[noreturn]] void failAutomation(const QString& message) { throw AutomationError(message); }

QString shortestNumberText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    QString text = QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
    const QChar separator = formatSettings().DecimalSeparator;
    if (separator != u'.') text.replace(u'.', separator);
    return text;
}

// A date or time in the configurator's format notation: y, m, d for the date,
// h, n, s for the time; a run of one letter is one field, two or more pad.
QString formatInNotation(const QString& format, const QDateTime& value)
{
    QString text;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i].toLower();
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run].toLower() == c) ++run;
        auto field = [&](int number, int width) { return QString::number(number).rightJustified(width, u'0'); };
        const int width = run >= 2 ? 2 : 1;
        switch (c.unicode()) {
        case 'y': text += run >= 3 ? field(value.date().year(), 4) : field(value.date().year() % 100, 2); break;
        case 'm': text += field(value.date().month(), width); break;
        case 'd': text += field(value.date().day(), width); break;
        case 'h': text += field(value.time().hour(), width); break;
        case 'n': text += field(value.time().minute(), width); break;
        case 's': text += field(value.time().second(), width); break;
        case '/': text += QString(run, formatSettings().DateSeparator); break;
        case ':': text += QString(run, formatSettings().TimeSeparator); break;
        default: text += format.mid(i, run); break;
        }
        i += run;
    }
    return text;
}

class NoServers final : public ObjectFactory {
public:
    ObjectRef CreateObject(const QString&) override { return nullptr; }
    ObjectRef GetActiveObject(const QString&) override { return nullptr; }
};

std::shared_ptr<ObjectFactory>& installedFactory()
{
    static std::shared_ptr<ObjectFactory> factory = std::make_shared<NoServers>();
    return factory;
}

}  // namespace

Variant::Variant(bool value) : kind_(Kind::Boolean), integer_(value ? 1 : 0) {}
Variant::Variant(int value) : kind_(Kind::Integer), integer_(value) {}
Variant::Variant(qint64 value) : kind_(Kind::Integer), integer_(value) {}
Variant::Variant(double value) : kind_(Kind::Number), number_(value) {}
Variant::Variant(const QString& value) : kind_(Kind::Text), text_(value) {}
Variant::Variant(const char* value) : kind_(Kind::Text), text_(QString::fromUtf8(value)) {}
Variant::Variant(const QDateTime& value) : kind_(Kind::Date), date_(value) {}
Variant::Variant(ObjectRef object) : kind_(object ? Kind::Object : Kind::Empty), object_(std::move(object)) {}
Variant::Variant(std::shared_ptr<VariantArray> array)
    : kind_(array ? Kind::Array : Kind::Empty), array_(std::move(array))
{
}

Variant Variant::ErrorValue(qint32 code)
{
    Variant v;
    v.kind_ = Kind::Error;
    v.integer_ = code;
    return v;
}

bool Variant::toBool() const
{
    switch (kind_) {
    case Kind::Empty: return false;
    case Kind::Boolean:
    case Kind::Integer: return integer_ != 0;
    case Kind::Number: return number_ != 0;
    case Kind::Text:
        if (text_.compare(u"true", Qt::CaseInsensitive) == 0) return true;
        if (text_.compare(u"false", Qt::CaseInsensitive) == 0) return false;
        return toNumber() != 0;
    default: failAutomation(QStringLiteral("The value is not a truth value"));
    }
}

qint64 Variant::toInteger() const
{
    switch (kind_) {
    case Kind::Empty: return 0;
    case Kind::Boolean:
    case Kind::Integer: return integer_;
    case Kind::Number:
    case Kind::Text: {
        const double n = toNumber();
        if (!std::isfinite(n) || std::fabs(n) > 9.2e18) failAutomation(QStringLiteral("The value is out of range"));
        return std::llround(n);
    }
    default: failAutomation(QStringLiteral("The value is not a number"));
    }
}

double Variant::toNumber() const
{
    switch (kind_) {
    case Kind::Empty: return 0;
    case Kind::Boolean:
    case Kind::Integer: return static_cast<double>(integer_);
    case Kind::Number: return number_;
    case Kind::Text: {
        bool ok = false;
        QString text = text_.trimmed();
        const QChar separator = formatSettings().DecimalSeparator;
        if (separator != u'.') text.replace(separator, u'.');
        const double n = text.toDouble(&ok);
        if (!ok) failAutomation(QStringLiteral("\"%1\" is not a number").arg(text_));
        return n;
    }
    default: failAutomation(QStringLiteral("The value is not a number"));
    }
}

QDateTime Variant::toDate() const { return kind_ == Kind::Date ? date_ : QDateTime(); }

QString Variant::toText() const
{
    switch (kind_) {
    case Kind::Empty: return {};
    case Kind::Boolean: return integer_ ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Integer: return QString::number(integer_);
    case Kind::Number: return shortestNumberText(number_);
    case Kind::Text: return text_;
    case Kind::Date: {
        QString text = formatInNotation(formatSettings().ShortDateFormat, date_);
        if (date_.time() != QTime(0, 0)) text += u' ' + formatInNotation(formatSettings().LongTimeFormat, date_);
        return text;
    }
    case Kind::Error: failAutomation(QStringLiteral("An error value has no text"));
    case Kind::Object: failAutomation(QStringLiteral("An object has no text"));
    case Kind::Array: failAutomation(QStringLiteral("An array has no text"));
    }
    return {};
}

VariantArray::VariantArray(int rows, int columns, int rowBase, int columnBase)
    : rows_(rows < 0 ? 0 : rows), columns_(columns < 0 ? 0 : columns), rowBase_(rowBase), columnBase_(columnBase)
{
    items_.resize(static_cast<size_t>(rows_) * static_cast<size_t>(columns_));
}

int VariantArray::index(int row, int column) const
{
    const int r = row - rowBase_;
    const int c = column - columnBase_;
    if (r < 0 || r >= rows_ || c < 0 || c >= columns_)
        failAutomation(QStringLiteral("Array index (%1, %2) out of bounds").arg(row).arg(column));
    return r * columns_ + c;
}

const Variant& VariantArray::at(int row, int column) const { return items_[static_cast<size_t>(index(row, column))]; }
Variant& VariantArray::at(int row, int column) { return items_[static_cast<size_t>(index(row, column))]; }

AutomationError::AutomationError(const QString& message) : std::runtime_error(message.toStdString()) {}

Variant AutomationObject::Get(const QString& member, const Arguments& arguments)
{
    return Invoke(InvokeKind::PropertyGet, member, arguments);
}

void AutomationObject::Put(const QString& member, const Variant& value, Arguments arguments)
{
    arguments.emplace_back(value);
    Invoke(InvokeKind::PropertyPut, member, arguments);
}

Variant AutomationObject::Call(const QString& member, const Arguments& arguments)
{
    return Invoke(InvokeKind::Method, member, arguments);
}

namespace {
ObjectRef requireObject(const Variant& v, const QString& member)
{
    if (!v.isObject()) failAutomation(QStringLiteral("\"%1\" did not give an object").arg(member));
    return v.object();
}
}  // namespace

ObjectRef AutomationObject::GetObject(const QString& member, const Arguments& arguments)
{
    return requireObject(Get(member, arguments), member);
}

ObjectRef AutomationObject::CallObject(const QString& member, const Arguments& arguments)
{
    return requireObject(Call(member, arguments), member);
}

ObjectFactory& Objects() { return *installedFactory(); }

std::shared_ptr<ObjectFactory> InstallObjectFactory(std::shared_ptr<ObjectFactory> factory)
{
    auto previous = installedFactory();
    installedFactory() = factory ? std::move(factory) : std::make_shared<NoServers>();
    return previous;
}

}  // namespace platform::automation
