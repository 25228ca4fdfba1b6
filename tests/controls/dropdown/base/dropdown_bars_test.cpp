#include <gtest/gtest.h>

#include <climits>

#include <QApplication>
#include <QEnterEvent>
#include <QTest>

#include "controls/dropdown/base/dropdown_bars.h"
#include "controls/dropdown/dropdown_test_support.h"

using namespace dropdown;
using namespace dropdown_testing;

namespace {

// A drop-down whose pop-up is 200 pixels wide, opened.
struct BarHost : DropDownHost {
    BarHost()
    {
        Edit->SetDropDownWidth(200);
        Edit->SetDropDownHeight(120);
    }
    TExHeader& Header() { return *Form().Header(); }
    TExFooter& Footer() { return *Form().Footer(); }
    void Open()
    {
        Edit->ShowDropDown();
        ASSERT_TRUE(Edit->DroppedDown());
    }
};

QImage grabBar(QWidget& bar) { return bar.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The pointer comes over a widget.
void sendEnter(QWidget& widget)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&widget, &enter);
}

}  // namespace

TEST(DropDownBars, ButtonAreas)
{
    BarHost host;
    host.Open();
    // A 22-pixel header has a 17-pixel area, the footer 18; the grip takes 12 more.
    EXPECT_EQ(host.Header().GetButtonArea(), platform::TRect(2, 2, 196, 19));
    EXPECT_EQ(host.Footer().GetButtonArea(), platform::TRect(2, 2, 184, 20));
    host.Edit->HideDropDown(false);
    host.Edit->SetDropDownSizeable(false);
    host.Open();
    EXPECT_EQ(host.Footer().GetButtonArea(), platform::TRect(2, 2, 196, 20));
}

TEST(DropDownBars, ButtonsArePackedFromTheRightOrTheLeft)
{
    BarHost host;
    THeaderButtons& items = host.Edit->DropDownHeader().Buttons();
    const int widths[] = {30, 40, 50};
    for (int w : widths) {
        THeaderButton& item = items.Add();
        item.SetCaption(QStringLiteral("b"));
        item.SetWidth(w);
        item.SetHeight(10);
    }
    items[2].SetHeight(30);  // taller than the area: cut to 17
    host.Open();
    TExHeader& header = host.Header();
    ASSERT_EQ(header.ButtonCount(), 3);
    // The first item is the rightmost; the buttons touch.
    EXPECT_EQ(header.Button(0)->geometry(), QRect(166, 4, 30, 10));
    EXPECT_EQ(header.Button(1)->geometry(), QRect(126, 4, 40, 10));
    EXPECT_EQ(header.Button(2)->geometry(), QRect(76, 2, 50, 17));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(header.Button(i)->Tag, i);
    host.Edit->HideDropDown(false);

    host.Edit->DropDownHeader().SetButtonAlignment(baLeft);
    host.Open();
    EXPECT_EQ(host.Header().Button(0)->x(), 2);
    EXPECT_EQ(host.Header().Button(1)->x(), 32);
    EXPECT_EQ(host.Header().Button(2)->x(), 72);
}

TEST(DropDownBars, ButtonsSizeToTheirContent)
{
    BarHost host;
    host.Edit->DropDownFooter().Buttons().Add().SetCaption(QStringLiteral("Cancel"));
    host.Open();
    TExButton& button = *host.Footer().Button(0);
    PaintTarget t(1, 1);
    t.Canvas->Font = host.Edit->ButtonAppearance().Font();
    const QSize text = GetTextExtent(*t.Canvas, QStringLiteral("Cancel"));
    EXPECT_EQ(button.width(), text.width() + 8);
    EXPECT_EQ(button.height(), std::min(text.height() + 4, 18));
}

