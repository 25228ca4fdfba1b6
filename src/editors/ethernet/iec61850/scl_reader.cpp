#include "editors/ethernet/iec61850/scl_reader.h"

#include <unordered_map>
#include <utility>
#include <vector>

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include "platform/paths.h"
#include "platform/xml_document.h"

namespace iec61850 {
namespace scl_reader_detail {

using platform::XmlElement;

// One child of a type definition, its attributes read once: a DO of an
// LNodeType, an SDO or DA of a DOType, a BDA of a DAType.
struct TypeChild {
    bool isSubObject = false;  // SDO (in a DOType)
    QString name;
    QString type;
    bool hasType = false;
    QString bType;
    QString fc;
    bool hasFc = false;
};

// The children of every type definition of one kind, by id: the children of
// all definitions with that id, in document order.
using TypeTable = QHash<QString, std::vector<TypeChild>>;

TypeChild typeChild(const XmlElement& e)
{
    TypeChild c;
    c.isSubObject = e.name() == QLatin1String("SDO");
    c.name = e.attribute(QStringLiteral("name"));
    c.hasType = e.hasAttribute(QStringLiteral("type"));
    c.type = e.attribute(QStringLiteral("type"));
    c.bType = e.attribute(QStringLiteral("bType"));
    c.hasFc = e.hasAttribute(QStringLiteral("fc"));
    c.fc = e.attribute(QStringLiteral("fc"));
    return c;
}

// Adds the definitions `kind` of the templates to `table`, with their
// children named `childNames`; definitions without an id only when
// `withoutId` (a type reference may be present and empty).
void indexTypes(const XmlElement& templates, const QString& kind, std::initializer_list<QLatin1String> childNames,
                bool withoutId, TypeTable& table)
{
    for (const XmlElement& definition : templates.children(kind)) {
        if (!withoutId && !definition.hasAttribute(QStringLiteral("id")))
            continue;
        std::vector<TypeChild>& children = table[definition.attribute(QStringLiteral("id"))];
        for (const XmlElement& child : definition.children())
            for (const QLatin1String& wanted : childNames)
                if (child.name() == wanted) {
                    children.push_back(typeChild(child));
                    break;
                }
    }
}

// The first entry in pre-order (each entry, then inside it) of every name
// of a tree: the answer of a depth-first Find for every name at once.
template <typename T>
void indexFirstByName(const std::vector<std::unique_ptr<T>>& list, std::vector<std::unique_ptr<T>> T::*children,
                      QHash<QString, T*>& index)
{
    for (const std::unique_ptr<T>& entry : list) {
        if (!index.contains(entry->fName))
            index.insert(entry->fName, entry.get());
        indexFirstByName(entry.get()->*children, children, index);
    }
}

// Removes a type from the set of those being expanded when the expansion
// ends.
class Expanding {
public:
    Expanding(QSet<QString>& open, const QString& type) : open_(open), type_(type) { open_.insert(type_); }
    ~Expanding() { open_.remove(type_); }
    Expanding(const Expanding&) = delete;
    Expanding& operator=(const Expanding&) = delete;

private:
    QSet<QString>& open_;
    QString type_;
};

class SclDecoder {
public:
    SclDecoder(TIEC_Device& device, const SclReadLimits& limits) : device_(device), limits_(limits) {}

    void decode(const platform::XmlDocument& doc)
    {
        const XmlElement scl = doc.root();
        if (scl.name() != QLatin1String("SCL"))
            return;
        const XmlElement ied = scl.child(QStringLiteral("IED"));
        const XmlElement templates = scl.child(QStringLiteral("DataTypeTemplates"));
        if (ied.isNull() || templates.isNull())
            return;
        indexTypes(templates, QStringLiteral("LNodeType"), {QLatin1String("DO")}, false, lnodeTypes_);
        indexTypes(templates, QStringLiteral("DOType"), {QLatin1String("SDO"), QLatin1String("DA")}, true, doTypes_);
        indexTypes(templates, QStringLiteral("DAType"), {QLatin1String("BDA")}, true, daTypes_);

        device_.fName = ied.attribute(QStringLiteral("name"));
        const XmlElement server = ied.child(QStringLiteral("AccessPoint")).child(QStringLiteral("Server"));
        // Pass 1: the tree; pass 2: the data sets, which refer into it.
        for (const XmlElement& element : server.children(QStringLiteral("LDevice")))
            device_.List_LDevice.push_back(decodeLDevice(element));
        for (const auto& [element, ln, ldReference] : nodes_)
            decodeDataSets(element, *ln, ldReference);
    }

private:
    std::unique_ptr<TIEC_LDevice> decodeLDevice(const XmlElement& element)
    {
        auto ld = std::make_unique<TIEC_LDevice>();
        ld->fName = element.attribute(QStringLiteral("inst"));
        const QString reference = device_.fName + ld->fName;
        for (const XmlElement& child : element.children()) {
            const QString name = child.name();
            if (name != QLatin1String("LN0") && name != QLatin1String("LN"))
                continue;
            ld->List_LN.push_back(decodeLN(child, reference));
            nodes_.push_back({child, ld->List_LN.back().get(), reference});
        }
        return ld;
    }

