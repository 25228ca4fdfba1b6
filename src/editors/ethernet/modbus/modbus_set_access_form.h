#pragma once

#include "editors/ethernet/modbus/modbus_master_form.h"

namespace ethernet_editors {

// "Set Modbus Access": the rules of the gateway's Modbus master on a serial
// line, each slave addressed by its slave ID. Reads and writes
// ModbusM_SetAccess.xml. No step of this variant shows it.
class TFSetAccess : public TModbusMasterForm {
    Q_OBJECT

public:
    explicit TFSetAccess(QWidget* parent = nullptr);
};

}  // namespace ethernet_editors
