#pragma once

// Where a grid keeps its column widths and order between runs: one section
// (ColumnSize.Section) of an INI file or of a registry key (ColumnSize.Key),
// as ColumnSize.Location says. Values are named integers: "Col<c>" for the
// widths, "Pos<i>" for the order.
//
// The INI file is read whole when the store opens and written back, through
// the atomic writer, by Update, with every byte outside the written keys as
// it was. The "registry" is the application's native settings store.

#include <memory>
#include <vector>

#include <QString>

namespace grid {

class TColumnSize;
class TExStringGrid;

class TColumnSizeStore {
public:
    virtual ~TColumnSizeStore() = default;
    virtual int ReadInteger(const QString& name, int fallback) = 0;
    // Writes prefix + i = values[i] for every i, and drops the section's
    // other prefix + digits values (left from a run with more columns).
    virtual void WriteNumbered(const QString& prefix, const std::vector<int>& values) = 0;
    // Puts what was written into the storage; raises EExGridError when it
    // cannot. Nothing happens when nothing was written.
    virtual void Update() = 0;
};

// The store the settings name; nullptr when Key or Section is empty. Raises
// EExGridError when an INI file exists but cannot be read.
std::unique_ptr<TColumnSizeStore> OpenColumnSizeStore(const TColumnSize& settings);

// Runs one of the grid's width operations where the grid does so on its
// own (window creation, loading, destruction): a storage that fails is
// reported as a warning and the grid goes on.
void KeepColSizes(TExStringGrid& grid, void (TExStringGrid::*operation)());

}  // namespace grid
