#pragma once

#include "editors/ethernet/modbus/modbus_master_form.h"

namespace ethernet_editors {

// "Set Modbus TCP Master Access": the rules of the gateway's Modbus TCP
// master, each slave given by IP address, port and slave ID. Reads and
// writes ModbusTCPM_SetAccess.xml. Its button is hidden in this variant.
class TFModbus_TCP_Master_Set_Access : public TModbusMasterForm {
    Q_OBJECT

public:
    explicit TFModbus_TCP_Master_Set_Access(QWidget* parent = nullptr);

    // The texts of the block; Copy Row and Paste Row keep their own
    // captions in every language (the block has no texts for them).
    void Set_Lang() override;
};

}  // namespace ethernet_editors
