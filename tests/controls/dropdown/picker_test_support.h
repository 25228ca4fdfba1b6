#pragma once

// Hosts for the pickers' tests: a shown window with one picker, and the
// saving of screenshots for a person to look at.

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "controls/dropdown/base/dropdown_form.h"
#include "platform/format_settings.h"
#include "platform/input_state.h"

namespace dropdown_testing {

// A shown window holding a picker of type T with the focus; no key counts
// as held while it lives.
template <class T>
struct PickerHost {
    PickerHost()
    {
        platform::setKeyboardStateOverride(0);
        Window.resize(320, 260);
        Picker = new T(&Window);
        Picker->move(20, 20);
        Window.show();
        Window.activateWindow();
        (void)QTest::qWaitForWindowExposed(&Window, 1000);
        Picker->setFocus();
        QApplication::processEvents();
    }
    ~PickerHost() { platform::clearKeyboardStateOverride(); }
    PickerHost(const PickerHost&) = delete;
    PickerHost& operator=(const PickerHost&) = delete;
    // The window with the open pop-up painted where the screen shows it.
    QImage Screenshot()
    {
        QImage sheet(Window.size() + QSize(0, 0), QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        painter.drawPixmap(0, 0, Window.grab());
        if (Picker->DroppedDown()) {
            auto* form = Picker->DropDownForm();
            const QPoint at = form->geometry().topLeft() - Window.mapToGlobal(QPoint(0, 0));
            painter.drawPixmap(at, form->grab());
        }
        return sheet;
    }
    QWidget Window;
    T* Picker;
};

// Number and time separators for the lifetime of the scope; the settings
// before it come back afterwards.
struct FormatSettingsScope {
    FormatSettingsScope(QChar decimal, QChar thousand, QChar time = u':') : Saved(platform::formatSettings())
    {
        platform::formatSettings().DecimalSeparator = decimal;
        platform::formatSettings().ThousandSeparator = thousand;
        platform::formatSettings().TimeSeparator = time;
    }
    ~FormatSettingsScope() { platform::formatSettings() = Saved; }
    FormatSettingsScope(const FormatSettingsScope&) = delete;
    FormatSettingsScope& operator=(const FormatSettingsScope&) = delete;
    platform::FormatSettings Saved;
};

// Saves a screenshot into the working folder (the build folder under ctest).
inline void saveScreenshot(const QImage& image, const QString& name)
{
    const QString path = QDir::current().absoluteFilePath(name);
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    std::printf("screenshot: %s\n", qPrintable(path));
}

}  // namespace dropdown_testing
