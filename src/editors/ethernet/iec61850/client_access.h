#pragma once

// The work of the IEC 61850 client access editor without a window: the
// catalog of IEDs built from the SCL copies in the project's ICD_Catalog
// folder, the data sets the user selected with their members' mappings,
// the rows Add Var makes from the model, the fixed byte sizes of the
// attribute table, the removal of a catalog IED, the import of an SCL file
// into the catalog, and IEC_61850_Client.xml read into all of it (with the
// data sets linked again to the rebuilt model) and written from it.

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "editors/ethernet/iec61850/client_file.h"
#include "editors/ethernet/iec61850/scl_model.h"
#include "editors/ethernet/iec61850/scl_reader.h"

namespace iec61850 {

// Text ids of the client editor's messages.
namespace client_texts {
constexpr int ErrorRow = 3252;
constexpr int IPAddress = 3253;
constexpr int Port = 3254;
constexpr int Time = 3255;
constexpr int Position = 3256;  // + the highest position
constexpr int Factor = 3257;
constexpr int StartByteString = 3262;  // VisString255: start, count, sum
constexpr int NumByteString = 3263;
constexpr int SumString = 3264;
constexpr int StartByteOctets = 3265;  // Octet64: start, count, sum
constexpr int NumByteOctets = 3266;
constexpr int SumOctets = 3267;
constexpr int OverwriteQuestion = 3287;
constexpr int SclUnreadable = 3288;     // the file, the reason
constexpr int CopyFailed = 3289;        // the reason
constexpr int CatalogFileMissing = 3290;     // the file, the IED
constexpr int CatalogFileUnreadable = 3291;  // the file, the IED, the reason
constexpr int SclCutShort = 3292;       // the file, the limits
constexpr int UnavailableEntry = 3293;  // the IED
constexpr int FolderNotCreated = 3294;  // the folder
}  // namespace client_texts

// Positions in the internal data array: 0 .. kClientDataBytes - 1.
constexpr int kClientDataBytes = 1400;

// One member of a selected data set with the user's mapping (the member
// grid's Position, Start Bit, Convertion, Mult Fact and Mnemonic), stored as
// typed.
struct TDataSet_DA {
    const TIEC_DA* Select_DA = nullptr;  // the member in the model, not owned
    QString Position;
    QString bitAddress;
    QString conversion;
    QString multFactor;
    QString Mnemonic;
    // A member of a data set whose IED's SCL file is not available keeps
    // the basic type and reference the file stored, to be saved unchanged.
    QString keptBType;
    QString keptReference;

