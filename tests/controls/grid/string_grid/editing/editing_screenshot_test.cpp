#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>

#include "controls/grid/editors/grid_button_editors.h"
#include "controls/grid/editors/grid_date_editors.h"
#include "controls/grid/string_grid/editing/editing_test_support.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using editing_testing::EditingGrid;

// Pictures of a grid with each of its editors open, for a person to look
// at; written next to the test program (in the build folder).
namespace editing_screenshot_detail {

struct Shot {
    const char* file;
    TEditorType kind;
    int col;
    int row;
    bool dropDown;
    // With the flat colour tones (Metro frame and tone-coloured buttons).
    bool tones = false;
};

paint::TColorTones FlatTones()
{
    paint::TColorTones t;
    t.Background = {0xF5EFE8, 0x9C7A4E, clBlack};
    t.Foreground = {0xE0C8A8, 0x9C7A4E, clBlack};
    t.Selected = {0xC08040, 0x804000, clWhite};
    t.Hover = {0xE8D0B0, 0x9C7A4E, clBlack};
    t.Disabled = {0xF0F0F0, 0xC0C0C0, clGray};
    return t;
}

// The form with the combo's opened list drawn where it shows on screen.
QImage grabWithPopup(QWidget& form, TGridCombo* combo)
{
    QImage image = form.grab().toImage();
    QWidget* popup = combo != nullptr && combo->view() ? combo->view()->window() : nullptr;
    if (popup != nullptr && popup->isVisible()) {
        QPainter painter(&image);
        painter.drawPixmap(form.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
    }
    return image;
}

}  // namespace editing_screenshot_detail

TEST(EditingScreenshots, GridWithEachEditorOpen)
{
    using editing_screenshot_detail::Shot;
    grid_text_testing::FormatSettingsScope formats(u'.', u',');
    const Shot shots[] = {
        {"editing_inline_edit.png", edNormal, 1, 2, false},
        {"editing_numeric_edit.png", edNumeric, 2, 2, false},
        {"editing_combo_list.png", edComboList, 2, 2, true},
        {"editing_combo_edit.png", edComboEdit, 3, 3, false},
        {"editing_spin_edit.png", edSpinEdit, 4, 2, false},
        {"editing_check_box.png", edCheckBox, 1, 3, false},
    };
    const QString folder = QCoreApplication::applicationDirPath();
    for (const Shot& s : shots) {
        SCOPED_TRACE(s.file);
        EditingGrid g;
        g.grid->SetColWidths(1, 120);
        g.grid->SetColWidths(2, 110);
        g.grid->SetColWidths(3, 110);
        g.grid->SetColWidths(4, 90);
        for (int r = 1; r < 6; ++r) g.grid->SetCellEx(4, r, QString::number(r * 10));
        g.grid->SetCellEx(2, 2, QStringLiteral("Apricot"));
        g.grid->SetCellEx(3, 3, QStringLiteral("Banana split"));
        g.grid->OnGetEditorType = [&](QObject*, int col, int row, TEditorType& kind) {
            if (col != s.col || row != s.row) return;
            kind = s.kind;
            g.grid->ClearComboString();
            for (const char* item : {"Apple", "Apricot", "Banana", "Cherry", "Kiwi"})
                g.grid->AddComboString(QString::fromLatin1(item));
        };
        ASSERT_TRUE(g.show());
        g.open(s.col, s.row);
        if (s.kind == edCheckBox) g.key(Qt::Key_Space);
        if (s.dropDown) g.grid->EditCombo()->SetDroppedDown(true);
        QApplication::processEvents();
        QTest::qWait(50);
        const QImage image = editing_screenshot_detail::grabWithPopup(*g.form.window, g.grid->EditCombo());
        const QString path = QDir(folder).absoluteFilePath(QString::fromLatin1(s.file));
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        EXPECT_TRUE(g.grid->EditMode);
        if (s.dropDown) g.grid->EditCombo()->SetDroppedDown(false);
    }
}

TEST(EditingScreenshots, GridWithEachControlEditorOpen)
{
    using editing_screenshot_detail::Shot;
    grid_text_testing::FormatSettingsScope formats(u'.', u',');
    const Shot shots[] = {
        {"editing_edit_btn.png", edEditBtn, 1, 2, false},
        {"editing_unit_edit.png", edUnitEditBtn, 4, 2, false},
        {"editing_button.png", edButton, 2, 3, false},
        {"editing_date_edit.png", edDateEdit, 3, 2, false},
        {"editing_date_calendar.png", edDateEdit, 3, 2, true},
        {"editing_time_edit.png", edTimeEdit, 2, 2, false},
        {"editing_date_time_edit.png", edDateTimeEdit, 1, 3, false},
        {"editing_rich_edit.png", edRichEdit, 2, 4, false},
        {"editing_unit_edit_tones.png", edUnitEditBtn, 4, 2, false, true},
        {"editing_date_calendar_tones.png", edDateEdit, 3, 2, true, true},
        {"editing_date_time_edit_tones.png", edDateTimeEdit, 1, 3, false, true},
    };
    const QString folder = QCoreApplication::applicationDirPath();
    for (const Shot& s : shots) {
        SCOPED_TRACE(s.file);
        EditingGrid g;
        g.grid->SetColWidths(1, 190);
        g.grid->SetColWidths(2, 110);
        g.grid->SetColWidths(3, 110);
        g.grid->SetColWidths(4, 90);
        g.grid->SetRowHeights(4, 40);
        g.grid->SetCellEx(4, 2, QStringLiteral("12.5 mm"));
        g.grid->SetCellEx(3, 2, QStringLiteral("05/01/2024"));
        g.grid->SetCellEx(2, 2, QStringLiteral("10:15:30"));
        g.grid->SetCellEx(1, 3, QStringLiteral("05/01/2024 10:30"));
        g.grid->SetCellEx(2, 3, QStringLiteral("Start"));
        g.grid->SetCellEx(2, 4, QStringLiteral("{\\rtf1 H{\\dn4 2}O {\\b bold}{\\cf1 ,} {\\i m}{\\up4 2}}"));
        g.grid->UnitEditBtn()->SetUnits({QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("kWh/m\u00b2")});
        if (s.tones) {
            // Room for the whole unit editor in the picture.
            g.grid->SetColWidths(1, 120);
            g.grid->SetColWidths(4, 130);
            g.grid->SetColorTones(editing_screenshot_detail::FlatTones());
            g.grid->SetCellEx(4, 2, QStringLiteral("12.5 kWh/m\u00b2"));
        }
        g.grid->OnGetEditorType = [&](QObject*, int col, int row, TEditorType& kind) {
            if (col == s.col && row == s.row) kind = s.kind;
        };
        ASSERT_TRUE(g.show());
        g.open(s.col, s.row);
        if (s.dropDown) {
            g.key(Qt::Key_F4);
            EXPECT_TRUE(g.grid->GetEditDate()->DroppedDown()) << "F4 opens the calendar";
        }
        QApplication::processEvents();
        QTest::qWait(50);
        QImage image = g.form.window->grab().toImage();
        if (s.dropDown && g.grid->GetEditDate()->calendarWidget() != nullptr) {
            QWidget* popup = g.grid->GetEditDate()->calendarWidget()->window();
            if (popup->isVisible()) {
                QPainter painter(&image);
                painter.drawPixmap(g.form.window->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
            }
        }
        const QString path = QDir(folder).absoluteFilePath(QString::fromLatin1(s.file));
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        EXPECT_TRUE(g.grid->EditMode);
        g.key(Qt::Key_Escape);
    }
}

TEST(EditingScreenshots, ColourTonesReachTheEditButtonsAndThePickers)
{
    EditingGrid g;
    const paint::TColorTones tones = editing_screenshot_detail::FlatTones();
    TGridDatePicker* before = g.grid->GetEditDate();
    g.grid->SetColorTones(tones);
    for (TEsgEditBtn* edit : {static_cast<TEsgEditBtn*>(g.grid->EditBtn()), static_cast<TEsgEditBtn*>(g.grid->UnitEditBtn())}) {
        EXPECT_EQ(edit->Button()->ButtonColor, tones.Background.BrushColor);
        EXPECT_EQ(edit->Button()->ButtonColorHot, tones.Hover.BrushColor);
        EXPECT_EQ(edit->Button()->ButtonColorDown, tones.Selected.BrushColor);
        EXPECT_EQ(edit->Button()->ButtonBorderColor, tones.Background.BorderColor);
    }
    EXPECT_TRUE(before->MetroStyle());
    EXPECT_EQ(before->BorderColor(), tones.Background.BrushColor);
    EXPECT_EQ(before->ButtonColours().ColorHot, tones.Hover.BrushColor);
    // A picker made after the tones takes them too.
    TGridDateTimePicker* later = g.grid->DateAndTimePicker();
    EXPECT_TRUE(later->IsMetroActive());
    EXPECT_EQ(later->ButtonColours().Color, tones.Background.BrushColor);
}
