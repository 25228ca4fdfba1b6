#include <gtest/gtest.h>

#include <QCoreApplication>

#include "controls/grid/paint/frame_paint.h"
#include "controls/grid/paint/theme_notifier.h"
#include "controls/grid/paint/paint_test_support.h"

// Each test file keeps its names in its own namespace (the tests are built in batches).
namespace grid::paint::paint_theme_test {

using namespace paint_test_support;
using platform::TRect;

TEST(PaintFrame, FlatBorderOnlyForTheFlatLooks)
{
    EXPECT_TRUE(DrawsFlatBorder(glXP, true, 0xB99D7F, false));
    EXPECT_TRUE(DrawsFlatBorder(glSoft, true, 0xB99D7F, false));
    EXPECT_FALSE(DrawsFlatBorder(glStandard, true, 0xB99D7F, false));
    EXPECT_FALSE(DrawsFlatBorder(glClassic, true, 0xB99D7F, false));
    EXPECT_FALSE(DrawsFlatBorder(glXP, true, clNone, false));
    EXPECT_FALSE(DrawsFlatBorder(glXP, false, 0xB99D7F, false));
    EXPECT_FALSE(DrawsFlatBorder(glXP, true, 0xB99D7F, true));

    PaintTarget plain(50, 30);
    PaintFlatBorder(*plain.Canvas, 50, 30, clRed, false, clNone, true);
    EXPECT_EQ(plain.At(0, 15), clRed);
    EXPECT_EQ(plain.At(49, 15), clRed);
    EXPECT_EQ(plain.At(25, 29), clRed);
    EXPECT_EQ(plain.At(25, 15), clWhite);

    PaintTarget fit(50, 30);
    PaintFlatBorder(*fit.Canvas, 50, 30, clRed, true, clBlue, true);
    EXPECT_EQ(fit.At(0, 15), clBlue);  // the outermost pixel in the parent's colour
    EXPECT_EQ(fit.At(1, 15), clRed);
    EXPECT_EQ(fit.At(48, 15), clRed);
    EXPECT_EQ(fit.At(25, 0), clBlue);
}

TEST(PaintFrame, EmptyAreasBesideAndBelowTheCells)
{
    TEmptyAreaInput in;
    in.Client = TRect(0, 0, 300, 200);
    in.LastColumnCell = TRect(150, 0, 200, 20);
    in.LastRowCell = TRect(0, 100, 50, 120);
    std::vector<TRect> areas = EmptyAreaRects(in);
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0], TRect(201, 0, 300, 200));
    EXPECT_EQ(areas[1], TRect(0, 121, 300, 200));
    in.RowsOverflow = in.ColumnsOverflow = true;
    EXPECT_TRUE(EmptyAreaRects(in).empty());
    in.RowsOverflow = false;
    in.LastColumnInView = false;
    EXPECT_EQ(EmptyAreaRects(in).size(), 1u);
}

TEST(PaintFrame, BackgroundOutsideTheCellsOnly)
{
    const std::vector<TRect> areas{TRect(60, 0, 100, 50), TRect(0, 40, 100, 50)};
    TBackGround bg;
    bg.SetDisplay(bdGradientVert);
    bg.SetColor(0x0000FF);
    bg.SetColorTo(clNone);
    PaintTarget none(100, 50);
    PaintBackgroundOutsideCells(*none.Canvas, areas, TRect(0, 0, 100, 50), bg, QPoint(0, 0));
    EXPECT_EQ(none.CountNot(QRect(0, 0, 100, 50), Qt::white), 0);  // no end colour: nothing

    bg.SetColorTo(0xFF0000);
    PaintTarget g(100, 50);
    PaintBackgroundOutsideCells(*g.Canvas, areas, TRect(0, 0, 100, 50), bg, QPoint(0, 0));
    EXPECT_EQ(g.At(30, 20), clWhite);       // a cell: untouched
    EXPECT_EQ(g.At(80, 0), 0x0000FFu);      // one gradient over the whole client area
    EXPECT_EQ(g.At(80, 49) & 0xFF, 0u);
    EXPECT_GT(g.At(10, 45) >> 16, 0xB0u);   // the bottom area, near the end colour

    QImage tile(10, 10, QImage::Format_RGB32);
    tile.fill(Qt::green);
    tile.setPixelColor(0, 0, Qt::red);
    bg.SetBitmap(tile);
    bg.SetDisplay(bdTile);
    PaintTarget t(100, 50);
    PaintBackgroundOutsideCells(*t.Canvas, areas, TRect(0, 0, 100, 50), bg, QPoint(5, 5));
    // Tiles laid from one pixel up and left of the origin (5, 5): tile pixel (0, 0) at (4 + 10k, 4 + 10k).
    EXPECT_EQ(t.At(64, 14), clRed);
    EXPECT_EQ(t.At(65, 14), clLime);
    EXPECT_EQ(t.At(64, 4), clWhite);  // above the origin
    EXPECT_EQ(t.At(5, 5), clWhite);
    bg.SetCells(bcFixed);
    PaintTarget f(100, 50);
    PaintBackgroundOutsideCells(*f.Canvas, areas, TRect(0, 0, 100, 50), bg, QPoint(5, 5));
    EXPECT_EQ(f.CountNot(QRect(0, 0, 100, 50), Qt::white), 0);
}

