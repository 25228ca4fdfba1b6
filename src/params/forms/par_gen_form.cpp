#include "params/forms/par_gen_form.h"
#include "params/forms/typed_input_limit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QWheelEvent>

#include "app/app_state.h"
#include "app/language.h"
#include "params/par_gen_checks.h"
#include "params/par_gen_file.h"
#include "platform/dialogs.h"
#include "platform/strings.h"

namespace params {
namespace par_gen_form_detail {

// The question before OK replaces a ParGen.xml changed since it was loaded.
constexpr int kTextFileChanged = 407;
constexpr int kClientWidth = 460;
constexpr int kClientHeight = 700;
constexpr int kTitleHeight = 69;
constexpr int kButtonBarHeight = 40;
constexpr int kLabelLeft = 14;
constexpr int kFieldLeft = 191;
constexpr int kFieldWidth = 238;
constexpr int kOctetWidth = 55;
constexpr int kOctetStep = 61;
constexpr int kBoxWidth = 415;
constexpr int kGatewayBoxWidth = 175;
constexpr int kBoxHeight = 17;
constexpr int kFirstRowTop = 12;
constexpr int kRowStep = 28;
const QColor kFormColor(248, 247, 237);

// The three lists whose items come from the text table.
struct TranslatedList {
    const char* name;
    int firstId;
    int count;
};
constexpr TranslatedList kTranslatedLists[] = {
    {"CB_WiFi2_Type", 888, 2},
    {"CB_WiFi2_Secure_Type", 930, 4},
    {"CB_WiFi2_Channel", 952, 12},
};

// The lists and boxes whose change lays the panels out again.
const QStringList kLayoutLists = {
    "CB_Select_Device_Device", "CB_WiFi2_Type",        "CB_WiFi2_Secure_Type",
    "CB_BACnet_Master_Type",   "CB_BACnet_Slave_Type", "CB_SNMP_Agent_SecurityLevel",
};
const QStringList kLayoutBoxes = {
    "CB_EthConn_En_DHCP_Cable", "CB_EthConn_En_DHCP_WiFi", "CB_MQTT_WillFlag",     "CB_MQTT_PublishTopicConnection",
    "CB_TLS_Enable",            "CB_TLS_En_Server_Auth",   "CB_TLS_En_Client_Auth", "CB_WiFi2_En_DHCP",
    "CB_TLS_Server_Enable",     "CB_SNMP_Agent_Version3",
};

// The chains the dot key walks through, field stem by field stem.
const std::vector<QStringList> kDotChains = {
    {"E_EthConn_Pri_DNS_IP", "E_EthConn_Sec_DNS_IP"},
    {"E_Ethernet_IP", "E_Ethernet_SM", "E_Ethernet_GAT"},
    {"E_WiFi2_IP1_IP", "E_WiFi2_IP1_SM", "E_WiFi2_IP1_GAT"},
    {"E_WiFi2_IP2_IP", "E_WiFi2_IP2_SM", "E_WiFi2_IP2_GAT"},
    {"E_WiFi2_DHCP_First_IP", "E_WiFi2_DHCP_SM"},
};

int elementDefaultIndex(const ParGenElement& element)
{
    return platform::parseIntOr(QString::fromLatin1(element.formDefault), 0);
}

}  // namespace par_gen_form_detail

namespace pgf = par_gen_form_detail;

// The checks read the form's controls through this adapter.
class TFParGen::CheckSource final : public ParGenCheckSource {
public:
    explicit CheckSource(const TFParGen& form) : form_(form) {}
    QString text(const QString& field) const override { return form_.fieldText(field); }
    bool checked(const QString& box) const override { return form_.isChecked(box); }
    int listIndex(const QString& list) const override { return form_.listIndex(list); }
    bool visibleAndEnabled(const QString& field) const override
    {
        const QWidget* w = form_.control(field);
        return w && !w->isHidden() && !w->testAttribute(Qt::WA_ForceDisabled);
    }

private:
    const TFParGen& form_;
};

TFParGen::TFParGen(QWidget* parent) : QDialog(parent)
{
    form_parts::setFormLook(this, QStringLiteral("FParGen"), pgf::kFormColor);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(pgf::kClientWidth, pgf::kClientHeight);
    setFixedWidth(pgf::kClientWidth);
    setMinimumHeight(pgf::kTitleHeight + pgf::kButtonBarHeight + 60);

    title = form_parts::makeTitlePanel(this, app::appState().SW_Code);
    buttons = form_parts::makeButtonPanel(this);
    buttons.Btn_OK->move(217, 6);
    buttons.Btn_Cancel->move(335, 6);
    buttons.Btn_OK->SetModalResult(platform::mrNone);
    buttons.Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    buttons.Btn_Cancel->SetModalResult(platform::mrCancel);

    CPG = new platform::TCategoryPanelGroup(this);
    CPG->setObjectName(QStringLiteral("CPG"));
    CPG->viewport()->setAutoFillBackground(true);
    CPG->viewport()->setPalette(palette());
    for (const ParGenPanel& desc : parGenPanels())
        buildPanel(desc);
    buildDotChains();

    // Creation: every panel hidden, then this variant's order and layout.
    for (platform::TCategoryPanel* p : CPG->Panels())
        p->SetPanelVisible(false);
    Order_TAB_Panels();
    building_ = false;
    Move_GroupBoxs();
    Set_Lang();
    captureWheel(this);
    resizeEvent(nullptr);
}

TFParGen::~TFParGen() = default;

template <typename T>
T* TFParGen::addControl(QWidget* parent, const QString& name)
{
    // The panel's surface owns the control.
    auto* w = new T(parent);
    w->setObjectName(name);
    controls_.insert(name, w);
    return w;
}

void TFParGen::buildPanel(const ParGenPanel& desc)
{
    platform::TCategoryPanel* p = CPG->AddPanel(QString::fromLatin1(desc.name));
    panels_.insert(QString::fromLatin1(desc.name), p);
    int top = pgf::kFirstRowTop;
    for (const ParGenRow& r : desc.rows) {
        buildRow(p, r, top);
        top += pgf::kRowStep;
    }
}

void TFParGen::buildRow(platform::TCategoryPanel* panel, const ParGenRow& desc, int top)
{
    QWidget* surface = panel->Surface();
    RowWidgets r;
    r.desc = &desc;
    r.panel = panel;
    if (const QString label = desc.labelName(); !label.isEmpty()) {
        r.label = addControl<QLabel>(surface, label);
        r.label->move(pgf::kLabelLeft, top);
    }
    const bool boxRow = desc.kind == ParGenRowKind::Check || desc.kind == ParGenRowKind::Gateway ||
                        desc.kind == ParGenRowKind::CheckField;
    if (boxRow) {
        r.box = addControl<QCheckBox>(surface, QString::fromLatin1(desc.name));
        r.box->setGeometry(pgf::kLabelLeft, top, desc.kind == ParGenRowKind::Check ? pgf::kBoxWidth : pgf::kGatewayBoxWidth,
                           pgf::kBoxHeight);
        connect(r.box, &QCheckBox::toggled, this, [this, box = r.box] { On_Click(box); });
    }
    const QStringList fields = desc.fieldNames();
    const bool octets = desc.kind == ParGenRowKind::Address || desc.kind == ParGenRowKind::Gateway;
    for (int k = 0; k < fields.size(); ++k) {
        QWidget* field = nullptr;
        if (desc.kind == ParGenRowKind::List) {
            auto* list = addControl<QComboBox>(surface, fields[k]);
            list->addItems(desc.items);
            list->setCurrentIndex(desc.items.isEmpty() ? -1 : 0);
            connect(list, &QComboBox::currentIndexChanged, this, [this, list] { On_Change(list); });
            field = list;
        } else if (desc.kind == ParGenRowKind::Rich) {
            auto* text = addControl<QPlainTextEdit>(surface, fields[k]);
            text->setTabChangesFocus(true);
            text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            text->document()->setDocumentMargin(1);
            connect(text, &QPlainTextEdit::textChanged, this, [this, text] { On_Change(text); });
            field = text;
        } else {
            auto* edit = addControl<QLineEdit>(surface, fields[k]);
            // Fields whose text goes into a fixed field of the device image
            // hold no more than it; the others only limit what is typed.
            if (desc.imageCapacity)
                edit->setMaxLength(desc.maxLength);
            else if ((desc.maxLength > 0 && !octets) || desc.digitsOnly)
                edit->setValidator(new TypedInputLimit(edit, octets ? 0 : desc.maxLength, desc.digitsOnly));
            if (desc.lowerCase)
                connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
                    if (text != text.toLower()) {
                        const int cursor = edit->cursorPosition();
                        edit->setText(text.toLower());
                        edit->setCursorPosition(cursor);
                    }
                });
            connect(edit, &QLineEdit::textChanged, this, [this, edit] { On_Change(edit); });
            if (octets) {
                edit->installEventFilter(this);
                octetFields_ << edit;
            }
            field = edit;
        }
        if (octets)
            field->setGeometry(pgf::kFieldLeft + k * pgf::kOctetStep, top - desc.fieldOffset, pgf::kOctetWidth, desc.fieldHeight);
        else
            field->setGeometry(pgf::kFieldLeft, top - desc.fieldOffset, pgf::kFieldWidth, desc.fieldHeight);
        r.fields << field;
    }
    for (const QString& dot : desc.dotNames()) {
        auto* label = addControl<QLabel>(surface, dot);
        label->setText(QStringLiteral("."));
        const int k = r.dots.size();
        label->setGeometry(pgf::kFieldLeft + pgf::kOctetWidth + k * pgf::kOctetStep, top, pgf::kOctetStep - pgf::kOctetWidth, 13);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        r.dots << label;
    }
    rows_.insert(QString::fromLatin1(desc.name), r);
}

