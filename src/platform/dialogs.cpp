#include "platform/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace platform {
namespace {

class QtDialogs final : public Dialogs {
public:
    MessageResult message(MessageKind kind, const QString& text, MessageButtons buttons, QWidget* parent) override
    {
        QMessageBox box(parent);
        box.setText(text);
        box.setWindowTitle(QStringLiteral("Configurator"));
        switch (kind) {
        case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
        case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
        case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
        case MessageKind::Confirmation: box.setIcon(QMessageBox::Question); break;
        }
        switch (buttons) {
        case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Yes: return MessageResult::Yes;
        case QMessageBox::No: return MessageResult::No;
        case QMessageBox::Ok: return MessageResult::Ok;
        default: return MessageResult::Cancel;
        }
    }

    std::optional<QString> openFile(const FileDialogOptions& o, QWidget* parent) override
    {
        const QString name = QFileDialog::getOpenFileName(parent, o.title, startPath(o), toQtFilter(o.filter));
        if (name.isEmpty())
            return std::nullopt;
        return name;
    }

    std::optional<QString> saveFile(const FileDialogOptions& o, QWidget* parent) override
    {
        // The caller asks its own overwrite question.
        const QString name = QFileDialog::getSaveFileName(parent, o.title, startPath(o), toQtFilter(o.filter), nullptr,
                                                          QFileDialog::DontConfirmOverwrite);
        if (name.isEmpty())
            return std::nullopt;
        return withDefaultExtension(name, o.defaultExtension);
    }

private:
    static QString startPath(const FileDialogOptions& o)
    {
        if (o.fileName.isEmpty())
            return o.initialFolder;
        if (o.initialFolder.isEmpty())
            return o.fileName;
        return o.initialFolder + u'/' + o.fileName;
    }
};

QtDialogs& qtDialogs()
{
    static QtDialogs instance;
    return instance;
}

Dialogs* current = nullptr;

}  // namespace

Dialogs& dialogs()
{
    return current ? *current : qtDialogs();
}

Dialogs* setDialogs(Dialogs* replacement)
{
    Dialogs* previous = current;
    current = replacement;
    return previous;
}

QString toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        out << (description.contains(u'(') ? description : description + QStringLiteral(" (") + patterns + u')');
    }
    if (parts.size() % 2 == 1 && !parts.last().isEmpty())
        out << parts.last();
    return out.join(QStringLiteral(";;"));
}

QString withDefaultExtension(const QString& fileName, const QString& defaultExtension)
{
    QString ext = defaultExtension;
    while (ext.startsWith(u'*') || ext.startsWith(u'.'))
        ext.remove(0, 1);
    if (ext.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + u'.' + ext;
}

}  // namespace platform
