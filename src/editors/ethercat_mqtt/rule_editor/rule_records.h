#pragma once

// Between a rule table's rows (texts of columns 1 .. last) and the records
// of an editor's file model: one record member per table column, in column
// order; nullptr for a column the file does not hold.

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/rule_editor/rule_table.h"

namespace rule_editor {

template <typename Record>
using RecordColumns = std::vector<QString Record::*>;

template <typename Record>
std::vector<Record> toRecords(const RuleRows& rows, const RecordColumns<Record>& columns)
{
    std::vector<Record> records(rows.size());
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < columns.size() && c < size_t(rows[r].size()); ++c)
            if (columns[c] != nullptr)
                records[r].*columns[c] = rows[r][qsizetype(c)];
    return records;
}

// A column without a member gets an empty text.
template <typename Record>
RuleRows toRows(const std::vector<Record>& records, const RecordColumns<Record>& columns)
{
    RuleRows rows;
    rows.reserve(records.size());
    for (const Record& record : records) {
        QStringList texts;
        texts.reserve(qsizetype(columns.size()));
        for (const auto member : columns)
            texts << (member != nullptr ? record.*member : QString());
        rows.push_back(std::move(texts));
    }
    return rows;
}

}  // namespace rule_editor
