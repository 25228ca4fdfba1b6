#pragma once

#include <vector>

#include <QString>
#include <QStringList>

namespace params {

// What a row of the general parameters form holds.
enum class ParGenRowKind {
    Edit,        // label + field
    Rich,        // label + multi-line field
    List,        // label + list
    Address,     // label + four octet fields with "." between them
    Check,       // check box across the row
    Gateway,     // "Gateway" check box + four octet fields on its row
    Caption,     // a label alone
    CheckField,  // check box + one field on its row
};

// One row of a panel. Control names: an Edit/Rich/List row's field is
// `name` and its label L_ + the name without its E_/CB_ prefix; an Address
// row's fields are `name` + 1..4 (label likewise); a Gateway row's box is
// `name` and its fields `fields` + 1..4; a CheckField row's field is `fields`.
struct ParGenRow {
    ParGenRowKind kind = ParGenRowKind::Edit;
    const char* name = nullptr;
    const char* fields = nullptr;
    int firstTextId = 0;  // 0: continues after the row before
    int maxLength = 0;    // 0: no limit
    bool digitsOnly = false;
    bool lowerCase = false;
    // The text fills a fixed field of the device image: the edit holds no
    // more than `maxLength` characters, whatever their source.
    bool imageCapacity = false;
    QStringList items;    // fixed items of a list
    int fieldHeight = 21;
    int fieldOffset = 3;  // how far the field stands above its label

    // Text ids the row takes: its caption, then one hint per field.
    int textCount() const;
    // The field (or octet field) names of the row.
    QStringList fieldNames() const;
    // The label's name (Edit, Rich, List, Address, Caption), else empty.
    QString labelName() const;
    // The "." labels between octet fields.
    QStringList dotNames() const;
    // The row's key control: the box of a check row, else the first field.
    QString keyControl() const;
};

// How a panel switches its address fields on the cable DHCP box.
enum class ParGenDhcpSwitch { None, WithGateway, WithoutGateway };

struct ParGenPanel {
    const char* name;        // CP_...
    int headerTextId;
    int lastTextId;          // the panel's texts end here
    const char* heightFrom;  // the control whose bottom sets the height
    ParGenDhcpSwitch dhcp;
    std::vector<ParGenRow> rows;
};

// Every panel of the form, this variant's nine first.
const std::vector<ParGenPanel>& parGenPanels();
const ParGenPanel* findParGenPanel(const QString& name);

// The panels of a variant after Ethernet Connection and EtherCAT Slave.
struct ParGenVariant {
    const char* code;  // "41T17"
    std::vector<const char*> panels;
};
// The 27 variants of the family; this build is kParGenVariant.
const std::vector<ParGenVariant>& parGenVariants();
inline constexpr const char* kParGenVariant = "41T17";
// The variant's whole panel order (Ethernet Connection and EtherCAT Slave first).
QStringList parGenPanelOrder(const QString& variantCode);

// The form's control for each element of ParGen.xml.
const char* parGenControlOf(const char* element);

}  // namespace params
