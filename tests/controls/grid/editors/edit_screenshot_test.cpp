#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include "controls/grid/editors/esg_combo.h"
#include "controls/grid/editors/esg_spin_edit.h"
#include "controls/grid/editors/edit_test_support.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using grid_text_testing::FormatSettingsScope;

// Pictures of the editor controls for a person to look at, written to the
// working folder (the build folder under ctest).
namespace edit_screenshot_detail {

QString saveShot(const QImage& image, const QString& name)
{
    const QString path = QDir::current().absoluteFilePath(name);
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    return path;
}

std::unique_ptr<QWidget> shotForm(QSize size)
{
    auto form = std::make_unique<QWidget>();
    form->resize(size);
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, QColor(236, 236, 236));
    form->setPalette(pal);
    form->setAutoFillBackground(true);
    return form;
}

QLabel* caption(QWidget* form, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, form);
    label->move(x, y);
    return label;
}

bool showForm(QWidget& form)
{
    form.show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

}  // namespace edit_screenshot_detail

TEST(EditScreenshots, SpinEdits)
{
    FormatSettingsScope settings(u'.', u',', u'/', QStringLiteral("dd/mm/yyyy"), u':');
    platform::formatSettings().LongTimeFormat = QStringLiteral("hh:nn:ss");
    auto form = edit_screenshot_detail::shotForm(QSize(420, 250));
    struct Row {
        const char* title;
        std::function<void(TEsgSpinEdit&)> setUp;
    };
    const Row rows[] = {
        {"whole number", [](TEsgSpinEdit& s) { s.SetValue(42); }},
        {"float, 2 decimals",
         [](TEsgSpinEdit& s) {
             s.SetSpinType(sptFloat);
             s.SetPrecision(2);
             s.SetFloatValue(3.14159);
         }},
        {"date",
         [](TEsgSpinEdit& s) {
             s.SetSpinType(sptDate);
             s.SetDateValue(DateTimeFromQt(QDate(2024, 2, 29)));
         }},
        {"time",
         [](TEsgSpinEdit& s) {
             s.SetSpinType(sptTime);
             s.SetTimeValue(DateTimeFromQt(QDate(1899, 12, 30), QTime(23, 30, 15)));
         }},
        {"themed buttons", [](TEsgSpinEdit& s) { s.SetIsWinXP(true); s.SetValue(7); }},
        {"button colours", [](TEsgSpinEdit& s) { s.Button()->SetButtonColor(0x00F0D0A0); s.SetValue(99); }},
        {"horizontal, no frame",
         [](TEsgSpinEdit& s) {
             s.setFrame(false);
             s.SetDirection(spHorizontal);
             s.SetValue(5);
         }},
        {"right aligned, disabled",
         [](TEsgSpinEdit& s) {
             s.SetEditAlign(eaRight);
             s.SetMaxValue(9999);
             s.SetValue(1234);
             s.setEnabled(false);
         }},
    };
    int y = 8;
    std::vector<TEsgSpinEdit*> spins;
    for (const auto& row : rows) {
        edit_screenshot_detail::caption(form.get(), QString::fromLatin1(row.title), 10, y + 4);
        auto* spin = new TEsgSpinEdit(form.get());
        spin->setGeometry(160, y, 140, 24);
        row.setUp(*spin);
        spins.push_back(spin);
        y += 29;
    }
    ASSERT_TRUE(edit_screenshot_detail::showForm(*form));
    // The pressed look of one button.
    QTest::mousePress(spins[0]->Button()->UpButton(), Qt::LeftButton);
    const QImage image = form->grab().toImage();
    QTest::mouseRelease(spins[0]->Button()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(spins[0]->text(), QStringLiteral("43"));
    edit_screenshot_detail::saveShot(image, QStringLiteral("edit_spin_edits.png"));
}

TEST(EditScreenshots, FlatComboClosedAndOpen)
{
    auto form = edit_screenshot_detail::shotForm(QSize(420, 260));
    struct Row {
        const char* title;
        std::function<void(TEsgComboBox&)> setUp;
    };
    const Row rows[] = {
        {"platform look", [](TEsgComboBox&) {}},
        {"flat", [](TEsgComboBox& c) { c.SetFlat(true); c.SetFlatParentColor(false); c.SetColor(clWindow); }},
        {"flat with line", [](TEsgComboBox& c) { c.SetFlat(true); c.SetFlatLineColor(clNavy); }},
        {"button colours",
         [](TEsgComboBox& c) {
             c.SetButtonColor(0x00F0D0A0);
             c.SetButtonTextColor(clNavy);
             c.SetButtonBorderColor(clGray);
         }},
        {"border colour", [](TEsgComboBox& c) { c.SetBorderColor(clBlue); }},
        {"list style", [](TEsgComboBox& c) { c.SetStyle(csDropDownList); c.SetItemIndex(2); }},
        {"disabled", [](TEsgComboBox& c) { c.setEnabled(false); }},
    };
    std::vector<TEsgComboBox*> combos;
    int y = 8;
    for (const auto& row : rows) {
        edit_screenshot_detail::caption(form.get(), QString::fromLatin1(row.title), 10, y + 4);
        auto* combo = new TEsgComboBox(form.get());
        combo->setGeometry(160, y, 150, 24);
        for (const char* item : {"Apple", "Apricot", "Banana", "Cherry", "Damson"})
            combo->Items().Add(QString::fromLatin1(item));
        combo->SetText(QStringLiteral("Apricot"));
        row.setUp(*combo);
        combos.push_back(combo);
        y += 30;
    }
    ASSERT_TRUE(edit_screenshot_detail::showForm(*form));
    edit_screenshot_detail::saveShot(form->grab().toImage(), QStringLiteral("edit_flat_combo_closed.png"));

    // The list style combo opened: the list window is drawn onto the form's picture.
    TEsgComboBox* open = combos[5];
    open->setFocus();
    open->SetDroppedDown(true);
    QTest::qWait(50);
    ASSERT_TRUE(open->DroppedDown());
    QImage image = form->grab().toImage();
    QWidget* popup = open->view()->window();
    const QPoint at = popup->mapToGlobal(QPoint(0, 0)) - form->mapToGlobal(QPoint(0, 0));
    QImage sheet(form->width(), std::max(form->height(), at.y() + popup->height()), QImage::Format_ARGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter painter(&sheet);
    painter.drawImage(0, 0, image);
    painter.drawPixmap(at, popup->grab());
    painter.end();
    open->SetDroppedDown(false);
    edit_screenshot_detail::saveShot(sheet, QStringLiteral("edit_flat_combo_open.png"));
}
