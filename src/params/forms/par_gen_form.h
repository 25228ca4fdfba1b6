#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include "app/translatable_form.h"
#include "controls/button/form_parts.h"
#include "params/forms/par_gen_panels.h"
#include "params/par_gen_file.h"
#include "platform/category_panels.h"
#include "platform/file_stamp.h"
#include "platform/xml_document.h"

namespace params {

// The "Set Communication" form: the gateway's host name and DNS, its cable
// interface, the choice of links, Wi-Fi, the mobile link, the EtherCAT slave
// identity, MQTT, TLS and NTP, kept in the project's ParGen.xml. The form
// holds the panels of every device variant of the family and shows those of
// this build's variant.
class TFParGen : public QDialog, public app::TranslatableForm {
    Q_OBJECT

public:
    explicit TFParGen(QWidget* parent = nullptr);
    ~TFParGen() override;

    // Loads ParGen.xml into the controls (the defaults when it is missing)
    // and lays the panels out. False, after an error box, when the file
    // exists but cannot be read; the form must not open then.
    bool FormShow();
    // Runs the checks; when they pass, writes ParGen.xml and closes with OK.
    // A ParGen.xml changed since the form loaded it is replaced only after
    // the user agrees.
    void Btn_OKClick();
    // True when every check passes; otherwise shows the first failure.
    bool Controllo_Dati();
    // The wheel turned over the form: scrolls the panel group when the mouse
    // is over it; true when handled.
    bool FormMouseWheel(const QPoint& globalPos, int delta);
    void Set_Lang() override;

    // Panel order, headers and tab order of this build's variant.
    void Order_TAB_Panels();
    // Row layout and panel sizes of this build's variant.
    void Move_GroupBoxs();
    // The same for any variant of the family ("41T00" .. "41T28").
    void Order_TAB_Panels_Variant(const QString& variantCode);
    void RePosition_Objects_Variant(const QString& variantCode);
    // Lays out one panel ("CP_WiFi2", ...).
    void RePosition_Object(const QString& panelName);

    // A key filter kept for the slave name: lets "0"-"1", "A"-"F" and control
    // characters through; any other key becomes 0 (discarded).
    static void E_EtherCAT_Slave_NameKeyPress(QChar& key);

    // The form's controls by name (fields, labels, boxes, lists, "." labels).
    QWidget* control(const QString& name) const { return controls_.value(name); }
    template <typename T>
    T* controlAs(const QString& name) const
    {
        return qobject_cast<T*>(control(name));
    }
    platform::TCategoryPanel* panel(const QString& name) const { return panels_.value(name); }
    platform::TCategoryPanelGroup* CPG = nullptr;
    form_parts::TitlePanel title;
    form_parts::ButtonPanel buttons;

    // A field's text (line or multi-line field).
    QString fieldText(const QString& name) const;
    void setFieldText(const QString& name, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct RowWidgets {
        const ParGenRow* desc = nullptr;
        platform::TCategoryPanel* panel = nullptr;
        QLabel* label = nullptr;
        QCheckBox* box = nullptr;
        QList<QWidget*> fields;
        QList<QLabel*> dots;
    };
    class CheckSource;

    void buildPanel(const ParGenPanel& desc);
    void buildRow(platform::TCategoryPanel* panel, const ParGenRow& row, int top);
    template <typename T>
    T* addControl(QWidget* parent, const QString& name);
    void buildDotChains();
    void captureWheel(QWidget* root);

    // Loading and saving.
    void applyValue(const ParGenElement& element, const QString& text);
    QString valueOf(const ParGenElement& element) const;

    void On_Change(QObject* sender);
    void On_Click(QObject* sender);
    // The dot key in an octet field; true when the key was taken.
    bool KeyPress(QWidget* field, QKeyEvent* key);

    // Layout helpers (par_gen_layout.cpp).
    const RowWidgets& row(const QString& key) const;
    void placeRow(const QString& key, int labelTop, int fieldOffset = -1);
    void placeRowAtDesign(const QString& key);
    void showRow(const QString& key, bool shown);
    void enableRowFields(const QString& key, bool enabled, bool withBox = false);
    int rowTop(const QString& key) const;
    int fieldTop(const QString& key) const;
    int designTop(const QString& key) const;
    void heightFrom(const QString& panelName, const QString& controlName);
    bool isChecked(const QString& box) const;
    int listIndex(const QString& list) const;
    void applyDhcpSwitch(const ParGenPanel& desc);
    void layoutMqtt();
    void layoutTls();
    void layoutWiFi();
    void layoutBacnet(const QString& panelName);
    void layoutSnmpAgent();
    void layoutProfinet();
    void layoutTlsServer();
    void applyLinkChoice();

    QHash<QString, QWidget*> controls_;
    QHash<QString, platform::TCategoryPanel*> panels_;
    QHash<QString, RowWidgets> rows_;
    QHash<QWidget*, QWidget*> dotNext_;
    QList<QWidget*> octetFields_;
    platform::XmlDocument XML1;
    // ParGen.xml as it was when the form loaded it.
    platform::FileStamp loaded_;
    bool building_ = true;
    bool layingOut_ = false;
};

}  // namespace params
