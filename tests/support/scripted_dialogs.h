#pragma once

#include <deque>
#include <optional>
#include <vector>

#include <QString>

#include "platform/dialogs.h"

namespace testing_support {

// A Dialogs double: records every message and file dialog the code under test
// shows and answers them from prepared queues. It installs itself for its
// lifetime and restores the previous dialogs when destroyed.
class ScriptedDialogs final : public platform::Dialogs {
public:
    struct Shown {
        platform::MessageKind kind;
        QString text;
        platform::MessageButtons buttons;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Answers for the next messages, in order. Without a prepared answer a
    // message is answered Ok (OK box), No (Yes/No) or Cancel (Yes/No/Cancel).
    void answer(platform::MessageResult result) { answers_.push_back(result); }
    // Results of the next open/save dialogs; nothing means cancelled.
    void chooseFile(std::optional<QString> path) { files_.push_back(std::move(path)); }

    const std::vector<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    const std::vector<platform::FileDialogOptions>& fileDialogs() const { return fileDialogs_; }
    void reset();

    platform::MessageResult message(platform::MessageKind kind, const QString& text, platform::MessageButtons buttons,
                                    QWidget* parent) override;
    std::optional<QString> openFile(const platform::FileDialogOptions& options, QWidget* parent) override;
    std::optional<QString> saveFile(const platform::FileDialogOptions& options, QWidget* parent) override;

private:
    std::optional<QString> nextFile(const platform::FileDialogOptions& options);

    platform::Dialogs* previous_;
    std::deque<platform::MessageResult> answers_;
    std::deque<std::optional<QString>> files_;
    std::vector<Shown> shown_;
    std::vector<platform::FileDialogOptions> fileDialogs_;
};

}  // namespace testing_support
