#include "controls/dropdown/trackbar/trackbar_dropdown.h"

#include <QMouseEvent>

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/base/guarded.h"

namespace dropdown {

TExTrackBarDropDown::TExTrackBarDropDown(QWidget* parent) : TExCustomDropDown(parent)
{
    FTrackBar = new QSlider(Qt::Horizontal, DropDownForm());
    FTrackBar->setGeometry(0, 0, width(), 40);
    FTrackBar->setTickPosition(QSlider::TicksBelow);
    FTrackBar->setRange(FMin, FMax);
    FTrackBar->setPageStep(FPageSize);
    FTrackBar->setTickInterval(FFrequency);
    FTrackBar->hide();
    connect(FTrackBar, &QSlider::valueChanged, this, [this] { Guarded([this] { TrackBarChange(); }); });
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetForceShadow(true);
    // A whole number: an empty text shows as 0.
    SetEditType(etNumeric);
}

void TExTrackBarDropDown::SetPosition(int Value)
{
    FPosition = Value;
    FTrackBar->setValue(Value);
    FPosition = FTrackBar->value();
}

void TExTrackBarDropDown::SetMin(int value)
{
    FMin = value;
    FTrackBar->setMinimum(value);
    FMin = FTrackBar->minimum();
    FMax = FTrackBar->maximum();
    FPosition = FTrackBar->value();
}

void TExTrackBarDropDown::SetMax(int value)
{
    FMax = value;
    FTrackBar->setMaximum(value);
    FMax = FTrackBar->maximum();
    FMin = FTrackBar->minimum();
    FPosition = FTrackBar->value();
}

void TExTrackBarDropDown::SetPageSize(int value)
{
    FPageSize = value;
    FTrackBar->setPageStep(value);
}

void TExTrackBarDropDown::SetFrequency(int value)
{
    FFrequency = value;
    FTrackBar->setTickInterval(value);
}

void TExTrackBarDropDown::TrackBarChange()
{
    FPosition = FTrackBar->value();
    SetTextDirect(QString::number(FPosition));
    if (OnTrackChange) OnTrackChange(this);
}

void TExTrackBarDropDown::HandleChange()
{
    TExCustomDropDown::HandleChange();
    // A text that is no whole number leaves the position as it is.
    bool ok = false;
    const int value = Text().toInt(&ok);
    if (ok) SetPosition(value);
}

void TExTrackBarDropDown::BeforeDropDown()
{
    TExCustomDropDown::BeforeDropDown();
    DropDownForm()->CancelOnDeActivate = false;
    FTrackBar->setMinimum(FMin);
    FTrackBar->setMaximum(FMax);
    FTrackBar->setValue(FPosition);
    FTrackBar->setPageStep(FPageSize);
    FTrackBar->setTickInterval(FFrequency);
    FTrackBar->resize(width(), FTrackBar->height());
    FTrackBar->show();
    SetControl(FTrackBar);
    SetFocusControl(FTrackBar);
}

void TExTrackBarDropDown::HandleKeyDownMessage(platform::Word& key)
{
    using namespace platform;
    const Word pressed = key;
    TExCustomDropDown::HandleKeyDownMessage(key);
    if (EditorEnabled() || isKeyDown(VK_MENU)) return;
    if (pressed == VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
    if (pressed == VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
}

void TExTrackBarDropDown::HandleMouseDown(int X)
{
    if (!Draggable()) return;
    FMouseX = X;
    FMouseDraging = true;
}

void TExTrackBarDropDown::HandleMouseMove(int X)
{
    if (!FMouseDraging || !Draggable()) return;
    // A page size of 0 counts as 1 pixel per step.
    const int quotient = (X - FMouseX) / std::max(FPageSize, 1);
    FMouseX = X;
    if (quotient != 0) SetPosition(FPosition + quotient);
}

void TExTrackBarDropDown::HandleMouseUp() { FMouseDraging = false; }

void TExTrackBarDropDown::mousePressEvent(QMouseEvent* event)
{
    TExCustomDropDown::mousePressEvent(event);
    Guarded([&] { HandleMouseDown(int(event->position().x())); });
}

void TExTrackBarDropDown::mouseMoveEvent(QMouseEvent* event)
{
    TExCustomDropDown::mouseMoveEvent(event);
    Guarded([&] { HandleMouseMove(int(event->position().x())); });
}

void TExTrackBarDropDown::mouseReleaseEvent(QMouseEvent* event)
{
    TExCustomDropDown::mouseReleaseEvent(event);
    Guarded([&] { HandleMouseUp(); });
}

}  // namespace dropdown
