#pragma once

#include <cstdint>

#include <QString>

#include "params/par_gen_file.h"

namespace params {

// How the image compiler takes values from ParGen.xml: each element with a
// fallback of its own for when it is missing or unusable.
class ParGenReader {
public:
    explicit ParGenReader(const ParGenFile& file) : file_(file) {}

    bool exists() const { return file_.exists(); }

    // The element's text as it stands; empty when it is missing.
    QString text(const char* name) const;
    // The element's text as it stands; `fallback` when it is missing.
    QString textOr(const char* name, const QString& fallback) const;
    // The text converted as a 32-bit integer (decimal, or hexadecimal after
    // "$" or "0x"); `fallback` when missing, not an integer, or outside the
    // 32-bit range. Callers keep the low bits their field holds.
    int32_t integer(const char* name, int32_t fallback) const;
    // The text converted as an unsigned 32-bit number (0 .. 4294967295);
    // `fallback` when missing, not a number, or outside that range.
    uint32_t unsigned32(const char* name, uint32_t fallback) const;
    // True exactly when the text is "1".
    bool flag(const char* name) const;
    // A list's item index: `fallback` when missing, not an integer, or
    // outside 0 .. count - 1, so that no stray index reaches an image.
    int listIndex(const char* name, int count, int fallback) const;

private:
    const ParGenFile& file_;
};

// The EtherCAT identity as the device image and the ESI file both take it:
// the revision number, 0 when missing or not a number in 0 .. 4294967295;
// the node (station) address, 1 when missing or not an integer, else its
// low 16 bits.
uint32_t EtherCAT_Revision_Number(const ParGenReader& reader);
uint16_t EtherCAT_Node_Address(const ParGenReader& reader);

}  // namespace params
