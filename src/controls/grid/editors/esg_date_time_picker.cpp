#include "controls/grid/editors/esg_date_time_picker.h"

#include <algorithm>

#include <QBoxLayout>
#include <QCalendarWidget>
#include <QIcon>
#include <QPixmap>
#include <QMouseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QEnterEvent>
#include <QPolygon>

#include "platform/format_settings.h"
#include "platform/input_state.h"
#include "platform/theme_painter.h"

namespace grid {

namespace date_time_picker_detail {

// The "DTPShiftFocus" message a picker posts to itself after a typed digit.
QEvent::Type ShiftFocusEventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

QDateTime QtDateTime(TDateTime value) { return QDateTime(DateOfDateTime(value), TimeOfDateTime(value)); }

}  // namespace date_time_picker_detail

TAutoTabMove AutoTabMove(bool timeKind, const QString& customFormat, const QDateTime& before, const QDateTime& after)
{
    if (timeKind) {
        const QTime b = before.time();
        const QTime a = after.time();
        const bool changed = a.hour() != b.hour() || a.minute() != b.minute() || a.second() != b.second();
        return changed ? TAutoTabMove::NextField : TAutoTabMove::None;
    }
    const bool day = before.date().day() != after.date().day();
    const bool month = before.date().month() != after.date().month();
    const bool year = before.date().year() != after.date().year();
    if (!customFormat.isEmpty()) {
        const QChar last = customFormat.back().toLower();
        if ((day && last == u'd') || (month && last == u'm') || (year && last == u'y')) return TAutoTabMove::LastFieldDone;
        return day || month || year ? TAutoTabMove::NextField : TAutoTabMove::None;
    }
    if (day || month) return TAutoTabMove::NextField;
    return year ? TAutoTabMove::LastFieldDone : TAutoTabMove::None;
}

// ------------------------------------------------------------ the calendar

namespace date_time_picker_detail {

const QColor& todayRing()
{
    static const QColor ring(0xC0, 0x00, 0x00);
    return ring;
}

}  // namespace date_time_picker_detail

TPickerCalendar::TPickerCalendar(QWidget* parent) : QCalendarWidget(parent), FToday(new QToolButton(this))
{
    FToday->setAutoRaise(true);
    FToday->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    FToday->setFocusPolicy(Qt::NoFocus);
    if (auto* box = qobject_cast<QBoxLayout*>(layout())) box->addWidget(FToday, 0, Qt::AlignLeft);
    connect(FToday, &QToolButton::clicked, this, [this] {
        const QDate today = QDate::currentDate();
        setSelectedDate(today);
        emit clicked(today);
    });
    UpdateTodayButton();
}

void TPickerCalendar::SetShowToday(bool value)
{
    FShowToday = value;
    UpdateTodayButton();
}

void TPickerCalendar::SetShowTodayCircle(bool value)
{
    FShowTodayCircle = value;
    UpdateTodayButton();
    updateCells();
}

void TPickerCalendar::UpdateTodayButton()
{
    const platform::FormatSettings& fs = platform::formatSettings();
    FToday->setText(QStringLiteral("Today: ") +
                    FormatDateTimeText(fs.ShortDateFormat, DateTimeFromQt(QDate::currentDate())));
    QIcon ring;
    if (FShowTodayCircle) {
        QPixmap mark(14, 10);
        mark.fill(Qt::transparent);
        QPainter p(&mark);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(date_time_picker_detail::todayRing(), 1.5));
        p.drawRoundedRect(QRectF(1, 1, 12, 8), 3, 3);
        ring = QIcon(mark);
    }
    FToday->setIcon(ring);
    FToday->setVisible(FShowToday);
    updateGeometry();
}

QSize TPickerCalendar::minimumSizeHint() const
{
    QSize size = QCalendarWidget::minimumSizeHint();
    if (FShowToday) size.rheight() += FToday->sizeHint().height();
    return size;
}

QSize TPickerCalendar::sizeHint() const { return minimumSizeHint(); }

