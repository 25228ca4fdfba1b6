#include "editors/fieldbus/nmea2000/nmea_frame_rules.h"

#include "editors/fieldbus/j1939/frame_rule_checks.h"

namespace nmea2000 {

std::optional<rule_editor::RuleFailure> checkNMEAReceiveRules(const std::vector<NMEAReceiveRule>& rules,
                                                              int inputBytes)
{
    namespace t = receive_texts;
    j1939::ReceiveChecks checks;
    checks.arraySize = inputBytes;
    checks.pgnMax = 131071;
    checks.saMax = 239;
    checks.pgn = t::Pgn;
    checks.sa = t::SourceAddress;
    checks.tpStart = t::TransportStart;
    checks.tpSum = t::TransportSum;
    checks.fpStart = t::FastPacketStart;
    checks.fpSum = t::FastPacketSum;
    checks.bothFilled = t::BothFilled;
    checks.sfStart = t::FrameStart;
    checks.sfCount = t::FrameCount;
    checks.sfSum = t::FrameSum;
    checks.tooMany = t::TooMany;
    std::vector<j1939::ReceiveCells> cells;
    cells.reserve(rules.size());
    for (const NMEAReceiveRule& r : rules)
        cells.push_back({QString(), r.PGN, r.SA, r.TP, r.FP, r.TP_Start, r.TP_NByte, QString(), QString()});
    return j1939::checkReceiveRules(cells, checks);
}

std::optional<rule_editor::RuleFailure> checkNMEATransmitRules(const std::vector<NMEATransmitRule>& rules,
                                                               int outputBytes)
{
    namespace t = transmit_texts;
    const j1939::TransmitChecks checks{outputBytes, 131071, 239,        t::Priority, -1,
                                       t::Pgn,      t::SourceAddress,   t::Count,    t::TooMany, t::SendTimer};
    std::vector<j1939::TransmitCells> cells;
    cells.reserve(rules.size());
    for (const NMEATransmitRule& r : rules)
        cells.push_back({r.Priority, QString(), r.PGN, r.SA, r.TP_NByte, r.On_Timer, r.SendTimer});
    return j1939::checkTransmitRules(cells, checks);
}

}  // namespace nmea2000