TEST(DropDownBars, FooterModalResultsClosePopup)
{
    struct Case {
        platform::TModalResult result;
        bool closes;
        bool cancelled;
    } cases[] = {
        {platform::mrNone, false, false}, {platform::mrOk, true, false},     {platform::mrCancel, true, true},
        {platform::mrAbort, true, true},  {platform::mrRetry, false, false}, {platform::mrIgnore, true, true},
        {platform::mrYes, true, false},   {platform::mrNo, true, true},      {platform::mrAll, true, false},
        {13, true, true},                 {14, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        BarHost host;
        host.Edit->DropDownFooter().Buttons().Add().SetCaption(QStringLiteral("first"));
        TFooterButton& item = host.Edit->DropDownFooter().Buttons().Add();
        item.SetCaption(QStringLiteral("second"));
        item.SetModalResult(c.result);
        std::vector<std::string> events;
        host.Edit->OnDropUp = [&](QObject*, bool cancelled) { events.push_back(cancelled ? "cancelled" : "accepted"); };
        host.Edit->OnDropDownFooterButtonClick = [&](QObject* sender, int index) {
            EXPECT_EQ(sender, host.Edit);
            events.push_back("click " + std::to_string(index));
        };
        host.Open();
        TExButton& button = *host.Footer().Button(1);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(host.Form().ModalResult, c.result);
        EXPECT_EQ(host.Edit->DroppedDown(), !c.closes);
        // The pop-up is hidden before the button's event is raised.
        std::vector<std::string> expected;
        if (c.closes) expected.push_back(c.cancelled ? "cancelled" : "accepted");
        expected.push_back("click 1");
        EXPECT_EQ(events, expected);
    }
}

TEST(DropDownBars, HeaderButtonsRaiseTheirEventOnly)
{
    BarHost host;
    host.Edit->DropDownHeader().Buttons().Add().SetCaption(QStringLiteral("A"));
    int clicked = -1;
    host.Edit->OnDropDownHeaderButtonClick = [&](QObject*, int index) { clicked = index; };
    host.Open();
    QTest::mouseClick(host.Header().Button(0), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(clicked, 0);
    EXPECT_TRUE(host.Edit->DroppedDown());
    // A press released outside is no click.
    clicked = -1;
    QTest::mousePress(host.Header().Button(0), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(host.Header().Button(0), Qt::LeftButton, {}, QPoint(-20, 2));
    EXPECT_EQ(clicked, -1);
}

TEST(DropDownBars, EnterOnAFocusedButtonHidesWithoutTheClickEvent)
{
    BarHost host;
    TFooterButton& item = host.Edit->DropDownFooter().Buttons().Add();
    item.SetCaption(QStringLiteral("OK"));
    item.SetModalResult(platform::mrOk);
    int clicks = 0;
    std::vector<bool> ups;
    host.Edit->OnDropDownFooterButtonClick = [&](QObject*, int) { ++clicks; };
    host.Edit->OnDropUp = [&](QObject*, bool cancelled) { ups.push_back(cancelled); };
    host.Open();
    QTest::keyClick(host.Footer().Button(0), Qt::Key_Return);
    EXPECT_FALSE(host.Edit->DroppedDown());
    EXPECT_EQ(ups, std::vector<bool>{false});
    EXPECT_EQ(clicks, 0);
}

TEST(DropDownBars, DisabledItemsGiveDisabledButtons)
{
    BarHost host;
    host.Edit->DropDownFooter().Buttons().Add().SetEnabled(false);
    int clicks = 0;
    host.Edit->OnDropDownFooterButtonClick = [&](QObject*, int) { ++clicks; };
    host.Open();
    TExButton& button = *host.Footer().Button(0);
    EXPECT_FALSE(button.isEnabled());
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(clicks, 0);
}

TEST(DropDownBars, BackgroundBorderAndCaption)
{
    BarHost host;
    THeaderAppearance& header = host.Edit->DropDownHeader();
    header.SetColor(0x00204060);
    header.SetColorTo(clNone);
    header.SetBorderColor(clBlue);
    header.SetCaption(QStringLiteral("Title"));
    header.Font().Color = clBlack;
    host.Open();
    const QImage image = grabBar(host.Header());
    // The bottom line in the border colour, over it a frame of 20 % of it in white.
    EXPECT_EQ(PixelAt(image, 100, 21), clBlue);
    EXPECT_EQ(PixelAt(image, 100, 20), BlendColor(clBlue, clWhite, 20));
    EXPECT_EQ(PixelAt(image, 100, 0), BlendColor(clBlue, clWhite, 20));
    EXPECT_EQ(PixelAt(image, 190, 10), 0x00204060u);
    // The caption: ink after the left border, centred vertically.
    int top = 99, bottom = -1, left = 999;
    for (int y = 2; y < 20; ++y)
        for (int x = 2; x < 190; ++x)
            if (PixelAt(image, x, y) == clBlack) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
    ASSERT_GE(bottom, top);
    EXPECT_GE(left, 1);
    EXPECT_LE(left, 4);
    EXPECT_NEAR((top + bottom) / 2.0, 10.5, 3);
}

TEST(DropDownBars, GetTextCanEmptyTheCaption)
{
    BarHost host;
    THeaderAppearance& header = host.Edit->DropDownHeader();
    header.SetColor(clWhite);
    header.SetColorTo(clNone);
    header.SetBorderColor(clNone);
    header.SetCaption(QStringLiteral("Title"));
    host.Edit->OnGetHeaderText = [](QObject*, QString& text) { text.clear(); };
    host.Open();
    const QImage image = grabBar(host.Header());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ASSERT_EQ(PixelAt(image, x, y), clWhite) << x << "," << y;
}

TEST(DropDownBars, DrawBackGroundReplacesThePainting)
{
    BarHost host;
    host.Edit->DropDownFooter().SetCaption(QStringLiteral("Footer"));
    host.Edit->DropDownFooter().Buttons().Add().SetCaption(QStringLiteral("OK"));
    host.Edit->OnDrawFooter = [](QObject*, platform::TCanvas& canvas, const platform::TRect& r) {
        canvas.Brush.Color = clLime;
        canvas.FillRect(r);
    };
    host.Open();
    TExFooter& footer = host.Footer();
    const QImage image = grabBar(footer);
    // No border, caption or grip: lime everywhere outside the button ...
    EXPECT_EQ(PixelAt(image, 0, 0), clLime);
    EXPECT_EQ(PixelAt(image, 10, 10), clLime);
    EXPECT_EQ(PixelAt(image, footer.width() - 6, footer.height() - 4), clLime);
    // ... and the button still draws its face.
    const QRect b = footer.Button(0)->geometry();
    EXPECT_NE(PixelAt(image, b.center().x(), b.bottom() - 1), clLime);
}

TEST(DropDownBars, FooterGrip)
{
    BarHost host;
    TFooterAppearance& footer = host.Edit->DropDownFooter();
    footer.SetBorderColor(0x00102030);
    host.Open();
    TExFooter& bar = host.Footer();
    const int w = bar.width(), h = bar.height();
    // The zone: the last 11 columns and 14 rows.
    EXPECT_TRUE(bar.InSizeGrip(QPoint(w - 11, h - 14)));
    EXPECT_FALSE(bar.InSizeGrip(QPoint(w - 12, h - 14)));
    EXPECT_FALSE(bar.InSizeGrip(QPoint(w - 11, h - 15)));
    // The grip's dots, L = width - border width - 16 and B = height: the dark
    // one (L + 12, B - 5) .. (L + 13, B - 4) in the border colour over the
    // white one (L + 13, B - 4) .. (L + 14, B - 3).
    const QImage image = grabBar(bar);
    const int l = w - 1 - 16;
    EXPECT_EQ(PixelAt(image, l + 12, h - 5), 0x00102030u);
    EXPECT_EQ(PixelAt(image, l + 13, h - 4), 0x00102030u);
    EXPECT_EQ(PixelAt(image, l + 14, h - 3), clWhite);
    EXPECT_EQ(PixelAt(image, l + 14, h - 4), clWhite);
    host.Edit->HideDropDown(false);

    // A pop-up that cannot be sized has neither dots nor zone.
    host.Edit->SetDropDownSizeable(false);
    host.Open();
    EXPECT_FALSE(host.Footer().InSizeGrip(QPoint(w - 5, h - 5)));
    EXPECT_NE(PixelAt(grabBar(host.Footer()), l + 12, h - 5), 0x00102030u);
}

TEST(DropDownBars, DbgListChecksTheUpperBound)
{
    TDbgList<int> list;
    list.Add(7);
    EXPECT_EQ(list.Items(0), 7);
    try {
        (void)list.Items(1);
        FAIL() << "no exception";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "Index out of bounds in list read access");
    }
    try {
        list.SetItems(1, 3);
        FAIL() << "no exception";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "Index out of bounds in list write access");
    }
    TDbgList<int> other;
    other.Add(1);
    other.Add(2);
    list.AssignList(other);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(1), 2);
}

