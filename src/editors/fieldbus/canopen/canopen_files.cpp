#include "editors/fieldbus/canopen/canopen_files.h"

namespace canopen {
namespace files_detail {

template <typename Row>
using Attributes = std::vector<ethercat_mqtt::RowAttribute<Row>>;

Attributes<PDORule> pdoAttributes(PDOTable table)
{
    using R = PDORule;
    Attributes<R> a = {{"COB-ID", &R::COB_ID},         {"Dimension", &R::Dimension},
                       {"Address_B1", &R::Address_B1}, {"Address_B2", &R::Address_B2},
                       {"Address_B3", &R::Address_B3}, {"Address_B4", &R::Address_B4},
                       {"Address_B5", &R::Address_B5}, {"Address_B6", &R::Address_B6},
                       {"Address_B7", &R::Address_B7}, {"Address_B8", &R::Address_B8}};
    if (table == ReceivePDO)
        a.push_back({"TimeOut", &R::TimeOut});
    else
        a.insert(a.end(), {{"Send_Time", &R::Send_Time}, {"On_Change", &R::On_Change}});
    a.push_back({"Mnemonic", &R::Mnemonic});
    return a;
}

Attributes<SDORequest> sdoClientAttributes(SDOTable table)
{
    using R = SDORequest;
    Attributes<R> a = {{"Device_ID", &R::Device_ID},
                       {"Index", &R::Index},
                       {"SubIndex", &R::SubIndex},
                       {"NByte", &R::NByte},
                       {"Poll_Time", &R::Poll_Time}};
    if (table == SDOWrite)
        a.push_back({"On_Change", &R::On_Change});
    a.insert(a.end(), {{"Address_B1", &R::Address_B1},
                       {"Address_B2", &R::Address_B2},
                       {"Address_B3", &R::Address_B3},
                       {"Address_B4", &R::Address_B4}});
    if (table == SDORead)
        a.push_back({"TimeOut", &R::TimeOut});
    a.push_back({"Mnemonic", &R::Mnemonic});
    return a;
}

Attributes<SDOObject> sdoServerAttributes()
{
    using R = SDOObject;
    return {{"Index", &R::Index},           {"SubIndex", &R::SubIndex},     {"NByte", &R::NByte},
            {"Address_B1", &R::Address_B1}, {"Address_B2", &R::Address_B2}, {"Address_B3", &R::Address_B3},
            {"Address_B4", &R::Address_B4}, {"Mnemonic", &R::Mnemonic}};
}

}  // namespace files_detail

using namespace files_detail;

const TwoListFileLayout<PDORule>& pdoFileLayout()
{
    static const TwoListFileLayout<PDORule> layout = {QStringLiteral("PDO_CANopen"),
                                                      {QStringLiteral("Receive_PDO"), QStringLiteral("Transmit_PDO")},
                                                      {pdoAttributes(ReceivePDO), pdoAttributes(TransmitPDO)}};
    return layout;
}

const TwoListFileLayout<SDORequest>& sdoClientFileLayout()
{
    static const TwoListFileLayout<SDORequest> layout = {
        QStringLiteral("SDO_Client_CANopen"),
        {QStringLiteral("SDO_Read"), QStringLiteral("SDO_Write")},
        {sdoClientAttributes(SDORead), sdoClientAttributes(SDOWrite)}};
    return layout;
}

const TwoListFileLayout<SDOObject>& sdoServerFileLayout()
{
    static const TwoListFileLayout<SDOObject> layout = {QStringLiteral("SDO_Server_CANopen"),
                                                        {QStringLiteral("SDO_Read"), QStringLiteral("SDO_Write")},
                                                        {sdoServerAttributes(), sdoServerAttributes()}};
    return layout;
}

}  // namespace canopen
