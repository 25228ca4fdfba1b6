#pragma once

// The IEC 61850 model of one IED as an SCL file describes it: the device, its
// logical devices, their logical nodes, the data objects (with their sub data
// objects) and data attributes (with their sub attributes) of each node, and
// the data sets of each node, whose members refer to attributes of the same
// device. The model is only read from SCL files (scl_reader.h); every value
// is a copy of the file's text, empty when the file gives none.
//
// Ownership: a device owns its whole tree, each level owning the one below;
// a data set owns only its member list, never the attributes it refers to.

#include <memory>
#include <vector>

#include <QString>

namespace iec61850 {

// A data attribute (DA) or basic data attribute (BDA).
class TIEC_DA {
public:
    QString fReference;  // e.g. IED1LD0/MMXU1.TotW.mag.f
    QString fFC;         // functional constraint, own or inherited
    QString fbType;      // basic type: FLOAT32, Struct, Enum ...
    QString fName;
    std::vector<std::unique_ptr<TIEC_DA>> List_DA;  // sub attributes

    // Depth-first over the sub attributes (each entry, then inside it): the
    // first whose name equals `name`, or nullptr.
    TIEC_DA* Find_DA(const QString& name) const;
    // The first leaf along first children; nullptr without sub attributes.
    TIEC_DA* Find_First_DA() const;
};

// A data object (DO) or sub data object (SDO).
class TIEC_DO {
public:
    QString fName;
    std::vector<std::unique_ptr<TIEC_DO>> List_DO;  // sub data objects
    std::vector<std::unique_ptr<TIEC_DA>> List_DA;  // data attributes

    // Depth-first over the sub data objects (not this object itself).
    TIEC_DO* Find_DO(const QString& name) const;
    // Depth-first over the attributes and their sub attributes; the sub data
    // objects are not searched.
    TIEC_DA* Find_DA(const QString& name) const;
    // The first leaf along first children of the attributes, or nullptr.
    TIEC_DA* Find_First_DA() const;
};

// A data set of a logical node: its members are attributes of the device's
// tree, in the order of the file's FCDA elements.
class TIEC_DataSet {
public:
    QString fName;
    QString fReference;   // e.g. IED1LD0/LLN0.DS1
    QString fGooseName;   // the GOOSE control block that publishes it, or empty
    std::vector<const TIEC_DA*> List_DA;  // not owned
};

// A logical node, from an LN0 or LN element.
class TIEC_LN {
public:
    QString flnClass;
    QString flnType;
    QString fPrefix;
    QString fInst;
    std::vector<std::unique_ptr<TIEC_DO>> List_DO;
    std::vector<std::unique_ptr<TIEC_DataSet>> List_DataSet;

    // Depth-first over the data objects and their sub data objects.
    TIEC_DO* Find_DO(const QString& name) const;
    // Prefix + class + instance, as the node is named.
    QString nodeName() const { return fPrefix + flnClass + fInst; }
};

// A logical device.
class TIEC_LDevice {
public:
    QString fName;  // the inst attribute
    std::vector<std::unique_ptr<TIEC_LN>> List_LN;

    // The first logical node of that class (prefix and instance not looked at).
    TIEC_LN* Find_LN(const QString& lnClass) const;
};

// One IED of one SCL file.
class TIEC_Device {
public:
    QString fName;      // the IED's name
    QString fFileName;  // the SCL file's name, without its folder
    std::vector<std::unique_ptr<TIEC_LDevice>> List_LDevice;
    // The file describes more than the reader builds (see SclReadLimits):
    // some objects are left without their children.
    bool truncated = false;

    TIEC_LDevice* Find_LDevice(const QString& name) const;
};

}  // namespace iec61850