void TFParGen::buildDotChains()
{
    for (const QStringList& chain : pgf::kDotChains) {
        QWidget* previous = nullptr;
        for (const QString& stem : chain)
            for (int k = 1; k <= 4; ++k) {
                QWidget* field = control(stem + QString::number(k));
                if (previous && field)
                    dotNext_.insert(previous, field);
                previous = field;
            }
    }
}

void TFParGen::captureWheel(QWidget* root)
{
    root->installEventFilter(this);
    for (QWidget* child : root->findChildren<QWidget*>())
        child->installEventFilter(this);
}

// ---------------------------------------------------------------- values

QString TFParGen::fieldText(const QString& name) const
{
    QWidget* w = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(w))
        // The raw text keeps non-breaking spaces; paragraphs are lines.
        return text->document()->toRawText().replace(QChar(QChar::ParagraphSeparator), u'\n');
    if (auto* list = qobject_cast<QComboBox*>(w))
        return list->currentText();
    return {};
}

void TFParGen::setFieldText(const QString& name, const QString& text)
{
    QWidget* w = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->setPlainText(text);
}

bool TFParGen::isChecked(const QString& box) const
{
    const auto* b = controlAs<QCheckBox>(box);
    return b && b->isChecked();
}

int TFParGen::listIndex(const QString& list) const
{
    const auto* l = controlAs<QComboBox>(list);
    return l ? l->currentIndex() : -1;
}

