#include "platform/theme_painter.h"

#include <algorithm>

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace platform {

namespace theme_painter_detail {

void applyState(QStyleOption& opt, const TRect& r, TThemeState state)
{
    opt.rect = r.toQRect();
    opt.state = QStyle::State_None;
    if (!(state & tsDisabled)) opt.state |= QStyle::State_Enabled;
    if (state & tsHot) opt.state |= QStyle::State_MouseOver;
    if (state & tsPressed) opt.state |= QStyle::State_Sunken;
    else opt.state |= QStyle::State_Raised;
    if (state & tsFocused) opt.state |= QStyle::State_HasFocus;
    if (state & tsMixed) opt.state |= QStyle::State_NoChange;
    else if (state & tsChecked) opt.state |= QStyle::State_On;
    else opt.state |= QStyle::State_Off;
    opt.palette = QApplication::palette();
}

}  // namespace theme_painter_detail

void ThemePainter::Draw(QPainter& painter, TThemePart part, const TRect& r, TThemeState state, int position,
                        const QWidget* widget)
{
    if (r.IsEmpty()) return;
    QStyle* style = widget ? widget->style() : QApplication::style();
    painter.save();
    switch (part) {
    case TThemePart::Header: {
        QStyleOptionHeader opt;
        theme_painter_detail::applyState(opt, r, state);
        opt.position = QStyleOptionHeader::Middle;
        style->drawControl(QStyle::CE_HeaderSection, &opt, &painter, widget);
        break;
    }
    case TThemePart::PushButton: {
        QStyleOptionButton opt;
        theme_painter_detail::applyState(opt, r, state);
        if (state & tsDefault) opt.features |= QStyleOptionButton::DefaultButton;
        style->drawControl(QStyle::CE_PushButtonBevel, &opt, &painter, widget);
        break;
    }
    case TThemePart::CheckBox:
    case TThemePart::Radio: {
        QStyleOptionButton opt;
        theme_painter_detail::applyState(opt, r, state);
        style->drawPrimitive(part == TThemePart::CheckBox ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton,
                             &opt, &painter, widget);
        break;
    }
    case TThemePart::ComboButton: {
        QStyleOption opt;
        theme_painter_detail::applyState(opt, r, state);
        style->drawPrimitive(QStyle::PE_PanelButtonTool, &opt, &painter, widget);
        style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &opt, &painter, widget);
        break;
    }
    case TThemePart::SpinUp:
    case TThemePart::SpinDown: {
        QStyleOption opt;
        theme_painter_detail::applyState(opt, r, state);
        style->drawPrimitive(QStyle::PE_PanelButtonTool, &opt, &painter, widget);
        style->drawPrimitive(part == TThemePart::SpinUp ? QStyle::PE_IndicatorSpinUp : QStyle::PE_IndicatorSpinDown, &opt,
                             &painter, widget);
        break;
    }
    case TThemePart::Progress: {
        QStyleOptionProgressBar opt;
        theme_painter_detail::applyState(opt, r, state);
        opt.minimum = 0;
        opt.maximum = 1000;
        opt.progress = std::clamp(position, 0, 1000);
        opt.textVisible = false;
        opt.state |= QStyle::State_Horizontal;
        style->drawControl(QStyle::CE_ProgressBar, &opt, &painter, widget);
        break;
    }
    }
    painter.restore();
}

int ThemePainter::CheckSize() { return QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth); }

}  // namespace platform
