#pragma once

#include <functional>
#include <memory>
#include <mutex>

#include <QEvent>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "controls/grid/paint/look_types.h"

namespace grid::paint {

// ------------------------------------------------------------ detection

// The system queries of the theme detection. On this platform there is no
// office suite and no desktop colour scheme of the kind they read: the office
// version is 0, the XP colour scheme 0, the office theme otUnknown (nothing to
// follow), and the user interface font "Tahoma".
bool IsVistaOrLater();
bool IsComCtlVersion6();
bool IsWinXPOrLater();
int GetXPThemeColor();
int GetOfficeVersion();
TOfficeTheme GetOfficeTheme();
QString DefaultUIFontName();

// The office theme from the "Theme" values read under the 14.0 and the 12.0
// settings keys (-1: key or value missing) and the desktop colour scheme
// (GetXPThemeColor: 0 none, 1 "NormalColor", 2 "HomeStead", 3 "Metallic").
TOfficeTheme OfficeThemeFromValues(int theme14, int theme12, int xpThemeColor);

// ------------------------------------------------------- notification

// The theme-changed message, sent synchronously to each receiver.
class TThemeChangedEvent : public QEvent {
public:
    static constexpr QEvent::Type EventType = QEvent::Type(QEvent::User + 2993);
    TThemeChangedEvent(QString rootKey, QString keyPath)
        : QEvent(EventType), RootKey(std::move(rootKey)), KeyPath(std::move(keyPath))
    {
    }
    const QString RootKey;
    const QString KeyPath;
};

// The watcher of the office settings key: its receivers and the pass of
// messages a change produces. The receiver list is guarded, so a pass never
// sees it change. No watcher runs on this platform; a watcher source would
// call Notify for every change it sees.
class TRegMonitorThread {
public:
    TRegMonitorThread(QString rootKey, QString key) : FRootKey(std::move(rootKey)), FKey(std::move(key)) {}

    const QString& Key() const { return FKey; }
    const QString& RootKey() const { return FRootKey; }
    bool WatchSub = true;
    // Reading a filter of 0 makes it 15.
    int Filter()
    {
        if (FFilter == 0) FFilter = 15;
        return FFilter;
    }
    void SetFilter(int value) { FFilter = value; }

    // The first receiver (the notifier's hidden window).
    QPointer<QObject> Wnd;
    // Adds a receiver unless listed; removes the first equal entry.
    void Add(QObject* window);
    void DeleteValue(QObject* window);
    bool HasValue(QObject* window) const;
    int Count() const;

    // One pass: the message to Wnd, then to each listed receiver in list order
    // (receivers destroyed meanwhile are skipped).
    void Notify();

private:
    QString FRootKey;
    QString FKey;
    int FFilter = 0;
    mutable std::mutex FLock;
    QList<QPointer<QObject>> FWinList;
};

// The hidden window of the notifier: fires OnOfficeThemeChange on the message.
class TThemeNotifierWindow : public QObject {
public:
    using QObject::QObject;
    std::function<void(QObject* Sender)> OnOfficeThemeChange;

protected:
    bool event(QEvent* e) override;
};

// The application-wide theme notifier. Windows register to receive the
// theme-changed message; without a watcher (no office suite) registering
// does nothing and no message is ever sent.
class TThemeNotifier : public QObject {
public:
    // watcher: the watch of the office settings key, none when nothing is watched.
    explicit TThemeNotifier(QObject* owner, std::unique_ptr<TRegMonitorThread> watcher = nullptr);
    ~TThemeNotifier() override;

    TRegMonitorThread* RegMonitorThread() const { return FWatcher.get(); }
    void RegisterWindow(QObject* window);
    void UnRegisterWindow(QObject* window);

    // Fired on the UI thread after a change (Sender = the notifier).
    std::function<void(QObject* Sender)> OnOfficeThemeChange;

private:
    std::unique_ptr<TRegMonitorThread> FWatcher;
    TThemeNotifierWindow* FNotifier = nullptr;  // child of the notifier
};

// The application-wide notifier, created on the first call and owned by the
// given owner (the application when none). It is forgotten when destroyed, so
// that a later call creates a new one.
TThemeNotifier* GetThemeNotifier(QObject* owner);

}  // namespace grid::paint
