#include "app/forms/soft_options_dialog.h"

#include <QEvent>
#include <QPixmap>

#include "app/configurations.h"
#include "app/language.h"
#include "app/version_check.h"
#include "platform/dialogs.h"
#include "platform/paths.h"

namespace app_forms {
namespace {

// Slot k's picture and label places inside the language page.
struct Slot_Place {
    int pictureLeft, pictureTop, labelLeft, labelTop;
};
constexpr Slot_Place kSlots[6] = {
    {24, 40, 80, 56},   {26, 94, 80, 110},   {24, 148, 80, 164},
    {254, 40, 310, 56}, {254, 94, 310, 110}, {254, 148, 310, 164},
};

QCheckBox* placeCheckBox(QWidget* parent, const QString& name, int left, int top)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->move(left, top);
    return box;
}

}  // namespace

TFSoftOptions::TFSoftOptions(QWidget* parent) : QDialog(parent), versionSite(app::kMakerSite)
{
    setObjectName(QStringLiteral("FSoftOptions"));
    setFont(formFont());
    setClientArea(this, 509, 373);
    title = makeTitlePanel(this);
    buttons = makeButtonPanel(this);
    buttons.Btn_OK->SetModalResult(platform::mrNone);
    buttons.Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };

    PC_Options = new QTabWidget(this);
    PC_Options->setObjectName(QStringLiteral("PC_Options"));
    PC_Options->setGeometry(0, 69, 509, 373 - 69 - 40);
    TS_Language = new QWidget(PC_Options);
    TS_Con_Options = new QWidget(PC_Options);
    TS_Soft_Settings = new QWidget(PC_Options);
    PC_Options->addTab(TS_Language, QString());
    PC_Options->addTab(TS_Con_Options, QString());
    PC_Options->addTab(TS_Soft_Settings, QString());

    L_Sel_Lang = placeLabel(TS_Language, QStringLiteral("L_Sel_Lang"), 12, 11);
    for (int k = 0; k < 6; ++k) {
        I_L[k] = placeLabel(TS_Language, QStringLiteral("I_L%1").arg(k + 1), kSlots[k].pictureLeft, kSlots[k].pictureTop);
        I_L[k]->setFixedSize(48, 48);
        I_L[k]->setScaledContents(true);
        L_L[k] = placeLabel(TS_Language, QStringLiteral("L_L%1").arg(k + 1), kSlots[k].labelLeft, kSlots[k].labelTop);
        for (QLabel* w : {I_L[k], L_L[k]}) {
            w->setCursor(Qt::PointingHandCursor);
            w->installEventFilter(this);
        }
    }
    Btn_Prev = placeButton(TS_Language, QStringLiteral("Btn_Prev"), 12, 204, 110, 28);
    Btn_Prev->OnClick = [this](QObject*) { Btn_NextClick(false); };
    L_Page_Lang = placeLabel(TS_Language, QStringLiteral("L_Page_Lang"), 220, 212);
    Btn_Next = placeButton(TS_Language, QStringLiteral("Btn_Next"), 379, 205, 110, 28);
    Btn_Next->SetLayout(button::blGlyphRight);
    Btn_Next->OnClick = [this](QObject*) { Btn_NextClick(true); };

    CB_En_Con = placeCheckBox(TS_Con_Options, QStringLiteral("CB_En_Con"), 12, 16);
    CB_Update = placeCheckBox(TS_Con_Options, QStringLiteral("CB_Update"), 36, 47);
    Btn_Check_Update = placeButton(TS_Con_Options, QStringLiteral("Btn_Check_Update"), 36, 78, 204, 28);
    Btn_Check_Update->OnClick = [this](QObject*) { Btn_Check_UpdateClick(); };
    LL_Check_Update = placeLabel(TS_Con_Options, QStringLiteral("LL_Check_Update"), 40, 120);
    connect(LL_Check_Update, &QLabel::linkActivated, this, [](const QString& link) { openAddress(link); });

    CB_Soft_Set_Jump_Table = placeCheckBox(TS_Soft_Settings, QStringLiteral("CB_Soft_Set_Jump_Table"), 12, 16);
    CB_DoubleClick_Auto_Size = placeCheckBox(TS_Soft_Settings, QStringLiteral("CB_DoubleClick_Auto_Size"), 12, 39);
    for (QCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        connect(box, &QCheckBox::toggled, this, [this] { Update_CheckBox(); });

    PC_Options->setCurrentWidget(TS_Con_Options);
    Set_Lang();
}