TEST(DropDownBars, ButtonGroupsAndCheckButtons)
{
    QWidget parent;
    TExButtonAppearance look;
    TExButton* group[3];
    for (TExButton*& b : group) {
        b = new TExButton(&parent);
        b->SetAppearance(&look);
        b->SetGroupIndex(1);
    }
    parent.show();
    auto click = [](TExButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(3, 3)); };
    // One button of a group is down at a time.
    click(group[0]);
    EXPECT_TRUE(group[0]->Down());
    click(group[1]);
    EXPECT_TRUE(group[1]->Down());
    EXPECT_FALSE(group[0]->Down());
    // Without AllowAllUp the down button stays down.
    click(group[1]);
    EXPECT_TRUE(group[1]->Down());
    // With it, the group may be all up (the setting spreads through the group).
    group[2]->SetAllowAllUp(true);
    click(group[2]);
    EXPECT_TRUE(group[2]->Down());
    EXPECT_FALSE(group[1]->Down());
    EXPECT_TRUE(group[0]->AllowAllUp());
    click(group[2]);
    EXPECT_FALSE(group[2]->Down());

    // An ungrouped push button is never down; a check button toggles.
    TExButton push(&parent);
    push.SetDown(true);
    EXPECT_FALSE(push.Down());
    TExButton check(&parent);
    check.SetAppearance(&look);
    check.SetStyle(tasCheck);
    check.show();
    click(&check);
    EXPECT_TRUE(check.Down());
    click(&check);
    EXPECT_FALSE(check.Down());
}

