// An IEC 61850 SCL file as the client editor's import reads it: any bytes
// give a device or the parser's message (never a crash, a hang or a tree
// without bound); the file read from disk gives the same model as its
// bytes; every reference is built from its parent's and its own name; the
// tree keeps within the limits; an enumeration is a leaf, and a first leaf
// has no children; every data-set member is an attribute of the device's own
// tree.

#include <QSet>

#include "editors/ethernet/iec61850/scl_reader.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

using namespace iec61850;

struct TreeFacts {
    int objects = 0;
    int deepest = 0;
    QSet<const TIEC_DA*> attributes;
};

void checkAttribute(const TIEC_DA& da, const QString& enclosing, int depth, TreeFacts& facts)
{
    ++facts.objects;
    facts.deepest = std::max(facts.deepest, depth);
    facts.attributes.insert(&da);
    FUZZ_CHECK_EQUAL(da.fReference, enclosing + u'.' + da.fName);
    for (const auto& sub : da.List_DA)
        checkAttribute(*sub, da.fReference, depth + 1, facts);
    if (da.fbType == QLatin1String("Enum"))
        FUZZ_CHECK(da.List_DA.empty());
    const TIEC_DA* first = da.Find_First_DA();
    FUZZ_CHECK((first == nullptr) == da.List_DA.empty());
    FUZZ_CHECK(first == nullptr || first->List_DA.empty());
}

void checkObject(const TIEC_DO& object, const QString& enclosing, int depth, TreeFacts& facts)
{
    ++facts.objects;
    facts.deepest = std::max(facts.deepest, depth);
    const QString reference = enclosing + u'.' + object.fName;
    for (const auto& sub : object.List_DO)
        checkObject(*sub, reference, depth + 1, facts);
    for (const auto& da : object.List_DA)
        checkAttribute(*da, reference, depth + 1, facts);
    for (const auto& sub : object.List_DO)
        FUZZ_CHECK(object.Find_DO(sub->fName) != nullptr);
}

// Both models alike, object by object.
bool sameAttributes(const std::vector<std::unique_ptr<TIEC_DA>>& a, const std::vector<std::unique_ptr<TIEC_DA>>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i]->fReference != b[i]->fReference || a[i]->fFC != b[i]->fFC || a[i]->fbType != b[i]->fbType
            || !sameAttributes(a[i]->List_DA, b[i]->List_DA))
            return false;
    return true;
}

bool sameObjects(const std::vector<std::unique_ptr<TIEC_DO>>& a, const std::vector<std::unique_ptr<TIEC_DO>>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i]->fName != b[i]->fName || !sameObjects(a[i]->List_DO, b[i]->List_DO)
            || !sameAttributes(a[i]->List_DA, b[i]->List_DA))
            return false;
    return true;
}

bool sameDevice(const TIEC_Device& a, const TIEC_Device& b)
{
    if (a.fName != b.fName || a.truncated != b.truncated || a.List_LDevice.size() != b.List_LDevice.size())
        return false;
    for (size_t d = 0; d < a.List_LDevice.size(); ++d) {
        const TIEC_LDevice& x = *a.List_LDevice[d];
        const TIEC_LDevice& y = *b.List_LDevice[d];
        if (x.fName != y.fName || x.List_LN.size() != y.List_LN.size())
            return false;
        for (size_t n = 0; n < x.List_LN.size(); ++n) {
            const TIEC_LN& p = *x.List_LN[n];
            const TIEC_LN& q = *y.List_LN[n];
            if (p.nodeName() != q.nodeName() || p.flnType != q.flnType || !sameObjects(p.List_DO, q.List_DO)
                || p.List_DataSet.size() != q.List_DataSet.size())
                return false;
            for (size_t s = 0; s < p.List_DataSet.size(); ++s) {
                const TIEC_DataSet& u = *p.List_DataSet[s];
                const TIEC_DataSet& v = *q.List_DataSet[s];
                if (u.fReference != v.fReference || u.fGooseName != v.fGooseName
                    || u.List_DA.size() != v.List_DA.size())
                    return false;
                for (size_t m = 0; m < u.List_DA.size(); ++m)
                    if (u.List_DA[m]->fReference != v.List_DA[m]->fReference)
                        return false;
            }
        }
    }
    return true;
}

}  // namespace

FUZZ_TARGET(scl_reader)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray bytes = input.takeRest();
    SclReadLimits limits;
    limits.maxObjects = 20000;
    limits.maxDepth = 24;
    const SclRead read = readSclText(bytes, QStringLiteral("device.icd"), limits);
    const SclRead fromFile = readSclFile(fuzz::scratchFile(QStringLiteral("device.icd"), bytes), limits);
    FUZZ_CHECK(read.ok() == fromFile.ok());
    FUZZ_CHECK(read.ok() || !read.error.isEmpty());
    if (!read.ok() || !fromFile.ok())
        return;
    const TIEC_Device& device = *read.device;
    FUZZ_CHECK(device.fFileName == QStringLiteral("device.icd"));
    FUZZ_CHECK(sameDevice(device, *fromFile.device));

    TreeFacts facts;
    for (const auto& ld : device.List_LDevice) {
        FUZZ_CHECK(device.Find_LDevice(ld->fName) != nullptr);
        const QString ldReference = device.fName + ld->fName;
        for (const auto& ln : ld->List_LN) {
            FUZZ_CHECK(ld->Find_LN(ln->flnClass) != nullptr);
            FUZZ_CHECK(!ln->flnType.isEmpty() || (ln->List_DO.empty() && ln->List_DataSet.empty()));
            for (const auto& object : ln->List_DO)
                checkObject(*object, ldReference + u'/' + ln->nodeName(), 1, facts);
        }
    }
    FUZZ_CHECK(facts.objects <= limits.maxObjects);
    FUZZ_CHECK(facts.deepest <= limits.maxDepth);

    for (const auto& ld : device.List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& set : ln->List_DataSet) {
                FUZZ_CHECK_EQUAL(set->fReference,
                                 device.fName + ld->fName + u'/' + ln->flnClass + u'.' + set->fName);
                for (const TIEC_DA* member : set->List_DA)
                    FUZZ_CHECK(facts.attributes.contains(member));
            }
}
