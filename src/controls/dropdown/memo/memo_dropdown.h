#pragma once

// A drop-down edit of a multi-line text, edited in a memo in its pop-up.
// While the text is not editable the edit shows the first line, shortened
// with "..." to fit; the memo works on a copy that becomes the value when
// the pop-up closes and is dropped when it is cancelled.

#include <functional>

#include <QPlainTextEdit>
#include <QStringList>

#include "controls/dropdown/base/ex_custom_dropdown.h"

class QMenu;

namespace dropdown {

class TExMemoDropDown : public TExCustomDropDown {
    Q_OBJECT
public:
    explicit TExMemoDropDown(QWidget* parent = nullptr);

    const QStringList& MemoText() const { return FMemoText; }
    void SetMemoText(const QStringList& value);
    Qt::ScrollBarPolicy MemoScrollBars() const { return FMemoScrollBars; }
    void SetMemoScrollBars(Qt::ScrollBarPolicy value) { FMemoScrollBars = value; }
    bool MemoReadOnly() const { return FMemoReadOnly; }
    void SetMemoReadOnly(bool value);
    QMenu* MemoPopup() const { return FMemoPopup; }
    void SetMemoPopup(QMenu* value) { FMemoPopup = value; }
    // Open the pop-up when the control gets the focus.
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool value) { FAutoDrop = value; }
    QPlainTextEdit* Memo() const { return FMemo; }

    void DoHideDropDown(bool Cancelled) override;
    // The edit text from MemoText.
    void UpdateEditText();

    std::function<void(QObject* Sender)> OnMemoChange;

protected:
    void BeforeDropDown() override;
    void AfterHideDropDown() override;
    void HandleChange() override;
    void HandleSetFocusMessage() override;
    void ControlKeyDown(platform::Word& key, platform::TShiftState shift) override;
    void ControlKeyUp(platform::Word& key, platform::TShiftState shift) override;
    void ControlKeyPress(QChar& key) override;

private:
    void LimitMemoLength();
    QStringList FMemoText;
    Qt::ScrollBarPolicy FMemoScrollBars = Qt::ScrollBarAlwaysOff;
    bool FMemoReadOnly = false;
    QMenu* FMemoPopup = nullptr;
    bool FAutoDrop = false;
    QPlainTextEdit* FMemo = nullptr;
    int FMemoMaxLength = 0;  // the edit's MaxLength when the pop-up opened
    bool FInternalUpdate = false;
};

}  // namespace dropdown
