#include "editors/fieldbus/can/can_frame_file.h"

namespace can_editors {
namespace can_file_detail {

namespace io = ethercat_mqtt::project_file_io;

const QString kReceiveRoot = QStringLiteral("Receive_Frames");
const QString kTransmitRoot = QStringLiteral("Transmit_Frames");

template <typename Frame>
void appendBytes(std::vector<ethercat_mqtt::RowAttribute<Frame>>& attributes)
{
    static const char* const names[] = {"Byte1", "Byte2", "Byte3", "Byte4", "Byte5", "Byte6", "Byte7", "Byte8"};
    for (size_t k = 0; k < 8; ++k)
        attributes.push_back({names[k], kFrameBytes<Frame>[k]});
}

std::vector<ethercat_mqtt::RowAttribute<CANReceiveFrame>> receiveAttributes()
{
    using F = CANReceiveFrame;
    std::vector<ethercat_mqtt::RowAttribute<F>> a = {
        {"Enable", &F::Enable}, {"COBID", &F::COBID}, {"CAN_Type", &F::CAN_Type}, {"Dim", &F::Dim},
        {"TimeOut", &F::TimeOut}};
    appendBytes(a);
    a.push_back({"Mnemonic", &F::Mnemonic});
    return a;
}

std::vector<ethercat_mqtt::RowAttribute<CANTransmitFrame>> transmitAttributes()
{
    using F = CANTransmitFrame;
    std::vector<ethercat_mqtt::RowAttribute<F>> a = {
        {"Enable", &F::Enable},   {"COBID", &F::COBID}, {"CAN_Type", &F::CAN_Type}, {"Dim", &F::Dim},
        {"OnChange", &F::OnChange}, {"OnCMD", &F::OnCMD}, {"OnTimer", &F::OnTimer},   {"Time", &F::Time}};
    appendBytes(a);
    a.push_back({"Mnemonic", &F::Mnemonic});
    return a;
}

template <typename Frame>
ethercat_mqtt::ProjectFileRead readFrames(const QString& path, platform::XmlDocument& doc,
                                          const std::vector<ethercat_mqtt::RowAttribute<Frame>>& attributes,
                                          const std::vector<io::AttributeDefault>& defaults,
                                          std::vector<Frame>& frames, platform::XmlElement& root)
{
    frames.clear();
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (result.exists && result.ok())
        frames = io::readRows(root, attributes, defaults);
    return result;
}

template <typename Frame>
bool writeFrames(const QString& path, platform::XmlDocument& doc, const QString& rootName,
                 const std::vector<Frame>& frames,
                 const std::vector<ethercat_mqtt::RowAttribute<Frame>>& attributes, QString* error)
{
    io::writeRows(io::start(doc, rootName), frames, attributes);
    return doc.save(path, error);
}

}  // namespace can_file_detail

using namespace can_file_detail;

const std::vector<ethercat_mqtt::RowAttribute<CANReceiveFrame>>& canReceiveAttributes()
{
    static const auto attributes = receiveAttributes();
    return attributes;
}

const std::vector<ethercat_mqtt::RowAttribute<CANTransmitFrame>>& canTransmitAttributes()
{
    static const auto attributes = transmitAttributes();
    return attributes;
}

ethercat_mqtt::ProjectFileRead readCANReceiveFile(const QString& path, platform::XmlDocument& doc,
                                                  std::vector<CANReceiveFrame>& frames)
{
    platform::XmlElement root;
    return readFrames(path, doc, canReceiveAttributes(),
                      {{"Enable", QStringLiteral("Y")}, {"TimeOut", QStringLiteral("0")}}, frames, root);
}

ethercat_mqtt::ProjectFileRead readCANTransmitFile(const QString& path, platform::XmlDocument& doc,
                                                   std::vector<CANTransmitFrame>& frames)
{
    platform::XmlElement root;
    const ethercat_mqtt::ProjectFileRead result =
        readFrames(path, doc, canTransmitAttributes(),
                   {{"Enable", QStringLiteral("Y")},
                    {"CAN_Type", kCAN20A},
                    {"OnChange", QStringLiteral("Y")},
                    {"OnCMD", QStringLiteral("N")},
                    {"OnTimer", QStringLiteral("N")}},
                   frames, root);
    // A timed rule without its period sends at period 0.
    const std::vector<platform::XmlElement> rows = root.children();
    for (size_t i = 0; i < frames.size() && i < rows.size(); ++i)
        if (!rows[i].hasAttribute(QStringLiteral("Time")) && frames[i].OnTimer == QStringLiteral("Y"))
            frames[i].Time = QStringLiteral("0");
    return result;
}

bool writeCANReceiveFile(const QString& path, platform::XmlDocument& doc, const std::vector<CANReceiveFrame>& frames,
                         QString* error)
{
    return writeFrames(path, doc, kReceiveRoot, frames, canReceiveAttributes(), error);
}

bool writeCANTransmitFile(const QString& path, platform::XmlDocument& doc,
                          const std::vector<CANTransmitFrame>& frames, QString* error)
{
    return writeFrames(path, doc, kTransmitRoot, frames, canTransmitAttributes(), error);
}

}  // namespace can_editors
