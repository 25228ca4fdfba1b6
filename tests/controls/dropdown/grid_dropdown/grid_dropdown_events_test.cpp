#include <functional>

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/grid_dropdown/ex_custom_grid_dropdown.h"
#include "controls/dropdown/picker_test_support.h"
#include "controls/grid/string_grid/html/grid_html.h"

using namespace dropdown;
using namespace dropdown_testing;

namespace {

struct Forwarded {
    const char* Event;
    std::function<void()> Assign;  // assigns the drop-down's event, recording its sender
    std::function<void()> Fire;    // raises the inner grid's notification
    QObject* Sender;               // the sender the drop-down's event must see
    bool Blocks;                   // BlockActivate is on while the event runs
};

}  // namespace

// Every notification the inner grid raises reaches the drop-down's own
// event, with the inner grid as sender (OnGridTopLeftChanged: the
// drop-down), and the three that may open a dialog keep the pop-up open
// while their handler runs.
TEST(GridDropDownEvents, EveryForwardedEventWithItsSender)
{
    PickerHost<TCustomExGridDropDown> host;
    TCustomExGridDropDown& d = *host.Picker;
    d.Columns().Add();
    d.Items().Add({QStringLiteral("a")});
    auto& g = *d.GetGrid();
    QObject* seen = nullptr;
    bool blocked = false;
    bool b = true;
    QString s;
    int n = 0;
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    platform::TCanvas canvas(painter);
    grid::TAlignment ha = grid::taLeftJustify;
    grid::TVAlignment va = grid::vtaTop;
    platform::TBrush brush;
    platform::TFont font;
    TColor c = clNone;
    grid::TCellGradientDirection gd = grid::GradientVertical;
    grid::TEditorType et = grid::edNormal;
    grid::TSortStyle ss{};
    const std::vector<Forwarded> table = {
        {"OnGridAnchorClick", [&] { d.OnGridAnchorClick = [&](QObject* sender, int, int, const QString&, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnAnchorClick(&g, 1, 1, QString(), b); }, &g, true},
        {"OnGridAnchorEnter", [&] { d.OnGridAnchorEnter = [&](QObject* sender, int, int, const QString&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.HTML().OnAnchorEnter(&g, 1, 1, QString()); }, &g, false},
        {"OnGridAnchorExit", [&] { d.OnGridAnchorExit = [&](QObject* sender, int, int, const QString&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.HTML().OnAnchorExit(&g, 1, 1, QString()); }, &g, false},
        {"OnGridAnchorHint", [&] { d.OnGridAnchorHint = [&](QObject* sender, int, int, QString&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.HTML().OnAnchorHint(&g, 1, 1, s); }, &g, false},
        {"OnGridButtonClick", [&] { d.OnGridButtonClick = [&](QObject* sender, int, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnButtonClick(&g, 1, 1); }, &g, true},
        {"OnGridColumnSize", [&] { d.OnGridColumnSize = [&](QObject* sender, int, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnColumnSize(&g, 1, b); }, &g, false},
        {"OnGridEndColumnSize", [&] { d.OnGridEndColumnSize = [&](QObject* sender, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnEndColumnSize(&g, 1); }, &g, false},
        {"OnGridColumnSizing", [&] { d.OnGridColumnSizing = [&](QObject* sender, int, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnColumnSizing(&g, 1, 40); }, &g, false},
        {"OnGridRowSize", [&] { d.OnGridRowSize = [&](QObject* sender, int, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnRowSize(&g, 1, b); }, &g, false},
        {"OnGridRowSizing", [&] { d.OnGridRowSizing = [&](QObject* sender, int, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnRowSizing(&g, 1, 20); }, &g, false},
        {"OnGridEndRowSize", [&] { d.OnGridEndRowSize = [&](QObject* sender, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnEndRowSize(&g, 1); }, &g, false},
        {"OnGridRowMove", [&] { d.OnGridRowMove = [&](QObject* sender, int, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnRowMove(&g, 1, b); }, &g, false},
        {"OnGridRowMoving", [&] { d.OnGridRowMoving = [&](QObject* sender, int, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnRowMoving(&g, 1, b); }, &g, false},
        {"OnGridRowMoved", [&] { d.OnGridRowMoved = [&](QObject* sender, int, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnRowMoved(&g, 1, 1); }, &g, false},
        {"OnGridColumnMove", [&] { d.OnGridColumnMove = [&](QObject* sender, int, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnColumnMove(&g, 1, b); }, &g, false},
        {"OnGridColumnMoving", [&] { d.OnGridColumnMoving = [&](QObject* sender, int, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnColumnMoving(&g, 1, b); }, &g, false},
        {"OnGridColumnMoved", [&] { d.OnGridColumnMoved = [&](QObject* sender, int, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnColumnMoved(&g, 1, 1); }, &g, false},
        {"OnGridCustomCellDraw", [&] { d.OnGridCustomCellDraw = [&](QObject* sender, platform::TCanvas&, int, int, platform::TGridDrawState, const platform::TRect&, bool) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnCustomCellDraw(&g, canvas, 1, 1, 0, platform::TRect(), true); }, &g, false},
        {"OnGridCustomCellBkgDraw", [&] { d.OnGridCustomCellBkgDraw = [&](QObject* sender, platform::TCanvas&, int, int, platform::TGridDrawState, const platform::TRect&, bool) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnCustomCellBkgDraw(&g, canvas, 1, 1, 0, platform::TRect(), true); }, &g, false},
        {"OnGridCellBalloon", [&] { d.OnGridCellBalloon = [&](QObject* sender, int, int, QString&, QString&, int&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnCellBalloon(&g, 1, 1, s, s, n); }, &g, false},
        {"OnGridGetAlignment", [&] { d.OnGridGetAlignment = [&](QObject* sender, int, int, grid::TAlignment&, grid::TVAlignment&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnGetAlignment(&g, 1, 1, ha, va); }, &g, false},
        {"OnGridGetCellColor", [&] { d.OnGridGetCellColor = [&](QObject* sender, int, int, platform::TGridDrawState, platform::TBrush&, platform::TFont&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnGetCellColor(&g, 1, 1, 0, brush, font); }, &g, false},
        {"OnGridGetCellGradient", [&] { d.OnGridGetCellGradient = [&](QObject* sender, int, int, TColor&, TColor&, TColor&, TColor&, grid::TCellGradientDirection&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnGetCellGradient(&g, 1, 1, c, c, c, c, gd); }, &g, false},
        {"OnGridGetFloatFormat", [&] { d.OnGridGetFloatFormat = [&](QObject* sender, int, int, bool&, QString&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnGetFloatFormat(&g, 1, 1, b, s); }, &g, false},
        {"OnGridGetEditorType", [&] { d.OnGridGetEditorType = [&](QObject* sender, int, int, grid::TEditorType&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnGetEditorType(&g, 1, 1, et); }, &g, false},
        {"OnGridGetEditorProp", [&] { d.OnGridGetEditorProp = [&](QObject* sender, int, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnGetEditorPropInt(&g, 1, 1); }, &g, false},
        {"OnGridCanEditCell", [&] { d.OnGridCanEditCell = [&](QObject* sender, int, int, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnCanEditCell(&g, 1, 1, b); }, &g, false},
        {"OnGridEllipsClick", [&] { d.OnGridEllipsClick = [&](QObject* sender, int, int, QString&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnEllipsClick(&g, 1, 1, s); }, &g, true},
        {"OnGridGetDiplText", [&] { d.OnGridGetDiplText = [&](QObject* sender, int, int, QString&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnGetDisplText(1, 1, s); }, &g, false},
        {"OnGridGetFormat", [&] { d.OnGridGetFormat = [&](QObject* sender, int, grid::TSortStyle&, QString&, QString&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnGetFormat(&g, 1, ss, s, s); }, &g, false},
        {"OnGridHint", [&] { d.OnGridHint = [&](QObject* sender, int, int, QString&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnGridHint(&g, 1, 1, s); }, &g, false},
        {"OnGridMouseMove", [&] { d.OnGridMouseMove = [&](QObject* sender, platform::TShiftState, int, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnMouseMove(&g, 0, 1, 1); }, &g, false},
        {"OnGridMouseDown", [&] { d.OnGridMouseDown = [&](QObject* sender, platform::TMouseButton, platform::TShiftState, int, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnMouseDown(&g, platform::mbLeft, 0, 1, 1); }, &g, false},
        {"OnGridMouseUp", [&] { d.OnGridMouseUp = [&](QObject* sender, platform::TMouseButton, platform::TShiftState, int, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnMouseUp(&g, platform::mbLeft, 0, 1, 1); }, &g, false},
        {"OnGridRightClickCell", [&] { d.OnGridRightClickCell = [&](QObject* sender, int, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnRightClickCell(&g, 1, 1); }, &g, false},
        {"OnGridScrollHint", [&] { d.OnGridScrollHint = [&](QObject* sender, int, QString&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnScrollHint(&g, 1, s); }, &g, false},
        {"OnGridTopLeftChanged", [&] { d.OnGridTopLeftChanged = [&](QObject* sender) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnTopLeftChanged(&g); }, &d, false},
        {"OnGridSearchEditChange", [&] { d.OnGridSearchEditChange = [&](QObject* sender, const QString&, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnSearchEditChange(&g, QString(), b); }, &g, false},
        {"OnGridAutoAddRow", [&] { d.OnGridAutoAddRow = [&](QObject* sender, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnAutoAddRow(&g, 1); }, &g, false},
        {"OnGridInsertRow", [&] { d.OnGridInsertRow = [&](QObject* sender, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnAutoInsertRow(&g, 1); }, &g, false},
        {"OnGridInsertCol", [&] { d.OnGridInsertCol = [&](QObject* sender, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnAutoInsertCol(&g, 1); }, &g, false},
        {"OnGridDeleteRow", [&] { d.OnGridDeleteRow = [&](QObject* sender, int) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnAutoDeleteRow(&g, 1); }, &g, false},
        {"OnGridCanAddRow", [&] { d.OnGridCanAddRow = [&](QObject* sender, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnCanAddRow(&g, b); }, &g, false},
        {"OnGridCanInsertRow", [&] { d.OnGridCanInsertRow = [&](QObject* sender, int, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnCanInsertRow(&g, 1, b); }, &g, false},
        {"OnGridCanDeleteRow", [&] { d.OnGridCanDeleteRow = [&](QObject* sender, int, bool&) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnCanDeleteRow(&g, 1, b); }, &g, false},
        {"OnGridCheckBoxClick", [&] { d.OnGridCheckBoxClick = [&](QObject* sender, int, int, bool) { seen = sender; blocked = d.DropDownForm()->BlockActivate; }; }, [&] { g.OnCheckBoxClick(&g, 0, 1, true); }, &g, false},
    };
    for (const Forwarded& f : table) f.Assign();
    // The events are connected when the pop-up opens (the custom drawing
    // only while its events are assigned).
    d.ShowDropDown();
    ASSERT_TRUE(d.DroppedDown());
    for (const Forwarded& f : table) {
        seen = nullptr;
        blocked = false;
        f.Fire();
        EXPECT_EQ(seen, f.Sender) << f.Event;
        EXPECT_EQ(blocked, f.Blocks) << f.Event;
        EXPECT_FALSE(d.DropDownForm()->BlockActivate) << f.Event << ": blocked after the event";
    }
    d.HideDropDown(true);
}

TEST(GridDropDownEvents, ValuesPreparedBeforeTheEvent)
{
    PickerHost<TCustomExGridDropDown> host;
    TCustomExGridDropDown& d = *host.Picker;
    d.Columns().Add().Alignment = grid::taRightJustify;
    d.Columns()[0].Color = 0x123456;
    d.Items().Add({QStringLiteral("a")});
    grid::TAlignment seenAlign = grid::taLeftJustify;
    TColor seenColor = clNone;
    QString seenFormat = QStringLiteral("unset");
    d.OnGridGetAlignment = [&](QObject*, int, int, grid::TAlignment& h, grid::TVAlignment&) { seenAlign = h; };
    d.OnGridGetCellColor = [&](QObject*, int, int, platform::TGridDrawState, platform::TBrush& b, platform::TFont&) {
        seenColor = b.Color;
    };
    d.OnGridGetFloatFormat = [&](QObject*, int, int, bool&, QString& f) { seenFormat = f; };
    d.ShowDropDown();
    auto& g = *d.GetGrid();
    grid::TAlignment h = grid::taCenter;
    grid::TVAlignment v = grid::vtaTop;
    g.OnGetAlignment(&g, 1, 0, h, v);
    EXPECT_EQ(seenAlign, grid::taRightJustify);
    // A column beyond Columns keeps what the grid passed.
    h = grid::taCenter;
    g.OnGetAlignment(&g, 1, 5, h, v);
    EXPECT_EQ(seenAlign, grid::taCenter);
    platform::TBrush brush;
    platform::TFont font;
    g.OnGetCellColor(&g, 1, 0, 0, brush, font);
    EXPECT_EQ(seenColor, 0x123456u);
    bool isFloat = true;
    QString format = QStringLiteral("%.2f");
    g.OnGetFloatFormat(&g, 0, 1, isFloat, format);
    EXPECT_EQ(seenFormat, QString());
    d.HideDropDown(true);
}

TEST(GridDropDownEvents, BalloonRenewedOncePerOpeningWhenEnabled)
{
    PickerHost<TCustomExGridDropDown> host;
    TCustomExGridDropDown& d = *host.Picker;
    d.Columns().Add();
    d.Items().Add({QStringLiteral("a")});
    auto& g = *d.GetGrid();
    int changes = 0;
    g.Balloon().SetEnable(true);
    g.Balloon().OnEnableChange = [&](void*) { ++changes; };
    int moves = 0;
    d.OnGridMouseMove = [&](QObject*, platform::TShiftState, int, int) { ++moves; };
    d.ShowDropDown();
    g.OnMouseMove(&g, 0, 1, 1);
    g.OnMouseMove(&g, 0, 2, 2);
    EXPECT_EQ(changes, 2);  // off and on again, once
    EXPECT_EQ(moves, 2);
    d.HideDropDown(true);
    d.ShowDropDown();
    g.OnMouseMove(&g, 0, 1, 1);
    EXPECT_EQ(changes, 4);
    d.HideDropDown(true);
    g.Balloon().SetEnable(false);
    changes = 0;
    d.ShowDropDown();
    g.OnMouseMove(&g, 0, 1, 1);
    EXPECT_EQ(changes, 0);
    d.HideDropDown(true);
}
