#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <vector>

#include <QByteArray>
#include <QString>

#include "platform/icmp_echo.h"
#include "platform/tick_clock.h"

namespace testing_support {

// An echo client and a millisecond clock for the device search: echoes get
// prepared outcomes, and time passes only as they and the pauses take it
// (an answered echo 3 ms, an unanswered one its whole time-out, a failed one
// none). Installs itself as the echo client and the clock for its lifetime.
class ScriptedNetwork final : public platform::IcmpEcho, public platform::TickClock {
public:
    using Status = platform::EchoReply::Status;

    struct Sent {
        QString host;
        QByteArray payload;
        std::chrono::milliseconds timeout;
        // The clock when the echo was sent.
        uint32_t at;
    };

    explicit ScriptedNetwork(uint32_t startTicks = 1000);
    ~ScriptedNetwork() override;
    ScriptedNetwork(const ScriptedNetwork&) = delete;
    ScriptedNetwork& operator=(const ScriptedNetwork&) = delete;

    // Outcomes of the next echoes, in order; after them every echo gets
    // `otherwise`.
    void script(std::initializer_list<Status> outcomes) { outcomes_.insert(outcomes_.end(), outcomes); }
    Status otherwise = Status::NotAnswered;
    // The reason a failed echo gives.
    QString failure = QStringLiteral("scripted failure");
    // Runs after each echo has its outcome, before it returns.
    std::function<void(int echoNumber)> onEcho;

    const std::vector<Sent>& sent() const { return sent_; }
    uint32_t startTicks() const { return start_; }

    platform::EchoReply echo(const QString& host, const QByteArray& payload,
                             std::chrono::milliseconds timeout) override;
    uint32_t ticks() override { return now_; }
    void sleep(std::chrono::milliseconds duration) override { now_ += uint32_t(duration.count()); }

private:
    platform::IcmpEcho* previousEcho_;
    platform::TickClock* previousClock_;
    uint32_t start_;
    uint32_t now_;
    std::deque<Status> outcomes_;
    std::vector<Sent> sent_;
};

}  // namespace testing_support
