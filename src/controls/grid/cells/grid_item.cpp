#include "controls/grid/cells/grid_item.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

namespace grid {

namespace grid_item_detail {

// Fixed-size slots carved from blocks; a freed slot goes on a free list and
// is handed out again first. Blocks are never given back: the pool keeps
// the room of the most rows ever hidden at once.
class TRecordPool {
public:
    void* Take()
    {
        if (FFree == nullptr) Grow();
        Slot* slot = FFree;
        FFree = slot->Next;
        return slot;
    }

    void Give(void* address) noexcept
    {
        auto* slot = static_cast<Slot*>(address);
        slot->Next = FFree;
        FFree = slot;
    }

private:
    union Slot {
        Slot* Next;
        alignas(TGridItem) unsigned char Bytes[sizeof(TGridItem)];
    };

    void Grow()
    {
        // Blocks double up to a cap, so that a few rows cost little and many
        // rows take few blocks.
        const size_t count = FBlocks.empty() ? 64 : std::min<size_t>(FLastCount * 2, 16384);
        FBlocks.push_back(std::make_unique<Slot[]>(count));
        FLastCount = count;
        Slot* block = FBlocks.back().get();
        for (size_t i = count; i-- > 0;) {
            block[i].Next = FFree;
            FFree = &block[i];
        }
    }

    std::vector<std::unique_ptr<Slot[]>> FBlocks;
    size_t FLastCount = 0;
    Slot* FFree = nullptr;
};

TRecordPool& recordPool()
{
    // Kept for the whole run: records freed by grids that outlive the
    // statics still have their slots.
    static TRecordPool* const pool = new TRecordPool();
    return *pool;
}

}  // namespace grid_item_detail

void* TGridItem::operator new(std::size_t size)
{
    if (size != sizeof(TGridItem)) return ::operator new(size);
    return grid_item_detail::recordPool().Take();
}

void TGridItem::operator delete(void* address, std::size_t size) noexcept
{
    if (address == nullptr) return;
    if (size != sizeof(TGridItem)) {
        ::operator delete(address);  // the unsized form: clang declares no sized one by default
        return;
    }
    grid_item_detail::recordPool().Give(address);
}

}  // namespace grid
