#pragma once

#include <vector>

#include <QApplication>
#include <QMouseEvent>
#include <QString>
#include <QStringList>

#include "platform/grid_base.h"

namespace grid_base_testing {

// A small grid for the tests: no frame and no scroll bars, so the client area
// is the widget; it records the editor hooks and the paint hook in order.
class FixtureGrid : public platform::GridBase {
public:
    struct Painted {
        int Col, Row;
        platform::TRect Rect;
        platform::TGridDrawState State;
    };

    FixtureGrid()
    {
        setFrameStyle(QFrame::NoFrame);
        SetScrollBars(platform::ssNone);
    }

    QStringList Calls;
    std::vector<Painted> PaintedCells;
    bool AllowEditor = true;
    QString StartText = QStringLiteral("start");

    using GridBase::CalcSizingState;
    using GridBase::HandleKeyDown;

    void ClearRecords()
    {
        Calls.clear();
        PaintedCells.clear();
    }

protected:
    void RenderCell(int ACol, int ARow, const platform::TRect& ARect, platform::TGridDrawState AState) override
    {
        PaintedCells.push_back({ACol, ARow, ARect, AState});
        GridBase::RenderCell(ACol, ARow, ARect, AState);
    }
    bool CanSelectCell(int ACol, int ARow) override
    {
        Calls << QStringLiteral("CanSelectCell(%1,%2)").arg(ACol).arg(ARow);
        return GridBase::CanSelectCell(ACol, ARow);
    }
    bool MayShowEditor() override
    {
        Calls << QStringLiteral("MayShowEditor");
        return AllowEditor && GridBase::MayShowEditor();
    }
    QString EditTextOfCell(int ACol, int ARow) override
    {
        Calls << QStringLiteral("EditTextOfCell(%1,%2)").arg(ACol).arg(ARow);
        return StartText;
    }
    int EditLengthLimit() override
    {
        Calls << QStringLiteral("EditLengthLimit");
        return 0;
    }
    void AcceptEditText(int ACol, int ARow, const QString& Value) override
    {
        Calls << QStringLiteral("AcceptEditText(%1,%2,%3)").arg(ACol).arg(ARow).arg(Value);
        GridBase::AcceptEditText(ACol, ARow, Value);
    }
    void ScrollPositionChanged() override
    {
        Calls << QStringLiteral("ScrollPositionChanged");
        GridBase::ScrollPositionChanged();
    }
};

// Sends a mouse event to the grid's client area.
inline void sendMouse(platform::GridBase& grid, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QWidget* vp = grid.viewport();
    QMouseEvent event(type, QPointF(pos), vp->mapToGlobal(QPointF(pos)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, buttons, modifiers);
    QApplication::sendEvent(vp, &event);
}

}  // namespace grid_base_testing
