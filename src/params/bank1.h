#pragma once

#include <array>
#include <cstdint>

#include <QString>

#include "params/image_bytes.h"
#include "params/par_gen_file.h"

namespace params {

struct EtherCATData;
struct MQTTRecord;

// Bank 1: the 2048-byte general parameter block, whose bytes are the image.
constexpr int kBank1Size = 2048;
constexpr uint32_t kBank2LoadAddress = 0x80000;
constexpr uint32_t kBank3LoadAddress = 0xA0000;

// Offsets of the block's fields.
namespace bank1 {
constexpr int kCableAddress = 40;
constexpr int kCableMask = 44;
constexpr int kCableGateway = 48;
constexpr int kSlaveName = 80;
constexpr int kSlaveNameSize = 16;
constexpr int kMobileText = 532;
constexpr int kMobileTextSize = 512;
constexpr int kSsid = 1148;
constexpr int kSsidSize = 32;
constexpr int kPassPhrase = 1180;
constexpr int kPassPhraseSize = 64;
constexpr int kFlags = 1256;
constexpr int kWiFiDhcpServer = 1258;
constexpr int kWiFiSecurity = 1259;
constexpr int kWiFiDhcpFirst = 1260;
constexpr int kWiFiDhcpMask = 1264;
constexpr int kWiFiLeaseTime = 1268;
constexpr int kWiFiMaxClients = 1272;
constexpr int kWiFiMode = 1273;
constexpr int kWiFiChannel = 1274;
constexpr int kWiFiAutoChannel = 1275;
constexpr int kWiFiAddress = 1276;
constexpr int kWiFiMask = 1280;
constexpr int kWiFiGateway = 1284;
constexpr int kWiFi2Address = 1288;
constexpr int kWiFi2Mask = 1292;
constexpr int kWiFi2Gateway = 1296;
constexpr int kHostName = 1300;
constexpr int kHostNameSize = 32;
constexpr int kSecondaryDns = 1340;
constexpr int kPrimaryDns = 1420;
constexpr int kBank3Address = 1424;
constexpr int kVersion = 1644;
constexpr int kVersionSize = 8;
constexpr int kBank2Address = 1776;
constexpr int kChecksum = 2044;
}  // namespace bank1

// The general parameter block with its little-endian field writers.
struct GeneralBlock {
    std::array<uint8_t, kBank1Size> bytes{};

    void setU8(int offset, uint32_t value) { bytes[offset] = static_cast<uint8_t>(value); }
    void setU16(int offset, uint32_t value);
    void setU32(int offset, uint32_t value);
    void setAddress(int offset, uint8_t a, uint8_t b, uint8_t c, uint8_t d);
    // The text in the device's code page (codePageBytes), at most `size`
    // bytes, the rest of the field zero.
    void setText(int offset, int size, const QString& text);
    uint32_t u32(int offset) const;
};

// Init_Par_Gen: the block without ParGen.xml.
void Init_Par_Gen(GeneralBlock& block);
// Set_SW_Version: the configurator's version text "1.001" at 1644.
void Set_SW_Version(GeneralBlock& block);
// Get_GSM_Auth_Type: "NONE" "0", "PAP" "1", "CHAP" "2", "PAP OR CHAP" "3",
// compared after upper-casing; anything else "0".
QString Get_GSM_Auth_Type(const QString& name);
// The mobile-link text: five "KEY=value" lines, each ended by CR LF, and a
// closing character 0.
QString Mobile_Link_Text(const ParGenFile& file);

// Read_Par_Gen: fills the block, the EtherCAT header's identity and the MQTT
// record's connection, TLS and NTP fields from ParGen.xml (when it exists).
void Read_Par_Gen(const ParGenFile& file, GeneralBlock& block, EtherCATData& ethercat, MQTTRecord& mqtt);

// Build_Bank1: stores the checksum and appends the 2048 bytes.
void Build_Bank1(GeneralBlock& block, ImageWriter& out);

}  // namespace params