void TPickerCalendar::showEvent(QShowEvent* event)
{
    // The day may have changed since the calendar was last shown.
    UpdateTodayButton();
    QCalendarWidget::showEvent(event);
}

void TPickerCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    if (!FShowTodayCircle || date != QDate::currentDate()) return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(date_time_picker_detail::todayRing(), 1.5));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    painter->restore();
}

// ------------------------------------------------------------ the picker

TDateTimePickerBase::TDateTimePickerBase(QWidget* parent) : QDateTimeEdit(parent)
{
    FButtonWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    setMouseTracking(true);
    setMinimumDate(QDate(100, 1, 1));
    setDateTime(QDateTime::currentDateTime());
    ApplyDisplayFormat();
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (OnChange) OnChange(this);
    });
}

void TDateTimePickerBase::SetKind(TDateTimeKind value)
{
    FKind = value;
    ApplyDisplayFormat();
}

void TDateTimePickerBase::SetDateMode(TDTDateMode value)
{
    FDateMode = value;
    ApplyDisplayFormat();
}

void TDateTimePickerBase::SetFormat(const QString& value)
{
    FFormat = value;
    ApplyDisplayFormat();
}

void TDateTimePickerBase::ApplyDisplayFormat()
{
    const platform::FormatSettings& fs = platform::formatSettings();
    const QString format = !FFormat.isEmpty() ? FFormat : FKind == dtkTime ? fs.LongTimeFormat : fs.ShortDateFormat;
    const QDateTime value = dateTime();
    setDisplayFormat(QtDisplayFormat(format));
    setDateTime(value);
    const bool calendar = FKind == dtkDate && FDateMode == dmComboBox;
    setCalendarPopup(calendar);
    if (calendar && qobject_cast<TPickerCalendar*>(calendarWidget()) == nullptr)
        setCalendarWidget(new TPickerCalendar(this));
    if (calendar && !FCalendarWatched && calendarWidget() != nullptr) {
        calendarWidget()->window()->installEventFilter(this);
        FCalendarWatched = true;
    }
}

bool TDateTimePickerBase::eventFilter(QObject* watched, QEvent* event)
{
    if (calendarWidget() != nullptr && watched == calendarWidget()->window()) {
        if (event->type() == QEvent::Show && OnDropDown) OnDropDown(this);
        if (event->type() == QEvent::Hide && OnCloseUp) OnCloseUp(this);
    }
    return QDateTimeEdit::eventFilter(watched, event);
}

void TDateTimePickerBase::SetShowCheckbox(bool value)
{
    if (value && FCheck == nullptr) {
        FCheck = new QCheckBox(this);
        FCheck->setChecked(true);
        FCheck->setFocusPolicy(Qt::NoFocus);
        connect(FCheck, &QCheckBox::toggled, this, [this](bool on) {
            setReadOnly(!on);
            CheckChanged();
            if (OnChange) OnChange(this);
        });
    }
    if (FCheck == nullptr) return;
    FCheck->setVisible(value);
    FCheck->setGeometry(3, 0, FCheck->sizeHint().width(), height());
    lineEdit()->setTextMargins(value ? FCheck->sizeHint().width() + 2 : 0, 0, 0, 0);
    setReadOnly(value && !FCheck->isChecked());
}

void TDateTimePickerBase::SetChecked(bool value)
{
    if (FCheck != nullptr) FCheck->setChecked(value);
}

void TDateTimePickerBase::resizeEvent(QResizeEvent* event)
{
    QDateTimeEdit::resizeEvent(event);
    if (FCheck != nullptr) FCheck->setGeometry(3, 0, FCheck->sizeHint().width(), height());
}

TDateTime TDateTimePickerBase::DateTime() const { return DateTimeFromQt(dateTime()); }

void TDateTimePickerBase::SetDateTime(TDateTime value) { WriteDateTime(value); }

void TDateTimePickerBase::WriteDateTime(TDateTime value)
{
    setDateTime(date_time_picker_detail::QtDateTime(value));
}

TDateTime TDateTimePickerBase::Date() const { return DateTimeFromQt(date()); }

