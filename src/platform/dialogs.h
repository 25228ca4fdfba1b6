#pragma once

#include <optional>

#include <QString>

class QWidget;

namespace platform {

enum class MessageKind { Error, Warning, Information, Confirmation };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageResult { Ok, Yes, No, Cancel };

struct FileDialogOptions {
    QString title;
    // Filter in the "Description (*.ext)|*.ext|Other (*.x)|*.x" notation.
    QString filter;
    // Extension added to a typed name that has none ("xml" or "*.xml").
    QString defaultExtension;
    QString initialFolder;
    QString fileName;
};

// Every modal message box and file dialog of the configurator goes through
// this interface, so that tests can answer them and read what was shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageResult message(MessageKind kind, const QString& text, MessageButtons buttons,
                                  QWidget* parent = nullptr) = 0;
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(const FileDialogOptions& options, QWidget* parent = nullptr) = 0;
    // Asks no overwrite question of its own: the caller asks its own.
    virtual std::optional<QString> saveFile(const FileDialogOptions& options, QWidget* parent = nullptr) = 0;

    void error(const QString& text, QWidget* parent = nullptr)
    {
        message(MessageKind::Error, text, MessageButtons::Ok, parent);
    }
    void warning(const QString& text, QWidget* parent = nullptr)
    {
        message(MessageKind::Warning, text, MessageButtons::Ok, parent);
    }
    void information(const QString& text, QWidget* parent = nullptr)
    {
        message(MessageKind::Information, text, MessageButtons::Ok, parent);
    }
    // Yes/No question; true for Yes.
    bool confirm(const QString& text, QWidget* parent = nullptr)
    {
        return message(MessageKind::Confirmation, text, MessageButtons::YesNo, parent) == MessageResult::Yes;
    }
};

// The dialogs in use. Starts as the Qt implementation; a test installs its
// double with setDialogs and restores the previous one afterwards.
Dialogs& dialogs();
// Installs `replacement` (not owned; nullptr restores the Qt dialogs) and
// returns the one that was installed before.
Dialogs* setDialogs(Dialogs* replacement);

// Converts "Desc (*.a)|*.a|Other|*.b" to Qt's "Desc (*.a);;Other (*.b)".
QString toQtFilter(const QString& filter);
// Appends the default extension to a chosen name that has no extension.
QString withDefaultExtension(const QString& fileName, const QString& defaultExtension);

}  // namespace platform