void TFParGen::applyValue(const ParGenElement& element, const QString& text)
{
    const QString name = QString::fromLatin1(parGenControlOf(element.name));
    switch (element.kind) {
    case ParGenValueKind::CheckBox:
        controlAs<QCheckBox>(name)->setChecked(text == QLatin1String("1"));
        break;
    case ParGenValueKind::NumericCheckBox:
        controlAs<QCheckBox>(name)->setChecked(platform::parseInt(text).value_or(0) == 1);
        break;
    case ParGenValueKind::ListIndex: {
        auto* list = controlAs<QComboBox>(name);
        // A text that is no number, or an index outside the list, selects
        // the element's default item.
        int index = platform::parseInt(text).value_or(-1);
        if (index < 0 || index >= list->count())
            index = pgf::elementDefaultIndex(element);
        list->setCurrentIndex(index);
        break;
    }
    case ParGenValueKind::ListText: {
        auto* list = controlAs<QComboBox>(name);
        const int index = list->findText(text, Qt::MatchFixedString);
        list->setCurrentIndex(index >= 0 ? index : 0);
        break;
    }
    case ParGenValueKind::Text:
        setFieldText(name, text);
        break;
    }
}

QString TFParGen::valueOf(const ParGenElement& element) const
{
    const QString name = QString::fromLatin1(parGenControlOf(element.name));
    switch (element.kind) {
    case ParGenValueKind::CheckBox:
    case ParGenValueKind::NumericCheckBox:
        return isChecked(name) ? QStringLiteral("1") : QStringLiteral("0");
    case ParGenValueKind::ListIndex: {
        const int index = listIndex(name);
        return QString::number(index >= 0 ? index : pgf::elementDefaultIndex(element));
    }
    case ParGenValueKind::ListText: {
        const auto* list = controlAs<QComboBox>(name);
        return list->currentIndex() >= 0 ? list->currentText() : QString::fromLatin1(element.formDefault);
    }
    case ParGenValueKind::Text:
        break;
    }
    return fieldText(name);
}

bool TFParGen::FormShow()
{
    ParGenFile file;
    QString error;
    // Stamped before reading: a change while reading is then seen on OK.
    loaded_ = platform::FileStamp::of(app::appState().ParGen_Path);
    if (!readParGenFile(app::appState().ParGen_Path, XML1, file, &error)) {
        platform::dialogs().error(error, this);
        return false;
    }
    for (const ParGenElement& element : parGenElements()) {
        // The Wi-Fi DHCP box is never read: it is always cleared.
        if (QLatin1String(element.name) == QLatin1String("Eth_Conn_DHCP_WiFi")) {
            controlAs<QCheckBox>(QStringLiteral("CB_EthConn_En_DHCP_WiFi"))->setChecked(false);
            continue;
        }
        applyValue(element, file.formValue(QString::fromLatin1(element.name)));
    }
    Move_GroupBoxs();
    return true;
}

