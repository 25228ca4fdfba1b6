#include "controls/grid/settings/grid_app_style.h"

namespace grid {

TGridAppStyleService& TGridAppStyleService::Instance()
{
    static TGridAppStyleService service;
    return service;
}

void TGridAppStyleService::SetStyle(const TGridAppStyle& style)
{
    FStyle = style;
    emit Changed();
}

}  // namespace grid