void TDateTimePickerBase::SetDate(TDateTime value)
{
    // The time of day stays.
    SetDateTime(DateTimeFromQt(DateOfDateTime(value), TimeOfDateTime(DateTime())));
}

TDateTime TDateTimePickerBase::Time() const { return DateTimeFromQt(QDate(1899, 12, 30), time()); }

void TDateTimePickerBase::SetTime(TDateTime value)
{
    SetDateTime(DateTimeFromQt(date(), TimeOfDateTime(value)));
}

QString TDateTimePickerBase::Text() const
{
    const platform::FormatSettings& fs = platform::formatSettings();
    const QString format = !FFormat.isEmpty() ? FFormat : FKind == dtkTime ? fs.LongTimeFormat : fs.ShortDateFormat;
    return FormatDateTimeText(format, DateTime());
}

bool TDateTimePickerBase::DroppedDown() const
{
    return calendarPopup() && calendarWidget() != nullptr && calendarWidget()->window()->isVisible();
}

bool TDateTimePickerBase::IsDigitKey(const QKeyEvent& event)
{
    return !event.text().isEmpty() && event.text().at(0) >= u'0' && event.text().at(0) <= u'9';
}

bool TDateTimePickerBase::FireKeyDown(QKeyEvent& event)
{
    if (!OnKeyDown) return true;
    platform::Word key = event.key() == Qt::Key_Enter ? platform::VK_RETURN : platform::keyCodeFromQt(event.key());
    if (key == 0) return true;
    OnKeyDown(this, key, platform::shiftStateFromQt(event.modifiers()));
    if (key != 0) return true;
    event.accept();
    return false;
}

void TDateTimePickerBase::TypeDigit(QKeyEvent* event)
{
    if (!FireKeyDown(*event)) return;
    FBefore = dateTime();
    FSectionAtKey = currentSectionIndex();
    QDateTimeEdit::keyPressEvent(event);
    QCoreApplication::postEvent(this, new QEvent(date_time_picker_detail::ShiftFocusEventType()));
}

bool TDateTimePickerBase::event(QEvent* event)
{
    if (event->type() == date_time_picker_detail::ShiftFocusEventType()) {
        ShiftFocus();
        return true;
    }
    return QDateTimeEdit::event(event);
}

