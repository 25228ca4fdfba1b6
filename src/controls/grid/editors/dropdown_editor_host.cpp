#include "controls/grid/editors/dropdown_editor_host.h"

namespace grid {

namespace dropdown_editor_host_detail {

TDropDownEditorHostFactory& factory()
{
    static TDropDownEditorHostFactory f;
    return f;
}

}  // namespace dropdown_editor_host_detail

void SetDropDownEditorHostFactory(TDropDownEditorHostFactory factory)
{
    dropdown_editor_host_detail::factory() = std::move(factory);
}

const TDropDownEditorHostFactory& DropDownEditorHostFactory() { return dropdown_editor_host_detail::factory(); }

}  // namespace grid
