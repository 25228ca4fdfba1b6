#include "controls/grid/paint/application_html_hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QToolTip>
#include <QWidget>

#include "controls/grid/paint/html_hint_window.h"

namespace grid {

namespace {

// Watches tool-tip requests of every widget and answers them with the
// mini-HTML hint window.
class THTMLHintFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        // Widgets that answer their hints themselves (the grids) keep doing so.
        if (widget->toolTip().isEmpty()) return false;
        try {
            if (FWindow == nullptr) FWindow = new THTMLHintWindow(nullptr);
            QToolTip::hideText();
            const QPoint at = static_cast<QHelpEvent*>(event)->globalPos() + QPoint(0, 20);
            FWindow->ActivateHint(QRect(at, QSize(0, 0)), widget->toolTip());
        } catch (...) {
            return false;  // the platform's tip instead
        }
        return true;
    }

public:
    ~THTMLHintFilter() override { delete FWindow.data(); }
    QWidget* Window() const { return FWindow; }

private:
    QPointer<THTMLHintWindow> FWindow;  // top-level, deleted with the filter
};

QPointer<THTMLHintFilter>& filter()
{
    static QPointer<THTMLHintFilter> instance;
    return instance;
}

}  // namespace

void SetApplicationHTMLHints(bool on)
{
    if (qApp == nullptr || on == ApplicationHTMLHints()) return;
    if (on) {
        filter() = new THTMLHintFilter(qApp);  // Qt child of the application
        qApp->installEventFilter(filter());
    } else {
        delete filter().data();
    }
}

bool ApplicationHTMLHints() { return filter() != nullptr; }

QWidget* ApplicationHintWindow() { return filter() != nullptr ? filter()->Window() : nullptr; }

}  // namespace grid
