#include "platform/office/member_call.h"

namespace platform::office {

using automation::AutomationError;
using automation::InvokeKind;
using automation::Variant;

void Fail(const QString& reason) { throw AutomationError(reason); }

namespace {
automation::Arguments withoutNewValue(InvokeKind kind, const automation::Arguments& arguments)
{
    if (kind != InvokeKind::PropertyPut || arguments.empty()) return arguments;
    return automation::Arguments(arguments.begin(), arguments.end() - 1);
}
}  // namespace

MemberCall::MemberCall(const QString& objectName, InvokeKind kind, const QString& member,
                       const automation::Arguments& arguments)
    : objectName_(objectName),
      kind_(kind),
      member_(member),
      arguments_(objectName + u'.' + member, withoutNewValue(kind, arguments))
{
    if (kind == InvokeKind::PropertyPut && !arguments.empty()) {
        newValue_ = arguments.back().value;
        hasNewValue_ = true;
    }
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
    return arguments_.Find(static_cast<size_t>(position), QLatin1String(name));
}

const Variant& MemberCall::required(int position, const char* name) const
{
    return arguments_.Required(static_cast<size_t>(position), QLatin1String(name));
}

Variant MemberCall::optional(int position, const char* name, const Variant& fallback) const
{
    return arguments_.Optional(static_cast<size_t>(position), QLatin1String(name), fallback);
}

const Variant& MemberCall::newValue() const
{
    if (!hasNewValue_) throw AutomationError(QStringLiteral("%1.%2: no value to assign").arg(objectName_, member_));
    return newValue_;
}

void MemberCall::unknown() const
{
    if (kind_ == InvokeKind::PropertyPut)
        throw AutomationError(QStringLiteral("%1.%2 cannot be assigned").arg(objectName_, member_));
    throw AutomationError(QStringLiteral("%1 has no member \"%2\"").arg(objectName_, member_));
}

}  // namespace platform::office