void TDateTimePickerBase::DropDown()
{
    if (!calendarPopup() || DroppedDown()) return;
    // The edit opens its calendar on a press on its arrow.
    const QPoint arrow(width() - 4, height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QDateTimeEdit::mousePressEvent(&press);
}

void TDateTimePickerBase::keyPressEvent(QKeyEvent* event)
{
    if (!FireKeyDown(*event)) return;
    const bool f4 = event->key() == Qt::Key_F4 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if ((f4 || altDown) && calendarPopup()) {
        DropDown();
        return;
    }
    QDateTimeEdit::keyPressEvent(event);
}

void TDateTimePickerBase::NextField()
{
    const int next = currentSectionIndex() + 1;
    if (next >= sectionCount()) return;
    setCurrentSectionIndex(next);
    setSelectedSection(sectionAt(next));
}

// ------------------------------------------------------------ the frame

void TDateTimePickerBase::SetCtl3D(bool value)
{
    FCtl3D = value;
    setFrame(value);
    update();
}

void TDateTimePickerBase::SetBorderStyle(TPickerBorderStyle value)
{
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    update();
}

void TDateTimePickerBase::SetBorderColor(TColor value)
{
    if (FBorderColor == value) return;
    FBorderColor = value;
    update();
}

void TDateTimePickerBase::SetMetroStyle(bool value)
{
    if (FMetroStyle == value) return;
    FMetroStyle = value;
    update();
}

void TDateTimePickerBase::SetButtonColours(const flat_frame::TDropButtonColours& value)
{
    FButtonColours = value;
    update();
}

bool TDateTimePickerBase::UseVisualStyles() const { return platform::ThemePainter::ThemesActive(); }

TColor TDateTimePickerBase::ParentColor() const
{
    const QWidget* parent = parentWidget();
    return parent != nullptr ? ColorFromQColor(parent->palette().color(parent->backgroundRole())) : clBtnFace;
}

void TDateTimePickerBase::paintEvent(QPaintEvent* event)
{
    QDateTimeEdit::paintEvent(event);
    const bool metro = IsMetroActive();
    // The platform's picker as it is.
    if (FCtl3D && !metro) return;
    QPainter p(this);
    if (metro && FKind != dtkTime) {
        // The platform's button covered in the control's colour, ours over it.
        const int CR = width(), BW = FButtonWidth, H = height();
        const QColor brush = palette().color(QPalette::Base);
        if (UseVisualStyles()) {
            const int k = FEsgFrame ? 15 : 4;
            p.fillRect(QRect(QPoint(CR - BW - k, 1), QPoint(CR - 1, H - 1)), brush);
        } else {
            p.fillRect(QRect(QPoint(CR - BW - 2, 4), QPoint(CR - 3, H - 5)), brush);
        }
        DrawDropButton(p);
    }
    DrawFlatBorder(p);
    if (!FEsgFrame && !FCtl3D && !UseVisualStyles()) {
        // A second ring one pixel inside.
        const int W = width(), H = height();
        p.drawPolyline(QPolygon({QPoint(1, H), QPoint(1, 1), QPoint(W - 2, 1), QPoint(W - 2, H - 2), QPoint(0, H - 2)}));
    }
    DrawBorders(p);
}

void TDateTimePickerBase::DrawDropButton(QPainter& painter)
{
    const int CW = width(), BW = FButtonWidth, W = width(), H = height();
    // (CW - BW + 2, 0, W, H) shrunk by one on every side.
    const int left = CW - BW + 3, top = 1, right = W - 1, bottom = H - 1;
    const bool mouseDown = platform::mouseButtonState() & (platform::ssLeft | platform::ssRight);
    if (FButtonColours.Color != clNone) {
        flat_frame::PaintColouredDropButton(painter, QRect(QPoint(left + 2, top), QPoint(right - 1, bottom - 1)),
                                            QLine(left, top, left, bottom), QPoint(left + 5, top + 7), FButtonColours,
                                            FButtonHover, mouseDown);
    } else if (UseVisualStyles()) {
        flat_frame::PaintThemedDropButton(painter, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), isEnabled(),
                                          mouseDown, DroppedDown(), FButtonHover, this);
    } else {
        // The plain arrow button, flat while enabled.
        QStyleOption opt;
        opt.initFrom(this);
        opt.rect = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        if (!isEnabled()) opt.state &= ~QStyle::State_Enabled;
        painter.fillRect(opt.rect, palette().button());
        style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &opt, &painter, this);
    }
}

void TDateTimePickerBase::DrawFlatBorder(QPainter& painter)
{
    if (FCtl3D || (FEsgFrame && FBorderColor == clNone)) return;
    const QWidget* parent = parentWidget();
    TColor pen = FBorderColor;
    if (FBorderStyle == bsNone && parent != nullptr)
        pen = ParentColor();
    else if (UseVisualStyles())
        pen = TColor(0xB99D7F);
    const int W = width(), H = height();
    painter.save();
    painter.setPen(toQColor(pen));
    painter.drawPolyline(QPolygon({QPoint(0, H), QPoint(0, 0), QPoint(W - 1, 0), QPoint(W - 1, H - 1), QPoint(0, H - 1)}));
    if (parent != nullptr) {
        if (FBorderStyle == bsSingle) painter.setPen(toQColor(ParentColor()));
        painter.drawPolyline(QPolygon({QPoint(1, H - 2), QPoint(1, 1), QPoint(W - 1, 1)}));
    }
    painter.restore();
}

