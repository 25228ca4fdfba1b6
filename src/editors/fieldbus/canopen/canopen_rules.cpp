#include "editors/fieldbus/canopen/canopen_rules.h"

#include <array>

#include "editors/fieldbus/can/cell_numbers.h"

namespace canopen {
namespace rules_detail {

using fieldbus_cells::cellInRange;
using fieldbus_cells::cellNumber;

constexpr qint32 kMaxMilliseconds = 100000000;

// The failure of a rule: its text, and what follows it.
struct Broken {
    int textId;
    QString tail = {};
};

// The first of the first `count` positions outside 0 .. arraySize - 1.
template <typename Row, size_t N>
std::optional<Broken> brokenPosition(const Row& row, const std::array<QString Row::*, N>& positions, int count,
                                     int arraySize, const std::array<int, N>& texts)
{
    for (int k = 0; k < count && k < int(N); ++k)
        if (!cellInRange(row.*positions[size_t(k)], 0, arraySize - 1))
            return Broken{texts[size_t(k)], QString::number(arraySize - 1)};
    return std::nullopt;
}

// Runs `rule` over both tables in order; the first broken rule fails.
template <typename Row, typename Rule>
std::optional<rule_editor::RuleFailure> firstFailure(const TwoLists<Row>& tables, const CANopenDataArrays& arrays,
                                                     Rule rule)
{
    const int sizes[2] = {arrays.NByte_IN, arrays.NByte_OUT};
    for (int t = 0; t < 2; ++t)
        for (size_t r = 0; r < tables[size_t(t)].size(); ++r)
            if (const std::optional<Broken> broken = rule(t, tables[size_t(t)][r], sizes[t]))
                return rule_editor::RuleFailure{t, int(r) + 1, broken->textId, broken->tail};
    return std::nullopt;
}

// N Byte 1, 2 or 4.
bool validSize(const QString& text)
{
    const qint32 n = cellNumber(text);
    return n == 1 || n == 2 || n == 4;
}

// ---------------------------------------------------------------- PDO

struct PDOTexts {
    int cobId;
    int dimension;
    std::array<int, 8> addresses;
    int time;  // TimeOut (receive) or Send Time (transmit)
};

constexpr PDOTexts kPDOTexts[2] = {
    {2669, 2670, {2671, 2672, 2673, 2674, 2675, 2676, 2677, 2678}, 2679},
    {2680, 2681, {2682, 2683, 2684, 2685, 2686, 2687, 2688, 2689}, 2690},
};

constexpr std::array<QString PDORule::*, 8> kPDOAddresses = {
    &PDORule::Address_B1, &PDORule::Address_B2, &PDORule::Address_B3, &PDORule::Address_B4,
    &PDORule::Address_B5, &PDORule::Address_B6, &PDORule::Address_B7, &PDORule::Address_B8};

std::optional<Broken> brokenPDORule(int table, const PDORule& rule, int arraySize)
{
    const PDOTexts& t = kPDOTexts[table];
    if (!cellInRange(rule.COB_ID, 0, 0x7FF))
        return Broken{t.cobId};
    if (!cellInRange(rule.Dimension, 1, 8))
        return Broken{t.dimension};
    if (auto broken = brokenPosition(rule, kPDOAddresses, cellNumber(rule.Dimension), arraySize, t.addresses))
        return broken;
    const bool timeValid = table == ReceivePDO ? cellInRange(rule.TimeOut, 0, 65535)
                                               : cellInRange(rule.Send_Time, 0, kMaxMilliseconds);
    if (!timeValid)
        return Broken{t.time};
    return std::nullopt;
}

// ---------------------------------------------------------------- SDO client and server

constexpr std::array<QString SDORequest::*, 4> kRequestAddresses = {
    &SDORequest::Address_B1, &SDORequest::Address_B2, &SDORequest::Address_B3, &SDORequest::Address_B4};
constexpr std::array<QString SDOObject::*, 4> kObjectAddresses = {
    &SDOObject::Address_B1, &SDOObject::Address_B2, &SDOObject::Address_B3, &SDOObject::Address_B4};

struct SDOClientTexts {
    int deviceId;
    int index;
    int subIndex;
    int nByte;
    int pollTime;
    std::array<int, 4> addresses;
    int timeOut;  // read requests only
};

constexpr SDOClientTexts kClientTexts[2] = {
    {2761, 2762, 2763, 2764, 2765, {2766, 2767, 2768, 2769}, 2782},
    {2770, 2771, 2772, 2773, 2774, {2775, 2776, 2777, 2778}, -1},
};
constexpr qint32 kPollTimeMin[2] = {1, 0};

std::optional<Broken> brokenRequest(int table, const SDORequest& request, int arraySize)
{
    const SDOClientTexts& t = kClientTexts[table];
    if (!cellInRange(request.Device_ID, 1, 127))
        return Broken{t.deviceId};
    if (!cellInRange(request.Index, 0x1000, 0xFFFF))
        return Broken{t.index};
    if (!cellInRange(request.SubIndex, 0, 0xFF))
        return Broken{t.subIndex};
    if (!validSize(request.NByte))
        return Broken{t.nByte};
    if (!cellInRange(request.Poll_Time, kPollTimeMin[table], kMaxMilliseconds))
        return Broken{t.pollTime};
    if (auto broken = brokenPosition(request, kRequestAddresses, cellNumber(request.NByte), arraySize, t.addresses))
        return broken;
    if (table == SDORead && !cellInRange(request.TimeOut, 0, 65535))
        return Broken{t.timeOut};
    return std::nullopt;
}

struct SDOServerTexts {
    int index;
    int subIndex;
    int nByte;
    std::array<int, 4> addresses;
};

constexpr SDOServerTexts kServerTexts[2] = {
    {2851, 2852, 2853, {2854, 2855, 2856, 2857}},
    {2858, 2859, 2860, {2861, 2862, 2863, 2864}},
};

std::optional<Broken> brokenObject(int table, const SDOObject& object, int arraySize)
{
    const SDOServerTexts& t = kServerTexts[table];
    if (!cellInRange(object.Index, 0x2000, 0x5FFF))
        return Broken{t.index};
    if (!cellInRange(object.SubIndex, 0, 0xFF))
        return Broken{t.subIndex};
    if (!validSize(object.NByte))
        return Broken{t.nByte};
    return brokenPosition(object, kObjectAddresses, cellNumber(object.NByte), arraySize, t.addresses);
}

}  // namespace rules_detail

using namespace rules_detail;

std::optional<rule_editor::RuleFailure> checkPDORules(const TwoLists<PDORule>& rules, const CANopenDataArrays& arrays)
{
    return firstFailure(rules, arrays, brokenPDORule);
}

std::optional<rule_editor::RuleFailure> checkSDOClientRules(const TwoLists<SDORequest>& requests,
                                                            const CANopenDataArrays& arrays)
{
    return firstFailure(requests, arrays, brokenRequest);
}

std::optional<rule_editor::RuleFailure> checkSDOServerRules(const TwoLists<SDOObject>& objects,
                                                            const CANopenDataArrays& arrays)
{
    return firstFailure(objects, arrays, brokenObject);
}

}  // namespace canopen
