#pragma once

// A base for server objects: members are declared once by name (matched
// without regard to case) as properties or methods, and Invoke dispatches to
// them. As in late binding, a property may be called like a method and a
// method without its parentheses read like a property.

#include <functional>
#include <map>
#include <optional>

#include <QString>

#include "platform/automation/automation.h"

namespace platform::office {

// The arguments of one access, by position or by name.
class CallArguments {
public:
    CallArguments(QString member, const automation::Arguments& arguments);

    // The argument at `position` among the positional ones, or the one named
    // `name`; nullptr when neither was given.
    const automation::Variant* Find(size_t position, const QString& name) const;
    // Like Find; a missing argument throws AutomationError.
    const automation::Variant& Required(size_t position, const QString& name) const;
    automation::Variant Optional(size_t position, const QString& name, automation::Variant otherwise = {}) const;
    size_t Count() const { return arguments_.size(); }
    // A required argument as a whole number or text.
    qint64 Integer(size_t position, const QString& name) const;
    QString Text(size_t position, const QString& name) const;
    const QString& Member() const { return member_; }

private:
    QString member_;
    std::vector<automation::Argument> arguments_;
};

class MemberObject : public automation::AutomationObject {
public:
    automation::Variant Invoke(automation::InvokeKind kind, const QString& member,
                               const automation::Arguments& arguments) override;

protected:
    using Getter = std::function<automation::Variant(const CallArguments&)>;
    // `indices` holds the arguments before the new value.
    using Setter = std::function<void(const CallArguments& indices, const automation::Variant& value)>;

    // `kind` names the object in error messages ("Workbook").
    explicit MemberObject(QString kind) : kind_(std::move(kind)) {}
    void Property(const QString& name, Getter get, Setter put = {});
    void Method(const QString& name, Getter call);

private:
    struct Member {
        Getter get;
        Setter put;
    };
    QString kind_;
    std::map<QString, Member> members_;
};

}  // namespace platform::office
