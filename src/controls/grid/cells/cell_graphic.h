#pragma once

#include <cstdint>
#include <memory>
#include <variant>

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "controls/grid/grid_types.h"
#include "controls/grid/cells/int_lists.h"

class QObject;
class QPainter;

namespace grid {

// Kind of a cell graphic. The values are stored data: ctNone is 2, not 0.
enum TCellType : uint8_t {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode,
    ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton,
    ctBitButton, ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress,
    ctInterface, ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand
};

enum TCellHAlign : uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign : uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode : uint8_t { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };

// A picture named by its file: only the name and the measured size are kept;
// every drawing reads and decodes the file again.
class TFilePicture {
public:
    const QString& Filename() const { return FFilename; }
    // Stores the name, then measures the picture. A missing or unreadable
    // file raises EExGridError; the name stays stored and the size keeps its
    // previous value.
    void SetFilename(const QString& value);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Draws the picture stretched into r; nothing for an empty name. Raises
    // EExGridError when the file cannot be read.
    void DrawPicture(QPainter& canvas, const QRect& r) const;
    // Copies name and size without reading the file.
    void Assign(const TFilePicture& source);

private:
    QString FFilename;
    int FWidth = 0;
    int FHeight = 0;
};

// What the general-purpose reference slot CellBitmap refers to, by kind: a
// bitmap, a picture, a file picture, a string list (radio items, balloon
// title and text), an integer list (image indexes), an interfaced object, or
// a colour value. CellIcon holds an icon or a colour value.
using TCellObjectRef = std::variant<std::monostate, QPixmap*, QImage*, TFilePicture*, QStringList*, TIntList*,
                                    QObject*, TColor>;
using TCellIconRef = std::variant<std::monostate, QIcon*, TColor>;
// An object the graphic takes over and frees.
using TCellOwnedObject = std::variant<std::monostate, std::unique_ptr<QPixmap>, std::unique_ptr<QImage>,
                                      std::unique_ptr<TFilePicture>, std::unique_ptr<QStringList>,
                                      std::unique_ptr<TIntList>>;

// The one graphic a cell may carry: its kind and a handful of
// general-purpose fields whose meaning depends on the kind.
//
// Ownership: the graphic frees exactly the objects it was given with
// AdoptCellBitmap / AdoptCellIcon (CellCreated tells whether it holds one);
// objects handed in through the setters or the reference slots stay the
// caller's. Changing the kind frees what the graphic owned, and so does
// pointing a slot at another object; copying a graphic (Assign) never
// transfers ownership.
class TCellGraphic {
public:
    TCellGraphic();
    virtual ~TCellGraphic();
    TCellGraphic(const TCellGraphic&) = delete;
    TCellGraphic& operator=(const TCellGraphic&) = delete;

    // Copies kind, alignments, CellIndex, CellTransparent, CellValue,
    // CellAngle, CellBoolean, CellErrFrom, CellErrLen and CellText; the
    // reference slots, CellVar and CellCheckBoxState stay as they are.
    void Assign(const TCellGraphic& source);

    TCellType CellType() const { return FCellType; }
    void SetCellType(TCellType value) { ChangeKind(value); }

    const TCellObjectRef& CellBitmap() const { return FCellBitmap; }
    void SetCellBitmap(TCellObjectRef value);
    void AdoptCellBitmap(TCellOwnedObject value);
    template <typename T> T* CellBitmapAs() const
    {
        auto* p = std::get_if<T*>(&FCellBitmap);
        return p != nullptr ? *p : nullptr;
    }
    TColor CellBitmapColor() const;  // 0 when the slot holds no colour
    bool HasCellBitmap() const { return !std::holds_alternative<std::monostate>(FCellBitmap); }

    const TCellIconRef& CellIcon() const { return FCellIcon; }
    void SetCellIcon(TCellIconRef value);
    void AdoptCellIcon(std::unique_ptr<QIcon> value);
    QIcon* CellIconObject() const;
    TColor CellIconColor() const;  // 0 when the slot holds no colour

    // True while the graphic owns the object in CellBitmap or CellIcon.
    bool CellCreated() const;

    TCellVAlign CellVAlign() const { return FCellVAlign; }
    void SetCellVAlign(TCellVAlign value) { FCellVAlign = value; }
    TCellHAlign CellHAlign() const { return FCellHAlign; }
    void SetCellHAlign(TCellHAlign value) { FCellHAlign = value; }
    int32_t CellIndex() const { return FCellIndex; }
    void SetCellIndex(int32_t value) { FCellIndex = value; }
    bool CellTransparent() const { return FCellTransparent; }
    void SetCellTransparent(bool value) { FCellTransparent = value; }
    bool CellBoolean() const { return FCellBoolean; }
    void SetCellBoolean(bool value) { FCellBoolean = value; }
    int32_t CellAngle() const { return FCellAngle; }
    void SetCellAngle(int32_t value) { FCellAngle = value; }
    double CellValue() const { return FCellValue; }
    void SetCellValue(double value) { FCellValue = value; }
    int32_t CellErrFrom() const { return FCellErrFrom; }
    void SetCellErrFrom(int32_t value) { FCellErrFrom = value; }
    int32_t CellErrLen() const { return FCellErrLen; }
    void SetCellErrLen(int32_t value) { FCellErrLen = value; }
    const QString& CellText() const { return FCellText; }
    void SetCellText(const QString& value) { FCellText = value; }
    const QVariant& CellVar() const { return FCellVar; }
    void SetCellVar(const QVariant& value) { FCellVar = value; }
    TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
    void SetCellCheckBoxState(TCheckBoxState value) { FCellCheckBoxState = value; }

    // Kind setters: each sets the kind and the fields the kind uses.
    void SetBitmap(QPixmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetPicture(QImage* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                    TCellVAlign val);
    void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode stretchmode, int padding,
                        TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    // A new integer list tied to (Col, Row), owned by the graphic.
    void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                       TIntList::TImageChangeEvent Notifier);
    void SetIcon(QIcon* aicon, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    // The angle brought into 0 .. 360 (360 stays 360).
    void SetAngle(int16_t AAngle);
    // CellIndex := height in the high 16 bits, width in the low 16 bits.
    void SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const QString& caption, QPixmap* Glyph, TCellHAlign hal, TCellVAlign val);
    void SetInterfacedCell(QObject* AObject);

    // Drawing size of a picture or file picture in a cell area of cw x rh
    // pixels by the stretch mode in CellAngle and the padding in CellIndex;
    // (0, 0) for other kinds.
    QPoint GetPictureSize(int cw, int rh, bool hastext) const;

    static int NormalizeAngle(int angle);

private:
    void ChangeKind(TCellType kind);
    void SetAlignments(TCellHAlign hal, TCellVAlign val);
    void FreeOwnedBitmap();
    void FreeOwnedIcon();

    TCellType FCellType = ctNone;
    TCellObjectRef FCellBitmap;
    TCellIconRef FCellIcon;
    TCellOwnedObject FOwnedBitmap;
    std::unique_ptr<QIcon> FOwnedIcon;
    TCellVAlign FCellVAlign = vaTop;
    TCellHAlign FCellHAlign = haLeft;
    int32_t FCellIndex = 0;
    bool FCellTransparent = false;
    bool FCellBoolean = false;
    int32_t FCellAngle = 0;
    double FCellValue = 0.0;
    int32_t FCellErrFrom = 0;
    int32_t FCellErrLen = 0;
    QString FCellText;
    QVariant FCellVar;
    TCheckBoxState FCellCheckBoxState = cbUnchecked;
};

}  // namespace grid