void TDateTimePickerBase::DrawBorders(QPainter& painter)
{
    if (SuppressOwnFrame() || !IsMetroActive()) return;
    if (isEnabled() && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    flat_frame::TBorderLook look;
    look.Enabled = isEnabled();
    look.Themed = true;
    look.DisabledBorder = FDisabledBorder;
    look.HasFocus = FHasFocus;
    look.FocusBorderShown = false;
    look.BorderColor = FBorderColor;
    look.FocusBorderColor = FFocusBorderColor;
    look.ParentColor = ParentColor();
    look.Color = ColorFromQColor(palette().color(QPalette::Base));
    look.ButtonWidth = FButtonWidth;
    flat_frame::PaintControlBorder(painter, rect(), look);
    if (!UseVisualStyles()) DrawButtonEdge(painter);
}

void TDateTimePickerBase::DrawButtonEdge(QPainter& painter)
{
    const int CW = width(), CH = height(), BW = FButtonWidth;
    const QRect inner(QPoint(CW - BW + 4, 4), QPoint(CW - 5, CH - 5));
    // (CW - BW - 2, 0, W, H) shrunk by 2.
    const QRect b(QPoint(CW - BW, 2), QPoint(width() - 3, height() - 3));
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(inner)));
    if (IsActiveOrHot()) {
        // A raised edge, flat while the calendar is open.
        QStyleOptionFrame opt;
        opt.initFrom(this);
        opt.rect = b;
        opt.lineWidth = DroppedDown() ? 0 : 1;
        opt.state |= QStyle::State_Raised;
        if (!DroppedDown()) style()->drawPrimitive(QStyle::PE_Frame, &opt, &painter, this);
    } else {
        painter.fillRect(b.adjusted(0, 1, -1, -1), toQColor(clBtnFace));
    }
    painter.restore();
}

void TDateTimePickerBase::enterEvent(QEnterEvent* event)
{
    QDateTimeEdit::enterEvent(event);
    if (FMouseInControl || !isEnabled()) return;
    FMouseInControl = true;
    update();
}

void TDateTimePickerBase::leaveEvent(QEvent* event)
{
    QDateTimeEdit::leaveEvent(event);
    if (!FMouseInControl || !isEnabled()) return;
    FMouseInControl = false;
    FButtonHover = false;
    update();
}

void TDateTimePickerBase::mouseMoveEvent(QMouseEvent* event)
{
    QDateTimeEdit::mouseMoveEvent(event);
    const int x = int(event->position().x());
    const bool hover = width() - FButtonWidth < x && x < width();
    if (hover == FButtonHover) return;
    FButtonHover = hover;
    update();
}

void TDateTimePickerBase::focusInEvent(QFocusEvent* event)
{
    QDateTimeEdit::focusInEvent(event);
    FHasFocus = true;
    update();
}

void TDateTimePickerBase::focusOutEvent(QFocusEvent* event)
{
    QDateTimeEdit::focusOutEvent(event);
    FHasFocus = false;
    update();
}

// ------------------------------------------------------------ grid editor base

TEsgDateTimePicker::TEsgDateTimePicker(QWidget* parent) : TDateTimePickerBase(parent)
{
    FEsgFrame = true;
    SetCtl3D(true);
}

// ------------------------------------------------------------ AutoTab

TCustomDateTimePicker::TCustomDateTimePicker(QWidget* parent) : TDateTimePickerBase(parent)
{
    SetCtl3D(false);
    SetBorderColor(clBlack);
}

void TCustomDateTimePicker::keyPressEvent(QKeyEvent* event)
{
    if (IsDigitKey(*event) && FAutoTab)
        TypeDigit(event);
    else
        TDateTimePickerBase::keyPressEvent(event);
}

void TCustomDateTimePicker::CheckAutoTab()
{
    if (Kind() != dtkTime) return;
    // The picker may have moved on by itself when the field was full.
    if (AutoTabMove(true, Format(), FBefore, dateTime()) == TAutoTabMove::NextField &&
        currentSectionIndex() == FSectionAtKey)
        NextField();
}

// ------------------------------------------------------------ date and time in one

TExDateTimePicker::TExDateTimePicker(QWidget* parent) : TCustomDateTimePicker(parent)
{
    SetBorderStyle(bsSingle);
    SetCtl3D(true);
    CreateTimePicker();
}

