#include "editors/ethernet/profinet/profinet_file_name_form.h"

#include <QLabel>
#include <QLineEdit>

#include "app/language.h"
#include "editors/ethernet/profinet/gsdml_writer.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "platform/form_border.h"
#include "platform/modal_result.h"

namespace profinet {
namespace file_name_form_detail {

constexpr int kClientWidth = 540;
constexpr int kClientHeight = 205;
constexpr int kFixedLeft = 16;
constexpr int kUserLeft = 179;
constexpr int kDateLeft = 447;
constexpr int kCaptionTop = 106;
constexpr int kNameTop = 128;
constexpr int kEditWidth = kDateLeft - kUserLeft - 8;
constexpr TColor kFormColor = 0x00EDF7F8;  // RGB(248, 247, 237)

namespace texts {
constexpr int Caption = 4800;
constexpr int Description = 4801;
constexpr int SelectName = 4802;
constexpr int FixedPart1 = 4803;
constexpr int UserPart = 4804;
constexpr int FixedPart2 = 4805;
constexpr int OK = 4806;
constexpr int Cancel = 4807;
}  // namespace texts

QString text(int id) { return app::langText(id); }

void setLabel(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}

}  // namespace file_name_form_detail

using namespace file_name_form_detail;

TFProfinetFileName::TFProfinetFileName(QWidget* parent, const QDate& created) : QDialog(parent)
{
    form_parts::setFormLook(this, QStringLiteral("FProfinetFileName"), toQColor(kFormColor));
    platform::setFixedSizeForm(this, kClientWidth, kClientHeight);

    title = form_parts::makeTitlePanel(this, app::appState().SW_Code);
    buttons = form_parts::makeButtonPanel(this);
    buttons.Btn_OK->SetModalResult(platform::mrNone);
    buttons.Btn_OK->OnClick = [this](QObject*) { Btn_OK_Click(); };

    L_Select_Name = form_parts::placeLabel(this, QStringLiteral("L_Select_Name"), kFixedLeft, 80);
    QFont bold = form_parts::formFont();
    bold.setBold(true);
    L_Select_Name->setFont(bold);
    L_FixPart_1 = form_parts::placeLabel(this, QStringLiteral("L_FixPart_1"), kFixedLeft, kCaptionTop);
    L_UsedPart = form_parts::placeLabel(this, QStringLiteral("L_UsedPart"), kUserLeft, kCaptionTop);
    L_FixPart_2 = form_parts::placeLabel(this, QStringLiteral("L_FixPart_2"), kDateLeft, kCaptionTop);
    L_XML_Fix1 = form_parts::placeLabel(this, QStringLiteral("L_XML_Fix1"), kFixedLeft, kNameTop + 4, kGsdmlPrefix);
    L_XML_Fix2 = form_parts::placeLabel(this, QStringLiteral("L_XML_Fix2"), kDateLeft, kNameTop + 4,
                                        PROFINET_Date_Part(created));
    E_XML_User = new QLineEdit(this);
    E_XML_User->setObjectName(QStringLiteral("E_XML_User"));
    E_XML_User->setGeometry(kUserLeft, kNameTop, kEditWidth, 22);

    Set_Lang();
}

TFProfinetFileName::~TFProfinetFileName() = default;

void TFProfinetFileName::Set_Lang()
{
    setWindowTitle(text(texts::Caption));
    setLabel(title.L_SW_Desc, text(texts::Description));
    setLabel(L_Select_Name, text(texts::SelectName));
    setLabel(L_FixPart_1, text(texts::FixedPart1));
    setLabel(L_UsedPart, text(texts::UserPart));
    setLabel(L_FixPart_2, text(texts::FixedPart2));
    buttons.Btn_OK->SetCaption(text(texts::OK));
    buttons.Btn_Cancel->SetCaption(text(texts::Cancel));
}

void TFProfinetFileName::Btn_OK_Click()
{
    const QString user = E_XML_User->text();
    if (PROFINET_User_Part_Refused(user)) {
        platform::dialogs().error(text(gsdml_texts::UserPartRefused), this);
        E_XML_User->setFocus(Qt::OtherFocusReason);
        return;
    }
    Name_File_XML = PROFINET_File_Name(L_XML_Fix1->text(), user, L_XML_Fix2->text());
    done(platform::mrOk);
}

void PROFINET_Step(TFProfinetFileName& dialog, const app::AppState& state, QWidget* parent)
{
    if (dialog.exec() == platform::mrOk)
        Save_PROFINET_XML(dialog.Name_File_XML, state, parent);
}

}  // namespace profinet
