#include "support/scripted_network.h"

namespace testing_support {

ScriptedNetwork::ScriptedNetwork(uint32_t startTicks)
    : previousEcho_(platform::setIcmpEcho(this)),
      previousClock_(platform::setTickClock(this)),
      start_(startTicks),
      now_(startTicks)
{
}

ScriptedNetwork::~ScriptedNetwork()
{
    platform::setIcmpEcho(previousEcho_);
    platform::setTickClock(previousClock_);
}

platform::EchoReply ScriptedNetwork::echo(const QString& host, const QByteArray& payload,
                                          std::chrono::milliseconds timeout)
{
    sent_.push_back({host, payload, timeout, now_});
    Status status = otherwise;
    if (!outcomes_.empty()) {
        status = outcomes_.front();
        outcomes_.pop_front();
    }
    platform::EchoReply reply{status, 0, {}};
    switch (status) {
    case Status::Answered:
        now_ += 3;
        reply.bytesReceived = platform::kEchoDataSize;
        break;
    case Status::NotAnswered: now_ += uint32_t(timeout.count()); break;
    case Status::Failed:
    case Status::NotPermitted: reply.error = failure; break;
    }
    if (onEcho)
        onEcho(int(sent_.size()));
    return reply;
}

}  // namespace testing_support