void TExDateTimePicker::SetMetroStyle(bool value)
{
    TCustomDateTimePicker::SetMetroStyle(value);
    UpdateTimePicker();
}

void TExDateTimePicker::SetBorderStyle(TPickerBorderStyle value)
{
    TCustomDateTimePicker::SetBorderStyle(value);
    UpdateTimePicker();
}

void TExDateTimePicker::SetExKind(TExDateTimeKind value)
{
    if (FExKind == value) return;
    FExKind = value;
    SetKind(value == dkTime ? dtkTime : dtkDate);
    if (value == dkTime && !FTimeFormat.isEmpty()) SetFormat(FTimeFormat);
    if (value == dkDateTime) CreateTimePicker();
    UpdateTimePicker();
}

void TExDateTimePicker::CreateTimePicker()
{
    if (FTimePicker != nullptr || FExKind != dkDateTime) return;
    auto* picker = new TCustomDateTimePicker(this);
    picker->SetKind(dtkTime);
    picker->SetFormat(FTimeFormat);
    picker->SetAutoTab(AutoTab());
    picker->setFrame(false);
    picker->setButtonSymbols(QAbstractSpinBox::NoButtons);
    picker->setEnabled(isEnabled());
    picker->OnChange = [this](QObject*) {
        if (OnChange) OnChange(this);
        if (OnTimeChange) OnTimeChange(this);
    };
    picker->installEventFilter(this);
    FTimePicker = picker;
    UpdateTimePicker();
}

bool TExDateTimePicker::eventFilter(QObject* watched, QEvent* event)
{
    // The event's kind is asked first: while the time part is being destroyed
    // its pointer must not be read as the picker it no longer is.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) && watched == FTimePicker) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Escape: case Qt::Key_Tab: case Qt::Key_Backtab:
        case Qt::Key_PageUp: case Qt::Key_PageDown:
            if (event->type() == QEvent::KeyPress) keyPressEvent(key);
            event->accept();
            return true;
        default:
            // The picker's OnKeyDown sees the keys typed in the time part too.
            if (event->type() == QEvent::KeyPress && !FireKeyDown(*key)) return true;
            break;
        }
    }
    return TCustomDateTimePicker::eventFilter(watched, event);
}

void TExDateTimePicker::TimePickerEnabled()
{
    if (FTimePicker != nullptr) FTimePicker->setEnabled(isEnabled() && Checked());
}

void TExDateTimePicker::UpdateTimePicker()
{
    if (FTimePicker == nullptr) return;
    TCustomDateTimePicker& t = *FTimePicker;
    t.setPalette(palette());
    TimePickerEnabled();
    if (FExKind != dkDateTime) {
        delete FTimePicker;
        return;
    }
    t.SetFormat(FTimeFormat);
    t.setFont(font());
    const int a = QFontMetrics(font()).horizontalAdvance(t.text()) + 31;
    // In a narrow picker the time part starts after the date's text, never over it.
    const int dateEnd = lineEdit()->geometry().left() + lineEdit()->textMargins().left() +
                        QFontMetrics(font()).horizontalAdvance(lineEdit()->text()) + 6;
    // The Metro button is narrower than the platform's.
    const int button = IsMetroActive() ? 21 : 34;
    const int left = std::max(width() - a - button, dateEnd);
    t.setGeometry(left, 1, std::max(0, std::min(a, width() - button - left)), height() - 2);
    t.setVisible(true);
}

TDateTime TExDateTimePicker::DateTime() const
{
    if (FTimePicker == nullptr) return TCustomDateTimePicker::DateTime();
    return DateTimeFromQt(date(), FTimePicker->time());
}

void TExDateTimePicker::SetDateTime(TDateTime value)
{
    // Whole days and whole seconds: the milliseconds are dropped.
    const QTime t = TimeOfDateTime(value);
    const TDateTime folded = DateTimeFromQt(DateOfDateTime(value), QTime(t.hour(), t.minute(), t.second()));
    WriteDateTime(folded);
    CreateTimePicker();
    if (FTimePicker != nullptr) FTimePicker->SetDateTime(folded);
}