    std::unique_ptr<TIEC_LN> decodeLN(const XmlElement& element, const QString& ldReference)
    {
        auto ln = std::make_unique<TIEC_LN>();
        ln->flnClass = element.attribute(QStringLiteral("lnClass"));
        ln->flnType = element.attribute(QStringLiteral("lnType"));
        ln->fPrefix = element.attribute(QStringLiteral("prefix"));
        ln->fInst = element.attribute(QStringLiteral("inst"));
        if (ln->flnType.isEmpty())
            return ln;
        const QString reference = ldReference + u'/' + ln->nodeName();
        const auto type = lnodeTypes_.constFind(ln->flnType);
        if (type == lnodeTypes_.constEnd())
            return ln;
        for (const TypeChild& child : *type)
            if (auto object = newObject<TIEC_DO>()) {
                decodeDO(*object, child, reference, 1);
                ln->List_DO.push_back(std::move(object));
            }
        return ln;
    }

    void decodeDO(TIEC_DO& object, const TypeChild& entry, const QString& enclosing, int depth)
    {
        object.fName = entry.name;
        const QString reference = enclosing + u'.' + object.fName;
        if (entry.type.isEmpty())
            return;
        const auto type = doTypes_.constFind(entry.type);
        if (type == doTypes_.constEnd() || !mayExpand(doTypesOpen_, entry.type, depth))
            return;
        const Expanding expanding(doTypesOpen_, entry.type);
        for (const TypeChild& child : *type) {
            if (child.isSubObject) {
                if (auto sub = newObject<TIEC_DO>()) {
                    decodeDO(*sub, child, reference, depth + 1);
                    object.List_DO.push_back(std::move(sub));
                }
            } else if (auto attribute = newObject<TIEC_DA>()) {
                decodeDA(*attribute, child, QString(), reference, depth + 1);
                object.List_DA.push_back(std::move(attribute));
            }
        }
    }

    void decodeDA(TIEC_DA& attribute, const TypeChild& entry, const QString& inheritedFc, const QString& enclosing,
                  int depth)
    {
        attribute.fName = entry.name;
        attribute.fReference = enclosing + u'.' + attribute.fName;
        attribute.fbType = entry.bType;
        attribute.fFC = entry.hasFc ? entry.fc : inheritedFc;
        if (!entry.hasType || attribute.fbType == QLatin1String("Enum"))
            return;
        const auto type = daTypes_.constFind(entry.type);
        if (type == daTypes_.constEnd() || !mayExpand(daTypesOpen_, entry.type, depth))
            return;
        const Expanding expanding(daTypesOpen_, entry.type);
        for (const TypeChild& child : *type)
            if (auto sub = newObject<TIEC_DA>()) {
                decodeDA(*sub, child, attribute.fFC, attribute.fReference, depth + 1);
                attribute.List_DA.push_back(std::move(sub));
            }
    }

    // A type being expanded already ends the expansion; so does the depth.
    bool mayExpand(const QSet<QString>& open, const QString& type, int depth)
    {
        if (open.contains(type))
            return false;
        if (depth >= limits_.maxDepth) {
            device_.truncated = true;
            return false;
        }
        return true;
    }

    template <typename T>
    std::unique_ptr<T> newObject()
    {
        if (objects_ >= limits_.maxObjects) {
            device_.truncated = true;
            return nullptr;
        }
        ++objects_;
        return std::make_unique<T>();
    }

    void decodeDataSets(const XmlElement& element, TIEC_LN& ln, const QString& ldReference)
    {
        if (element.attribute(QStringLiteral("lnType")).isEmpty())
            return;
        const QString base = ldReference + u'/' + element.attribute(QStringLiteral("lnClass"));
        QHash<QString, TIEC_DataSet*> byName;
        for (const XmlElement& dataSet : element.children(QStringLiteral("DataSet"))) {
            auto set = std::make_unique<TIEC_DataSet>();
            set->fName = dataSet.attribute(QStringLiteral("name"));
            set->fReference = base + u'.' + set->fName;
            for (const XmlElement& fcda : dataSet.children(QStringLiteral("FCDA")))
                if (const TIEC_DA* member = resolveMember(fcda))
                    set->List_DA.push_back(member);
            if (!byName.contains(set->fName))
                byName.insert(set->fName, set.get());
            ln.List_DataSet.push_back(std::move(set));
        }
        for (const XmlElement& goose : element.children(QStringLiteral("GSEControl"))) {
            const QString name = goose.attribute(QStringLiteral("name"));
            const QString dataSet = goose.attribute(QStringLiteral("datSet"));
            if (name.isEmpty() || dataSet.isEmpty())
                continue;
            if (TIEC_DataSet* set = byName.value(dataSet))
                set->fGooseName = name;
        }
    }

