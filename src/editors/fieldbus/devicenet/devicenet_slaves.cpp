#include "editors/fieldbus/devicenet/devicenet_slaves.h"

#include <utility>

#include "app/language.h"
#include "platform/strings.h"

namespace devicenet {
namespace slaves_detail {

// A value of the network list read as a whole number 0 .. high.
std::optional<int> count(const QString& text, int high)
{
    const std::optional<int32_t> value = platform::parseInt(text);
    if (!value || *value < 0 || *value > high)
        return std::nullopt;
    return *value;
}

// Copies the file's rows into a slave's lists, as far as the slave has
// bytes; returns the rows left over.
int takeRows(const std::vector<DeviceNetByte>& rows, QStringList& offsets, QStringList& descriptions)
{
    const int taken = std::min<int>(int(rows.size()), int(offsets.size()));
    for (int j = 0; j < taken; ++j) {
        offsets[j] = rows[size_t(j)].Offset;
        descriptions[j] = rows[size_t(j)].Mnemonic;
    }
    return int(rows.size()) - taken;
}

std::vector<DeviceNetByte> bytesOf(const QStringList& offsets, const QStringList& descriptions)
{
    std::vector<DeviceNetByte> bytes(size_t(offsets.size()));
    for (qsizetype j = 0; j < offsets.size(); ++j)
        bytes[size_t(j)] = {offsets[j], descriptions.value(j)};
    return bytes;
}

bool passedOver(const QString& offset)
{
    const QString t = platform::trimBlanks(offset);
    return t.isEmpty() || t.compare(kNoOffset, Qt::CaseInsensitive) == 0;
}

}  // namespace slaves_detail

using namespace slaves_detail;

std::optional<SlaveListProblem> slavesFromNetwork(const std::vector<DeviceNetSlave>& network,
                                                   std::vector<TSlave_DN>& slaves)
{
    slaves.clear();
    std::vector<TSlave_DN> built;
    built.reserve(network.size());
    for (size_t i = 0; i < network.size(); ++i) {
        const DeviceNetSlave& s = network[i];
        const std::pair<const QString*, int> values[] = {{&s.ID, 255}, {&s.NB_IN, 65535}, {&s.NB_OUT, 65535}};
        int read[3] = {};
        for (int k = 0; k < 3; ++k) {
            const std::optional<int> value = count(*values[k].first, values[k].second);
            if (!value)
                return SlaveListProblem{int(i) + 1, k + 1, *values[k].first, values[k].second};
            read[k] = *value;
        }
        TSlave_DN slave;
        slave.ID = uint8_t(read[0]);
        slave.ByteIN = uint16_t(read[1]);
        slave.ByteOUT = uint16_t(read[2]);
        slave.SL_ByteIN = QStringList(slave.ByteIN, kNoOffset);
        slave.SL_ByteIN_M = QStringList(slave.ByteIN, QString());
        slave.SL_ByteOUT = QStringList(slave.ByteOUT, kNoOffset);
        slave.SL_ByteOUT_M = QStringList(slave.ByteOUT, QString());
        built.push_back(std::move(slave));
    }
    slaves = std::move(built);
    return std::nullopt;
}

OffsetSurplus applyOffsets(const std::vector<DeviceNetNode>& nodes, std::vector<TSlave_DN>& slaves)
{
    OffsetSurplus surplus;
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (i >= slaves.size()) {
            ++surplus.nodes;
            continue;
        }
        TSlave_DN& s = slaves[i];
        surplus.bytes += takeRows(nodes[i].ByteIN, s.SL_ByteIN, s.SL_ByteIN_M);
        surplus.bytes += takeRows(nodes[i].ByteOUT, s.SL_ByteOUT, s.SL_ByteOUT_M);
    }
    return surplus;
}

std::vector<DeviceNetNode> offsetNodes(const std::vector<TSlave_DN>& slaves)
{
    std::vector<DeviceNetNode> nodes;
    nodes.reserve(slaves.size());
    for (const TSlave_DN& s : slaves)
        nodes.push_back({bytesOf(s.SL_ByteIN, s.SL_ByteIN_M), bytesOf(s.SL_ByteOUT, s.SL_ByteOUT_M)});
    return nodes;
}

std::optional<OffsetFailure> checkDeviceNetOffsets(const std::vector<TSlave_DN>& slaves, int inputSize,
                                                   int outputSize)
{
    // Check_Byte_Offset: per output position, the slave and byte using it.
    std::vector<std::pair<int, int>> used(size_t(std::max(outputSize, 0)), {-1, -1});
    const auto position = [](const QString& offset, int size) {
        const int32_t p = platform::parseIntOr(offset, -1);
        return p >= 0 && p < size ? p : -1;
    };
    for (const TSlave_DN& s : slaves) {
        for (qsizetype j = 0; j < s.SL_ByteIN.size(); ++j)
            if (!passedOver(s.SL_ByteIN[j]) && position(s.SL_ByteIN[j], inputSize) < 0)
                return OffsetFailure{OffsetFailure::InputOutside, s.ID, int(j), s.SL_ByteIN[j], 0, 0, inputSize - 1};
        for (qsizetype j = 0; j < s.SL_ByteOUT.size(); ++j) {
            if (passedOver(s.SL_ByteOUT[j]))
                continue;
            const int p = position(s.SL_ByteOUT[j], outputSize);
            if (p < 0)
                return OffsetFailure{OffsetFailure::OutputOutside, s.ID, int(j), s.SL_ByteOUT[j], 0, 0,
                                     outputSize - 1};
            std::pair<int, int>& user = used[size_t(p)];
            if (user.first >= 0)
                return OffsetFailure{OffsetFailure::SameOutput, s.ID, int(j), s.SL_ByteOUT[j], user.first,
                                     user.second};
            user = {s.ID, int(j)};
        }
    }
    return std::nullopt;
}

QString offsetFailureText(const OffsetFailure& failure)
{
    using namespace offset_texts;
    const auto text = [](int id) { return app::langText(id); };
    const QString lineBreak = QStringLiteral("\n\r");
    if (failure.kind == OffsetFailure::SameOutput)
        return text(SameOutput) + lineBreak + QStringLiteral("( ") + text(FirstId) + QString::number(failure.firstId)
               + text(Byte) + QString::number(failure.firstByte) + text(SecondId) + QString::number(failure.id)
               + text(SecondByte) + QString::number(failure.byte) + QStringLiteral(")");
    return text(failure.kind == OffsetFailure::InputOutside ? InputOutside : OutputOutside)
           + QString::number(failure.lastPosition) + lineBreak + QStringLiteral("( ") + text(Id)
           + QString::number(failure.id) + text(Byte) + QString::number(failure.byte) + text(OffsetIs)
           + failure.offset + QStringLiteral(")");
}

}  // namespace devicenet
