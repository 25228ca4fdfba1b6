#include "controls/grid/editors/grid_link_editors.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QAbstractTextDocumentLayout>

#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "platform/rtf_text_document.h"

namespace grid {

using platform::TShiftState;
using platform::Word;

namespace grid_link_editors_detail {

void PostF2(TExStringGrid& grid)
{
    QCoreApplication::postEvent(&grid, new QKeyEvent(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier));
}

bool IsArrow(Word key)
{
    return key == platform::VK_LEFT || key == platform::VK_UP || key == platform::VK_RIGHT || key == platform::VK_DOWN;
}

}  // namespace grid_link_editors_detail

// ------------------------------------------------------------ edit link

TEditLink::TEditLink(QObject* owner) : QObject(owner) {}

TEditLink::~TEditLink() { delete FPopupForm; }

void TEditLink::Attach(TExStringGrid* grid, QPoint cell)
{
    FOwner = grid;
    FEditCell = cell;
}

QWidget* TEditLink::EnsurePopupForm()
{
    if (FPopupForm == nullptr) {
        // One pop-up form, on top of the others, without a frame.
        auto* form = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        form->setObjectName(QStringLiteral("gridform"));
        form->installEventFilter(this);
        FPopupForm = form;
    }
    return FPopupForm;
}

QWidget* TEditLink::GetParent() const
{
    if (EditStyle == esPopup && FPopupForm != nullptr) return FPopupForm;
    return FOwner != nullptr ? FOwner->viewport() : nullptr;
}

void TEditLink::SetRect(const platform::TRect& R)
{
    QWidget* control = GetEditControl();
    if (control == nullptr) return;
    const int line = FOwner != nullptr ? FOwner->GridLineWidth() : 0;
    control->setGeometry(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetVisible(bool Value)
{
    if (QWidget* control = GetEditControl()) control->setVisible(Value);
}

void TEditLink::SetFocus(bool Value)
{
    QWidget* control = GetEditControl();
    if (Value && control != nullptr) {
        if (!control->isVisible()) control->setVisible(true);
        if (!control->isEnabled()) control->setEnabled(true);
        // The grid's hook: with goTabs the control keeps Tab for the link's keys.
        if (EditStyle == esInplace && !FSubClassed) {
            control->installEventFilter(this);
            FHooked = control;
            FSubClassed = true;
        }
    }
    if (Value && control != nullptr)
        control->setFocus(Qt::OtherFocusReason);
    else if (FOwner != nullptr)
        FOwner->setFocus(Qt::OtherFocusReason);
}

void TEditLink::RestoreWinProc()
{
    QWidget* control = GetEditControl();
    if (EditStyle != esInplace || control == nullptr) return;
    if (FHooked != nullptr) FHooked->removeEventFilter(this);
    FHooked = nullptr;
    FSubClassed = false;
    control->hide();
}

bool TEditLink::eventFilter(QObject* watched, QEvent* event)
{
    try {
        // With goTabs the control takes the arrow keys, Tab and every
        // character itself: no shortcut of the form may claim them first.
        if (watched == FHooked && event->type() == QEvent::ShortcutOverride && FOwner != nullptr &&
            (FOwner->Options() & platform::goTabs)) {
            auto* key = static_cast<QKeyEvent*>(event);
            const bool arrow = key->key() >= Qt::Key_Left && key->key() <= Qt::Key_Down;
            const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
            const bool character = !key->text().isEmpty() && key->text().front().isPrint() &&
                                   !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
            if (arrow || tab || character) {
                event->accept();
                return true;
            }
        }
        if (watched == FHooked && event->type() == QEvent::KeyPress && FOwner != nullptr &&
            (FOwner->Options() & platform::goTabs)) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                Word k = platform::VK_TAB;
                EditKeyDown(watched, k, grid_editor_keys::ShiftOf(*key));
                return true;
            }
        }
        if (watched == FPopupForm && event->type() == QEvent::WindowDeactivate && FPopupForm->isVisible())
            FormExit(FPopupForm);
    } catch (...) {
    }
    return QObject::eventFilter(watched, event);
}

QString TEditLink::GetCellValue() const
{
    if (FOwner == nullptr) return QString();
    return FOwner->GetCellEx(FOwner->RealColIndex(FOwner->Col()), FOwner->Row());
}

void TEditLink::SetCellValue(const QString& s)
{
    if (FOwner != nullptr) FOwner->StoreEditorText(FOwner->RealColIndex(FOwner->Col()), FOwner->Row(), s);
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    if (FOwner != nullptr) FOwner->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(QObject*)
{
    HideEditor();
    if (EditStyle == esPopup && FPopupForm != nullptr) {
        DestroyEditor();
        FPopupForm->hide();
    }
}

void TEditLink::FormExit(QObject* Sender)
{
    if (FOwner == nullptr) return;
    // The grid's inline editor shows what the link's control holds.
    if (TExInplaceEdit* inline_ = FOwner->InplaceEdit()) inline_->setText(GetEditorValue());
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(Sender);
    FOwner->InvokedFocusChange = true;
}

void TEditLink::FocusGridForced()
{
    FForcedExit = true;
    FOwner->setFocus(Qt::OtherFocusReason);
    FForcedExit = false;
}

void TEditLink::EditKeyDown(QObject*, Word& Key, TShiftState Shift)
{
    using namespace grid_link_editors_detail;
    if (FOwner == nullptr) return;
    TExStringGrid& g = *FOwner;
    bool ends = Key == platform::VK_TAB || Key == platform::VK_RETURN || Key == platform::VK_ESCAPE ||
                Key == platform::VK_PRIOR || Key == platform::VK_NEXT || Key == platform::VK_END || IsArrow(Key) ||
                (Shift & platform::ssAlt);
    if ((WantKeyUpDown && (Key == platform::VK_UP || Key == platform::VK_DOWN)) ||
        (WantKeyLeftRight && (Key == platform::VK_LEFT || Key == platform::VK_RIGHT)) ||
        (WantKeyHomeEnd && (Key == platform::VK_HOME || Key == platform::VK_END)) ||
        (WantKeyPriorNext && (Key == platform::VK_PRIOR || Key == platform::VK_NEXT)) ||
        (WantKeyReturn && Key == platform::VK_RETURN) || (WantKeyEscape && Key == platform::VK_ESCAPE) ||
        (WantTabs && Key == platform::VK_TAB))
        ends = false;
    if (!ends) return;
    if (Key == platform::VK_TAB && g.Navigation().TabToNextAtEnd) {
        FocusGridForced();
        g.WriteBackEditor(g.Col(), g.Row());
        if (g.TabAdvance(Shift & platform::ssShift)) {
            if (!g.HasClickGraphic(g.RealColIndex(g.Col()), g.Row())) PostF2(g);
            Key = 0;
            return;
        }
        Key = 0;
    }
    if (Key == platform::VK_ESCAPE) SetEditorValue(g.OriginalCellValue());
    FocusGridForced();
    g.WriteBackEditor(g.Col(), g.Row());
    if (EditStyle == esPopup) EditExit(this);
    g.EditMode = false;
    g.CanSelectCell(g.Col(), g.Row());
    if (Key == platform::VK_RETURN && g.FLastValidation) {
        g.FLastValidation = true;
        g.AdvanceAfterEdit(g.Col(), g.Row(), false, true, !(Shift & platform::ssShift), false, true);
        Key = 0;
        return;
    }
    if (!g.FLastValidation) {
        // A refused value: the editor opens again in the same cell.
        g.FLastValidation = true;
        g.EditMode = true;
        g.EditControl = edCustom;
        g.SetupCellEditor(g.Col(), g.Row());
        return;
    }
    if (Key == platform::VK_ESCAPE) {
        Key = 0;
        return;
    }
    if (Key == platform::VK_TAB || IsArrow(Key)) {
        Word k = Key;
        g.HandleKeyDown(k, Shift);
        if (QWidget* control = GetEditControl()) control->setEnabled(false);
        FocusGridForced();
        if ((g.Options() & platform::goTabs) && Key == platform::VK_TAB &&
            !g.HasClickGraphic(g.RealColIndex(g.Col()), g.Row()))
            PostF2(g);
        Key = 0;
    }
}

// ------------------------------------------------------------ rich edit

TExRichEdit::TExRichEdit(TExStringGrid* grid, bool measuring)
    : QTextEdit(grid->viewport()), FGrid(grid), FMeasuring(measuring)
{
    setAcceptRichText(false);
    hide();
    if (measuring) {
        setGeometry(0, 0, 0, 0);
        setFrameStyle(QFrame::NoFrame);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    } else {
        setEnabled(false);
    }
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this](const QSizeF& size) { SizeRequested(size); });
    connect(this, &QTextEdit::selectionChanged, this, [this] {
        if (!FMeasuring && FGrid->OnRichEditSelectionChange) FGrid->OnRichEditSelectionChange(FGrid);
    });
}