    QString bType() const { return Select_DA != nullptr ? Select_DA->fbType : keptBType; }
    QString reference() const { return Select_DA != nullptr ? Select_DA->fReference : keptReference; }
};

// One row of the data-set table: the selected data set (none when it could
// not be found again) and its members.
struct TDataSet {
    const TIEC_DataSet* Select_DataSet = nullptr;  // not owned
    std::vector<TDataSet_DA> List_DAs;
};

// One IED of the catalog. When its SCL file is missing or cannot be read,
// the entry keeps its place (the rows' Index still names the right IED) as
// a placeholder: a device with the stored name and file name only, saved as
// it was.
struct CatalogEntry {
    std::unique_ptr<TIEC_Device> device;
    bool placeholder = false;
};
using Catalog = std::vector<CatalogEntry>;

// The project's catalog folder.
QString catalogFolder(const QString& projectPath);
// What the catalog list shows of an entry: the IED's name, marked when its
// SCL file is not available.
QString catalogEntryText(const CatalogEntry& entry);

// The first data set of IED `index` whose reference is `reference`,
// searching its logical devices, nodes and data sets in order; nullptr for
// an index outside the catalog.
const TIEC_DataSet* Get_DataSet(const Catalog& catalog, int index, const QString& reference);

// The attribute-table row of Add Var for a leaf attribute of IED `index`:
// its type, constraint and reference, the three triggers "N", the rest
// empty.
ClientDaItem attributeItem(const TIEC_DA& attribute, int index);
// The data-set-table row of Add Var: the data set's reference and GOOSE
// name, En. Goose "Y" when it has one, the rest empty.
ClientDataSetItem dataSetItem(const TIEC_DataSet& set, int index);
// The selection Add Var keeps for it: one member per member of the set,
// with empty mappings.
std::unique_ptr<TDataSet> dataSetSelection(const TIEC_DataSet& set);

// Start Byte and Num Byte of a basic type of fixed size (compared in
// capitals): 4 bytes FLOAT32, INT32U, INT32, QUALITY; 8 FLOAT64, INT64; 1
// INT8U, INT8, BOOLEAN, TIMESTAMP, ENUM; 2 INT16U, INT16; start "0". Other
// types (VISSTRING255, OCTET64 ...) have none: the user gives both.
struct FixedByteSize {
    QString start;
    QString count;
};
std::optional<FixedByteSize> fixedByteSize(const QString& bType);

// Whether a row of the tables uses catalog IED `k`: an Index (read as an
// integer) equal to it.
bool catalogEntryInUse(int k, const QStringList& indexes);
// Whether a selected data set belongs to `device` (its Index cell may have
// been changed since): such an IED cannot be removed either.
bool selectionsInDevice(const TIEC_Device& device, const std::vector<std::unique_ptr<TDataSet>>& selections);
// The Index of a row after catalog IED `k` is removed: one less when it is
// above k, else unchanged.
QString indexAfterRemoval(const QString& index, int k);

// The member grid's cells of a member (columns 0 .. 7): its position from
// 1, basic type, reference and the mappings.
QStringList memberCells(const TDataSet_DA& member, int position);
// Stores an edited member-grid cell: columns 3 .. 7 go to Position,
// bitAddress, conversion, multFactor and Mnemonic; false for another column.
bool storeMemberCell(TDataSet_DA& member, int column, const QString& text);

// A table is written when it has more than one row or its one row has an
// Index; then every row is.
template <typename Item>
std::vector<Item> itemsToWrite(const std::vector<Item>& rows)
{
    if (rows.size() == 1 && rows.front().Index.isEmpty())
        return {};
    return rows;
}

// What the editor reads from IEC_61850_Client.xml and the catalog folder.
struct ClientProject {
    Catalog catalog;
    std::vector<ClientDaItem> attributes;
    // The data-set rows (their members are in `selections`), and per row
    // its selection, linked to the rebuilt model.
    std::vector<ClientDataSetItem> dataSets;
    std::vector<std::unique_ptr<TDataSet>> selections;
    // What the user is told once the editor is open: catalog files missing,
    // unreadable or cut short.
    QStringList notices;
    // How the file was read: one that exists but is no client file or no
    // XML is not ok, and the editor does not open, so that OK cannot write
    // over it.
    ProjectFileRead read;
};

// Reads IEC_61850_Client.xml (when it exists) and builds the catalog from
// the SCL files of `folder`. A data set is linked again by its IED number
// and reference; a stored member is taken over only when the data set has
// a member at its position with the same basic type and reference (the
// others are dropped), except in a data set of a placeholder IED, which
// keeps every stored member unlinked.
ClientProject loadClientProject(const QString& path, const QString& folder, platform::XmlDocument& doc,
                                const SclReadLimits& limits = {});

// The file's content from the catalog, the rows to write and their
// selections (one per data-set row, in order).
IEC61850ClientFile clientFileOf(const Catalog& catalog, const std::vector<ClientDaItem>& attributes,
                                const std::vector<ClientDataSetItem>& dataSets,
                                const std::vector<const TDataSet*>& selections);

// The answer to "File already exists in catalog directory. Do you want to
// overwrite file?".
enum class CatalogCopy { Overwrite, KeepCatalogCopy, Cancel };

struct SclImport {
    std::unique_ptr<TIEC_Device> device;  // the new catalog IED, or nullptr
    QString error;           // why there is none (empty when cancelled)
    bool cancelled = false;
};

// Imports the SCL file `source` into the catalog folder `folder` (created
// when missing): when a file of that name is there, `askOverwrite` decides
// whether it is replaced, kept (the IED is read from it) or the import
// stops. The file is read before it is copied: one the XML parser rejects
// is not copied; the copy goes through the atomic writer, and one that
// fails leaves the catalog folder as it was. Either failure gives no IED
// and the error to show.
SclImport importSclFile(const QString& source, const QString& folder,
                        const std::function<CatalogCopy()>& askOverwrite, const SclReadLimits& limits = {});

// The notice for a device whose tree was cut short by the limits.
QString cutShortNotice(const TIEC_Device& device, const SclReadLimits& limits = {});

}  // namespace iec61850
