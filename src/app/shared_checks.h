#pragma once

#include <cstdint>

#include <QChar>
#include <QString>
#include <QStringList>

namespace app {

// Dotted IPv4 text: true when valid; the four parts are returned as texts.
// Parts found before a missing "." are kept, the others are left untouched.
bool Split_IP_Address(const QString& text, QString& part1, QString& part2, QString& part3, QString& part4);

// Decodes dotted IPv4 text into bytes. Returns true on ERROR: an empty text
// (bytes untouched) or any part outside 0..255 (that byte set to 0).
bool Decode_IP_Address(const QString& text, uint8_t& byte1, uint8_t& byte2, uint8_t& byte3, uint8_t& byte4);

// Decodes "a.b.c.d:port". Returns true on success; on failure every output
// is 0.
bool Decode_IP_Port(const QString& text, uint8_t& byte1, uint8_t& byte2, uint8_t& byte3, uint8_t& byte4,
                    uint16_t& port);

// The user's decimal separator: "," or "." (anything else counts as ",").
QChar Get_Decimal_Separator();
// The rule behind it, for a separator setting as text.
QChar Decimal_Separator_From_Setting(const QString& setting);

// Reads a number written with either separator: with "." every "," becomes
// ".", otherwise every "." becomes ","; the result is read with the current
// number format. On failure `value` is 1.0 and the result false.
bool Text_To_Float(const QString& text, QChar separator, float& value);

// Checks an SNMP object identifier: 0 when valid, else the code of the first
// failed rule (1 too long, 2 bad character, 3 leading ".", 4 trailing ".",
// 5 two dots in a row, 6 component above 4294967295). The empty text gives 2.
uint8_t Check_OID(const QString& text);

// Checks an SNMPv3 user name or pass phrase: 0 valid, 1 too long, 2 too
// short, 3 a character other than a letter or a digit.
uint8_t Check_SNMP_V3_String(const QString& text, bool isUserName);

// SNMPv3 security level: "AUTH NOPRIV" 1, "AUTH PRIV" 3, empty -1, else 0.
int Get_SNMP_Security_Flags(const QString& text);

// Numbers (as decimal texts) of the serial ports present, 1 to 256.
QStringList List_COM_Ports();

// Names of the IP-side protocols of this build; returns their number.
int Get_Protocol_Names(QString& name1, QString& name2);

}  // namespace app
