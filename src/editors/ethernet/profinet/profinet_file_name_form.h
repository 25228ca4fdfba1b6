#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

#include "app/app_state.h"
#include "app/translatable_form.h"
#include "controls/button/form_parts.h"

class QLabel;
class QLineEdit;

namespace profinet {

// "PROFINET XML File Name": the user completes the GSDML file's name
// between its fixed prefix and the date part fixed when the form was
// created. OK builds Name_File_XML; a user part that cannot stand in a file
// name is refused with a message and the form stays open.
class TFProfinetFileName : public QDialog, public app::TranslatableForm {
    Q_OBJECT

public:
    // `created`: the date of the date part (the program's start).
    explicit TFProfinetFileName(QWidget* parent = nullptr, const QDate& created = QDate::currentDate());
    ~TFProfinetFileName() override;

    void Set_Lang() override;
    void Btn_OK_Click();

    QString Name_File_XML;

    form_parts::TitlePanel title;
    form_parts::ButtonPanel buttons;
    QLabel* L_Select_Name = nullptr;
    QLabel* L_FixPart_1 = nullptr;
    QLabel* L_XML_Fix1 = nullptr;
    QLabel* L_UsedPart = nullptr;
    QLabel* L_FixPart_2 = nullptr;
    QLabel* L_XML_Fix2 = nullptr;
    QLineEdit* E_XML_User = nullptr;
};

// The main window's PROFINET step: the dialog, then on OK the GSDML file
// written under the built name where the user chooses.
void PROFINET_Step(TFProfinetFileName& dialog, const app::AppState& state, QWidget* parent = nullptr);

}  // namespace profinet
