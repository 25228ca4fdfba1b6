#pragma once

// The filter conditions of the string grid (TFilter, a list of TFilterData)
// and the look of its header filter drop-down (TFilterDropDown), plus the
// two drop-down list widgets the grid owns (TDropList, TDropCheckList).
//
// The conditions know nothing of the grid: what they do to rows is the
// grid's filtering; TFilter only tells its owner (OnColumnChanged) which
// column lost its conditions, so that the header cell is repainted.

#include <functional>
#include <memory>
#include <vector>

#include <QImage>
#include <QListWidget>
#include <QString>

#include "platform/canvas.h"
#include "platform/colors.h"

namespace grid {

// Which text of a row a condition tests.
enum TFilterCells : uint8_t { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
// How a condition's outcome joins the outcome of the conditions before it.
enum TFilterOperation : uint8_t { foSHORT, foNONE, foAND, foXOR, foOR };
// The outcome so far joined with a condition's outcome.
inline bool JoinFilterOutcome(bool result, bool outcome, TFilterOperation operation)
{
    switch (operation) {
    case foSHORT:
    case foNONE: return outcome;
    case foAND: return result && outcome;
    case foXOR: return result != outcome;
    case foOR: return result || outcome;
    }
    return outcome;
}
// Matcher or exact comparison.
enum TFilterMethod : uint8_t { fmExpression, fmLiteral };

// One condition.
class TFilterData {
public:
    TFilterData() = default;
    // Copies everything but Method.
    void Assign(const TFilterData& source);

    int Column = 0;              // storage column whose cell is tested
    QString Condition;           // empty: every row passes
    bool CaseSensitive = true;
    TFilterCells Data = fcVirtual;
    QString Prefix;              // removed from the start of the tested text
    QString Suffix;              // removed from its end (first occurrence at the end)
    TFilterOperation Operation = foSHORT;
    TFilterMethod Method = fmExpression;
};

// The list of conditions, in the order they are evaluated.
class TFilter {
public:
    TFilter() = default;
    TFilter(const TFilter&) = delete;
    TFilter& operator=(const TFilter&) = delete;

    int Count() const { return int(FItems.size()); }
    bool IsEmpty() const { return FItems.empty(); }
    TFilterData& Items(int index) { return *FItems.at(size_t(index)); }
    const TFilterData& Items(int index) const { return *FItems.at(size_t(index)); }
    // Copies the value into the condition at index.
    void SetItems(int index, const TFilterData& value) { Items(index).Assign(value); }
    TFilterData& operator[](int index) { return Items(index); }

    // A new condition at the end: foNONE when it is the only one, else foAND.
    TFilterData& Add();
    // A new condition at the end with foSHORT (the index is not used).
    TFilterData& Insert(int index);
    void Delete(int index);
    void Clear();
    // The first condition of the column; made (and added) when there is none.
    TFilterData& ColumnFilter(int Col);
    bool HasFilter(int Col) const;
    // Deletes every condition of the column and tells the owner.
    void RemoveColumnFilter(int Col);
    // Copies the conditions of another list.
    void Assign(const TFilter& source);

    // The owner's repaint of column Col's header.
    std::function<void(int Col)> OnColumnChanged;

private:
    std::vector<std::unique_ptr<TFilterData>> FItems;
};

// The look of the header filter drop-down.
class TFilterDropDown {
public:
    TFilterDropDown() = default;
    TFilterDropDown(const TFilterDropDown&) = delete;
    TFilterDropDown& operator=(const TFilterDropDown&) = delete;

    // Copies everything but AutoSize.
    void Assign(const TFilterDropDown& source);

    bool AutoSize = false;                      // width and height follow the entries
    TColor Color = clWindow;
    bool ColumnWidth = false;                   // as wide as the column, at its left edge
    int Height = 150;
    int Width = 150;
    const platform::TFont& Font() const { return FFont; }
    void SetFont(const platform::TFont& value) { FFont = value; }
    // The button image of a column without / with a condition; empty: the
    // grid's own funnel. A change fires OnChange.
    const QImage& Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& value);
    const QImage& GlyphActive() const { return FGlyphActive; }
    void SetGlyphActive(const QImage& value);

    std::function<void()> OnChange;

private:
    platform::TFont FFont;
    QImage FGlyph;
    QImage FGlyphActive;
};

// The single-choice drop-down: Enter or a mouse release over an entry
// hides the list and reports the entry; Escape, or the focus going to any
// widget other than the owner grid, hides it and reports the cancel.
class TDropList : public QListWidget {
public:
    explicit TDropList(QWidget* parent);
    // (ItemIndex) after a choice.
    std::function<void(int ItemIndex)> OnSelect;
    // The list closed without a choice.
    std::function<void()> OnCancel;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The check-list drop-down: every toggle of an entry's check box reports
// -1 and the list stays open; Enter and Escape close it, and so does the
// focus going to any widget other than the owner grid.
class TDropCheckList : public QListWidget {
public:
    explicit TDropCheckList(QWidget* parent);
    std::function<void(int ItemIndex)> OnSelect;
    std::function<void()> OnCancel;
    // Adds an entry with a check box, without reporting it.
    void AddCheckItem(const QString& text, bool checked);
    bool Checked(int index) const;
    // Sets a check box as the user does (reports the toggle).
    void SetChecked(int index, bool checked);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool FFilling = false;
};

}  // namespace grid
