#pragma once

// A BACnet EDE file as the client editor imports it: the ';'-separated text
// table in which a BACnet device describes its objects. The reader never
// fails; a file it cannot make sense of simply gives fewer objects.

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace bacnet {

// One object line of an EDE file, with the ticks the import dialog shows.
struct TBACnet_Var {
    QString keyname;
    int32_t device_obj_instance = -1;  // -1 when not a number
    QString object_name;
    int32_t object_type = -1;
    int32_t object_instance = -1;
    QString description;
    QString present_value_default;
    QString min_present_value;
    QString max_present_value;
    bool commandable = false;  // the field is "Y" in any case
    bool support_COV = false;
    QString hi_limit;
    QString low_limit;
    QString stete_text_reference;
    QString unit_code;
    QString vendor_specific_address;
    bool import = false;  // take this object
    bool read = false;    // make a read rule of it
    bool write = false;   // make a write rule of it
    bool operator==(const TBACnet_Var&) const = default;
};

// The object types the client reads and writes: Analog, Binary and
// Multi-State Input/Output/Value, Life Safety Point and Zone, Accumulator,
// Integer Value, Large Analog Value, Positive Integer Value.
bool isEdeImportType(int32_t objectType);

// Index of the first object line among the (trimmed) lines of an EDE file;
// -1 when none. A file of seven lines or more whose seventh line is a
// "# mandatory" line has its objects from the ninth line; otherwise the
// last "# mandatory" line of the file (a "#", blanks, then "mandatory") has
// them from the line two below it. A file of fewer than seven lines has
// none.
int edeObjectStart(const QStringList& lines);

// One object line cut into its fields: the keyname, 14 fields and the
// vendor-specific address (the rest of the line). Ticks not set.
TBACnet_Var decodeEdeLine(const QString& line);

// The objects of an EDE file's lines (trimmed here), in file order: every
// non-empty line from the first object line on whose object type the client
// handles, with Import and Read ticked and Write ticked when the object is
// commandable.
std::vector<TBACnet_Var> readEdeLines(const QStringList& lines);


// The objects of the EDE file at `path`; none when it cannot be read.
std::vector<TBACnet_Var> readEdeFile(const QString& path);

}  // namespace bacnet