TEST(DropDownBars, ButtonFaceByState)
{
    // Each state its own fill and frame; the first that holds of disabled,
    // pressed, latched down, hot or focused, and normal wins.
    struct Case {
        const char* name;
        std::function<void(TExButton&)> enter;
        TColor fill, frame;
    } cases[] = {
        {"normal", [](TExButton&) {}, 0x00000011, 0x00000012},
        {"hot", [](TExButton& b) { sendEnter(b); }, 0x00000021, 0x00000022},
        {"focused",
         [](TExButton& b) {
             QApplication::processEvents();  // the pop-up's activation arrives
             b.setFocus();
         },
         0x00000021, 0x00000022},
        {"pressed", [](TExButton& b) { sendEnter(b); QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(2, 2)); },
         0x00000031, 0x00000032},
        {"latched down", [](TExButton& b) { b.SetGroupIndex(1); b.SetDown(true); }, 0x00000041, 0x00000042},
        {"latched down and hot", [](TExButton& b) { b.SetGroupIndex(1); b.SetDown(true); sendEnter(b); },
         0x00000041, 0x00000042},
        {"latched down and pressed",
         [](TExButton& b) {
             b.SetGroupIndex(1);
             b.SetDown(true);
             sendEnter(b);
             QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(2, 2));
         },
         0x00000031, 0x00000032},
        {"disabled and hot", [](TExButton& b) { b.setEnabled(false); sendEnter(b); }, 0x00000051, 0x00000052},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BarHost host;
        TExButtonAppearance& a = host.Edit->ButtonAppearance();
        a.SetColor(0x00000011);
        a.SetColorTo(clNone);
        a.SetBorderColor(0x00000012);
        a.SetColorHot(0x00000021);
        a.SetColorHotTo(clRed);  // not used by the bar buttons
        a.SetBorderColorHot(0x00000022);
        a.SetColorDown(0x00000031);
        a.SetColorDownTo(clRed);  // not used either
        a.SetBorderColorDown(0x00000032);
        a.SetColorChecked(0x00000041);
        a.SetBorderColorChecked(0x00000042);
        a.SetColorDisabled(0x00000051);
        a.SetColorDisabledTo(clNone);
        a.SetBorderColorDisabled(0x00000052);
        host.Edit->DropDownFooter().Buttons().Add().SetWidth(30);
        host.Open();
        TExButton& button = *host.Footer().Button(0);
        c.enter(button);
        const QImage face = grabBar(button);
        EXPECT_EQ(PixelAt(face, 0, 0), c.frame);
        EXPECT_EQ(PixelAt(face, face.width() - 1, face.height() - 1), c.frame);
        EXPECT_EQ(PixelAt(face, 2, 2), c.fill);
        EXPECT_EQ(PixelAt(face, face.width() - 3, face.height() - 3), c.fill);
    }
}

