#pragma once

#include <vector>

#include <QDialog>
#include <QStringList>

#include "app/translatable_form.h"
#include "controls/button/form_parts.h"
#include "editors/ethernet/opc_ua/opc_ua_search.h"

class QLabel;
class QTimer;

namespace grid {
class TExColumnGrid;
}

namespace opc_ua {

// "Scan Server OPC UA": browses a remote server through the search library
// and lists its variables, for the user to mark which to take as read and
// which as write variables. The caller sets Server and shows it modally; a
// browse starts 100 ms after the showing. The result stays after the dialog
// closes (List_Var and the marks of the grid).
class TFOPC_UA_Scan_Server : public QDialog, public app::TranslatableForm {
    Q_OBJECT

public:
    enum Column { ColNumber, ColRead, ColWrite, ColDisplayName, ColNodeType, ColNodeId, ColDataType, ColNameSpace,
                  ColAccess, ColumnCount };

    explicit TFOPC_UA_Scan_Server(QWidget* parent = nullptr);
    ~TFOPC_UA_Scan_Server() override;

    void Set_Lang() override;
    void FormShow();
    // The browse: the library loaded, called and released.
    void Timer_ScanTimer();
    void Erase_Table();
    void Show_Variables_List();
    // Select All / Clear All of the Read (ColRead) or Write (ColWrite) marks.
    void markAll(int column, bool marked);
    // Per result entry: is it marked in the column?
    std::vector<bool> marked(int column) const;

    // The server to browse; an unset one shows the last result again.
    SearchServer Server;
    std::vector<BrowsedVariable> List_Var;
    // Where the library is looked for first (the program's folder).
    QStringList searchFolders;
    QStringList Hint_ECG;

    form_parts::TitlePanel title;
    QLabel* LWaiting = nullptr;
    grid::TExColumnGrid* ECG_OPC_UA_Scan_Var = nullptr;
    QWidget* P_Button = nullptr;
    button::TLbButton* Btn_OK = nullptr;
    button::TLbButton* Btn_Cancel = nullptr;
    button::TLbButton* Btn_SelectAllRead = nullptr;
    button::TLbButton* Btn_ClearAllRead = nullptr;
    button::TLbButton* Btn_SelectAllWrite = nullptr;
    button::TLbButton* Btn_ClearAllWrite = nullptr;
    QTimer* Timer_Scan = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildGrid();
    button::TLbButton* addButton(const char* name, int index);
};

}  // namespace opc_ua