void TFSoftOptions::Set_Lang()
{
    using app::langText;
    setWindowTitle(langText(300));
    title.L_SW_Desc->setText(langText(301));
    title.L_SW_Desc->adjustSize();
    PC_Options->setTabText(0, langText(302));
    PC_Options->setTabText(1, langText(303));
    PC_Options->setTabText(2, langText(319));
    L_Sel_Lang->setText(langText(304));
    L_Page_Lang->setText(langText(305) + QStringLiteral("1") + langText(306) + QStringLiteral("1"));
    Btn_Prev->SetCaption(langText(307));
    Btn_Next->SetCaption(langText(308));
    CB_En_Con->setText(langText(309));
    CB_Update->setText(langText(310));
    Btn_Check_Update->SetCaption(langText(311));
    buttons.Btn_OK->SetCaption(langText(312));
    buttons.Btn_Cancel->SetCaption(langText(313));
    CB_Soft_Set_Jump_Table->setText(langText(320));
    CB_DoubleClick_Auto_Size->setText(langText(321));
    for (QWidget* w : std::initializer_list<QWidget*>{L_Sel_Lang, L_Page_Lang, CB_En_Con, CB_Update,
                                                      CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        w->adjustSize();
}

void TFSoftOptions::showEvent(QShowEvent* event)
{
    const app::AppState& state = app::appState();
    Language_In_Use = state.Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->hide();
    PC_Options->setCurrentWidget(TS_Language);
    CB_En_Con->setChecked(state.Enable_Internet);
    CB_Update->setChecked(state.Enable_Update);
    CB_Soft_Set_Jump_Table->setChecked(state.Enable_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->setChecked(state.Double_Click_Auto_Size);
    QDialog::showEvent(event);
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages = app::Language_Files(app::appState().Language_Path);
    Show_Page = 1;
    Update_Lang_Page(1);
}

int TFSoftOptions::pages() const
{
    return app::Language_Pages(static_cast<int>(SL_Languages.size()));
}

QString TFSoftOptions::languageAt(int slot) const
{
    const int index = (Show_Page - 1) * 6 + slot - 1;
    if (index < 0 || index >= SL_Languages.size())
        return {};
    return SL_Languages[index].chopped(4);
}

void TFSoftOptions::Update_Lang_Page(int Num_Page)
{
    const QString folder = app::appState().Language_Path;
    L_Sel_Lang->setText(app::langText(304) + Language_In_Use);
    L_Sel_Lang->adjustSize();
    L_Page_Lang->setText(app::langText(305) + QString::number(Num_Page) + app::langText(306)
                         + QString::number(pages()));
    L_Page_Lang->adjustSize();
    Btn_Prev->setVisible(Num_Page != 1);
    Btn_Next->setVisible(Num_Page != pages());
    const int shown = std::min(6, static_cast<int>(SL_Languages.size()) - (Num_Page - 1) * 6);
    for (int k = 1; k <= 6; ++k) {
        const bool visible = shown >= k;
        L_L[k - 1]->setVisible(visible);
        I_L[k - 1]->setVisible(visible);
        if (!visible)
            continue;
        const QString name = SL_Languages[(Num_Page - 1) * 6 + k - 1].chopped(4);
        L_L[k - 1]->setText(name);
        L_L[k - 1]->adjustSize();
        QString flag = platform::findEntry(folder, name + QStringLiteral(".bmp"));
        if (flag.isEmpty())
            flag = platform::findEntry(folder, QStringLiteral("DefaultFlag.bmp"));
        const QPixmap picture(flag);
        I_L[k - 1]->setPixmap(picture);
        I_L[k - 1]->setVisible(!flag.isEmpty() && !picture.isNull());
    }
}

void TFSoftOptions::Btn_NextClick(bool forward)
{
    if (forward && pages() >= Show_Page + 1)
        ++Show_Page;
    else if (!forward && Show_Page - 1 > 0)
        --Show_Page;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(int slot)
{
    const QString name = languageAt(slot);
    if (name.isEmpty())
        return;
    const QString question =
        app::langText(316) + Language_In_Use + app::langText(317) + name + app::langText(318);
    if (!platform::dialogs().confirm(question, this))
        return;
    Language_In_Use = name;
    app::AppState& state = app::appState();
    const QString kept = state.Language_Name;
    state.Language_Name = name;
    app::Load_Language(app::textTable(), state);
    state.Language_Name = kept;
    if (OnLanguageChanged)
        OnLanguageChanged();
    else
        Set_Lang();
    L_Sel_Lang->setText(app::langText(304) + Language_In_Use);
    L_Sel_Lang->adjustSize();
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->setEnabled(CB_En_Con->isChecked());
    Btn_Check_Update->setEnabled(CB_En_Con->isChecked() && CB_Update->isChecked());
}

void TFSoftOptions::Btn_OKClick()
{
    app::AppState& state = app::appState();
    state.Language_Name = Language_In_Use;
    state.Enable_Internet = CB_En_Con->isChecked();
    state.Enable_Update = CB_Update->isChecked();
    state.Enable_Jump_Field_Tables = CB_Soft_Set_Jump_Table->isChecked();
    state.Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->isChecked();
    done(platform::mrOk);
}

void TFSoftOptions::Btn_Check_UpdateClick()
{
    if (app::Check_Version(versionSite))
        LL_Check_Update->setText(app::versionNoticeLink(app::langText(314)));
    else
        LL_Check_Update->setText(app::langText(315));
    LL_Check_Update->adjustSize();
    LL_Check_Update->show();
}

bool TFSoftOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int k = 0; k < 6; ++k) {
            if (watched == I_L[k] || watched == L_L[k]) {
                LangClick(k + 1);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace app_forms
