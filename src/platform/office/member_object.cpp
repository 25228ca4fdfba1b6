#include "platform/office/member_object.h"

namespace platform::office {

using namespace automation;

CallArguments::CallArguments(QString member, const Arguments& arguments)
    : member_(std::move(member)), arguments_(arguments)
{
}

const Variant* CallArguments::Find(size_t position, const QString& name) const
{
    for (const Argument& a : arguments_)
        if (!a.name.isEmpty() && a.name.compare(name, Qt::CaseInsensitive) == 0) return &a.value;
    size_t index = 0;
    for (const Argument& a : arguments_) {
        if (!a.name.isEmpty()) continue;
        if (index == position) return &a.value;
        ++index;
    }
    return nullptr;
}

const Variant& CallArguments::Required(size_t position, const QString& name) const
{
    if (const Variant* v = Find(position, name)) return *v;
    throw AutomationError(QStringLiteral("%1: the argument \"%2\" is missing").arg(member_, name));
}

Variant CallArguments::Optional(size_t position, const QString& name, Variant otherwise) const
{
    const Variant* v = Find(position, name);
    return v && !v->isEmpty() ? *v : otherwise;
}

qint64 CallArguments::Integer(size_t position, const QString& name) const
{
    return Required(position, name).toInteger();
}

QString CallArguments::Text(size_t position, const QString& name) const { return Required(position, name).toText(); }

Variant MemberObject::Invoke(InvokeKind kind, const QString& member, const Arguments& arguments)
{
    const auto found = members_.find(member.toLower());
    if (found == members_.end())
        throw AutomationError(QStringLiteral("%1 has no member \"%2\"").arg(kind_, member));
    const Member& m = found->second;
    if (kind == InvokeKind::PropertyPut) {
        if (!m.put) throw AutomationError(QStringLiteral("%1.%2 cannot be set").arg(kind_, member));
        if (arguments.empty()) throw AutomationError(QStringLiteral("%1.%2: no value given").arg(kind_, member));
        const Arguments indices(arguments.begin(), arguments.end() - 1);
        m.put(CallArguments(member, indices), arguments.back().value);
        return {};
    }
    return m.get(CallArguments(member, arguments));
}

void MemberObject::Property(const QString& name, Getter get, Setter put)
{
    members_[name.toLower()] = Member{std::move(get), std::move(put)};
}

void MemberObject::Method(const QString& name, Getter call) { members_[name.toLower()] = Member{std::move(call), {}}; }

}  // namespace platform::office
