#pragma once

// The search footer under a string grid: a find edit, find-next and
// find-previous buttons, a highlight toggle, a match-case box and a close
// button on a panel painted in a top-to-bottom gradient. The panel knows
// nothing of finding: its controls fire its On... events, which the grid
// binds to its footer handlers.

#include <functional>

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include "platform/colors.h"

class QCheckBox;
class QToolButton;

namespace grid::search {

// The find edit: Enter fires OnReturn, Ctrl+Enter OnCtrlReturn; neither
// reaches the edit (no line break, no beep). An Alt accelerator goes to
// OnAltKey first, which returns true when it used the key.
class TRetEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TRetEdit(QWidget* parent);
    std::function<void()> OnReturn;
    std::function<void()> OnCtrlReturn;
    std::function<bool(QKeyEvent*)> OnAltKey;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class TSearchPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int ShownHeight = 32;

    // A child of the grid (owner), hidden and 0 pixels high until the
    // footer is shown; it stays along the bottom of the owner's viewport.
    TSearchPanel(QWidget* owner, QWidget* viewport);

    TRetEdit* EditControl() const { return FEdit; }
    QToolButton* ExitButton() const { return FExitButton; }
    QToolButton* ForwardButton() const { return FForwardButton; }
    QToolButton* BackwardButton() const { return FBackwardButton; }
    QToolButton* HiliteButton() const { return FHiliteButton; }
    QCheckBox* MatchCase() const { return FMatchCase; }

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    // The line along the top edge (the grid's grid-line colour).
    void SetLineColor(TColor value);
    // The find edit's background (clRed after a miss, clWindow otherwise).
    TColor EditColor() const { return FEditColor; }
    void SetEditColor(TColor value);

    // Captions (an "&" marks the accelerator) and hints; an empty hint shows none.
    void SetCaptions(const QString& findNext, const QString& findPrev, const QString& matchCase,
                     const QString& highlight);
    void SetHints(const QString& close, const QString& findNext, const QString& findPrev, const QString& highlight);
    // Which parts are shown; hidden buttons and box take no height.
    void SetShownParts(bool highlight, bool close, bool matchCase, bool findPrev, bool findNext);
    // Flat buttons (no frame until the mouse is over them).
    void SetFlatButtons(bool flat);
    // Shows the panel 32 pixels high along the viewport's bottom, or hides it.
    void SetShown(bool shown);
    bool Shown() const { return FShown; }
    // Places the controls at their fixed positions (mirrored right to left);
    // a button too narrow for its caption grows and pushes the later ones on.
    void LayoutControls();
    // Takes its place along the viewport's bottom again and lays out its
    // controls (nothing while hidden); for changes the viewport does not report.
    void PlaceInOwner();

    std::function<void()> OnForwardClick;
    std::function<void()> OnBackwardClick;
    std::function<void()> OnEditChange;
    std::function<void()> OnExitClick;
    std::function<void()> OnHighlightClick;
    // Fired once, the first time the panel is shown with its controls laid out.
    std::function<void()> OnCreated;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditChanged();
    QToolButton* MakeButton(const QIcon& icon);

    QPointer<QWidget> FViewport;
    TRetEdit* FEdit;
    QToolButton* FExitButton;
    QToolButton* FForwardButton;
    QToolButton* FBackwardButton;
    QToolButton* FHiliteButton;
    QCheckBox* FMatchCase;
    TColor FColor = clWhite;
    TColor FColorTo = clBtnFace;
    TColor FLineColor = clSilver;
    TColor FEditColor = clWindow;
    bool FShown = false;
    bool FCreatedFired = false;
};

}  // namespace grid::search
