#pragma once

#include <functional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QScrollArea>
#include <QString>
#include <QWidget>

namespace platform {

class TCategoryPanelGroup;

// One collapsible section of a TCategoryPanelGroup: a header with the caption
// and a chevron on the right, and a surface below it that holds the section's
// controls at fixed places. A click on the header (or Space/Enter while the
// header has the focus) collapses or expands the section; a disabled section
// shows a grey header and does not toggle.
class TCategoryPanel : public QWidget {
    Q_OBJECT

public:
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // The section's full height, header included, while it is expanded.
    int PanelHeight() const { return panelHeight_; }
    void SetPanelHeight(int height);

    bool Collapsed() const { return collapsed_; }
    void SetCollapsed(bool collapsed);
    void Collapse() { SetCollapsed(true); }
    void Expand() { SetCollapsed(false); }

    // Shown panels take part in the stack; hidden ones are left out.
    bool PanelVisible() const { return panelVisible_; }
    void SetPanelVisible(bool visible);

    // The widget the section's controls sit on; (0, 0) is the top left just
    // below the header.
    QWidget* Surface() const { return surface_; }
    TCategoryPanelGroup* Group() const { return group_; }

    // True while the mouse is over the header.
    bool HeaderHot() const { return hot_; }
    // The header's rectangle in the panel's coordinates.
    QRect HeaderRect() const;

    // Fires after the panel has collapsed or expanded.
    std::function<void(TCategoryPanel*)> OnToggle;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TCategoryPanelGroup;
    explicit TCategoryPanel(TCategoryPanelGroup* group, QWidget* parent);
    void SetHot(bool hot);

    TCategoryPanelGroup* group_;
    QWidget* surface_;
    QString caption_;
    int panelHeight_ = 200;
    bool collapsed_ = false;
    bool panelVisible_ = true;
    bool hot_ = false;
};

// A vertically scrollable stack of TCategoryPanel sections. The shown panels
// stand one under the other in the group's order, the first at the top; a
// panel that changes height, collapses or expands moves the ones below it.
class TCategoryPanelGroup : public QScrollArea {
    Q_OBJECT

public:
    explicit TCategoryPanelGroup(QWidget* parent = nullptr);
    ~TCategoryPanelGroup() override;

    // Creates a panel at the end of the order; the group owns it.
    TCategoryPanel* AddPanel(const QString& objectName, const QString& caption = {});
    const std::vector<TCategoryPanel*>& Panels() const { return panels_; }
    // Puts `order` first, in that order; the other panels follow as they were.
    void SetPanelOrder(const std::vector<TCategoryPanel*>& order);
    // The panel's top in the stack (scrolling aside).
    int PanelTop(const TCategoryPanel* panel) const;

    int HeaderHeight() const { return headerHeight_; }
    void SetHeaderHeight(int height);
    QFont HeaderFont() const { return headerFont_; }
    void SetHeaderFont(const QFont& font);
    QColor HeaderColor() const { return headerColor_; }
    void SetHeaderColor(const QColor& color);
    QColor GradientColor() const { return gradientColor_; }
    void SetGradientColor(const QColor& color);
    QColor ChevronColor() const { return chevronColor_; }
    void SetChevronColor(const QColor& color);
    QColor ChevronHotColor() const { return chevronHotColor_; }
    void SetChevronHotColor(const QColor& color);

    // Pixels one line scroll moves.
    int LineStep() const { return lineStep_; }
    void SetLineStep(int step);
    // Scrolls `lines` lines: up for a negative number, down for a positive.
    void ScrollLines(int lines);
    int ScrollPosition() const;
    // Scrolls so that the whole panel (or as much as fits) is in view.
    void ScrollToPanel(const TCategoryPanel* panel);

    // The wheel turned by `delta` (eighths of a degree, positive away from the
    // user) with the mouse at `globalPos`: when the mouse is over the group's
    // client area, scrolls the system's lines per notch and returns true;
    // otherwise does nothing and returns false.
    bool MouseWheel(const QPoint& globalPos, int delta);

    // Stacks the shown panels again (called by the panels themselves).
    void Restack();

protected:
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<TCategoryPanel*> panels_;
    QWidget* content_;
    int headerHeight_ = 24;
    QFont headerFont_;
    QColor headerColor_{128, 128, 128};
    QColor gradientColor_{231, 216, 216};
    QColor chevronColor_{90, 90, 90};
    QColor chevronHotColor_{220, 0, 0};
    int lineStep_ = 16;
    int wheelRemainder_ = 0;
};

}  // namespace platform
