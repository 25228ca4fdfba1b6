#pragma once

// A drop-down edit of a whole number with a track bar in its pop-up. The
// edit shows the number; Up and Down step it by Frequency, and dragging over
// the edit changes it by one for every PageSize pixels.

#include <functional>

#include <QSlider>

#include "controls/dropdown/base/ex_custom_dropdown.h"

namespace dropdown {

class TExTrackBarDropDown : public TExCustomDropDown {
    Q_OBJECT
public:
    explicit TExTrackBarDropDown(QWidget* parent = nullptr);

    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    // Kept within Min to Max by the track bar.
    void SetPosition(int Value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    QSlider* TrackBar() const { return FTrackBar; }

    // A drag over the edit (x in edit pixels).
    void HandleMouseDown(int X);
    void HandleMouseMove(int X);
    void HandleMouseUp();
    bool MouseDraging() const { return FMouseDraging; }

    std::function<void(QObject* Sender)> OnTrackChange;

protected:
    void BeforeDropDown() override;
    void HandleChange() override;
    void HandleKeyDownMessage(platform::Word& key) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void TrackBarChange();
    bool Draggable() const { return DropDownEnabled() && !EditorEnabled(); }

    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FPageSize = 2;
    int FFrequency = 1;
    QSlider* FTrackBar = nullptr;
    bool FMouseDraging = false;
    int FMouseX = 0;
};

}  // namespace dropdown
