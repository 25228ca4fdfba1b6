#include "editors/ethercat_mqtt/device_search.h"

#include <QStringList>

namespace ethercat_mqtt {

bool Check_Device_Address(const QString& address)
{
    const QStringList parts = address.split(u'.');
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3 || (part.size() > 1 && part[0] == u'0'))
            return false;
        int value = 0;
        for (const QChar c : part) {
            if (c < u'0' || c > u'9')
                return false;
            value = value * 10 + (c.unicode() - u'0');
        }
        if (value > 255)
            return false;
    }
    return true;
}

Device_Search_Result Send_Ping(const QString& address, platform::IcmpEcho& echo, platform::TickClock& clock,
                               const std::function<bool()>& serveEvents)
{
    Device_Search_Result result;
    const uint32_t searchStart = clock.ticks();
    // The echo carries the address text in its data area.
    const QByteArray payload = address.toLatin1();
    int answered = 0;
    for (;;) {
        const platform::EchoReply reply = echo.echo(address, payload, std::chrono::milliseconds(kEchoTimeoutMs));
        switch (reply.status) {
        case platform::EchoReply::Status::Answered: result.ping_res = Ping_Answered; break;
        case platform::EchoReply::Status::NotAnswered: result.ping_res = Ping_Not_Answered; break;
        case platform::EchoReply::Status::Failed:
        case platform::EchoReply::Status::NotPermitted:
            result.echoFailed = true;
            result.echoNotPermitted = reply.status == platform::EchoReply::Status::NotPermitted;
            result.error = reply.error;
            return result;
        }
        // The outcome is known when the echo returns: one pause per echo,
        // in which the window is served.
        clock.sleep(std::chrono::milliseconds(kSearchPauseMs));
        if (serveEvents && !serveEvents()) {
            result.abandoned = true;
            return result;
        }
        if (result.ping_res == Ping_Answered && ++answered >= kAnswersNeeded)
            break;
        if (uint32_t(clock.ticks() - searchStart) > kSearchBudgetMs)
            break;
    }
    result.found = result.ping_res == Ping_Answered;
    return result;
}

}  // namespace ethercat_mqtt