void TExRichEdit::SetSelScript(int alignment)
{
    QTextCharFormat f;
    f.setVerticalAlignment(QTextCharFormat::VerticalAlignment(alignment));
    QTextCursor cursor = textCursor();
    cursor.mergeCharFormat(f);
    mergeCurrentCharFormat(f);
}

void TExRichEdit::SelSubscript() { SetSelScript(QTextCharFormat::AlignSubScript); }
void TExRichEdit::SelSuperscript() { SetSelScript(QTextCharFormat::AlignSuperScript); }
void TExRichEdit::SelNormal() { SetSelScript(QTextCharFormat::AlignNormal); }

bool TExRichEdit::SelScriptIs(int alignment) const
{
    // Every character of the selection (or the caret's format) must have it.
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) return currentCharFormat().verticalAlignment() == alignment;
    for (int pos = cursor.selectionStart(); pos < cursor.selectionEnd(); ++pos) {
        QTextCursor c(document());
        c.setPosition(pos + 1);
        if (c.charFormat().verticalAlignment() != alignment) return false;
    }
    return true;
}

bool TExRichEdit::IsSelSubscript() const { return SelScriptIs(QTextCharFormat::AlignSubScript); }
bool TExRichEdit::IsSelSuperscript() const { return SelScriptIs(QTextCharFormat::AlignSuperScript); }
bool TExRichEdit::IsSelNormal() const { return SelScriptIs(QTextCharFormat::AlignNormal); }