TEST(DropDownBars, CaptionPlaceBesideTheButtons)
{
    // The caption's ink box in a plain 22-pixel header: a caption lower than
    // the room is centred, a taller one starts at the top; it ends 2 pixels
    // before the last button.
    struct Ink {
        int left = 999, top = 999, right = -1, bottom = -1;
    };
    auto inkOf = [](const QImage& image, int right) {
        Ink ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < std::min(right, image.width()); ++x)
                if (PixelAt(image, x, y) != clWhite) {
                    ink.left = std::min(ink.left, x);
                    ink.top = std::min(ink.top, y);
                    ink.right = std::max(ink.right, x);
                    ink.bottom = std::max(ink.bottom, y);
                }
        return ink;
    };
    auto open = [](BarHost& host, const QString& caption, bool withButton) {
        THeaderAppearance& header = host.Edit->DropDownHeader();
        header.SetColor(clWhite);
        header.SetColorTo(clNone);
        header.SetBorderColor(clNone);
        header.SetBorderWidth(1);
        header.Font().Color = clBlack;
        header.SetCaption(caption);
        if (withButton) header.Buttons().Add().SetWidth(60);
        host.Edit->ButtonAppearance().SetColor(clNone);  // the caption would show through the button
        host.Edit->ButtonAppearance().SetBorderColor(clNone);
        host.Open();
    };
    {
        BarHost host;
        open(host, QStringLiteral("Mg"), false);
        const Ink ink = inkOf(grabBar(host.Header()), INT_MAX);
        ASSERT_GE(ink.bottom, ink.top);
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 11, 3);
        EXPECT_GT(ink.top, 2);
    }
    {
        BarHost host;
        open(host, QStringLiteral("Mg<br>Mg<br>Mg"), false);
        const Ink ink = inkOf(grabBar(host.Header()), INT_MAX);
        EXPECT_LE(ink.top, 3);  // from the top of the room inside the border
        EXPECT_EQ(ink.bottom, 20);  // cut at the bottom of the room inside the border
    }
    {
        BarHost host;
        open(host, QString(40, u'M'), true);
        TExHeader& header = host.Header();
        const Ink ink = inkOf(grabBar(header), header.Button(0)->x());
        EXPECT_LT(ink.right, header.Button(0)->x() - 2);
        EXPECT_GT(ink.right, header.Button(0)->x() - 20);
    }
}
