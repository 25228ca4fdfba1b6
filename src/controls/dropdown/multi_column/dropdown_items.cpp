#include "controls/dropdown/multi_column/dropdown_items.h"

#include <algorithm>

namespace dropdown {

TDropDownColumn& TDropDownColumns::Add()
{
    FItems.emplace_back();
    return FItems.back();
}

TDropDownColumn& TDropDownColumns::Insert(int Index)
{
    return *FItems.insert(FItems.begin() + std::clamp(Index, 0, Count()), TDropDownColumn());
}

void TDropDownColumns::Delete(int Index)
{
    if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}

TDropDownItem& TDropDownItems::Add()
{
    FItems.emplace_back();
    return FItems.back();
}

TDropDownItem& TDropDownItems::Add(const QStringList& texts, int imageIndex)
{
    TDropDownItem& item = Add();
    item.Text = texts;
    item.ImageIndex = imageIndex;
    return item;
}

TDropDownItem& TDropDownItems::Insert(int Index)
{
    return *FItems.insert(FItems.begin() + std::clamp(Index, 0, Count()), TDropDownItem());
}

void TDropDownItems::Delete(int Index)
{
    if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}

int TDropDownItems::IndexInColumn(int Column, const QString& Value) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[size_t(i)].HasText(Column) && FItems[size_t(i)].Text[Column] == Value) return i;
    return -1;
}

}  // namespace dropdown
