#pragma once

// The application style the grids take their colours from. The program (or
// a test) sets the active style; every grid hears of a change and takes its
// colours again (TExStringGrid::ApplyStyleColors).

#include <QObject>
#include <QString>

#include "platform/colors.h"

namespace grid {

// A style: its name, whether it is on, and the element colours it answers
// (clNone: the style gives no colour for that element).
struct TGridAppStyle {
    bool Enabled = false;
    QString Name = QStringLiteral("Windows");
    TColor GridCellFill = clNone;       // a normal grid cell's fill
    TColor GridCellBorder = clNone;     // a normal grid cell's border
    TColor FixedCellBorder = clNone;    // a normal fixed cell's border
    TColor GridCellText = clNone;       // the text of a normal cell
    TColor SelectedCellText = clNone;   // the text of a selected cell
    TColor FixedCellText = clNone;      // the text of a normal fixed cell
    // "Windows" counts as no style.
    bool IsActive() const { return Enabled && Name != QStringLiteral("Windows"); }
};

// The process-wide active style; Changed fires after every SetStyle.
class TGridAppStyleService : public QObject {
    Q_OBJECT
public:
    static TGridAppStyleService& Instance();
    const TGridAppStyle& Style() const { return FStyle; }
    void SetStyle(const TGridAppStyle& style);

signals:
    void Changed();

private:
    TGridAppStyle FStyle;
};

inline const TGridAppStyle& ActiveAppStyle() { return TGridAppStyleService::Instance().Style(); }

}  // namespace grid