QByteArray TExRichEdit::RichSource() const { return platform::SaveRtf(*document()); }

void TExRichEdit::LoadRichSource(const QByteArray& source) { platform::LoadRtf(source, *document()); }

void TExRichEdit::SizeRequested(const QSizeF& size)
{
    FReqWidth = int(std::ceil(size.width()));
    FReqHeight = int(std::ceil(size.height()));
    TExStringGrid& g = *FGrid;
    if (FMeasuring || FLocked || !g.SizeWhileTyping().Height || !isVisible()) return;
    const int h = FReqHeight;
    const platform::TRect cell = g.CellRect(g.Col(), g.Row());
    if (g.RowHeights(g.Row()) < h + 5 && cell.Top + h + 5 < g.viewport()->height()) {
        resize(width(), h + 9);
        g.SetRowHeights(g.Row(), h + 10);
        if (g.OnEndRowSize) g.OnEndRowSize(&g, g.Row());
    }
}

void TExRichEdit::keyPressEvent(QKeyEvent* event)
{
    try {
        TExStringGrid& g = *FGrid;
        const Word key = grid_editor_keys::KeyOf(*event);
        const TShiftState shift = grid_editor_keys::ShiftOf(*event);
        if (key == platform::VK_ESCAPE) {
            // The cell keeps its rich text.
            g.CancelEditorControl();
            g.HideInplaceEdit();
            g.setFocus(Qt::OtherFocusReason);
            return;
        }
        if (key == platform::VK_TAB && (g.Options() & platform::goTabs)) {
            g.HideInplaceEdit();
            g.setFocus(Qt::TabFocusReason);
            Word k = key;
            g.HandleKeyDown(k, shift);
            g.ShowInplaceEdit();
            return;
        }
        if ((key == platform::VK_UP || key == platform::VK_DOWN) && !g.WordWrap() && !g.MultilineCells) {
            g.HideInplaceEdit();
            g.setFocus(Qt::OtherFocusReason);
            Word k = key;
            g.HandleKeyDown(k, shift);
            return;
        }
        QTextEdit::keyPressEvent(event);
    } catch (...) {
    }
}

