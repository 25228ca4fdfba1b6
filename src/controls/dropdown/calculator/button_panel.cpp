#include "controls/dropdown/calculator/button_panel.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "platform/theme_painter.h"

namespace dropdown {

using platform::TCanvas;
using platform::TRect;

// ----- keys

void TButtonItem::Assign(const TButtonItem& source)
{
    Caption = source.Caption;
    CaptionColor = source.CaptionColor;
    Tag = source.Tag;
    ImageIndex = source.ImageIndex;
    Image = source.Image;
    Enabled = source.Enabled;
    Name = source.Name;
}

TButtonItem& TButtonItems::Add()
{
    FItems.push_back(std::make_unique<TButtonItem>());
    Changed();
    return *FItems.back();
}

TButtonItem& TButtonItems::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    auto it = FItems.insert(FItems.begin() + index, std::make_unique<TButtonItem>());
    Changed();
    return **it;
}

void TButtonItems::Clear()
{
    if (FItems.empty()) return;
    FItems.clear();
    Changed();
}

void TButtonItems::Assign(const TButtonItems& source)
{
    if (&source == this) return;
    FItems.clear();
    for (const auto& item : source.FItems) {
        FItems.push_back(std::make_unique<TButtonItem>());
        FItems.back()->Assign(*item);
    }
    Changed();
}

TButtonAppearance::TButtonAppearance()
{
    FFont.setPointSize(10);
    FFont.setBold(true);
}

void TButtonAppearance::Assign(const TButtonAppearance& source)
{
    if (&source == this) return;
    const auto onChange = std::move(OnChange);
    *this = source;
    OnChange = onChange;
    Changed();
}

// ----- the standard pad

