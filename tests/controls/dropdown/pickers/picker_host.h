#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "controls/dropdown/base/dropdown_form.h"
#include "platform/input_state.h"

namespace dropdown_testing {

// A shown window holding one picker with the focus.
template <class Picker>
struct PickerHost {
    PickerHost()
    {
        platform::setKeyboardStateOverride(0);
        Window.resize(320, 240);
        Edit = new Picker(&Window);
        Edit->move(20, 20);
        Window.show();
        Window.activateWindow();
        (void)QTest::qWaitForWindowExposed(&Window, 1000);
        Edit->setFocus();
        QApplication::processEvents();
    }
    ~PickerHost() { platform::clearKeyboardStateOverride(); }
    PickerHost(const PickerHost&) = delete;
    PickerHost& operator=(const PickerHost&) = delete;

    QWidget Window;
    Picker* Edit;
};

}  // namespace dropdown_testing
