#include "editors/ethernet/iec61850/scl_model.h"

namespace iec61850 {
namespace scl_model_detail {

// Depth-first search: each entry of `list` in order, the entry itself when
// its name matches, else the same search among its own `children`.
template <typename T>
T* findDepthFirst(const std::vector<std::unique_ptr<T>>& list, std::vector<std::unique_ptr<T>> T::*children,
                  const QString& name)
{
    for (const std::unique_ptr<T>& entry : list) {
        if (entry->fName == name)
            return entry.get();
        if (T* found = findDepthFirst(entry.get()->*children, children, name))
            return found;
    }
    return nullptr;
}

TIEC_DA* firstLeaf(const std::vector<std::unique_ptr<TIEC_DA>>& list)
{
    if (list.empty())
        return nullptr;
    TIEC_DA* first = list.front().get();
    return first->List_DA.empty() ? first : firstLeaf(first->List_DA);
}

}  // namespace scl_model_detail
using namespace scl_model_detail;

TIEC_DA* TIEC_DA::Find_DA(const QString& name) const { return findDepthFirst(List_DA, &TIEC_DA::List_DA, name); }

TIEC_DA* TIEC_DA::Find_First_DA() const { return firstLeaf(List_DA); }

TIEC_DO* TIEC_DO::Find_DO(const QString& name) const { return findDepthFirst(List_DO, &TIEC_DO::List_DO, name); }

TIEC_DA* TIEC_DO::Find_DA(const QString& name) const { return findDepthFirst(List_DA, &TIEC_DA::List_DA, name); }

TIEC_DA* TIEC_DO::Find_First_DA() const { return firstLeaf(List_DA); }

TIEC_DO* TIEC_LN::Find_DO(const QString& name) const { return findDepthFirst(List_DO, &TIEC_DO::List_DO, name); }

TIEC_LN* TIEC_LDevice::Find_LN(const QString& lnClass) const
{
    for (const std::unique_ptr<TIEC_LN>& ln : List_LN)
        if (ln->flnClass == lnClass)
            return ln.get();
    return nullptr;
}

TIEC_LDevice* TIEC_Device::Find_LDevice(const QString& name) const
{
    for (const std::unique_ptr<TIEC_LDevice>& ld : List_LDevice)
        if (ld->fName == name)
            return ld.get();
    return nullptr;
}

}  // namespace iec61850
