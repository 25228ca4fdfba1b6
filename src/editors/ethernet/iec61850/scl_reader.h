#pragma once

// Reads the first IED of an IEC 61850 SCL file (scd, ssd, sed, icd, iid, cid)
// into the model of scl_model.h, without a window.
//
// The IED's first access point's first server gives the logical devices; a
// logical node's type (LNodeType of the DataTypeTemplates) gives its data
// objects, a data object's type (DOType) its sub data objects and
// attributes, an attribute's type (DAType) its sub attributes, which inherit
// its functional constraint; an attribute of basic type "Enum" stays a leaf.
// The data sets of each node come in a second pass, once the whole tree
// stands: each FCDA names a logical device, a node class, a data object and
// optionally an attribute (whole names; without one the data object's first
// leaf), and one that cannot be resolved is left out. A GSEControl gives its
// name to the data set of its own node that it publishes.
//
// A damaged file cannot make the reader run without bound: a type that is
// already being expanded (one that contains itself, directly or through
// other types) becomes a leaf, and the limits below cut the tree short.
// The reader takes time in proportion to the file and the tree it builds.

#include <memory>

#include <QByteArray>
#include <QString>

#include "editors/ethernet/iec61850/scl_model.h"

namespace iec61850 {

struct SclReadLimits {
    // Most data objects and attributes of one device; further ones are left
    // out and the device is marked truncated.
    int maxObjects = 1'000'000;
    // Most levels of data objects and attributes below a logical node; an
    // object at the last level gets no children and the device is marked
    // truncated.
    int maxDepth = 64;
};

struct SclRead {
    // The device; nullptr when the XML parser rejected the file.
    std::unique_ptr<TIEC_Device> device;
    // The parser's message when it rejected the file.
    QString error;

    bool ok() const { return device != nullptr; }
};

// Reads the SCL file at `path`. A missing file gives a device with only its
// file name; a file that is not SCL (no SCL root, or no IED or
// DataTypeTemplates in it) a device with its file name and nothing else.
SclRead readSclFile(const QString& path, const SclReadLimits& limits = {});

// The same for the bytes of a file named `fileName`.
SclRead readSclText(const QByteArray& text, const QString& fileName, const SclReadLimits& limits = {});

}  // namespace iec61850
