#pragma once

// The checks of the EtherNet/IP scanner editor and its EDS import, without
// a window.

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/ethernet/ethernet_ip/scanner_file.h"

namespace ethernet_ip {

namespace scanner_texts {
constexpr int ErrorRow = 4931;
constexpr int IPAddress = 4932;
constexpr int StartInput = 4933;
constexpr int NumInput = 4934;
constexpr int StartOutput = 4935;
constexpr int NumOutput = 4936;
constexpr int TimePoll = 4937;
constexpr int InputTotal = 4938;
constexpr int OutputTotal = 4939;
constexpr int DeleteQuestion = 4940;
constexpr int InstanceTO = 4945;
constexpr int InstanceOT = 4946;
constexpr int ConnPointTO = 4951;
constexpr int ConnPointOT = 4952;
constexpr int DimHeaderTO = 4957;
constexpr int DimHeaderOT = 4958;
}  // namespace scanner_texts

// The largest totals of input and output bytes of the enabled rules.
struct ScannerLimits {
    int32_t Num_Byte_In = 1438;
    int32_t Num_Byte_Out = 1438;
};

// Controllo_dati of the scanner editor over the rows OK saves (those before
// the first row whose IP Address is empty, enabled or not): a row whose
// Enable is not "Y" is passed over; each other row's fields in column
// order; then the input total and the output total of those rows (messages
// without a row number, ending in the limit).
std::optional<rule_editor::RuleFailure> checkScannerRows(const std::vector<EtherNetIPScannerRow>& rows,
                                                         const ScannerLimits& limits = {});

// A comma-separated path of hexadecimal bytes: 0 valid, 1 a part is no byte
// 00 .. FF, 2 fewer than `expectedBytes` bytes.
int Err_Check_Data_Path(const QString& path, int expectedBytes);

// The EDS import. The row (index into `rows`, the table's texts of columns
// 1 .. 14 from row 1) that takes a picked connection: the first whose IP
// Address and Instance T > O are both empty after trimming; -1 when none.
int edsImportRow(const std::vector<QStringList>& rows);
// Copies a picked connection (the picker's row, columns 0 .. 8) into a
// row's texts: instances, connection points and header formats; the other
// cells stay.
void applyEdsConnection(QStringList& rowTexts, const QStringList& pickerCells);

}  // namespace ethernet_ip
