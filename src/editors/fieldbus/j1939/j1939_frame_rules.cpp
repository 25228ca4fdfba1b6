#include "editors/fieldbus/j1939/j1939_frame_rules.h"

#include "editors/fieldbus/j1939/frame_rule_checks.h"

namespace j1939 {

std::optional<rule_editor::RuleFailure> checkJ1939ReceiveRules(const std::vector<J1939ReceiveRule>& rules,
                                                               int inputBytes)
{
    namespace t = receive_texts;
    ReceiveChecks checks;
    checks.arraySize = inputBytes;
    checks.pgnMax = 65535;
    checks.saMax = 239;
    checks.dataPage = t::DataPage;
    checks.pgn = t::Pgn;
    checks.sa = t::SourceAddress;
    checks.tpStart = t::TransportStart;
    checks.tpSum = t::TransportSum;
    checks.bothFilled = t::BothFilled;
    checks.sfStart = t::FrameStart;
    checks.sfCount = t::FrameCount;
    checks.sfSum = t::FrameSum;
    checks.tooMany = t::TooMany;
    checks.time = t::RequestTime;
    std::vector<ReceiveCells> cells;
    cells.reserve(rules.size());
    for (const J1939ReceiveRule& r : rules)
        cells.push_back({r.DP, r.PGN, r.SA, r.TP, QString(), r.TP_Start, r.TP_NByte, r.OnRequest, r.OnReq_Time});
    return checkReceiveRules(cells, checks);
}

std::optional<rule_editor::RuleFailure> checkJ1939TransmitRules(const std::vector<J1939TransmitRule>& rules,
                                                                int outputBytes)
{
    namespace t = transmit_texts;
    const TransmitChecks checks{outputBytes, 131071, 255,        t::Priority, t::DataPage,
                                t::Pgn,      t::SourceAddress,   t::Count,    t::TooMany, t::SendTimer};
    std::vector<TransmitCells> cells;
    cells.reserve(rules.size());
    for (const J1939TransmitRule& r : rules)
        cells.push_back({r.Priority, r.DP, r.PGN, r.SA, r.TP_NByte, r.On_Timer, r.SendTimer});
    return checkTransmitRules(cells, checks);
}

}  // namespace j1939
