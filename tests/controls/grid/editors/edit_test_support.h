#pragma once

#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "platform/input_state.h"

namespace edit_testing {

// Counts the beeps of refused input for the life of the object.
class BeepCounter {
public:
    BeepCounter() { platform::setBeepHandler([this] { ++count_; }); }
    ~BeepCounter() { platform::setBeepHandler({}); }
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;
    int count() const { return count_; }

private:
    int count_ = 0;
};

// A shown, active form for controls under test, with a plain edit that can
// take the focus away from them.
struct TestForm {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit* other = nullptr;

    explicit TestForm(QSize size = QSize(320, 200))
    {
        window->resize(size);
        other = new QLineEdit(window.get());
        other->setGeometry(10, size.height() - 30, 100, 22);
    }
    // Shows the form and gives `focus` the keyboard focus.
    bool show(QWidget* focus)
    {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) return false;
        if (focus) focus->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        return true;
    }
};

}  // namespace edit_testing
