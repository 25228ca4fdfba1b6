// DNETM_Net.xml and DNETM_DefOff.xml as the DeviceNet offset editor reads
// them: the input is the network list, a NUL byte, then the offset file.
// Any bytes give slaves whose byte lists match their counts, offsets given
// by position with what is left over counted, a check that refuses only
// offsets that are no position of the data array (never indexing beyond
// it), and an offset file written from the slaves that reads back the same.

#include "editors/fieldbus/devicenet/devicenet_slaves.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/strings.h"

namespace {

// Slaves may hold 65535 + 65535 bytes each: a few are plenty.
constexpr size_t kMostSlaves = 8;

bool isPosition(const QString& offset, int size)
{
    const int32_t p = platform::parseIntOr(offset, -1);
    return p >= 0 && p < size;
}

}  // namespace

FUZZ_TARGET(devicenet_offsets)
{
    using namespace devicenet;
    fuzz::FuzzedData input(data, size);
    const QString networkPath = fuzz::scratchFile(QStringLiteral("DNETM_Net.xml"), input.takeBytesUntil('\0'));
    const QString offsetPath = fuzz::scratchFile(QStringLiteral("DNETM_DefOff.xml"), input.takeRest());
    platform::XmlDocument doc;
    std::vector<DeviceNetSlave> network;
    std::vector<DeviceNetNode> nodes;
    if (!readDeviceNetNetworkFile(networkPath, doc, network).ok() || network.size() > kMostSlaves
        || !readDeviceNetOffsetFile(offsetPath, doc, nodes).ok())
        return;

    std::vector<TSlave_DN> slaves;
    if (slavesFromNetwork(network, slaves)) {
        FUZZ_CHECK(slaves.empty());
        return;
    }
    FUZZ_CHECK(slaves.size() == network.size());
    const OffsetSurplus surplus = applyOffsets(nodes, slaves);
    FUZZ_CHECK(surplus.nodes == std::max(0, int(nodes.size()) - int(slaves.size())));
    for (const TSlave_DN& s : slaves) {
        FUZZ_CHECK(s.SL_ByteIN.size() == s.ByteIN && s.SL_ByteIN_M.size() == s.ByteIN);
        FUZZ_CHECK(s.SL_ByteOUT.size() == s.ByteOUT && s.SL_ByteOUT_M.size() == s.ByteOUT);
    }

    if (const std::optional<OffsetFailure> failure = checkDeviceNetOffsets(slaves)) {
        const bool outside = failure->kind != OffsetFailure::SameOutput;
        FUZZ_CHECK(!outside || !isPosition(failure->offset, 1440));
        FUZZ_CHECK(outside || isPosition(failure->offset, 1440));
        FUZZ_CHECK(!offsetFailureText(*failure).isEmpty());
    }

    const std::vector<DeviceNetNode> written = offsetNodes(slaves);
    FUZZ_CHECK(written.size() == slaves.size());
    fuzz::checkWriteReadWrite(
        written,
        [&](const QString& to, const std::vector<DeviceNetNode>& n) { return writeDeviceNetOffsetFile(to, doc, n); },
        [&](const QString& from, std::vector<DeviceNetNode>& n) { return readDeviceNetOffsetFile(from, doc, n).ok(); });
}