TEST(PaintFrame, SizeLinesEraseThemselves)
{
    PaintTarget t(40, 40);
    DrawColSizeLine(*t.Canvas, 10, 40);
    t.Done();
    const QImage once = t.Image;
    EXPECT_NE(once.pixelColor(10, 0), QColor(Qt::white));
    PaintTarget u(40, 40);
    DrawColSizeLine(*u.Canvas, 10, 40);
    DrawColSizeLine(*u.Canvas, 10, 40);
    DrawRowSizeLine(*u.Canvas, 5, 40);
    DrawRowSizeLine(*u.Canvas, 5, 40);
    EXPECT_EQ(u.CountNot(QRect(0, 0, 40, 40), Qt::white), 0);
}

TEST(PaintFrame, RotatedTextSize)
{
    EXPECT_EQ(RotatedTextSize(40, 16, 90), QPoint(28, 52));
    EXPECT_EQ(RotatedTextSize(40, 16, 0), QPoint(52, 28));
    EXPECT_EQ(RotatedTextSize(40, 16, 180), QPoint(52, 28));
}

TEST(PaintFrame, CellAlignment)
{
    struct Case {
        const char* Text;
        const char* Plain;
        bool Auto;
        std::optional<TAlignment> Own;
        TAlignment Expected;
    } cases[] = {
        {"12", "", true, std::nullopt, taRightJustify},
        {" -3 ", "", true, std::nullopt, taRightJustify},
        {"1e5", "", true, std::nullopt, taRightJustify},
        {"abc", "", true, std::nullopt, taLeftJustify},
        {"12", "", false, std::nullopt, taLeftJustify},
        {"12", "", true, taCenter, taCenter},
        {"=A1", "42", true, taCenter, taRightJustify},  // a formula: its raw text, no own alignment
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        const auto [ha, va] = CellAlignment(QString::fromLatin1(c.Text), QString::fromLatin1(c.Plain), c.Auto,
                                            taLeftJustify, vtaCenter, c.Own);
        EXPECT_EQ(ha, c.Expected);
        EXPECT_EQ(va, vtaCenter);
    }
}

TEST(PaintFrame, BalloonTextsAreCut)
{
    EXPECT_EQ(BalloonTipText(QString(3000, QChar('x'))).size(), 2048);
    EXPECT_TRUE(BalloonTipText(QString(3000, QChar('x'))).endsWith(QStringLiteral("x...")));
    EXPECT_EQ(BalloonTipText(QStringLiteral("\r\n\r\nab\tc")), QStringLiteral("ab c"));
    EXPECT_EQ(BalloonTipText(QString(2048, QChar('y'))).size(), 2048);
    const QString title = BalloonTipTitle(QString(120, QChar('t')));
    EXPECT_EQ(title.size(), 100);
    EXPECT_EQ(title.right(4), QStringLiteral("t..."));
    EXPECT_EQ(BalloonTipTitle(QStringLiteral("short")), QStringLiteral("short"));
}

TEST(PaintFrame, LookMenuCommandsAreLookOrdinalsPlusOne)
{
    const auto items = LookMenuItems();
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[0].first, QStringLiteral("Standard"));
    EXPECT_EQ(items[5].first, QStringLiteral("Office 2007"));
    EXPECT_EQ(TGridLook(items[5].second - 1), glOffice2007);
    EXPECT_EQ(items[8].first, QStringLiteral("Windows 7"));
    EXPECT_EQ(TGridLook(items[8].second - 1), glWin7);
}

