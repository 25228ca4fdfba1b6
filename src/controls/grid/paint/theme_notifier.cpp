#include "controls/grid/paint/theme_notifier.h"

#include <QCoreApplication>

namespace grid::paint {

bool IsVistaOrLater() { return false; }
bool IsComCtlVersion6() { return true; }
bool IsWinXPOrLater() { return true; }
int GetXPThemeColor() { return 0; }
int GetOfficeVersion() { return 0; }
TOfficeTheme GetOfficeTheme() { return otUnknown; }
QString DefaultUIFontName() { return IsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma"); }

TOfficeTheme OfficeThemeFromValues(int theme14, int theme12, int xpThemeColor)
{
    if (theme14 != -1) {
        switch (theme14) {
        case 1: return ot2010Blue;
        case 2: return ot2010Silver;
        case 3: return ot2010Black;
        default: return ot2003Blue;
        }
    }
    if (theme12 != -1) {
        switch (theme12) {
        case 1: return ot2007Blue;
        case 2: return ot2007Silver;
        case 3: return ot2007Black;
        default: return ot2003Blue;
        }
    }
    switch (xpThemeColor) {
    case 1: return ot2003Blue;
    case 2: return ot2003Olive;
    case 3: return ot2003Silver;
    default: return ot2003Classic;
    }
}

void TRegMonitorThread::Add(QObject* window)
{
    if (window == nullptr) return;
    std::lock_guard lock(FLock);
    for (const auto& w : FWinList)
        if (w == window) return;
    FWinList.append(QPointer<QObject>(window));
}

void TRegMonitorThread::DeleteValue(QObject* window)
{
    std::lock_guard lock(FLock);
    for (qsizetype i = 0; i < FWinList.size(); ++i)
        if (FWinList[i] == window) {
            FWinList.removeAt(i);
            return;
        }
}

bool TRegMonitorThread::HasValue(QObject* window) const
{
    std::lock_guard lock(FLock);
    for (const auto& w : FWinList)
        if (w == window) return true;
    return false;
}

int TRegMonitorThread::Count() const
{
    std::lock_guard lock(FLock);
    return int(FWinList.size());
}

void TRegMonitorThread::Notify()
{
    QList<QPointer<QObject>> receivers;
    {
        std::lock_guard lock(FLock);
        receivers = FWinList;
    }
    auto send = [&](QObject* target) {
        if (target == nullptr) return;
        TThemeChangedEvent e(FRootKey, FKey);
        QCoreApplication::sendEvent(target, &e);
    };
    send(Wnd.data());
    for (const auto& r : receivers) send(r.data());
}

bool TThemeNotifierWindow::event(QEvent* e)
{
    if (e->type() == TThemeChangedEvent::EventType && OnOfficeThemeChange) {
        try {
            OnOfficeThemeChange(this);
        } catch (...) {
            // A handler's failure stays here: the watcher goes on with the next window.
        }
    }
    return QObject::event(e);
}

TThemeNotifier::TThemeNotifier(QObject* owner, std::unique_ptr<TRegMonitorThread> watcher)
    : QObject(owner), FWatcher(std::move(watcher))
{
    if (!FWatcher) return;
    FNotifier = new TThemeNotifierWindow(this);
    FNotifier->OnOfficeThemeChange = [this](QObject*) {
        if (OnOfficeThemeChange) OnOfficeThemeChange(this);
    };
    FWatcher->Wnd = FNotifier;
    FWatcher->SetFilter(4);
}

namespace theme_notifier_detail {
QPointer<TThemeNotifier>& applicationNotifier()
{
    static QPointer<TThemeNotifier> notifier;
    return notifier;
}
}  // namespace theme_notifier_detail

TThemeNotifier::~TThemeNotifier()
{
    auto& app = theme_notifier_detail::applicationNotifier();
    if (app == this) app.clear();
}

void TThemeNotifier::RegisterWindow(QObject* window)
{
    if (FWatcher) FWatcher->Add(window);
}

void TThemeNotifier::UnRegisterWindow(QObject* window)
{
    if (FWatcher) FWatcher->DeleteValue(window);
}

TThemeNotifier* GetThemeNotifier(QObject* owner)
{
    auto& app = theme_notifier_detail::applicationNotifier();
    if (!app) {
        // Owned by the given owner (the application without one). No office
        // suite here: no watcher.
        app = new TThemeNotifier(owner != nullptr ? owner : QCoreApplication::instance());
    }
    return app.data();
}

}  // namespace grid::paint
