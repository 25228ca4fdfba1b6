#pragma once

// What an office server object needs to answer a late-bound call in one
// Invoke: which member is asked for and how, and its arguments by position or
// by name (for objects whose members depend on their state more than a
// MemberObject's fixed table shows).

#include "platform/automation/automation.h"
#include "platform/office/member_object.h"

namespace platform::office {

// Throws AutomationError with the reason: how every server reports failure.
[[noreturn]] void Fail(const QString& reason);

class MemberCall {
public:
    MemberCall(const QString& objectName, automation::InvokeKind kind, const QString& member,
               const automation::Arguments& arguments);

    // A property read or a method call of this member (late binding does not
    // tell them apart: "Documents"."Count" may come either way).
    bool reads(const char* member) const;
    // A property write of this member.
    bool writes(const char* member) const;

    // The argument at `position` (0-based, among the positional ones) or
    // named `name`; nullptr when the caller gave neither. For a property
    // write the new value is not among them.
    const automation::Variant* find(int position, const char* name) const;
    // Likewise; missing ones throw AutomationError naming the member.
    const automation::Variant& required(int position, const char* name) const;
    automation::Variant optional(int position, const char* name, const automation::Variant& fallback) const;
    // The value a property write assigns.
    const automation::Variant& newValue() const;

    // Throws AutomationError: the object has no such member (or not for
    // this kind of access).
    [[noreturn]] void unknown() const;

private:
    QString objectName_;
    automation::InvokeKind kind_;
    QString member_;
    CallArguments arguments_;  // without the value of a property write
    automation::Variant newValue_;
    bool hasNewValue_ = false;
};

}  // namespace platform::office
