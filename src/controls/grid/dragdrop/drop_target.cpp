#include "controls/grid/dragdrop/drop_target.h"

namespace grid {

TDropEffect TESGDropTarget::DragEnter(const QMimeData* data, bool ctrlHeld, bool moveAllowed)
{
    const TDropData offered(data);
    FDropFormats = offered.Formats();
    const TDropFormats f = FDropFormats;
    FOk = ((f & dfText) && AcceptText) || ((f & dfFile) && AcceptFiles) ||
          ((f & dfRTF) && AllowRTFDrop() && AcceptText) || ((f & dfCol) && AcceptCols) ||
          ((f & dfURL) && AcceptURLs) || (f & dfGridCells);
    const TDropEffect effect = FOk ? KeyDropEffect(ctrlHeld, moveAllowed) : deNone;
    DragMouseEnter();
    return effect;
}

TDropEffect TESGDropTarget::DragOver(QPoint pt, bool ctrlHeld, bool moveAllowed)
{
    TDropEffect effect = FOk ? KeyDropEffect(ctrlHeld, moveAllowed) : deNone;
    bool allow = effect != deNone;
    DragMouseMove(pt, allow, FDropFormats);
    if (!allow) effect = deNone;
    return effect;
}

void TESGDropTarget::DragLeave() { DragMouseLeave(); }

TDropEffect TESGDropTarget::Drop(const QMimeData* data, QPoint pt, bool ctrlHeld, bool moveAllowed)
{
    if (!FOk) return deNone;
    const TDropData offered(data);
    bool taken = false;
    if (offered.HasCol()) {
        taken = DropCol(pt, offered.Col());
    } else {
        if (const auto stream = offered.Stream())
            taken = DropStream(pt, *stream);
        else if (offered.HasRTF() && AllowRTFDrop())
            taken = DropRTF(pt, offered.RTF());
        else if (offered.HasText())
            taken = DropText(pt, offered.Text());
        if (offered.HasFile()) taken = DropFiles(pt, offered.Files()) || taken;
        if (offered.HasURL()) taken = DropURL(pt, offered.URLText()) || taken;
    }
    return taken ? KeyDropEffect(ctrlHeld, moveAllowed) : deNone;
}

}  // namespace grid