TDateTime TExDateTimePicker::ExTime() const
{
    if (FExKind == dkDateTime && FTimePicker != nullptr) return FTimePicker->Time();
    return Time();
}

void TExDateTimePicker::SetExTime(TDateTime value)
{
    SetTime(value);
    if (FTimePicker != nullptr) FTimePicker->SetTime(value);
    UpdateTimePicker();
}

void TExDateTimePicker::SetTimeFormat(const QString& value)
{
    FTimeFormat = value;
    if (FExKind == dkTime) SetFormat(value);
    UpdateTimePicker();
}

void TExDateTimePicker::SetAutoTab(bool value)
{
    TCustomDateTimePicker::SetAutoTab(value);
    if (FTimePicker != nullptr) FTimePicker->SetAutoTab(value);
}

void TExDateTimePicker::CheckAutoTab()
{
    if (FExKind == dkTime) {
        TCustomDateTimePicker::CheckAutoTab();
        return;
    }
    switch (AutoTabMove(false, Format(), FBefore, dateTime())) {
    case TAutoTabMove::NextField:
        if (currentSectionIndex() == FSectionAtKey) NextField();
        break;
    case TAutoTabMove::LastFieldDone:
        // The date is complete: the time part goes on.
        if (FTimePicker != nullptr && FTimePicker->isEnabled()) {
            FTimePicker->setFocus(Qt::TabFocusReason);
            FTimePicker->setCurrentSectionIndex(0);
            FTimePicker->setSelectedSection(FTimePicker->sectionAt(0));
        }
        break;
    case TAutoTabMove::None: break;
    }
}

void TExDateTimePicker::WriteDateTime(TDateTime value)
{
    TCustomDateTimePicker::WriteDateTime(value);
    if (ShowCheckbox()) TimePickerEnabled();
}

void TExDateTimePicker::CheckChanged() { TimePickerEnabled(); }

void TExDateTimePicker::SetLabelCaption(const QString& value)
{
    if (FLabel == nullptr) {
        FLabel = new QLabel(parentWidget());
        FLabel->setBuddy(this);
    }
    FLabel->setText(value);
    UpdateLabel();
}

void TExDateTimePicker::SetLabelPosition(TLabelPosition value)
{
    FLabelPosition = value;
    UpdateLabel();
}

void TExDateTimePicker::SetLabelMargin(int value)
{
    FLabelMargin = value;
    UpdateLabel();
}

void TExDateTimePicker::UpdateLabel()
{
    if (FLabel == nullptr) return;
    if (FLabel->parentWidget() != parentWidget()) FLabel->setParent(parentWidget());
    FLabel->adjustSize();
    const int textWidth = FLabel->fontMetrics().horizontalAdvance(FLabel->text());
    FLabel->move(LabelTopLeft(FLabelPosition, geometry(), FLabel->size(), textWidth, FLabelMargin));
    FLabel->setVisible(isVisible() || (!isHidden() && parentWidget() != nullptr && !parentWidget()->isVisible()));
    FLabel->setEnabled(isEnabled());
}

void TExDateTimePicker::resizeEvent(QResizeEvent* event)
{
    TCustomDateTimePicker::resizeEvent(event);
    UpdateTimePicker();
    UpdateLabel();
}

void TExDateTimePicker::moveEvent(QMoveEvent* event)
{
    TCustomDateTimePicker::moveEvent(event);
    UpdateLabel();
}

void TExDateTimePicker::changeEvent(QEvent* event)
{
    TCustomDateTimePicker::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        TimePickerEnabled();
        if (FLabel != nullptr) FLabel->setEnabled(isEnabled());
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) UpdateTimePicker();
}

void TExDateTimePicker::showEvent(QShowEvent* event)
{
    TCustomDateTimePicker::showEvent(event);
    if (FLabel != nullptr) FLabel->show();
}

void TExDateTimePicker::hideEvent(QHideEvent* event)
{
    TCustomDateTimePicker::hideEvent(event);
    if (FLabel != nullptr) FLabel->hide();
}

}  // namespace grid
