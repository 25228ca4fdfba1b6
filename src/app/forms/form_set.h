#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QWidget>

namespace app_forms {

class TFZuderivuridFirmWare;

// Every form of the program, created once at start-up in the fixed order
// (the main window first, since it builds the application state and the
// text table the others read) and kept until the program ends. A form of the
// family that this build does not contain yet is simply absent.
class FormSet {
public:
    // `exeFolder`: where the program keeps its folders and settings.
    explicit FormSet(const QString& exeFolder);
    ~FormSet();
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    TFZuderivuridFirmWare& mainWindow() const { return *main_; }
    // The form of class `className` (e.g. "TFParGen"), or nullptr.
    QWidget* form(const QString& className) const;
    // Class names of the forms created, in creation order.
    QStringList created() const;

    // Copies the texts of every form from the text table again, in the fixed
    // order of the language change.
    void Change_Language() const;

private:
    struct Entry {
        QString className;
        std::unique_ptr<QWidget> widget;
    };
    std::vector<Entry> forms_;
    TFZuderivuridFirmWare* main_ = nullptr;
};

}  // namespace app_forms
