#pragma once

// The BACnet standard's engineering units (BACnetEngineeringUnits, codes
// 0 .. 236 here): their names, and the categories in which the unit picker
// offers them.

#include <vector>

#include <QString>
#include <QStringList>

namespace bacnet {

// Number of unit codes: 0 .. kEngineeringUnitCount - 1.
constexpr int kEngineeringUnitCount = 237;

// The name of a unit code; "unknown" for any other code.
QString Desc_Unit(int code);

// A category of the picker: its name (not translated) and its unit codes in
// list order.
struct UnitCategory {
    QString name;
    std::vector<int> codes;
};

// The 23 categories in the picker's order; every code belongs to exactly one.
const std::vector<UnitCategory>& unitCategories();

// The text a unit list shows for a code: its name, except three codes that
// the lists name otherwise (139, 140, 172).
QString unitListText(int code);

// The unit list of a category (index into unitCategories()); empty for an
// index outside the list.
QStringList categoryUnitTexts(int category);

// The code of the `position`-th unit of a category; -1 outside the lists.
int categoryUnitCode(int category, int position);

}  // namespace bacnet
