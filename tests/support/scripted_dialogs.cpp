#include "support/scripted_dialogs.h"

#include <QStringList>

namespace testing_support {

using platform::MessageButtons;
using platform::MessageResult;

ScriptedDialogs::ScriptedDialogs() : previous_(platform::setDialogs(this)) {}

ScriptedDialogs::~ScriptedDialogs()
{
    platform::setDialogs(previous_);
}

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const Shown& s : shown_)
        out << s.text;
    return out;
}

void ScriptedDialogs::reset()
{
    answers_.clear();
    files_.clear();
    shown_.clear();
    fileDialogs_.clear();
}

MessageResult ScriptedDialogs::message(platform::MessageKind kind, const QString& text, MessageButtons buttons,
                                       QWidget*)
{
    shown_.push_back({kind, text, buttons});
    if (!answers_.empty()) {
        const MessageResult r = answers_.front();
        answers_.pop_front();
        return r;
    }
    switch (buttons) {
    case MessageButtons::Ok: return MessageResult::Ok;
    case MessageButtons::YesNo: return MessageResult::No;
    case MessageButtons::YesNoCancel: return MessageResult::Cancel;
    }
    return MessageResult::Cancel;
}

std::optional<QString> ScriptedDialogs::nextFile(const platform::FileDialogOptions& options)
{
    fileDialogs_.push_back(options);
    if (files_.empty())
        return std::nullopt;
    std::optional<QString> r = files_.front();
    files_.pop_front();
    return r;
}

std::optional<QString> ScriptedDialogs::openFile(const platform::FileDialogOptions& options, QWidget*)
{
    return nextFile(options);
}

std::optional<QString> ScriptedDialogs::saveFile(const platform::FileDialogOptions& options, QWidget*)
{
    return nextFile(options);
}

}  // namespace testing_support