void TFParGen::Btn_OKClick()
{
    if (!Controllo_Dati())
        return;
    const QString& path = app::appState().ParGen_Path;
    if (loaded_.changedOn(path) && !platform::dialogs().confirm(app::langText(pgf::kTextFileChanged), this))
        return;
    QHash<QString, QString> values;
    for (const ParGenElement& element : parGenElements())
        values.insert(QString::fromLatin1(element.name), valueOf(element));
    QString error;
    if (!writeParGenFile(path, XML1, values, &error)) {
        platform::dialogs().error(error, this);
        return;
    }
    done(platform::mrOk);
}

bool TFParGen::Controllo_Dati()
{
    const CheckSource source(*this);
    if (const auto failure = firstParGenCheckFailure(source)) {
        platform::dialogs().error(app::langText(failure->textId), this);
        return false;
    }
    return true;
}

void TFParGen::E_EtherCAT_Slave_NameKeyPress(QChar& key)
{
    const char16_t c = key.unicode();
    const bool hexDigit = c == u'0' || c == u'1' || (c >= u'A' && c <= u'F');
    if (!hexDigit && c > 32)
        key = QChar(0);
}

// ---------------------------------------------------------------- events

void TFParGen::On_Change(QObject* sender)
{
    if (!building_ && pgf::kLayoutLists.contains(sender->objectName()))
        Move_GroupBoxs();
}

void TFParGen::On_Click(QObject* sender)
{
    if (!building_ && pgf::kLayoutBoxes.contains(sender->objectName()))
        Move_GroupBoxs();
}

bool TFParGen::KeyPress(QWidget* field, QKeyEvent* key)
{
    if (key->text() != QLatin1String("."))
        return false;
    // No dot is ever typed into an octet field; in a chain it moves on.
    if (QWidget* next = dotNext_.value(field)) {
        if (next->isVisible() && next->isEnabled())
            next->setFocus(Qt::TabFocusReason);
    }
    return true;
}

bool TFParGen::FormMouseWheel(const QPoint& globalPos, int delta)
{
    return CPG->MouseWheel(globalPos, delta);
}

bool TFParGen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (FormMouseWheel(wheel->globalPosition().toPoint(), wheel->angleDelta().y())) {
            wheel->accept();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* field = qobject_cast<QWidget*>(watched);
        if (field && octetFields_.contains(field))
            return KeyPress(field, static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

void TFParGen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous() && !FormShow())
        QMetaObject::invokeMethod(this, [this] { reject(); }, Qt::QueuedConnection);
}

void TFParGen::resizeEvent(QResizeEvent* event)
{
    if (event)
        QDialog::resizeEvent(event);
    const int h = height();
    title.P_Title->setGeometry(0, 0, pgf::kClientWidth, pgf::kTitleHeight);
    buttons.P_Button->setGeometry(0, h - pgf::kButtonBarHeight, pgf::kClientWidth, pgf::kButtonBarHeight);
    CPG->setGeometry(0, pgf::kTitleHeight, pgf::kClientWidth, std::max(0, h - pgf::kTitleHeight - pgf::kButtonBarHeight));
}

// ---------------------------------------------------------------- texts

void TFParGen::Set_Lang()
{
    setWindowTitle(app::langText(400));
    title.L_SW_Desc->setText(app::langText(401));
    title.L_SW_Desc->adjustSize();
    buttons.Btn_OK->SetCaption(app::langText(402));
    buttons.Btn_Cancel->SetCaption(app::langText(403));
    buttons.Btn_OK->setToolTip(app::langText(404));
    buttons.Btn_Cancel->setToolTip(app::langText(405));

    for (const ParGenPanel& desc : parGenPanels()) {
        int id = 0;
        // Each row takes its ids in turn: caption, then one hint per field.
        for (const ParGenRow& r : desc.rows) {
            if (r.firstTextId != 0)
                id = r.firstTextId;
            const auto text = [&](int k) { return id + k <= desc.lastTextId ? app::langText(id + k) : QString(); };
            const RowWidgets& w = rows_[QString::fromLatin1(r.name)];
            int k = 0;
            if (w.label) {
                w.label->setText(text(k++));
                w.label->adjustSize();
            }
            if (w.box) {
                w.box->setText(text(k++));
                w.box->setToolTip(text(k++));
            }
            for (QWidget* field : w.fields)
                field->setToolTip(text(k++));
            id += r.textCount();
        }
    }
    const bool wasBuilding = building_;
    building_ = true;
    for (const pgf::TranslatedList& t : pgf::kTranslatedLists) {
        auto* list = controlAs<QComboBox>(QString::fromLatin1(t.name));
        list->clear();
        for (int k = 0; k < t.count; ++k)
            list->addItem(app::langText(t.firstId + k));
        list->setCurrentIndex(0);
    }
    building_ = wasBuilding;
    if (!building_)
        Move_GroupBoxs();
}

}  // namespace params
