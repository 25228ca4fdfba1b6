#include "editors/ethercat_mqtt/topic_template_form.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QSplitter>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/colors.h"
#include "platform/form_border.h"

namespace ethercat_mqtt {
namespace topic_template_detail {

constexpr int kClientWidth = 635;
constexpr int kClientHeight = 396;
constexpr int kTitleHeight = 69;
constexpr int kButtonBarHeight = 40;
constexpr int kLegendHeight = 108;
constexpr int kKeywordWidth = 200;
constexpr int kDescriptionWidth = 380;
constexpr TColor kFormColor = 0x00EDF7F8;  // RGB(248, 247, 237)

namespace texts {
constexpr int CaptionTopic = 3800;
constexpr int CaptionTemplate = 3801;
constexpr int DescriptionTopic = 3802;
constexpr int DescriptionTemplate = 3803;
constexpr int ListKeywords = 3804;
constexpr int KeywordHeader = 3805;
constexpr int DescriptionHeader = 3806;
constexpr int OK = 3807;
constexpr int Cancel = 3808;
}  // namespace texts

QString text(int id) { return app::langText(id); }

// The editor's text with its paragraph and line separators as "\n"; every
// other character as typed.
QString editorText(const QPlainTextEdit& editor)
{
    QString raw = editor.document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    raw.replace(QChar::LineSeparator, u'\n');
    return raw;
}

}  // namespace topic_template_detail

using namespace topic_template_detail;

TFTopicTemplate::TFTopicTemplate(QWidget* parent) : QDialog(parent)
{
    form_parts::setFormLook(this, QStringLiteral("FTopicTemplate"), toQColor(kFormColor));
    platform::setFixedSizeForm(this, kClientWidth, kClientHeight);

    title = form_parts::makeTitlePanel(this, app::appState().SW_Code);
    buttons = form_parts::makeButtonPanel(this);

    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setGeometry(0, kTitleHeight, kClientWidth, kClientHeight - kTitleHeight - kButtonBarHeight);
    Splitter1->setChildrenCollapsible(false);
    RE_TopicTemplate = new QPlainTextEdit(Splitter1);
    RE_TopicTemplate->setObjectName(QStringLiteral("RE_TopicTemplate"));
    RE_TopicTemplate->setLineWrapMode(QPlainTextEdit::NoWrap);
    RE_TopicTemplate->setTabChangesFocus(false);
    buildLegend();
    const int editorHeight = Splitter1->height() - kLegendHeight - Splitter1->handleWidth();
    Splitter1->setSizes({editorHeight, kLegendHeight});
    Splitter1->setStretchFactor(0, 1);

    Set_Lang();
}

TFTopicTemplate::~TFTopicTemplate() = default;

void TFTopicTemplate::buildLegend()
{
    P_Legend = new QWidget(Splitter1);
    P_Legend->setObjectName(QStringLiteral("P_Legend"));
    P_Legend->setMinimumHeight(kLegendHeight / 2);
    L_List_Keywords = form_parts::placeLabel(P_Legend, QStringLiteral("L_List_Keywords"), 8, 4);
    ESG_Keywords = new grid::TExStringGrid(P_Legend);
    ESG_Keywords->setObjectName(QStringLiteral("ESG_Keywords"));
    ESG_Keywords->setGeometry(0, 22, kClientWidth, kLegendHeight - 22);
    ESG_Keywords->SetColCount(2);
    ESG_Keywords->SetRowCount(2);
    ESG_Keywords->SetFixedCols(0);
    ESG_Keywords->SetFixedRows(1);
    ESG_Keywords->SetColWidths(0, kKeywordWidth);
    ESG_Keywords->SetColWidths(1, kDescriptionWidth);
    ESG_Keywords->SetOptions(ESG_Keywords->Options() | platform::goEditing);
    grid::TCellFont header = ESG_Keywords->FixedFont();
    header.Style = grid::fsBold;
    ESG_Keywords->SetFixedFont(header);
}

void TFTopicTemplate::Set_Lang()
{
    setWindowTitle(text(texts::CaptionTopic));
    title.L_SW_Desc->setText(text(texts::DescriptionTopic));
    title.L_SW_Desc->adjustSize();
    L_List_Keywords->setText(text(texts::ListKeywords));
    L_List_Keywords->adjustSize();
    ESG_Keywords->SetCellEx(0, 0, text(texts::KeywordHeader));
    ESG_Keywords->SetCellEx(1, 0, text(texts::DescriptionHeader));
    buttons.Btn_OK->SetCaption(text(texts::OK));
    buttons.Btn_Cancel->SetCaption(text(texts::Cancel));
}

void TFTopicTemplate::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFTopicTemplate::FormShow()
{
    const bool isTemplate = TopicTemplate != 0;
    setWindowTitle(text(isTemplate ? texts::CaptionTemplate : texts::CaptionTopic));
    title.L_SW_Desc->setText(text(isTemplate ? texts::DescriptionTemplate : texts::DescriptionTopic));
    title.L_SW_Desc->adjustSize();
    Laod_Keywords();
    if (RE_TopicTemplate->isEnabled() && RE_TopicTemplate->isVisibleTo(this))
        RE_TopicTemplate->setFocus(Qt::OtherFocusReason);
}

void TFTopicTemplate::Laod_Keywords()
{
    ESG_Keywords->SetRowCount(2);
    ESG_Keywords->SetCellEx(0, 1, QString());
    ESG_Keywords->SetCellEx(1, 1, QString());
    ESG_Keywords->SetReadOnly(0, 1, false);
    ESG_Keywords->SetReadOnly(1, 1, true);
    ESG_Keywords->MoveTopLeft(0, 1);
    ESG_Keywords->FocusCell(0, 1);
}

void TFTopicTemplate::setTemplateText(const QString& text)
{
    RE_TopicTemplate->clear();
    RE_TopicTemplate->setPlainText(text);
    RE_TopicTemplate->document()->setModified(false);
    given_ = text;
}

QString TFTopicTemplate::templateText() const
{
    if (!RE_TopicTemplate->document()->isModified())
        return given_;
    return editorText(*RE_TopicTemplate);
}

}  // namespace ethercat_mqtt