const std::array<TStandardKey, kCalculatorKeyCount> kCalculatorKeys = {{
    {"", "BTN_ON", 30, false},       {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},
    {"C", "BTN_C", 16, true},        {"MC", "BTN_MC", 33, true},     {"MR", "BTN_MR", 34, true},
    {"MS", "BTN_MS", 35, true},      {"M+", "BTN_M+", 36, true},     {"0", "BTN_0", 0, false},
    {"1", "BTN_1", 1, false},        {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
    {"8", "BTN_8", 8, false},        {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},
    {"+/-", "BTN_+/-", 14, false},   {".", "BTN_.", 15, false},      {"3", "BTN_3", 3, false},
    {"6", "BTN_6", 6, false},        {"9", "BTN_9", 9, false},       {"/", "BTN_/", 13, true},
    {"*", "BTN_*", 12, true},        {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
    {"=", "BTN_=", 17, true},        {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},
    {"sqrt", "BTN_sqrt", 37, true},
}};

std::array<TRect, kCalculatorKeyCount> CalculatorKeyRects(const TRect& area)
{
    constexpr int g = 4;
    const int w = (area.Width() - 2 * g) / 6;
    const int h = (area.Height() - g) / 5;
    const int x1 = area.Left, x2 = x1 + w + 4, x3 = x2 + w - 1, x4 = x3 + w - 1, x5 = x4 + w + 4, x6 = x5 + w - 1;
    const int y1 = area.Top + h + 4, y2 = y1 + h - 1, y3 = y2 + h - 1, y4 = y3 + h - 1;
    // Collection index of each key of the four lower rows.
    constexpr int grid[4][6] = {
        {4, 11, 12, 19, 20, 27},
        {5, 10, 13, 18, 21, 26},
        {6, 9, 14, 17, 22, 25},
        {7, 8, 15, 16, 23, 24},
    };
    const int xs[6] = {x1, x2, x3, x4, x5, x6};
    const int ys[4] = {y1, y2, y3, y4};
    std::array<TRect, kCalculatorKeyCount> rects{};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 6; ++col) rects[size_t(grid[row][col])] = {xs[col], ys[row], xs[col] + w, ys[row] + h};
    const int right = x6 + w;
    const int wb = (right - x2 - 8) / 3;
    const int top = area.Top;
    rects[0] = {x1, top, x1 + w, top + h};
    rects[1] = {x2, top, x2 + wb, top + h};
    rects[2] = {x2 + wb + 4, top, x2 + 2 * wb + 4, top + h};
    rects[3] = {x2 + 2 * wb + 8, top, right, top + h};
    return rects;
}

// ----- the pad

TCustomButtonPanel::TCustomButtonPanel(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    FButtons.OnChange = [this] { StandAloneChanged(); };
    FButtonAppearance.OnChange = [this] { StandAloneChanged(); };
    CreateDefaultButtons();
}

TCustomButtonPanel::~TCustomButtonPanel()
{
    FButtons.OnChange = nullptr;
    FButtonAppearance.OnChange = nullptr;
}

void TCustomButtonPanel::StandAloneChanged()
{
    if (!FExDropDown) update();
}

void TCustomButtonPanel::SetButtonLayout(TItemLayout value)
{
    if (FButtonLayout == value) return;
    FButtonLayout = value;
    update();
}

void TCustomButtonPanel::SetImages(TImageList* value)
{
    FImages = value;
    ArrangeButtons();
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType value)
{
    if (FButtonPanelType == value) return;
    FButtonPanelType = value;
    ArrangeButtons();
}

void TCustomButtonPanel::SetExDropDown(TExCustomDropDown* value) { FExDropDown = value; }

TRect TCustomButtonPanel::GetButtonsRect() const
{
    return TRect(0, 0, width(), height()).Inflated(-FOffSetX, -FOffSetY);
}

QImage TCustomButtonPanel::ButtonGraphic(const TButtonItem& item) const
{
    if (!item.Image.isNull()) return item.Image;
    if (FImages && item.ImageIndex >= 0) {
        QImage image = FImages->Image(item.ImageIndex);
        if (!item.Enabled && !image.isNull()) image = image.convertToFormat(QImage::Format_Grayscale8);
        return image;
    }
    return {};
}

QSize TCustomButtonPanel::GetButtonSize()
{
    QFontMetrics metrics(FButtonAppearance.Font());
    int cw = 0, ch = 0, iw = 0, ih = 0;
    for (int i = 0; i < FButtons.Count(); ++i) {
        const TButtonItem& item = FButtons[i];
        if (!item.Caption.isEmpty()) {
            cw = std::max(cw, metrics.horizontalAdvance(item.Caption));
            ch = std::max(ch, metrics.height());
        }
        const QImage graphic = ButtonGraphic(item);
        iw = std::max(iw, graphic.width());
        ih = std::max(ih, graphic.height());
    }
    const int gap = (cw > 0 && iw > 0) ? FCaptionGap : 0;
    if (FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight)
        return {2 * FButtonOffSetX + iw + gap + cw, std::max(ih, ch) + 2 * FButtonOffSetY};
    return {std::max(iw, cw) + 2 * FButtonOffSetX, 2 * FButtonOffSetY + ih + gap + ch};
}

void TCustomButtonPanel::ClearButtons() { FButtons.Clear(); }

void TCustomButtonPanel::ResetButtons()
{
    ClearButtons();
    CreateDefaultButtons();
}

void TCustomButtonPanel::CreateDefaultButtons()
{
    if (FButtons.Count() > 0) return;
    if (FButtonPanelType == plCalculator) {
        for (const TStandardKey& key : kCalculatorKeys) {
            TButtonItem& item = FButtons.Add();
            item.Caption = QString::fromLatin1(key.Caption);
            item.Name = QString::fromLatin1(key.Name);
            item.Tag = key.Tag;
            item.Special = key.Special;
            if (key.Special) item.CaptionColor = 0x000080;
        }
    }
    ArrangeButtons();
}

void TCustomButtonPanel::ArrangeButtons()
{
    if (FButtonPanelType != plCalculator || FButtons.Count() == 0) return;
    const auto rects = CalculatorKeyRects(GetButtonsRect());
    for (int i = 0; i < std::min(FButtons.Count(), kCalculatorKeyCount); ++i) {
        TButtonItem& item = FButtons[i];
        const TRect& r = rects[size_t(i)];
        item.Left = r.Left;
        item.Top = r.Top;
        item.Width = r.Width();
        item.Height = r.Height();
    }
    update();
}

void TCustomButtonPanel::InvalidateButton(int index)
{
    if (index < 0 || index >= FButtons.Count()) return;
    update(FButtons[index].GetRect().Inflated(8, 8).toQRect());
}

void TCustomButtonPanel::DoButtonClick(int index)
{
    if (OnButtonClick) OnButtonClick(this, index);
}

void TCustomButtonPanel::SetHotButton(int index)
{
    if (index == FButtonHot) return;
    if (index >= 0 && index < FButtons.Count() && !FButtons[index].Enabled) return;
    InvalidateButton(FButtonHot);
    FButtonHot = index;
    InvalidateButton(FButtonHot);
}

void TCustomButtonPanel::SetDownButton(int index)
{
    if (index == FButtonDown) return;
    if (index >= 0 && index < FButtons.Count() && !FButtons[index].Enabled) return;
    InvalidateButton(FButtonDown);
    FButtonDown = index;
    InvalidateButton(FButtonDown);
}

TRect TCustomButtonPanel::GetButtonRect(int index) const
{
    if (index < 0 || index >= FButtons.Count()) return {-1, -1, -1, -1};
    return FButtons[index].GetRect();
}

int TCustomButtonPanel::ButtonAtPos(int x, int y) const
{
    for (int i = 0; i < FButtons.Count(); ++i)
        if (FButtons[i].GetRect().Contains(x, y)) return i;
    return -1;
}

void TCustomButtonPanel::DrawButton(int index, TCanvas& canvas)
{
    if (index < 0 || index >= FButtons.Count()) return;
    const TButtonItem& item = FButtons[index];
    const TRect r = item.GetRect();
    if (r.Left < 0 && r.Right < 0) return;

    canvas.FillRect(r);
    platform::TThemeState state = platform::tsNormal;
    if (!isEnabled())
        state = platform::tsDisabled;
    else if (index == FButtonDown)
        state = platform::tsPressed;
    else if (index == FButtonHot)
        state = platform::tsHot;
    platform::ThemePainter::Draw(canvas.Painter(), platform::TThemePart::PushButton, r, state, 0, this);

    const QImage graphic = ButtonGraphic(item);
    const TRect content = r.Inflated(-FButtonOffSetX, -FButtonOffSetY);
    canvas.Font = platform::TFont(FButtonAppearance.Font(),
                                  item.Special ? FButtonAppearance.SpecialTextColor() : FButtonAppearance.TextColor());
    canvas.Brush.Style = Qt::NoBrush;
    const int gw = graphic.width(), gh = graphic.height();
    const int textHeight = item.Caption.isEmpty() ? 0 : canvas.TextHeight(item.Caption);
    const int textWidth = item.Caption.isEmpty() ? 0 : canvas.TextWidth(item.Caption);
    auto drawCaption = [&](TRect area) {
        if (item.Caption.isEmpty()) return;
        const int x = graphic.isNull() ? area.Left + (area.Width() - textWidth) / 2 : area.Left;
        canvas.TextOut(x, area.Top + (area.Height() - textHeight) / 2, item.Caption);
    };
    switch (FButtonLayout) {
    case ilCaptionRight:
        if (!graphic.isNull()) canvas.Draw(content.Left, content.Top + (content.Height() - gh) / 2, graphic);
        drawCaption({content.Left + gw + (graphic.isNull() ? 0 : FCaptionGap), content.Top, content.Right,
                     content.Bottom});
        break;
    case ilCaptionLeft:
        drawCaption({content.Left, content.Top, content.Right - gw, content.Bottom});
        if (!graphic.isNull())
            canvas.Draw(content.Left + textWidth + FCaptionGap, content.Top + (content.Height() - gh) / 2, graphic);
        break;
    case ilCaptionTop:
        if (!item.Caption.isEmpty()) {
            const TRect area{content.Left, content.Top, content.Right, content.Bottom - gh};
            canvas.TextOut(area.Left + (area.Width() - textWidth) / 2, area.Top + (area.Height() - textHeight) / 2,
                           item.Caption);
            if (!graphic.isNull())
                canvas.Draw(content.Left + (content.Width() - gw) / 2, content.Top + textHeight + FCaptionGap, graphic);
        } else if (!graphic.isNull()) {
            canvas.Draw(content.Left + (content.Width() - gw) / 2, content.Top + (content.Height() - gh) / 2, graphic);
        }
        break;
    case ilCaptionBottom:
        if (!graphic.isNull()) {
            const int y = item.Caption.isEmpty() ? content.Top + (content.Height() - gh) / 2 : content.Top;
            canvas.Draw(content.Left + (content.Width() - gw) / 2, y, graphic);
        }
        if (!item.Caption.isEmpty())
            canvas.TextOut(content.Left + (content.Width() - textWidth) / 2, content.Top + gh + FCaptionGap,
                           item.Caption);
        break;
    }
}

void TCustomButtonPanel::DrawButtons(TCanvas& canvas, bool withHot)
{
    for (int i = 0; i < FButtons.Count(); ++i)
        if (i != FButtonHot) DrawButton(i, canvas);
    if (withHot && FButtonHot >= 0) DrawButton(FButtonHot, canvas);
}

void TCustomButtonPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    const QColor background = palette().color(backgroundRole());
    canvas.Brush.Color = ColorFromQColor(background);
    canvas.FillRect({0, 0, width(), height()});
    if (!FExDropDown) {
        canvas.Brush.Color = clBlack;
        canvas.FrameRect({0, 0, width(), height()});
    }
    canvas.Brush.Color = ColorFromQColor(background);
    canvas.Brush.Style = Qt::SolidPattern;
    DrawButtons(canvas, true);
}

void TCustomButtonPanel::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int index = ButtonAtPos(p.x(), p.y());
    if (index >= 0 && FButtons[index].Enabled) SetDownButton(index);
}

void TCustomButtonPanel::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int index = ButtonAtPos(p.x(), p.y());
    SetHotButton(index >= 0 && FButtons[index].Enabled ? index : -1);
}

void TCustomButtonPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (FButtonDown < 0) return;
    const int pressed = FButtonDown;
    SetDownButton(-1);
    const QPoint p = event->position().toPoint();
    if (ButtonAtPos(p.x(), p.y()) == pressed) DoButtonClick(pressed);
}

void TCustomButtonPanel::leaveEvent(QEvent*) { SetHotButton(-1); }

void TCustomButtonPanel::resizeEvent(QResizeEvent*) { ArrangeButtons(); }

}  // namespace dropdown
