#include "editors/ethernet/iec61850/client_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/language.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/strings.h"

namespace iec61850 {
namespace client_access_detail {

QString text(int id) { return app::langText(id); }

QString format(int id, const QStringList& values) { return rule_editor::formatText(text(id), values); }

const QString kNo = QStringLiteral("N");

// A catalog entry that keeps the stored name and file name only.
CatalogEntry placeholderFor(const ClientIcdFile& stored)
{
    CatalogEntry entry;
    entry.device = std::make_unique<TIEC_Device>();
    entry.device->fName = stored.Name;
    entry.device->fFileName = stored.FileName;
    entry.placeholder = true;
    return entry;
}

CatalogEntry catalogEntryFor(const ClientIcdFile& stored, const QString& folder, const SclReadLimits& limits,
                             QStringList& notices)
{
    // A stored name with a folder in it names no file of the catalog.
    const bool plainName = !stored.FileName.isEmpty() && QFileInfo(stored.FileName).fileName() == stored.FileName
                           && stored.FileName != QLatin1String("..");
    const QString path = folder + u'/' + stored.FileName;
    if (!plainName || !platform::fileExists(path)) {
        notices << format(client_texts::CatalogFileMissing, {stored.FileName, stored.Name});
        return placeholderFor(stored);
    }
    SclRead read = readSclFile(path, limits);
    if (!read.ok()) {
        notices << format(client_texts::CatalogFileUnreadable, {stored.FileName, stored.Name, read.error});
        return placeholderFor(stored);
    }
    if (read.device->truncated)
        notices << cutShortNotice(*read.device, limits);
    CatalogEntry entry;
    entry.device = std::move(read.device);
    return entry;
}

// The stored members of a row, linked to its data set where they still
// match it.
void relinkMembers(TDataSet& selection, const std::vector<ClientDataSetMemberItem>& stored, bool keepUnlinked)
{
    for (size_t i = 0; i < stored.size(); ++i) {
        const ClientDataSetMemberItem& item = stored[i];
        TDataSet_DA member;
        if (keepUnlinked) {
            member.keptBType = item.bType;
            member.keptReference = item.Reference;
        } else {
            const TIEC_DataSet* set = selection.Select_DataSet;
            if (set == nullptr || i >= set->List_DA.size())
                continue;
            const TIEC_DA* attribute = set->List_DA[i];
            if (attribute->fbType != item.bType || attribute->fReference != item.Reference)
                continue;
            member.Select_DA = attribute;
        }
        member.Position = item.Position;
        member.bitAddress = item.StartBit;
        member.conversion = item.Convertion;
        member.multFactor = item.MoltFact;
        member.Mnemonic = item.Mnemonic;
        selection.List_DAs.push_back(std::move(member));
    }
}

QString readError(const QString& file, const QString& reason) { return format(client_texts::SclUnreadable, {file, reason}); }

}  // namespace client_access_detail
using namespace client_access_detail;

QString catalogFolder(const QString& projectPath) { return projectPath + QStringLiteral("/ICD_Catalog"); }

QString catalogEntryText(const CatalogEntry& entry)
{
    return entry.placeholder ? format(client_texts::UnavailableEntry, {entry.device->fName}) : entry.device->fName;
}

const TIEC_DataSet* Get_DataSet(const Catalog& catalog, int index, const QString& reference)
{
    if (index < 0 || index >= int(catalog.size()))
        return nullptr;
    for (const auto& ld : catalog[size_t(index)].device->List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& set : ln->List_DataSet)
                if (set->fReference == reference)
                    return set.get();
    return nullptr;
}

ClientDaItem attributeItem(const TIEC_DA& attribute, int index)
{
    ClientDaItem item;
    item.Index = QString::number(index);
    item.bType = attribute.fbType;
    item.fc = attribute.fFC;
    item.Reference = attribute.fReference;
    item.OnChange = kNo;
    item.OnCMD = kNo;
    item.OnTimer = kNo;
    return item;
}

ClientDataSetItem dataSetItem(const TIEC_DataSet& set, int index)
{
    ClientDataSetItem item;
    item.Index = QString::number(index);
    item.Reference = set.fReference;
    item.GooseName = set.fGooseName;
    item.EnGoose = set.fGooseName.isEmpty() ? kNo : QStringLiteral("Y");
    return item;
}

std::unique_ptr<TDataSet> dataSetSelection(const TIEC_DataSet& set)
{
    auto selection = std::make_unique<TDataSet>();
    selection->Select_DataSet = &set;
    for (const TIEC_DA* attribute : set.List_DA) {
        TDataSet_DA member;
        member.Select_DA = attribute;
        selection->List_DAs.push_back(std::move(member));
    }
    return selection;
}

std::optional<FixedByteSize> fixedByteSize(const QString& bType)
{
    static const struct {
        const char* bType;
        const char* bytes;
    } sizes[] = {
        {"FLOAT32", "4"}, {"INT32U", "4"},  {"INT32", "4"},     {"QUALITY", "4"}, {"FLOAT64", "8"},
        {"INT64", "8"},   {"INT8U", "1"},   {"INT8", "1"},      {"BOOLEAN", "1"}, {"TIMESTAMP", "1"},
        {"ENUM", "1"},    {"INT16U", "2"},  {"INT16", "2"},
    };
    const QString upper = bType.toUpper();
    for (const auto& size : sizes)
        if (upper == QLatin1String(size.bType))
            return FixedByteSize{QStringLiteral("0"), QString::fromLatin1(size.bytes)};
    return std::nullopt;
}

bool catalogEntryInUse(int k, const QStringList& indexes)
{
    for (const QString& index : indexes)
        if (platform::parseIntOr(index, -1) == k)
            return true;
    return false;
}

bool selectionsInDevice(const TIEC_Device& device, const std::vector<std::unique_ptr<TDataSet>>& selections)
{
    for (const auto& ld : device.List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& set : ln->List_DataSet)
                for (const auto& selection : selections)
                    if (selection->Select_DataSet == set.get())
                        return true;
    return false;
}

QString indexAfterRemoval(const QString& index, int k)
{
    const int32_t value = platform::parseIntOr(index, -1);
    return value > k ? QString::number(value - 1) : index;
}

QStringList memberCells(const TDataSet_DA& member, int position)
{
    return {QString::number(position), member.bType(),  member.reference(), member.Position,
            member.bitAddress,         member.conversion, member.multFactor, member.Mnemonic};
}

bool storeMemberCell(TDataSet_DA& member, int column, const QString& text)
{
    QString TDataSet_DA::*const fields[] = {&TDataSet_DA::Position, &TDataSet_DA::bitAddress,
                                            &TDataSet_DA::conversion, &TDataSet_DA::multFactor,
                                            &TDataSet_DA::Mnemonic};
    if (column < 3 || column > 7)
        return false;
    member.*fields[column - 3] = text;
    return true;
}

ClientProject loadClientProject(const QString& path, const QString& folder, platform::XmlDocument& doc,
                                const SclReadLimits& limits)
{
    ClientProject project;
    IEC61850ClientFile file;
    project.read = readIEC61850ClientFile(path, doc, file);
    if (!project.read.ok())
        return project;
    for (const ClientIcdFile& stored : file.catalog)
        project.catalog.push_back(catalogEntryFor(stored, folder, limits, project.notices));
    project.attributes = std::move(file.attributes);
    for (ClientDataSetItem& item : file.dataSets) {
        auto selection = std::make_unique<TDataSet>();
        const int index = platform::parseIntOr(item.Index, -1);
        selection->Select_DataSet = Get_DataSet(project.catalog, index, item.Reference);
        const bool ofPlaceholder = index >= 0 && index < int(project.catalog.size())
                                   && project.catalog[size_t(index)].placeholder;
        relinkMembers(*selection, item.members, ofPlaceholder);
        item.members.clear();
        project.dataSets.push_back(std::move(item));
        project.selections.push_back(std::move(selection));
    }
    return project;
}

IEC61850ClientFile clientFileOf(const Catalog& catalog, const std::vector<ClientDaItem>& attributes,
                                const std::vector<ClientDataSetItem>& dataSets,
                                const std::vector<const TDataSet*>& selections)
{
    IEC61850ClientFile file;
    for (const CatalogEntry& entry : catalog)
        file.catalog.push_back({entry.device->fName, entry.device->fFileName});
    file.attributes = attributes;
    file.dataSets = dataSets;
    for (size_t i = 0; i < file.dataSets.size() && i < selections.size(); ++i) {
        std::vector<ClientDataSetMemberItem>& members = file.dataSets[i].members;
        members.clear();
        if (selections[i] == nullptr)
            continue;
        for (const TDataSet_DA& m : selections[i]->List_DAs)
            members.push_back({m.bType(), m.reference(), m.Position, m.bitAddress, m.conversion, m.multFactor,
                               m.Mnemonic});
    }
    return file;
}

SclImport importSclFile(const QString& source, const QString& folder,
                        const std::function<CatalogCopy()>& askOverwrite, const SclReadLimits& limits)
{
    SclImport result;
    const QString fileName = QFileInfo(source).fileName();
    const QString target = folder + u'/' + fileName;
    if (platform::fileExists(target)) {
        const CatalogCopy answer = askOverwrite();
        if (answer == CatalogCopy::Cancel) {
            result.cancelled = true;
            return result;
        }
        if (answer == CatalogCopy::KeepCatalogCopy) {
            SclRead read = readSclFile(target, limits);
            if (read.ok())
                result.device = std::move(read.device);
            else
                result.error = readError(target, read.error);
            return result;
        }
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        result.error = readError(source, in.errorString());
        return result;
    }
    const QByteArray bytes = in.readAll();
    SclRead read = readSclText(bytes, fileName, limits);
    if (!read.ok()) {
        result.error = readError(source, read.error);
        return result;
    }
    QString why;
    if (!QDir().mkpath(folder))
        why = format(client_texts::FolderNotCreated, {folder});
    else if (!platform::writeFileAtomically(target, bytes, &why) && why.isEmpty())
        why = target;
    if (!why.isEmpty()) {
        result.error = format(client_texts::CopyFailed, {why});
        return result;
    }
    result.device = std::move(read.device);
    return result;
}

QString cutShortNotice(const TIEC_Device& device, const SclReadLimits& limits)
{
    return format(client_texts::SclCutShort,
                  {device.fFileName, QString::number(limits.maxObjects), QString::number(limits.maxDepth)});
}

}  // namespace iec61850
