#include "editors/fieldbus/bacnet/bacnet_units.h"

#include <array>

namespace bacnet {
namespace units_detail {

// The names by code, 0 .. 236.
const std::array<const char*, kEngineeringUnitCount> kUnitNames = {
    "square-meters", "square-feet", "milliamperes", "amperes", "ohms", "volts", "kilovolts", "megavolts",
    "volt-amperes", "kilovolt-amperes", "megavolt-amperes", "volt-amperes-reactive",
    "kilovolt-amperes-reactive", "megavolt-amperes-reactive", "degrees-phase", "power-factor", "joules",
    "kilojoules", "watt-hours", "kilowatt-hours", "btus", "therms", "ton-hours", "joules-per-kilogram-dry-air",
    "btus-per-pound-dry-air", "cycles-per-hour", "cycles-per-minute", "hertz",
    "grams-of-water-per-kilogram-dry-air", "percent-relative-humidity", "millimeters", "meters", "inches",
    "feet", "watts-per-square-foot", "watts-per-square-meter", "lumens", "luxes", "foot-candles", "kilograms",
    "pounds-mass", "tons", "kilograms-per-second", "kilograms-per-minute", "kilograms-per-hour",
    "pounds-mass-per-minute", "pounds-mass-per-hour", "watts", "kilowatts", "megawatts", "btus-per-hour",
    "housepower", "tons-refrigeration", "pascals", "kilopascals", "bars", "pounds-force-per-square-inch",
    "centimeters-of-water", "inches-of-water", "millimeters-of-mercury", "centimeters-of-mercury",
    "inches-of-mercury", "degrees-Celsius", "degrees-Kelvin", "degrees-Fahrenheit", "degree-days-Celsius",
    "degree-days-Fahrenheit", "years", "months", "weeks", "days", "hours", "minutes", "seconds",
    "meters-per-second", "kilometers-per-hour", "feet-per-second", "feet-per-meters", "miles-per-hour",
    "cubic-feet", "cubic-meters", "imperial-gallons", "liters", "us-gallons", "cubic-feet-per-minute",
    "cubic-meters-per-second", "imperial-gallons-per-minute", "liters-per-second", "liters-per-minute",
    "us-gallons-per-minute", "degrees-angular", "degrees-Celsius-per-hour", "degrees-Celsius-per-minute",
    "degrees-Fahrenheit-per-hour", "degrees-Fahrenheit-per-minute", "no-units", "parts-per-million",
    "parts-per-billion", "percent", "percent-per-second", "per-minute", "per-second",
    "psi-per-degree-Fahrenheit", "radiants", "revolutions-per-minute", "currency1", "currency2", "currency3",
    "currency4", "currency5", "currency6", "currency7", "currency8", "currency9", "currency10",
    "square-inches", "square-centimeters", "btus-per-pound", "centimeters", "pounds-mass-per-second",
    "delta-degrees-Fahrenheit", "delta-degrees-Kelvin", "kilohms", "megohms", "millivolts",
    "kilojoules-per-kilogram", "megajoules", "joules-per-degree-Kelvin", "btus-per-kilogram-degree-Kelvin",
    "kilohertz", "megahertz", "per-hour", "milliwatts", "hectopascals", "millibars", "cubic-meters-per-hour",
    "liters-per-hour", "kilowatt-hours-per-square-meter", "kilowatt-hours-per-square-foot",
    "megajoules-hours-per-square-meter", "megajoules-hours-per-square-foot",
    "watts-per-square-meter-degree-kelvin", "cubic-feet-per-second", "percent-obscuration-per-foot",
    "percent-obscuration-per-meter", "milliohms", "megawatt-hours", "kilo-btus", "mega-btus",
    "kilojoules-per-kilogram-dry-air", "megajoules-per-kilogram-dry-air", "kilojoules-per-degree-Kelvin",
    "megajoules-per-degree-Kelvin", "newton", "grams-per-second", "grams-per-minute", "tons-per-hour",
    "kilo-btus-per-hour", "hundredths-seconds", "milliseconds", "newton-meters", "millimeters-per-second",
    "millimeters-per-minute", "meters-per-minute", "meters-per-hour", "cubic-meters-per-minute",
    "meters-per-second-per-second", "amperes-per-meter", "amperes-per-square-meter", "ampere-square-meters",
    "farads", "henrys", "ohm-meters", "siemens", "siemens-per-meter", "teslas", "volts-per-degree-Kelvin",
    "volts-per-meter", "webers", "candelas", "candelas-per-square-meter", "degrees-Kelvin-per-hour",
    "degrees-Kelvin-per-minute", "joule-seconds", "radians-per-second", "square-meters-per-Newton",
    "kilograms-per-cubic-meter", "newton-seconds", "newtons-per-meter", "watts-per-meter-per-degree-Kelvin",
    "microsiemens", "cubic-feet-per-hour", "us-gallons-per-hour", "kilometers", "micrometers", "grams",
    "milligrams", "milliliters", "milliliters-per-second", "decibels", "decibels-millivolt", "decibels-volt",
    "millisiemens", "watt-hours-reactive", "kilowatt-hours-reactive", "megawatt-hours-reactive",
    "millimeters-of-water", "per-mille", "grams-per-gram", "kilograms-per-kilogram", "grams-per-kilogram",
    "milligrams-per-gram", "milligrams-per-kilogram", "grams-per-milliliter", "grams-per-liter",
    "milligrams-per-liter", "micrograms-per-liter", "grams-per-cubic-meter", "milligrams-per-cubic-meter",
    "micrograms-per-cubic-meter", "nanograms-per-cubic-meter", "grams-per-cubic-centimeter", "becquerels",
    "kilobecquerels", "megabecquerels", "gray", "milligray", "microgray", "sieverts", "millisieverts",
    "microsieverts", "microsieverts-per-hour", "decibels-a", "nephelometric-turbidity-unit", "pH",
    "grams-per-square-meter", "minutes-per-degree-kelvin",
};

}  // namespace units_detail

using namespace units_detail;

QString Desc_Unit(int code)
{
    if (code < 0 || code >= kEngineeringUnitCount)
        return QStringLiteral("unknown");
    return QString::fromLatin1(kUnitNames[size_t(code)]);
}

const std::vector<UnitCategory>& unitCategories()
{
    static const std::vector<UnitCategory> categories = {
        {QStringLiteral("Acceleration"), {166}},
        {QStringLiteral("Area"), {0, 116, 1, 115}},
        {QStringLiteral("Currency"), {105, 106, 107, 108, 109, 110, 111, 112, 113, 114}},
        {QStringLiteral("Electrical"),
         {2, 3, 167, 168, 169, 199, 200, 201, 170, 171, 4, 172, 145, 122, 123, 190, 202, 173, 174, 175, 5, 124, 6, 7,
          8, 9, 10, 11, 12, 13, 176, 177, 14, 15, 178}},
        {QStringLiteral("Energy"), {16, 17, 125, 126, 18, 19, 146, 203, 204, 205, 20, 147, 148, 21, 22}},
        {QStringLiteral("Enthalpy"), {23, 149, 150, 24, 117}},
        {QStringLiteral("Entropy"), {127, 151, 152, 128}},
        {QStringLiteral("Force"), {153}},
        {QStringLiteral("Frequency"), {25, 26, 27, 129, 130, 131}},
        {QStringLiteral("Humidity"), {28, 29}},
        {QStringLiteral("Length"), {194, 30, 118, 193, 31, 32, 33}},
        {QStringLiteral("Light"), {179, 180, 34, 35, 36, 37, 38}},
        {QStringLiteral("Mass"), {196, 195, 39, 40, 41}},
        {QStringLiteral("Mass Flow"), {154, 155, 42, 43, 44, 119, 45, 46, 156}},
        {QStringLiteral("Power"), {132, 47, 48, 49, 50, 157, 51, 52}},
        {QStringLiteral("Pressure"), {53, 133, 54, 134, 55, 56, 206, 57, 58, 59, 60, 61}},
        {QStringLiteral("Temperature"), {62, 63, 181, 182, 64, 65, 66, 120, 121}},
        {QStringLiteral("Time"), {67, 68, 69, 70, 71, 72, 73, 158, 159}},
        {QStringLiteral("Torque"), {160}},
        {QStringLiteral("Velocity"), {161, 162, 74, 163, 164, 75, 76, 77, 78}},
        {QStringLiteral("Volume"), {79, 80, 81, 197, 82, 83}},
        {QStringLiteral("Volumetric Flow"), {142, 84, 191, 85, 165, 135, 86, 198, 87, 88, 136, 89, 192}},
        {QStringLiteral("Other"),
         {90, 91, 92, 93, 94, 183, 186, 137, 138, 139, 140, 95, 187, 188, 96, 97, 98, 143, 144, 99, 100, 101, 102,
          103, 184, 104, 185, 189, 141, 207, 208, 209, 210, 211, 212, 213, 214, 215, 216, 217, 218, 219, 220, 221,
          222, 223, 224, 225, 226, 227, 228, 229, 230, 231, 232, 233, 234, 235, 236}},
    };
    return categories;
}

QString unitListText(int code)
{
    switch (code) {
    case 139:
        return QStringLiteral("megajoules-per-square-meter");
    case 140:
        return QStringLiteral("megajoules-per-square-foot");
    case 172:
        return QStringLiteral("ohms-meters");
    default:
        return Desc_Unit(code);
    }
}

QStringList categoryUnitTexts(int category)
{
    QStringList texts;
    if (category < 0 || category >= int(unitCategories().size()))
        return texts;
    for (const int code : unitCategories()[size_t(category)].codes)
        texts << unitListText(code);
    return texts;
}

int categoryUnitCode(int category, int position)
{
    if (category < 0 || category >= int(unitCategories().size()))
        return -1;
    const std::vector<int>& codes = unitCategories()[size_t(category)].codes;
    return position >= 0 && position < int(codes.size()) ? codes[size_t(position)] : -1;
}

}  // namespace bacnet
