#pragma once

#include <cstdint>
#include <functional>

#include <QString>

#include "platform/icmp_echo.h"
#include "platform/tick_clock.h"

namespace ethercat_mqtt {

// Time-out of each echo, the search's budget, the pause after each echo and
// the answers that make a device found.
inline constexpr int kEchoTimeoutMs = 400;
inline constexpr uint32_t kSearchBudgetMs = 5000;
inline constexpr int kSearchPauseMs = 10;
inline constexpr int kAnswersNeeded = 2;

// True when `address` is four decimal octets 0 .. 255 joined by "." and
// nothing else: no blanks, signs, hexadecimal or octal forms (a leading zero
// as in "010"), empty parts or host names. The update dialog searches and
// writes only such an address.
bool Check_Device_Address(const QString& address);

// The outcome of the latest echo (the update dialog's ping_res).
enum Ping_Result : int32_t {
    Ping_None = 0,
    Ping_Answered = 1,
    Ping_Not_Answered = 2,
};

struct Device_Search_Result {
    // The last echo sent was answered.
    bool found = false;
    // The outcome of the latest echo; Ping_None when the search failed
    // before the first outcome.
    int32_t ping_res = Ping_None;
    // The echo client failed (host or socket); its reason.
    bool echoFailed = false;
    // No ICMP socket may be opened by this process at all.
    bool echoNotPermitted = false;
    QString error;
    // The search was given up because serving the events asked for it.
    bool abandoned = false;
};

// The device search: echo requests back to back to one address until two
// have been answered or more than 5 s have passed since the search began;
// found when the last echo sent was answered. After every echo it pauses
// 10 ms and serves the pending events (`serveEvents`, which answers false to
// give the search up). A failing echo ends the search at once.
Device_Search_Result Send_Ping(const QString& address, platform::IcmpEcho& echo, platform::TickClock& clock,
                               const std::function<bool()>& serveEvents);

}  // namespace ethercat_mqtt