void TExRichEdit::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    TExStringGrid& g = *FGrid;
    if (FMeasuring || g.InvokedFocusChange || g.FDestroying || g.FBlockKill || g.EditCtrl != this) return;
    if (grid_editor_keys::FocusLeftControl(*this, *event)) g.HideInplaceEdit();
}

// ------------------------------------------------------------ fixed-cell editors

bool StopFixedCellEdit(TExStringGrid& grid, QWidget& editor, int col, int row, const QString& text)
{
    QString value = text;
    bool valid = true;
    if (grid.OnCellValidate) grid.OnCellValidate(&grid, col, row, value, valid);
    if (!valid) {
        grid.SetCol(grid.DisplColIndex(col));
        grid.SetRow(row);
        editor.setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (grid.OnEditingDone) grid.OnEditingDone(&grid);
    grid.SetCellEx(col, row, value);
    editor.hide();
    return true;
}

template <typename Base>
TFixedCellEditor<Base>::TFixedCellEditor(TExStringGrid* grid) : Base(grid->viewport()), FGrid(grid)
{
    this->hide();
}

template <typename Base> bool TFixedCellEditor<Base>::StopEdit()
{
    if (FGrid == nullptr) {
        this->hide();
        return true;
    }
    return StopFixedCellEdit(*FGrid, *this, Col, Row, EditorText());
}

template <typename Base> void TFixedCellEditor<Base>::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    Base::keyPressEvent(event);
}

template <typename Base> void TFixedCellEditor<Base>::focusOutEvent(QFocusEvent* event)
{
    Base::focusOutEvent(event);
    if (this->isVisible() && grid_editor_keys::FocusLeftControl(*this, *event)) StopEdit();
}

template class TFixedCellEditor<QLineEdit>;
template class TFixedCellEditor<QComboBox>;

// ------------------------------------------------------------ form-control editors

bool ControlEditorKey(QWidget& editor, QKeyEvent& event, const std::function<void()>& exit)
{
    auto* g = qobject_cast<TExStringGrid*>(editor.parentWidget() != nullptr ? editor.parentWidget()->parentWidget()
                                                                             : nullptr);
    if (g == nullptr) return false;
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (exit) exit();
        g->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (key != Qt::Key_Tab) return false;
    const QString id = g->HTML().CtrlID();
    const QPoint cell = g->HTML().CtrlXY();
    if (exit) exit();
    if (g->Navigation().AdvanceAuto())
        g->AdvanceAfterEdit(g->Col(), g->Row(), true, false, true, false, true);
    else if (!g->StartControlEdit(g->DisplColIndex(cell.x()), cell.y(), id))
        g->setFocus(Qt::TabFocusReason);
    return true;
}

bool TControlEdit::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QLineEdit::event(event);
}

void TControlEdit::keyPressEvent(QKeyEvent* event)
{
    try {
        if (ControlEditorKey(*this, *event, OnExit)) return;
        QLineEdit::keyPressEvent(event);
    } catch (...) {
    }
}

void TControlEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    try {
        if (isVisible() && OnExit && grid_editor_keys::FocusLeftControl(*this, *event)) OnExit();
    } catch (...) {
    }
}

bool TControlCombo::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return TEsgComboBox::event(event);
}

void TControlCombo::keyPressEvent(QKeyEvent* event)
{
    try {
        if (ControlEditorKey(*this, *event, OnExit)) return;
        TEsgComboBox::keyPressEvent(event);
    } catch (...) {
    }
}

void TControlCombo::focusOutEvent(QFocusEvent* event)
{
    TEsgComboBox::focusOutEvent(event);
    try {
        if (isVisible() && OnExit && grid_editor_keys::FocusLeftControl(*this, *event)) OnExit();
    } catch (...) {
    }
}

}  // namespace grid
