#include "controls/button/form_parts.h"

#include <QPalette>

namespace form_parts {

QFont formFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(11);
    return font;
}

void setFormLook(QWidget* form, const QString& name, const QColor& background)
{
    form->setObjectName(name);
    form->setFont(formFont());
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, background);
    form->setPalette(pal);
    form->setAutoFillBackground(true);
}

void setClientArea(QWidget* form, int width, int height, bool resizable)
{
    if (resizable)
        form->resize(width, height);
    else
        form->setFixedSize(width, height);
}

QLabel* placeLabel(QWidget* parent, const QString& name, int left, int top, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

button::TLbButton* placeButton(QWidget* parent, const QString& name, int left, int top, int width, int height,
                               button::TLbButtonKind kind)
{
    auto* b = new button::TLbButton(parent);
    b->setObjectName(name);
    b->SetKind(kind);
    b->setGeometry(left, top, width, height);
    return b;
}

TitlePanel makeTitlePanel(QWidget* form, const QString& softwareCode)
{
    TitlePanel t;
    t.P_Title = new QWidget(form);
    t.P_Title->setObjectName(QStringLiteral("P_Title"));
    t.P_Title->setAutoFillBackground(true);
    QPalette palette = t.P_Title->palette();
    palette.setColor(QPalette::Window, Qt::white);
    t.P_Title->setPalette(palette);
    t.P_Title->setGeometry(0, 0, form->width(), 69);

    t.L_SW_Code = placeLabel(t.P_Title, QStringLiteral("L_SW_Code"), 16, 4, softwareCode);
    QFont big(QStringLiteral("Verdana"));
    big.setPixelSize(32);
    t.L_SW_Code->setFont(big);
    t.L_SW_Code->setStyleSheet(QStringLiteral("color: rgb(128,128,128);"));
    t.L_SW_Code->adjustSize();

    t.L_SW_Desc = placeLabel(t.P_Title, QStringLiteral("L_SW_Desc"), 18, 46);
    QFont bold = formFont();
    bold.setBold(true);
    t.L_SW_Desc->setFont(bold);
    t.L_SW_Desc->setStyleSheet(QStringLiteral("color: rgb(128,128,128);"));
    return t;
}

ButtonPanel makeButtonPanel(QDialog* form)
{
    ButtonPanel p;
    p.P_Button = new QWidget(form);
    p.P_Button->setObjectName(QStringLiteral("P_Button"));
    p.P_Button->setGeometry(0, form->height() - 40, form->width(), 40);
    p.Btn_OK = placeButton(p.P_Button, QStringLiteral("Btn_OK"), form->width() - 236, 6, 110, 28, button::bkOK);
    p.Btn_Cancel =
        placeButton(p.P_Button, QStringLiteral("Btn_Cancel"), form->width() - 118, 6, 110, 28, button::bkCancel);
    return p;
}

}  // namespace form_parts
