#pragma once

// The fixed parts of a written ESI file, the same for every project: from
// the declaration to the device's element, and from the mailbox to the end
// with the EEPROM's configuration data.

#include <QString>

#include "editors/ethercat_mqtt/esi_icon.h"

namespace esi_expectation {

inline QString esiHead()
{
    const QString icon = ethercat_mqtt::esiIconHex();
    return "<?xml version=\"1.0\"?>\r\n"
           "<EtherCATInfo xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"EtherCATInfo.xsd\" Version=\"1.6\">\r\n"
           "  <Vendor>\r\n"
           "    <Id>#x00000B2E</Id>\r\n"
           "    <Name>Olvenk</Name>\r\n"
           "    <ImageData16x14>" + icon + "</ImageData16x14>\r\n"
           "  </Vendor>\r\n"
           "  <Descriptions>\r\n"
           "    <Groups>\r\n"
           "      <Group SortOrder=\"0\">\r\n"
           "        <Type>Olvenk Slaves</Type>\r\n"
           "        <Name LcId=\"1031\">Olvenk Slaves</Name>\r\n"
           "        <Name LcId=\"1033\">Olvenk Slaves</Name>\r\n"
           "        <ImageData16x14>" + icon + "</ImageData16x14>\r\n"
           "      </Group>\r\n"
           "    </Groups>\r\n"
           "    <Devices>\r\n"
           "      <Device Physics=\"YY\">\r\n";
}

// The device's name, its timeouts, group and mailbox managers (fixed but
// for the name), up to the process data managers.
inline QString esiDeviceStart(const QString& name)
{
    return "        <Type ProductCode=\"#x0041A017\" RevisionNo=\"#x00\">" + name + "</Type>\r\n"
           "        <Name LcId=\"1033\">" + name + "</Name>\r\n"
           "        <Name LcId=\"1031\">" + name + "</Name>\r\n"
           "        <Info>\r\n"
           "          <StateMachine>\r\n"
           "            <Timeout>\r\n"
           "              <PreopTimeout>2000</PreopTimeout>\r\n"
           "              <SafeopOpTimeout>9000</SafeopOpTimeout>\r\n"
           "              <BackToInitTimeout>5000</BackToInitTimeout>\r\n"
           "              <BackToSafeopTimeout>200</BackToSafeopTimeout>\r\n"
           "            </Timeout>\r\n"
           "          </StateMachine>\r\n"
           "          <Mailbox>\r\n"
           "            <Timeout>\r\n"
           "              <RequestTimeout>100</RequestTimeout>\r\n"
           "              <ResponseTimeout>2000</ResponseTimeout>\r\n"
           "            </Timeout>\r\n"
           "          </Mailbox>\r\n"
           "          <IdentificationReg134>true</IdentificationReg134>\r\n"
           "        </Info>\r\n"
           "        <GroupType>Olvenk Slaves</GroupType>\r\n"
           "        <Fmmu>Outputs</Fmmu>\r\n"
           "        <Fmmu>Inputs</Fmmu>\r\n"
           "        <Sm MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" ControlByte=\"#x26\" "
           "Enable=\"0\">MBoxOut</Sm>\r\n"
           "        <Sm MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" ControlByte=\"#x22\" "
           "Enable=\"0\">MBoxIn</Sm>\r\n";
}

// `configData`: the hex text of the EEPROM's ConfigData element.
inline QString esiTail(const QString& configData)
{
    return "        <Mailbox DataLinkLayer=\"true\">\r\n"
           "          <EoE />\r\n"
           "          <CoE SdoInfo=\"true\" SegmentedSdo=\"true\" CompleteAccess=\"true\" />\r\n"
           "          <FoE />\r\n"
           "        </Mailbox>\r\n"
           "        <Dc>\r\n"
           "          <OpMode>\r\n"
           "            <Name>Synchron</Name>\r\n"
           "            <Desc>SM-Synchron</Desc>\r\n"
           "            <AssignActivate>#x0</AssignActivate>\r\n"
           "            <CycleTimeSync0 Factor=\"1\">0</CycleTimeSync0>\r\n"
           "            <ShiftTimeSync0>0</ShiftTimeSync0>\r\n"
           "            <CycleTimeSync1 Factor=\"1\">0</CycleTimeSync1>\r\n"
           "          </OpMode>\r\n"
           "          <OpMode>\r\n"
           "            <Name>DC</Name>\r\n"
           "            <Desc>DC-Synchron</Desc>\r\n"
           "            <AssignActivate>#x300</AssignActivate>\r\n"
           "            <CycleTimeSync0 Factor=\"1\">0</CycleTimeSync0>\r\n"
           "            <ShiftTimeSync0>0</ShiftTimeSync0>\r\n"
           "            <CycleTimeSync1 Factor=\"1\">0</CycleTimeSync1>\r\n"
           "          </OpMode>\r\n"
           "        </Dc>\r\n"
           "        <Eeprom>\r\n"
           "          <ByteSize>2048</ByteSize>\r\n"
           "          <ConfigData>" + configData + "</ConfigData>\r\n"
           "        </Eeprom>\r\n"
           "        <ImageData16x14>" + ethercat_mqtt::esiIconHex() + "</ImageData16x14>\r\n"
           "      </Device>\r\n"
           "    </Devices>\r\n"
           "  </Descriptions>\r\n"
           "</EtherCATInfo>\r\n";
}

}  // namespace esi_expectation
