#pragma once

// The drop-down cell editors (track bar, memo, calculator, time, detail,
// multi-column, grid, colour and image pickers) stand on the drop-down
// controls, which stand on the grid. A grid reaches them through a host
// made for it, by the factory the editors install, the first time one of
// its cells asks for a drop-down kind. Without an installed factory those
// kinds open nothing.

#include <functional>
#include <memory>

#include <QChar>
#include <QString>

#include "controls/grid/grid_types.h"
#include "platform/colors.h"
#include "platform/geometry.h"

class QWidget;

namespace grid {

class TExStringGrid;

class TDropDownEditorHost {
public:
    virtual ~TDropDownEditorHost() = default;
    // The editor of a drop-down kind, created on first use.
    virtual QWidget* Editor(TEditorType kind) = 0;
    // Fills the kind's editor from display cell (ACol, ARow) whose editing
    // text is text, places it over cell, colours, shows and focuses it and
    // hands it the starting character; returns the editor the grid then
    // holds open.
    virtual QWidget* Setup(TEditorType kind, int ACol, int ARow, const QString& text, const platform::TRect& cell,
                           TColor color, QChar startChar) = 0;
    // Writes the open editor's value into storage column col of row ARow.
    virtual void WriteBack(TEditorType kind, int col, int ARow) = 0;
};

using TDropDownEditorHostFactory = std::function<std::unique_ptr<TDropDownEditorHost>(TExStringGrid& grid)>;

// Installs the factory every grid asks for its host (empty: none).
void SetDropDownEditorHostFactory(TDropDownEditorHostFactory factory);
const TDropDownEditorHostFactory& DropDownEditorHostFactory();

}  // namespace grid