    // The FCDA's attribute, found as the model's Find operations find it;
    // every answer comes from an index built on first use.
    const TIEC_DA* resolveMember(const XmlElement& fcda)
    {
        const QString ldInst = fcda.attribute(QStringLiteral("ldInst"));
        const QString lnClass = fcda.attribute(QStringLiteral("lnClass"));
        const QString doName = fcda.attribute(QStringLiteral("doName"));
        const QString daName = fcda.attribute(QStringLiteral("daName"));
        if (ldInst.isEmpty() || lnClass.isEmpty() || doName.isEmpty())
            return nullptr;
        const TIEC_LDevice* ld = logicalDevice(ldInst);
        const TIEC_LN* ln = ld != nullptr ? logicalNode(*ld, lnClass) : nullptr;
        const TIEC_DO* object = ln != nullptr ? dataObject(*ln, doName) : nullptr;
        if (object == nullptr)
            return nullptr;
        if (!daName.isEmpty())
            return attributeOf(*object, daName);
        return object->Find_First_DA();
    }

    const TIEC_LDevice* logicalDevice(const QString& name)
    {
        if (ldByName_.isEmpty())
            for (const std::unique_ptr<TIEC_LDevice>& ld : device_.List_LDevice)
                if (!ldByName_.contains(ld->fName))
                    ldByName_.insert(ld->fName, ld.get());
        return ldByName_.value(name);
    }

    const TIEC_LN* logicalNode(const TIEC_LDevice& ld, const QString& lnClass)
    {
        auto [entry, added] = lnByClass_.try_emplace(&ld);
        QHash<QString, TIEC_LN*>& index = entry->second;
        if (added)
            for (const std::unique_ptr<TIEC_LN>& ln : ld.List_LN)
                if (!index.contains(ln->flnClass))
                    index.insert(ln->flnClass, ln.get());
        return index.value(lnClass);
    }

    const TIEC_DO* dataObject(const TIEC_LN& ln, const QString& name)
    {
        auto [entry, added] = doByName_.try_emplace(&ln);
        if (added)
            indexFirstByName(ln.List_DO, &TIEC_DO::List_DO, entry->second);
        return entry->second.value(name);
    }

    const TIEC_DA* attributeOf(const TIEC_DO& object, const QString& name)
    {
        auto [entry, added] = daByName_.try_emplace(&object);
        if (added)
            indexFirstByName(object.List_DA, &TIEC_DA::List_DA, entry->second);
        return entry->second.value(name);
    }

    struct NodeElement {
        XmlElement element;
        TIEC_LN* ln;
        QString ldReference;
    };

    TIEC_Device& device_;
    SclReadLimits limits_;
    TypeTable lnodeTypes_;
    TypeTable doTypes_;
    TypeTable daTypes_;
    QSet<QString> doTypesOpen_;
    QSet<QString> daTypesOpen_;
    int objects_ = 0;
    std::vector<NodeElement> nodes_;
    QHash<QString, TIEC_LDevice*> ldByName_;
    std::unordered_map<const TIEC_LDevice*, QHash<QString, TIEC_LN*>> lnByClass_;
    std::unordered_map<const TIEC_LN*, QHash<QString, TIEC_DO*>> doByName_;
    std::unordered_map<const TIEC_DO*, QHash<QString, TIEC_DA*>> daByName_;
};

SclRead decodeText(const QByteArray* text, const QString& path, const QString& fileName, const SclReadLimits& limits)
{
    SclRead result;
    auto device = std::make_unique<TIEC_Device>();
    device->fFileName = fileName;
    platform::XmlDocument doc;
    if (text == nullptr) {
        if (!platform::fileExists(path)) {
            result.device = std::move(device);
            return result;
        }
        if (!doc.load(path, &result.error))
            return result;
    } else if (!doc.loadFromText(*text, &result.error)) {
        return result;
    }
    SclDecoder(*device, limits).decode(doc);
    result.device = std::move(device);
    return result;
}

}  // namespace scl_reader_detail
using namespace scl_reader_detail;

SclRead readSclFile(const QString& path, const SclReadLimits& limits)
{
    return decodeText(nullptr, path, QFileInfo(path).fileName(), limits);
}

SclRead readSclText(const QByteArray& text, const QString& fileName, const SclReadLimits& limits)
{
    return decodeText(&text, QString(), fileName, limits);
}

}  // namespace iec61850
