#pragma once

#include <memory>

#include <QApplication>
#include <QFile>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "params/forms/par_gen_form.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace par_gen_form_testing {

// A general parameters form on a scratch project folder, with the built-in
// English texts and scripted message boxes.
class ParGenFormTest : public ::testing::Test {
protected:
    ParGenFormTest()
    {
        app::Load_Default_Texts(app::textTable());
        savedPath_ = app::appState().ParGen_Path;
        savedCode_ = app::appState().SW_Code;
        app::appState().ParGen_Path = path();
        app::appState().SW_Code = app::kSoftwareCode;
        form = std::make_unique<params::TFParGen>();
    }
    ~ParGenFormTest() override
    {
        app::appState().ParGen_Path = savedPath_;
        app::appState().SW_Code = savedCode_;
    }

    QString path() const { return folder.file(QStringLiteral("ParGen.xml")); }

    // Shows the form, which loads ParGen.xml.
    void show()
    {
        form->show();
        QApplication::processEvents();
    }

    QLineEdit* edit(const char* name) const { return form->controlAs<QLineEdit>(QString::fromLatin1(name)); }
    QCheckBox* box(const char* name) const { return form->controlAs<QCheckBox>(QString::fromLatin1(name)); }
    QComboBox* list(const char* name) const { return form->controlAs<QComboBox>(QString::fromLatin1(name)); }
    QWidget* widget(const char* name) const { return form->control(QString::fromLatin1(name)); }
    platform::TCategoryPanel* panel(const char* name) const { return form->panel(QString::fromLatin1(name)); }

    testing_support::TempFolder folder;
    testing_support::ScriptedDialogs dialogs;
    std::unique_ptr<params::TFParGen> form;

private:
    QString savedPath_;
    QString savedCode_;
};

}  // namespace par_gen_form_testing
