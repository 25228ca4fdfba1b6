#pragma once

#include <optional>

#include <QString>

namespace params {

// What the checks of the general parameters form read of its controls,
// addressed by the controls' names (E_Ethernet_IP1, CB_WiFi2_Type, ...).
class ParGenCheckSource {
public:
    virtual ~ParGenCheckSource() = default;
    virtual QString text(const QString& field) const = 0;
    virtual bool checked(const QString& box) const = 0;
    // The selected item's index, -1 for none.
    virtual int listIndex(const QString& list) const = 0;
    // The field's own visible and enabled flags (not those of its panel).
    virtual bool visibleAndEnabled(const QString& field) const = 0;
};

// The first failing check of the form, in the fixed order of the checks.
struct ParGenCheckFailure {
    int textId;     // the message's text id
    QString field;  // the control that failed
};

// Runs the checks in their order and gives the first failure, or nothing
// when every check passes. A number is the field's text read as an integer;
// a text that is no integer (an empty one included) counts as -1.
std::optional<ParGenCheckFailure> firstParGenCheckFailure(const ParGenCheckSource& source);

}  // namespace params
