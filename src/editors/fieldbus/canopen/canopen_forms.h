#pragma once

// The CANopen PDO, SDO client and SDO server editors. Their buttons are
// hidden in this variant.

#include "editors/fieldbus/canopen/canopen_form.h"

namespace grid {
class TExColumnGrid;
}

namespace canopen {

struct PDOKind {
    using Row = PDORule;
    static constexpr auto file = &pdoFileLayout;
    static constexpr auto check = &checkPDORules;
    static QString path();
};

struct SDOClientKind {
    using Row = SDORequest;
    static constexpr auto file = &sdoClientFileLayout;
    static constexpr auto check = &checkSDOClientRules;
    static QString path();
};

struct SDOServerKind {
    using Row = SDOObject;
    static constexpr auto file = &sdoServerFileLayout;
    static constexpr auto check = &checkSDOServerRules;
    static QString path();
};

// "Set PDO Access": the receive PDOs (frames taken from the bus, each data
// byte stored in the input data array) and the transmit PDOs (frames sent
// periodically and on a change, each byte taken from the output data
// array), 30 of each. Reads and writes PDO_CANopen.xml.
class TFSet_PDO_Access : public CANopenForm<PDOKind> {
    Q_OBJECT

public:
    enum Page { Receive = ReceivePDO, Transmit = TransmitPDO };
    static constexpr int kRules = 30;

    explicit TFSet_PDO_Access(QWidget* parent = nullptr);
    ~TFSet_PDO_Access() override;

    grid::TExColumnGrid* sga = nullptr;  // receive PDOs
    grid::TExColumnGrid* sgb = nullptr;  // transmit PDOs
};

// "Set SDO Client Access": the objects the gateway reads from other CANopen
// devices into its input data array, and writes into them from its output
// data array, 256 requests of each. Reads and writes SDO_Client_CANopen.xml.
class TFSet_SDO_Client_Access : public CANopenForm<SDOClientKind> {
    Q_OBJECT

public:
    enum Page { Read = SDORead, Write = SDOWrite };
    static constexpr int kRules = 256;

    explicit TFSet_SDO_Client_Access(QWidget* parent = nullptr);
    ~TFSet_SDO_Client_Access() override;

    grid::TExColumnGrid* sga = nullptr;  // read requests
    grid::TExColumnGrid* sgb = nullptr;  // write requests
};

// "Set SDO Server Access": the manufacturer objects (0x2000 .. 0x5FFF) the
// gateway offers to the CANopen master, read-only ones fed from a data
// array and writable ones feeding it, 500 of each. Reads and writes
// SDO_Server_CANopen.xml, which the EDS writer reads too.
class TFSet_SDO_Server_Access : public CANopenForm<SDOServerKind> {
    Q_OBJECT

public:
    enum Page { Read = SDORead, Write = SDOWrite };
    static constexpr int kRules = 500;

    explicit TFSet_SDO_Server_Access(QWidget* parent = nullptr);
    ~TFSet_SDO_Server_Access() override;

    grid::TExColumnGrid* sga = nullptr;  // objects read by the master
    grid::TExColumnGrid* sgb = nullptr;  // objects written by the master
};

}  // namespace canopen