TEST(PaintTheme, OfficeThemeFromTheSettingsValues)
{
    struct Case {
        int V14, V12, Xp;
        TOfficeTheme Expected;
    } cases[] = {
        {3, -1, 0, ot2010Black}, {1, 2, 0, ot2010Blue},  {0, 3, 0, ot2003Blue},  // 14.0 decides, 12.0 not read
        {-1, 2, 0, ot2007Silver}, {-1, 7, 0, ot2003Blue}, {-1, -1, 3, ot2003Silver},
        {-1, -1, 0, ot2003Classic}, {-1, -1, 2, ot2003Olive},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.V14 << "/" << c.V12 << "/" << c.Xp);
        EXPECT_EQ(OfficeThemeFromValues(c.V14, c.V12, c.Xp), c.Expected);
    }
    // No office suite on this system: nothing to follow.
    EXPECT_EQ(GetOfficeVersion(), 0);
    EXPECT_EQ(GetOfficeTheme(), otUnknown);
    EXPECT_EQ(DefaultUIFontName(), QStringLiteral("Tahoma"));
}

// Records the theme-changed messages it receives into a shared log.
class Receiver : public QObject {
public:
    Receiver(QString name, QStringList& log) : Name(std::move(name)), Log(log) {}
    bool event(QEvent* e) override
    {
        if (e->type() == TThemeChangedEvent::EventType)
            Log << Name + ":" + static_cast<TThemeChangedEvent*>(e)->KeyPath;
        return QObject::event(e);
    }
    QString Name;
    QStringList& Log;
};


TEST(PaintTheme, WithoutOfficeSuiteNothingIsWatched)
{
    QObject owner;
    TThemeNotifier* notifier = GetThemeNotifier(&owner);
    ASSERT_NE(notifier, nullptr);
    EXPECT_EQ(GetThemeNotifier(nullptr), notifier);  // one per application
    EXPECT_EQ(notifier->RegMonitorThread(), nullptr);
    QStringList log;
    Receiver window(QStringLiteral("w"), log);
    notifier->RegisterWindow(&window);  // ignored
    notifier->UnRegisterWindow(&window);
    EXPECT_TRUE(log.isEmpty());
}

TEST(PaintTheme, NotifierIsForgottenWithItsOwner)
{
    TThemeNotifier* first = nullptr;
    {
        QObject owner;
        first = GetThemeNotifier(&owner);
        EXPECT_EQ(first->parent(), &owner);
    }
    QObject other;
    TThemeNotifier* second = GetThemeNotifier(&other);
    EXPECT_EQ(second->parent(), &other);
}

TEST(PaintTheme, AWatcherSendsToTheHiddenWindowThenToEachWindowInOrder)
{
    QStringList log;
    auto watcher = std::make_unique<TRegMonitorThread>(QStringLiteral("HKEY_CURRENT_USER"),
                                                       QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common"));
    TRegMonitorThread* w = watcher.get();
    TThemeNotifier notifier(nullptr, std::move(watcher));
    notifier.OnOfficeThemeChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &notifier);
        log << QStringLiteral("notifier");
    };
    EXPECT_EQ(w->Filter(), 4);
    auto a = std::make_unique<Receiver>(QStringLiteral("a"), log);
    Receiver b(QStringLiteral("b"), log);
    notifier.RegisterWindow(&b);
    notifier.RegisterWindow(a.get());
    notifier.RegisterWindow(&b);  // listed once
    EXPECT_EQ(w->Count(), 2);
    QObject stranger;
    notifier.UnRegisterWindow(&stranger);  // not listed: nothing happens
    EXPECT_EQ(w->Count(), 2);
    w->Notify();
    EXPECT_EQ(log, (QStringList{"notifier", "b:Software\\Microsoft\\Office\\14.0\\Common",
                                "a:Software\\Microsoft\\Office\\14.0\\Common"}));
    // A window destroyed without unregistering is skipped.
    log.clear();
    a.reset();
    w->Notify();
    EXPECT_EQ(log.size(), 2);
    notifier.UnRegisterWindow(&b);
    EXPECT_FALSE(w->HasValue(&b));
}

TEST(PaintTheme, FilterZeroReadsAsFifteen)
{
    TRegMonitorThread w(QStringLiteral("root"), QStringLiteral("key"));
    EXPECT_EQ(w.Filter(), 15);
    w.SetFilter(4);
    EXPECT_EQ(w.Filter(), 4);
}

}  // namespace grid::paint::paint_theme_test
