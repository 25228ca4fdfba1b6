#include "support/automation_recorder.h"

#include <charconv>

#include <QRegularExpression>

namespace testing_support {

using namespace platform::automation;

namespace {

QRegularExpression globExpression(const QString& pattern)
{
    QStringList pieces = pattern.split(u'*');
    for (QString& piece : pieces) piece = QRegularExpression::escape(piece);
    return QRegularExpression(QRegularExpression::anchoredPattern(pieces.join(QStringLiteral(".*"))),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

bool matches(const QString& pattern, const QString& line) { return globExpression(pattern).match(line).hasMatch(); }

QString argumentsText(const Arguments& arguments, size_t count)
{
    QStringList parts;
    for (size_t i = 0; i < count; ++i) {
        const Argument& a = arguments[i];
        const QString value = AutomationRecorder::valueText(a.value);
        parts << (a.name.isEmpty() ? value : a.name + QStringLiteral(":=") + value);
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

// An object whose accesses go to the recorder, named by its path.
class AutomationRecorder::Recorded final : public AutomationObject {
public:
    Recorded(AutomationRecorder& recorder, QString name) : recorder_(recorder), name_(std::move(name)) {}
    const QString& name() const { return name_; }

    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        QString line = name_ + u'.' + member;
        switch (kind) {
        case InvokeKind::PropertyGet:
            if (!arguments.empty()) line += u'(' + argumentsText(arguments, arguments.size()) + u')';
            return recorder_.handle(line, arguments, true);
        case InvokeKind::Method:
            line += u'(' + argumentsText(arguments, arguments.size()) + u')';
            return recorder_.handle(line, arguments, true);
        case InvokeKind::PropertyPut:
            if (arguments.empty()) throw AutomationError(QStringLiteral("A property write needs its value"));
            if (arguments.size() > 1) line += u'(' + argumentsText(arguments, arguments.size() - 1) + u')';
            line += QStringLiteral(" = ") + valueText(arguments.back().value);
            return recorder_.handle(line, arguments, false);
        }
        return {};
    }

private:
    AutomationRecorder& recorder_;
    QString name_;
};

class AutomationRecorder::Factory final : public ObjectFactory {
public:
    explicit Factory(AutomationRecorder& recorder) : recorder_(recorder) {}

    ObjectRef CreateObject(const QString& programName) override
    {
        return request(QStringLiteral("CreateObject(%1)").arg(valueText(programName)), programName, true);
    }
    ObjectRef GetActiveObject(const QString& programName) override
    {
        return request(QStringLiteral("GetActiveObject(%1)").arg(valueText(programName)), programName, false);
    }

private:
    ObjectRef request(const QString& line, const QString& programName, bool createByDefault)
    {
        Variant answer = recorder_.handle(line, {Argument(programName)}, false);
        if (answer.isObject()) return answer.object();
        if (answer.isEmpty() && createByDefault && !recorder_.scripted(line)) return recorder_.objectNamed(programName);
        return nullptr;
    }
    AutomationRecorder& recorder_;
};

AutomationRecorder::AutomationRecorder()
    : previous_(InstallObjectFactory(std::make_shared<Factory>(*this)))
{
}

AutomationRecorder::~AutomationRecorder() { InstallObjectFactory(previous_); }

void AutomationRecorder::addRule(const QString& pattern, std::function<Variant(const Arguments&)> respond)
{
    rules_.push_back({pattern, std::move(respond)});
}

void AutomationRecorder::answer(const QString& pattern, const Variant& value)
{
    addRule(pattern, [value](const Arguments&) { return value; });
}

void AutomationRecorder::answers(const QString& pattern, std::vector<Variant> values)
{
    auto queue = std::make_shared<std::vector<Variant>>(std::move(values));
    auto next = std::make_shared<size_t>(0);
    addRule(pattern, [queue, next](const Arguments&) {
        if (queue->empty()) return Variant();
        const Variant value = (*queue)[std::min(*next, queue->size() - 1)];
        ++*next;
        return value;
    });
}

void AutomationRecorder::object(const QString& pattern, const QString& name)
{
    addRule(pattern, [this, name](const Arguments&) { return Variant(objectNamed(name)); });
}

void AutomationRecorder::fail(const QString& pattern, const QString& message)
{
    addRule(pattern, [message](const Arguments&) -> Variant { throw AutomationError(message); });
}

void AutomationRecorder::respond(const QString& pattern, std::function<Variant(const Arguments&)> respond)
{
    addRule(pattern, std::move(respond));
}

void AutomationRecorder::running(const QString& programName)
{
    object(QStringLiteral("GetActiveObject(%1)").arg(valueText(programName)), programName);
}

void AutomationRecorder::noServer(const QString& programName)
{
    answer(QStringLiteral("CreateObject(%1)").arg(valueText(programName)), Variant());
}

AutomationRecorder::ObjectRef AutomationRecorder::objectNamed(const QString& name)
{
    auto& slot = objects_[name.toLower()];
    if (!slot) slot = std::make_shared<Recorded>(*this, name);
    return slot;
}

QStringList AutomationRecorder::callsMatching(const QString& pattern) const
{
    const QRegularExpression expression = globExpression(pattern);
    QStringList found;
    for (const QString& line : calls_)
        if (expression.match(line).hasMatch()) found << line;
    return found;
}

bool AutomationRecorder::scripted(const QString& line) const
{
    for (const Rule& rule : rules_)
        if (matches(rule.pattern, line)) return true;
    return false;
}

AutomationRecorder::Variant AutomationRecorder::handle(const QString& line, const Arguments& arguments,
                                                       bool defaultObject)
{
    calls_ << line;
    for (auto rule = rules_.rbegin(); rule != rules_.rend(); ++rule)
        if (matches(rule->pattern, line)) return rule->respond(arguments);
    return defaultObject ? Variant(objectNamed(line)) : Variant();
}

QString AutomationRecorder::valueText(const Variant& value)
{
    switch (value.kind()) {
    case Variant::Kind::Empty: return QStringLiteral("Empty");
    case Variant::Kind::Boolean: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case Variant::Kind::Integer: return QString::number(value.toInteger());
    case Variant::Kind::Number: {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value.toNumber());
        return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
    }
    case Variant::Kind::Text: {
        QString text = value.toText();
        text.replace(u'"', QStringLiteral("\"\""));
        return u'"' + text + u'"';
    }
    case Variant::Kind::Date: {
        const QDateTime date = value.toDate();
        QString text = date.date().toString(Qt::ISODate);
        if (date.time() != QTime(0, 0)) text += u' ' + date.time().toString(QStringLiteral("HH:mm:ss"));
        return u'#' + text + u'#';
    }
    case Variant::Kind::Error: return QStringLiteral("Error(%1)").arg(value.errorCode());
    case Variant::Kind::Object: {
        const auto* recorded = dynamic_cast<const Recorded*>(value.object().get());
        return recorded ? recorded->name() : QStringLiteral("<object>");
    }
    case Variant::Kind::Array: {
        const VariantArray& array = *value.array();
        QString text = QStringLiteral("{");
        if (array.rowBase() != 0 || array.columnBase() != 0)
            text += QStringLiteral("@%1,%2 ").arg(array.rowBase()).arg(array.columnBase());
        for (int r = 0; r < array.rows(); ++r) {
            if (r > 0) text += QStringLiteral("; ");
            for (int c = 0; c < array.columns(); ++c) {
                if (c > 0) text += QStringLiteral(", ");
                text += valueText(array.at(array.rowBase() + r, array.columnBase() + c));
            }
        }
        return text + u'}';
    }
    }
    return {};
}

}  // namespace testing_support
