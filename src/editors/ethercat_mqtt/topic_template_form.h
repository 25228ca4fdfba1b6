#pragma once

#include <QDialog>
#include <QString>

#include "app/translatable_form.h"
#include "controls/button/form_parts.h"

class QLabel;
class QPlainTextEdit;
class QSplitter;

namespace grid {
class TExStringGrid;
}

namespace ethercat_mqtt {

// "Set Template" / "Set Topic": a larger editor for the text of one cell of
// the MQTT topic editor, with the legend of the template keywords below it.
// The topic editor puts the cell's text in, shows the dialog modally and on
// OK takes templateText() back. The text comes back exactly as it went in
// unless the user edited it; an edited text has "\n" line breaks.
class TFTopicTemplate : public QDialog, public app::TranslatableForm {
    Q_OBJECT

public:
    explicit TFTopicTemplate(QWidget* parent = nullptr);
    ~TFTopicTemplate() override;

    void Set_Lang() override;
    // Caption and description for a template or a topic, the legend, the
    // focus on the editor.
    void FormShow();
    // The legend: one empty row, its keyword cell editable, its description
    // read-only.
    void Laod_Keywords();

    // Empties the editor and puts `text` into it.
    void setTemplateText(const QString& text);
    QString templateText() const;

    int TopicTemplate = 0;  // non-zero: a template is edited; 0: a topic
    int Working_Mode = 0;
    int Pub_Sub = 0;        // 0 publish, 1 subscribe

    form_parts::TitlePanel title;
    form_parts::ButtonPanel buttons;
    QPlainTextEdit* RE_TopicTemplate = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* P_Legend = nullptr;
    QLabel* L_List_Keywords = nullptr;
    grid::TExStringGrid* ESG_Keywords = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLegend();

    // The text put in, and whether the editor still holds it unchanged.
    QString given_;
};

}  // namespace ethercat_mqtt
