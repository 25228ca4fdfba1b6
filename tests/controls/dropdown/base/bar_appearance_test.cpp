#include <gtest/gtest.h>

#include <QApplication>

#include "controls/dropdown/base/bar_appearance.h"

using namespace dropdown;

TEST(BarAppearance, Defaults)
{
    THeaderAppearance header;
    TFooterAppearance footer;
    for (const TBarAppearance* a : {static_cast<const TBarAppearance*>(&header),
                                    static_cast<const TBarAppearance*>(&footer)}) {
        EXPECT_EQ(a->Color(), clSilver);
        EXPECT_EQ(a->ColorTo(), clWhite);
        EXPECT_EQ(a->GradientDirection(), gdVertical);
        EXPECT_TRUE(a->Visible());
        EXPECT_EQ(a->Height(), 22);
        EXPECT_EQ(a->BorderColor(), clBlack);
        EXPECT_EQ(a->BorderWidth(), 1);
        EXPECT_EQ(a->ImageIndex(), -1);
        EXPECT_EQ(a->ButtonAlignment(), baRight);
        EXPECT_EQ(a->ButtonItems().Count(), 0);
    }
    EXPECT_TRUE(footer.SizeGrip());
    // The header asks for Tahoma; the footer keeps the default font.
    EXPECT_EQ(header.Font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(footer.Font().family(), QFont().family());

    TExButtonAppearance buttons;
    EXPECT_EQ(buttons.ColorChecked(), 0xF5D8CAu);
    EXPECT_EQ(buttons.ColorCheckedTo(), 0xF9BDA0u);
    EXPECT_EQ(buttons.BorderColorChecked(), 0xFF0000u);
    EXPECT_EQ(buttons.BorderColorDown(), 0x800000u);
    EXPECT_EQ(buttons.Color(), clNone);
    EXPECT_EQ(buttons.Font().family(), QStringLiteral("Tahoma"));
}

TEST(BarAppearance, OnlyAVisibleChangeIsAnnounced)
{
    THeaderAppearance header;
    int changes = 0, buttonChanges = 0;
    header.OnChange = [&] { ++changes; };
    header.OnButtonsChanged = [&] { ++buttonChanges; };
    header.SetHeight(30);
    header.SetColor(clRed);
    header.SetCaption(QStringLiteral("x"));
    header.SetVisible(true);
    EXPECT_EQ(changes, 0);
    header.SetVisible(false);
    EXPECT_EQ(changes, 1);

    THeaderButton& item = header.Buttons().Add();
    item.SetHeight(40);
    item.SetImageIndex(2);
    EXPECT_EQ(buttonChanges, 0);
    item.SetWidth(40);
    item.SetCaption(QStringLiteral("OK"));
    item.SetEnabled(false);
    EXPECT_EQ(buttonChanges, 3);
    item.SetWidth(40);
    EXPECT_EQ(buttonChanges, 3);
}

TEST(BarAppearance, AssignCopiesTheLookAndTheButtons)
{
    TFooterAppearance source;
    source.SetColor(0x00112233);
    source.SetColorTo(clNone);
    source.SetBorderColor(clRed);
    source.SetBorderWidth(2);
    source.SetCaption(QStringLiteral("<b>Footer</b>"));
    source.SetHeight(30);
    source.SetImageIndex(1);
    source.SetSizeGrip(false);
    source.SetGradientDirection(gdHorizontal);
    source.SetButtonAlignment(baLeft);
    source.SetVisible(false);
    platform::TFont font;
    font.setFamily(QStringLiteral("Courier"));
    font.Color = clBlue;
    source.SetFont(font);
    TFooterButton& b = source.Buttons().Add();
    b.SetCaption(QStringLiteral("Cancel"));
    b.SetModalResult(platform::mrCancel);
    b.SetWidth(50);
    b.SetHeight(12);

    TFooterAppearance target;
    int changes = 0;
    target.OnChange = [&] { ++changes; };
    target.Assign(source);
    EXPECT_EQ(target.Color(), 0x00112233u);
    EXPECT_EQ(target.ColorTo(), clNone);
    EXPECT_EQ(target.BorderColor(), clRed);
    EXPECT_EQ(target.BorderWidth(), 2);
    EXPECT_EQ(target.Caption(), QStringLiteral("<b>Footer</b>"));
    EXPECT_EQ(target.Height(), 30);
    EXPECT_EQ(target.ImageIndex(), 1);
    EXPECT_FALSE(target.SizeGrip());
    EXPECT_EQ(target.GradientDirection(), gdHorizontal);
    EXPECT_EQ(target.ButtonAlignment(), baLeft);
    EXPECT_FALSE(target.Visible());
    EXPECT_EQ(changes, 1);  // Visible goes through its setter
    EXPECT_EQ(target.Font().family(), QStringLiteral("Courier"));
    EXPECT_EQ(target.Font().Color, clBlue);
    ASSERT_EQ(target.Buttons().Count(), 1);
    EXPECT_EQ(target.Buttons()[0].Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(target.Buttons()[0].ModalResult(), platform::mrCancel);
    EXPECT_EQ(target.Buttons()[0].Width(), 50);
    EXPECT_EQ(target.Buttons()[0].Height(), 12);
    // A copy, not a share.
    source.Buttons()[0].SetCaption(QStringLiteral("Other"));
    EXPECT_EQ(target.Buttons()[0].Caption(), QStringLiteral("Cancel"));

    // AssignColors takes only colours, font and direction.
    THeaderAppearance h1, h2;
    h1.SetColor(clRed);
    h1.SetCaption(QStringLiteral("Head"));
    h1.SetHeight(40);
    h2.AssignColors(h1);
    EXPECT_EQ(h2.Color(), clRed);
    EXPECT_TRUE(h2.Caption().isEmpty());
    EXPECT_EQ(h2.Height(), 22);
}

TEST(BarAppearance, ButtonAppearanceAssignKeepsTheFont)
{
    TExButtonAppearance source, target;
    source.SetColor(clRed);
    source.SetColorTo(clBlue);
    source.SetBorderColorChecked(clLime);
    source.SetGradient(gdHorizontal);
    platform::TFont font;
    font.setFamily(QStringLiteral("Courier"));
    source.SetFont(font);
    int changes = 0;
    target.OnChange = [&] { ++changes; };
    target.Assign(source);
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.ColorTo(), clBlue);
    EXPECT_EQ(target.BorderColorChecked(), clLime);
    EXPECT_EQ(target.Gradient(), gdHorizontal);
    EXPECT_EQ(target.Font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(changes, 4);  // one per changed value
    target.SetColor(clRed);
    EXPECT_EQ(changes, 4);
}
