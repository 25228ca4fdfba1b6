#include "platform/office/member_call.h"

namespace platform::office {

using automation::AutomationError;
using automation::InvokeKind;
using automation::Variant;

void Fail(const QString& reason) { throw AutomationError(reason); }

MemberCall::MemberCall(const QString& objectName, InvokeKind kind, const QString& member,
                       const automation::Arguments& arguments)
    : objectName_(objectName), kind_(kind), member_(member), arguments_(arguments)
{
}

bool MemberCall::reads(const char* member) const
{
    return kind_ != InvokeKind::PropertyPut && member_.compare(QLatin1String(member), Qt::CaseInsensitive) == 0;
}

bool MemberCall::writes(const char* member) const
{
    return kind_ == InvokeKind::PropertyPut && member_.compare(QLatin1String(member), Qt::CaseInsensitive) == 0;
}

const Variant* MemberCall::find(int position, const char* name) const
{
    const size_t count = kind_ == InvokeKind::PropertyPut && !arguments_.empty() ? arguments_.size() - 1
                                                                                  : arguments_.size();
    int positional = 0;
    for (size_t i = 0; i < count; ++i) {
        const automation::Argument& argument = arguments_[i];
        if (argument.name.isEmpty()) {
            if (positional++ == position) return &argument.value;
        } else if (argument.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            return &argument.value;
        }
    }
    return nullptr;
}

const Variant& MemberCall::required(int position, const char* name) const
{
    if (const Variant* value = find(position, name)) return *value;
    throw AutomationError(QStringLiteral("%1.%2: the argument \"%3\" is missing")
                              .arg(objectName_, member_, QLatin1String(name)));
}

Variant MemberCall::optional(int position, const char* name, const Variant& fallback) const
{
    const Variant* value = find(position, name);
    return value && !value->isEmpty() ? *value : fallback;
}

const Variant& MemberCall::newValue() const
{
    if (kind_ != InvokeKind::PropertyPut || arguments_.empty())
        throw AutomationError(QStringLiteral("%1.%2: no value to assign").arg(objectName_, member_));
    return arguments_.back().value;
}

void MemberCall::unknown() const
{
    if (kind_ == InvokeKind::PropertyPut)
        throw AutomationError(QStringLiteral("%1.%2 cannot be assigned").arg(objectName_, member_));
    throw AutomationError(QStringLiteral("%1 has no member \"%2\"").arg(objectName_, member_));
}

}  // namespace platform::office
