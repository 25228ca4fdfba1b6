#include "controls/grid/settings/grid_filter.h"

#include <algorithm>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace grid {

// ------------------------------------------------------------ TFilterData

void TFilterData::Assign(const TFilterData& source)
{
    Column = source.Column;
    Condition = source.Condition;
    CaseSensitive = source.CaseSensitive;
    Data = source.Data;
    Prefix = source.Prefix;
    Suffix = source.Suffix;
    Operation = source.Operation;
}

// ---------------------------------------------------------------- TFilter

TFilterData& TFilter::Add()
{
    auto item = std::make_unique<TFilterData>();
    item->Operation = FItems.empty() ? foNONE : foAND;
    FItems.push_back(std::move(item));
    return *FItems.back();
}

TFilterData& TFilter::Insert(int /*index*/)
{
    FItems.push_back(std::make_unique<TFilterData>());
    return *FItems.back();
}

void TFilter::Delete(int index)
{
    if (index < 0 || index >= Count()) return;
    FItems.erase(FItems.begin() + index);
}

void TFilter::Clear() { FItems.clear(); }

TFilterData& TFilter::ColumnFilter(int Col)
{
    for (auto& item : FItems)
        if (item->Column == Col) return *item;
    TFilterData& added = Add();
    added.Column = Col;
    return added;
}

bool TFilter::HasFilter(int Col) const
{
    return std::any_of(FItems.begin(), FItems.end(), [Col](const auto& item) { return item->Column == Col; });
}

void TFilter::RemoveColumnFilter(int Col)
{
    std::erase_if(FItems, [Col](const auto& item) { return item->Column == Col; });
    if (OnColumnChanged) OnColumnChanged(Col);
}

void TFilter::Assign(const TFilter& source)
{
    if (&source == this) return;
    FItems.clear();
    for (const auto& item : source.FItems) {
        auto copy = std::make_unique<TFilterData>();
        copy->Assign(*item);
        copy->Method = item->Method;
        FItems.push_back(std::move(copy));
    }
}

// -------------------------------------------------------- TFilterDropDown

void TFilterDropDown::Assign(const TFilterDropDown& source)
{
    if (&source == this) return;
    Color = source.Color;
    ColumnWidth = source.ColumnWidth;
    FFont = source.FFont;
    Height = source.Height;
    Width = source.Width;
    SetGlyph(source.FGlyph);
    SetGlyphActive(source.FGlyphActive);
}

void TFilterDropDown::SetGlyph(const QImage& value)
{
    FGlyph = value;
    if (OnChange) OnChange();
}

void TFilterDropDown::SetGlyphActive(const QImage& value)
{
    FGlyphActive = value;
    if (OnChange) OnChange();
}

// ------------------------------------------------------- the drop-downs

namespace grid_filter_detail {

// The list loses the focus to something other than its grid (or itself):
// the drop-down's cancel.
bool dropListFocusLost(const QWidget* list)
{
    const QWidget* now = QApplication::focusWidget();
    if (now == nullptr) return true;
    const QWidget* grid = list->parentWidget() != nullptr ? list->parentWidget()->parentWidget() : nullptr;
    for (const QWidget* w = now; w != nullptr; w = w->parentWidget())
        if (w == list || w == grid) return false;
    return true;
}

// Reports to the grid from inside a Qt event handler: whatever the grid's
// handling throws stays here, as with the grid's own event handlers.
template <typename... Args>
void reportToGrid(const std::function<void(Args...)>& report, Args... args)
{
    if (!report) return;
    try {
        report(args...);
    } catch (...) {
        // dropped: nothing may leave an event handler
    }
}

void setUpDropList(QListWidget& list)
{
    list.hide();
    list.resize(0, 0);
    list.setFrameShape(QFrame::Box);
    list.setUniformItemSizes(true);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setFocusPolicy(Qt::StrongFocus);
}

}  // namespace grid_filter_detail

TDropList::TDropList(QWidget* parent) : QListWidget(parent) { grid_filter_detail::setUpDropList(*this); }

void TDropList::keyPressEvent(QKeyEvent* event)
{
    QListWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Taken here: the grid below neither edits nor sees the key.
        event->accept();
        hide();
        grid_filter_detail::reportToGrid(OnSelect, currentRow());
    } else if (event->key() == Qt::Key_Escape) {
        event->accept();
        hide();
        grid_filter_detail::reportToGrid(OnCancel);
    }
}

void TDropList::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    // A release over an entry chooses it; over the list's empty part or
    // its scroll bar nothing happens.
    QListWidgetItem* hit = itemAt(event->position().toPoint());
    if (hit == nullptr) return;
    setCurrentItem(hit);
    hide();
    grid_filter_detail::reportToGrid(OnSelect, row(hit));
}

void TDropList::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    if (isVisible() && grid_filter_detail::dropListFocusLost(this)) {
        hide();
        grid_filter_detail::reportToGrid(OnCancel);
    }
}

TDropCheckList::TDropCheckList(QWidget* parent) : QListWidget(parent)
{
    grid_filter_detail::setUpDropList(*this);
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem*) {
        if (!FFilling) grid_filter_detail::reportToGrid(OnSelect, -1);
    });
}

void TDropCheckList::AddCheckItem(const QString& text, bool checked)
{
    FFilling = true;
    auto* entry = new QListWidgetItem(text, this);  // owned by the list
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    entry->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    FFilling = false;
}

bool TDropCheckList::Checked(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry != nullptr && entry->checkState() == Qt::Checked;
}

void TDropCheckList::SetChecked(int index, bool checked)
{
    if (QListWidgetItem* entry = item(index)) entry->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TDropCheckList::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        event->accept();
        hide();
        grid_filter_detail::reportToGrid(OnCancel);
        return;
    }
    QListWidget::keyPressEvent(event);
}

void TDropCheckList::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    if (isVisible() && grid_filter_detail::dropListFocusLost(this)) {
        hide();
        grid_filter_detail::reportToGrid(OnCancel);
    }
}

}  // namespace grid
