#include "controls/grid/cells/int_lists.h"

#include <algorithm>

#include <QStringList>

#include "controls/grid/grid_error.h"
#include "platform/strings.h"

namespace grid {

namespace intlists {

// The parts of a comma text: commas and blanks (characters up to U+0020)
// separate; a part in double quotes keeps its blanks and commas, a doubled
// quote inside it stands for one; a comma at the very end adds an empty part.
QStringList splitCommaText(const QString& text)
{
    QStringList parts;
    const qsizetype n = text.size();
    const auto isBlank = [](QChar c) { return c.unicode() <= 0x20; };
    qsizetype i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    while (i < n) {
        QString part;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        part += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                part += text[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && !isBlank(text[i]) && text[i] != u',')
                ++i;
            part = text.mid(start, i - start);
        }
        parts.append(part);
        while (i < n && isBlank(text[i]))
            ++i;
        if (i < n && text[i] == u',') {
            if (i + 1 == n)
                parts.append(QString());
            do
                ++i;
            while (i < n && isBlank(text[i]));
        }
    }
    return parts;
}

}  // namespace intlists

// ------------------------------------------------------------------ TIntList

TIntList::TIntList(int col, int row) : FCol(col), FRow(row) {}

void TIntList::CheckIndex(int index, int limit) const
{
    if (index < 0 || index >= limit)
        throw EExGridError(QStringLiteral("List index out of bounds (%1)").arg(index).toStdString());
}

void TIntList::Changed()
{
    if (OnChange)
        OnChange(this, FCol, FRow);
}

void TIntList::Add(int32_t value)
{
    FItems.push_back(value);
    Changed();
}

void TIntList::Insert(int index, int32_t value)
{
    CheckIndex(index, Count() + 1);
    FItems.insert(FItems.begin() + index, value);
}

void TIntList::Delete(int index)
{
    CheckIndex(index, Count());
    FItems.erase(FItems.begin() + index);
    Changed();
}

int32_t TIntList::GetInteger(int index) const
{
    CheckIndex(index, Count());
    return FItems[size_t(index)];
}

void TIntList::SetInteger(int index, int32_t value)
{
    CheckIndex(index, Count());
    FItems[size_t(index)] = value;
    Changed();
}

void TIntList::DeleteValue(int32_t value)
{
    const auto it = std::find(FItems.begin(), FItems.end(), value);
    if (it != FItems.end())
        Delete(int(it - FItems.begin()));
}

bool TIntList::HasValue(int32_t value) const
{
    return std::find(FItems.begin(), FItems.end(), value) != FItems.end();
}

QString TIntList::StrValue() const
{
    QString text;
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (i > 0)
            text += u',';
        text += QString::number(FItems[i]);
    }
    return text;
}

void TIntList::SetStrValue(const QString& text)
{
    Clear();
    for (const QString& part : intlists::splitCommaText(text)) {
        const auto value = platform::parseInt(part);
        if (!value)
            throw EExGridError(QStringLiteral("'%1' is not a valid integer value").arg(part).toStdString());
        Add(*value);
    }
}

// ------------------------------------------------------------ TSortIndexList

void TSortIndexList::AddIndex(int columnIndex, bool ascending)
{
    const uint32_t column = uint32_t(columnIndex) & ColumnMask;
    Add(int32_t(ascending ? column : column | DescendingBit));
}

int TSortIndexList::FindIndex(int columnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if ((uint32_t(GetInteger(i)) & ColumnMask) == (uint32_t(columnIndex) & ColumnMask))
            return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int columnIndex)
{
    const int i = FindIndex(columnIndex);
    if (i >= 0)
        SetInteger(i, int32_t(uint32_t(GetInteger(i)) ^ DescendingBit));
}

int TSortIndexList::SortColumns(int index) const
{
    return int(uint32_t(GetInteger(index)) & ColumnMask);
}

void TSortIndexList::SetSortColumns(int index, int columnIndex)
{
    const uint32_t direction = uint32_t(GetInteger(index)) & DescendingBit;
    SetInteger(index, int32_t(direction | (uint32_t(columnIndex) & ColumnMask)));
}

bool TSortIndexList::SortDirections(int index) const
{
    return (uint32_t(GetInteger(index)) & DescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int index, bool ascending)
{
    const uint32_t column = uint32_t(GetInteger(index)) & ColumnMask;
    SetInteger(index, int32_t(ascending ? column : column | DescendingBit));
}

QString TSortIndexList::SaveToString() const
{
    QString text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            text += u';';
        const uint32_t entry = uint32_t(GetInteger(i));
        text += (entry & DescendingBit) ? u'd' : u'u';
        text += QString::number(entry & 0xFFFFu);
    }
    return text;
}

void TSortIndexList::LoadFromString(const QString& text)
{
    Clear();
    for (const QString& item : text.split(u';')) {
        if (item.size() < 2)
            continue;
        const auto column = platform::parseDecimal(item.mid(1));
        if (!column || *column < 0)
            continue;
        AddIndex(*column, item.front() == u'u');
    }
}

}  // namespace grid
