#pragma once

// The columns and items of the list drop-downs (the multi-column drop-down
// and the grid drop-down): column looks and the items' texts per column,
// each collection a value that Assign copies.

#include <cstdint>
#include <vector>

#include <QString>
#include <QStringList>

#include "controls/grid/grid_types.h"
#include "platform/canvas.h"
#include "platform/colors.h"

namespace dropdown {

// ctImage: the item's image is drawn before the text.
enum TColumnType : uint8_t { ctText, ctImage };

struct TDropDownColumn {
    bool Wordwrap = false;
    int Width = 80;
    // Width from the widest item text when the list opens.
    bool AutoSize = false;
    QString Header;
    grid::TAlignment Alignment = grid::taLeftJustify;
    TColor Color = clWhite;
    TColumnType ColumnType = ctText;
    platform::TFont Font;
    bool Ellipsis = false;

    void Assign(const TDropDownColumn& source) { *this = source; }
};

class TDropDownColumns {
public:
    TDropDownColumn& Add();
    TDropDownColumn& Insert(int Index);
    void Delete(int Index);
    void Clear() { FItems.clear(); }
    int Count() const { return int(FItems.size()); }
    TDropDownColumn& Items(int Index) { return FItems[size_t(Index)]; }
    const TDropDownColumn& Items(int Index) const { return FItems[size_t(Index)]; }
    TDropDownColumn& operator[](int Index) { return Items(Index); }
    const TDropDownColumn& operator[](int Index) const { return Items(Index); }
    void SetItems(int Index, const TDropDownColumn& value) { FItems[size_t(Index)].Assign(value); }
    void Assign(const TDropDownColumns& source) { FItems = source.FItems; }

private:
    std::vector<TDropDownColumn> FItems;
};

struct TDropDownItem {
    // Into the drop-down's Images, drawn in ctImage columns.
    int ImageIndex = -1;
    // Text[c]: the item's text in column c; a missing string counts as empty.
    QStringList Text;

    // The text in a column, empty when the item has none there.
    QString TextOf(int column) const { return HasText(column) ? Text[column] : QString(); }
    bool HasText(int column) const { return column >= 0 && column < Text.size(); }
    void Assign(const TDropDownItem& source) { *this = source; }
};

class TDropDownItems {
public:
    TDropDownItem& Add();
    // An item with these texts, one per column.
    TDropDownItem& Add(const QStringList& texts, int imageIndex = -1);
    TDropDownItem& Insert(int Index);
    void Delete(int Index);
    void Clear() { FItems.clear(); }
    void Reserve(int count) { FItems.reserve(size_t(count)); }
    int Count() const { return int(FItems.size()); }
    TDropDownItem& Items(int Index) { return FItems[size_t(Index)]; }
    const TDropDownItem& Items(int Index) const { return FItems[size_t(Index)]; }
    TDropDownItem& operator[](int Index) { return Items(Index); }
    const TDropDownItem& operator[](int Index) const { return Items(Index); }
    void SetItems(int Index, const TDropDownItem& value) { FItems[size_t(Index)].Assign(value); }
    void Assign(const TDropDownItems& source) { FItems = source.FItems; }
    // The first item whose text in Column equals Value exactly (case
    // sensitive); items without a text there are skipped; -1 when none.
    int IndexInColumn(int Column, const QString& Value) const;

private:
    std::vector<TDropDownItem> FItems;
};

}  // namespace dropdown
