// The engineering-unit table: one unit spotted in every category (its list
// position, code, list text and name), the codes outside the table, the
// three codes the lists name otherwise, and every code in one category.

#include <set>

#include <gtest/gtest.h>

#include "editors/fieldbus/bacnet/bacnet_units.h"
#include "support/qt_printers.h"

namespace bacnet_units_tests {

TEST(EngineeringUnits, OneUnitOfEveryCategory)
{
    struct Spot {
        const char* category;
        int position;
        int code;
        const char* name;
    };
    const Spot spots[] = {
        {"Acceleration", 0, 166, "meters-per-second-per-second"},
        {"Area", 1, 116, "square-centimeters"},
        {"Currency", 9, 114, "currency10"},
        {"Electrical", 30, 176, "volts-per-degree-Kelvin"},
        {"Energy", 6, 146, "megawatt-hours"},
        {"Enthalpy", 4, 117, "btus-per-pound"},
        {"Entropy", 3, 128, "btus-per-kilogram-degree-Kelvin"},
        {"Force", 0, 153, "newton"},
        {"Frequency", 5, 131, "per-hour"},
        {"Humidity", 1, 29, "percent-relative-humidity"},
        {"Length", 0, 194, "micrometers"},
        {"Light", 1, 180, "candelas-per-square-meter"},
        {"Mass", 4, 41, "tons"},
        {"Mass Flow", 8, 156, "tons-per-hour"},
        {"Power", 5, 157, "kilo-btus-per-hour"},
        {"Pressure", 6, 206, "millimeters-of-water"},
        {"Temperature", 8, 121, "delta-degrees-Kelvin"},
        {"Time", 7, 158, "hundredths-seconds"},
        {"Torque", 0, 160, "newton-meters"},
        {"Velocity", 3, 163, "meters-per-minute"},
        {"Volume", 3, 197, "milliliters"},
        {"Volumetric Flow", 12, 192, "us-gallons-per-hour"},
        {"Other", 29, 207, "per-mille"},
    };
    const std::vector<bacnet::UnitCategory>& categories = bacnet::unitCategories();
    ASSERT_EQ(categories.size(), std::size(spots));
    for (int i = 0; i < int(std::size(spots)); ++i) {
        const Spot& s = spots[i];
        SCOPED_TRACE(s.category);
        EXPECT_EQ(categories[size_t(i)].name, QString::fromLatin1(s.category));
        EXPECT_EQ(bacnet::categoryUnitCode(i, s.position), s.code);
        EXPECT_EQ(bacnet::categoryUnitTexts(i).value(s.position), QString::fromLatin1(s.name));
        EXPECT_EQ(bacnet::Desc_Unit(s.code), QString::fromLatin1(s.name));
    }
}

TEST(EngineeringUnits, ThreeCodesAreListedUnderOtherNamesAndOtherCodesAreUnknown)
{
    struct Renamed {
        int category;
        int position;
        int code;
        const char* listed;
        const char* name;
    };
    const Renamed renamed[] = {
        {22, 9, 139, "megajoules-per-square-meter", "megajoules-hours-per-square-meter"},
        {22, 10, 140, "megajoules-per-square-foot", "megajoules-hours-per-square-foot"},
        {3, 11, 172, "ohms-meters", "ohm-meters"},
    };
    for (const Renamed& r : renamed) {
        EXPECT_EQ(bacnet::categoryUnitCode(r.category, r.position), r.code);
        EXPECT_EQ(bacnet::categoryUnitTexts(r.category).value(r.position), QString::fromLatin1(r.listed));
        EXPECT_EQ(bacnet::Desc_Unit(r.code), QString::fromLatin1(r.name));
    }
    EXPECT_EQ(bacnet::Desc_Unit(0), QStringLiteral("square-meters"));
    EXPECT_EQ(bacnet::Desc_Unit(236), QStringLiteral("minutes-per-degree-kelvin"));
    for (const int code : {-1, 237, 300, 65535})
        EXPECT_EQ(bacnet::Desc_Unit(code), QStringLiteral("unknown")) << code;
    EXPECT_EQ(bacnet::categoryUnitCode(23, 0), -1);
    EXPECT_EQ(bacnet::categoryUnitCode(0, 1), -1);
    EXPECT_TRUE(bacnet::categoryUnitTexts(-1).isEmpty());
}

TEST(EngineeringUnits, EveryCodeStandsInExactlyOneCategory)
{
    std::multiset<int> codes;
    for (const bacnet::UnitCategory& category : bacnet::unitCategories())
        codes.insert(category.codes.begin(), category.codes.end());
    ASSERT_EQ(codes.size(), size_t(bacnet::kEngineeringUnitCount));
    for (int code = 0; code < bacnet::kEngineeringUnitCount; ++code)
        EXPECT_EQ(codes.count(code), 1u) << code;
    EXPECT_EQ(bacnet::unitCategories()[3].codes.size(), 35u);
    EXPECT_EQ(bacnet::unitCategories()[22].codes.size(), 59u);
}

}  // namespace bacnet_units_tests
