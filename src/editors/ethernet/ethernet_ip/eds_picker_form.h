#pragma once

#include <vector>

#include <QDialog>
#include <QString>
#include <QStringList>

#include "app/translatable_form.h"
#include "controls/button/form_parts.h"
#include "editors/ethernet/ethernet_ip/eds_connections.h"

class QTimer;

namespace grid {
class TExColumnGrid;
}

namespace ethernet_ip {

// "EtherNet/IP EDS Decode": lists the connections of an EDS file and lets
// the user pick one; a read-only chooser without a project file. The caller
// sets EDS_FileName and shows the form modally; on OK the grid's current row
// is the chosen connection (currentRowCells). A file without a connection
// the scanner understands is reported and the form closes as cancelled.
class TFEtherNEtIP_EDS : public QDialog, public app::TranslatableForm {
    Q_OBJECT

public:
    // The grid's columns.
    enum Column {
        ColConnection = 0,
        ColName,
        ColHelp,
        ColInstanceOT,
        ColConnPointOT,
        ColInstanceTO,
        ColConnPointTO,
        ColDimHeaderOT,
        ColDimHeaderTO,
        ColumnCount
    };

    explicit TFEtherNEtIP_EDS(QWidget* parent = nullptr);
    ~TFEtherNEtIP_EDS() override;

    void Set_Lang() override;
    // Reads EDS_FileName afresh and lists its connections.
    void FormShow();
    // The grid from List_Conn; with no connection, the close timer starts.
    void ShowDatainGrid();
    // No connection: the error, then the form closes as cancelled.
    void TCloseTimer();

    // The texts of the grid's current row, columns 0 .. 8.
    QStringList currentRowCells() const;

    QString EDS_FileName;
    std::vector<TConnData> List_Conn;

    form_parts::TitlePanel title;
    form_parts::ButtonPanel buttons;
    grid::TExColumnGrid* ECG = nullptr;
    QTimer* TClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    // A hidden form reports nothing: the close timer stops.
    void hideEvent(QHideEvent* event) override;

private:
    void buildGrid();
};

}  // namespace ethernet_ip
