// The programming interface of the objects a cell shows besides its text:
// bitmaps, pictures, icons and image-list images; progress bars, pies,
// range indicators, shapes, ratings and scroll bars; comments, balloons,
// error markers, buttons, expand cells, radio groups and interfaced cells.
// Each is one cell graphic (see cell_graphic.h for the fields by kind); the
// painter and the input handling read them.

#include <QFontMetrics>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/structure/cell_graphics_detail.h"

namespace grid {

// ------------------------------------------------------------ bookkeeping

TCellGraphic* TExStringGrid::GraphicOfKind(int ACol, int ARow, TCellType kind, bool base) const
{
    if (ACol < 0 || ARow < 0) return nullptr;
    if (base) {
        const QPoint b = BaseCell(ACol, ARow);
        ACol = b.x();
        ARow = b.y();
    }
    TCellGraphic* g = GetGraphicObjectEx(ACol, ARow);
    return g != nullptr && g->CellType() == kind ? g : nullptr;
}

TCellGraphic* TExStringGrid::NewObjectGraphic(int ACol, int ARow)
{
    cell_graphics_detail::checkAddPosition(*this, ACol, ARow);
    return CreateCellGraphic(ACol, ARow);
}

void TExStringGrid::RemoveEveryCellGraphic(const std::function<void(int, int)>& remove)
{
    TGridUpdateLock lock(*this);
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r) remove(c, r);
    RepaintGrid();
}

// ------------------------------------------------------ bitmaps, pictures

void TExStringGrid::AddBitmap(int ACol, int ARow, QPixmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = NewObjectGraphic(ACol, ARow)) g->SetBitmap(ABmp, Transparent, hal, val);
}

QPixmap* TExStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return nullptr;
    g->SetBitmap(nullptr, Transparent, hal, val);
    g->AdoptCellBitmap(std::make_unique<QPixmap>());
    return g->CellBitmapAs<QPixmap>();
}

QPixmap* TExStringGrid::GetBitmap(int ACol, int ARow) const
{
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctBitmap);
    return g != nullptr ? g->CellBitmapAs<QPixmap>() : nullptr;
}

void TExStringGrid::AddPicture(int ACol, int ARow, QImage* APicture, bool Transparent, TStretchMode StretchMode,
                               int Padding, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = NewObjectGraphic(ACol, ARow))
        g->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

QImage* TExStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                     TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return nullptr;
    g->SetPicture(nullptr, Transparent, StretchMode, Padding, hal, val);
    g->AdoptCellBitmap(std::make_unique<QImage>());
    return g->CellBitmapAs<QImage>();
}

QImage* TExStringGrid::GetPicture(int ACol, int ARow) const
{
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctPicture);
    return g != nullptr ? g->CellBitmapAs<QImage>() : nullptr;
}

void TExStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                   TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = NewObjectGraphic(ACol, ARow))
        g->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TExStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                               int Padding, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return nullptr;
    g->SetFilePicture(nullptr, Transparent, StretchMode, Padding, hal, val);
    g->AdoptCellBitmap(std::make_unique<TFilePicture>());
    return g->CellBitmapAs<TFilePicture>();
}

TFilePicture* TExStringGrid::GetFilePicture(int ACol, int ARow) const
{
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctFilePicture);
    return g != nullptr ? g->CellBitmapAs<TFilePicture>() : nullptr;
}

void TExStringGrid::AddIcon(int ACol, int ARow, QIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = NewObjectGraphic(ACol, ARow)) g->SetIcon(AIcon, hal, val);
}

QIcon* TExStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return nullptr;
    g->SetIcon(nullptr, hal, val);
    g->AdoptCellIcon(std::make_unique<QIcon>());
    return g->CellIconObject();
}

// ------------------------------------------------------ image-list images

void TExStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (GridImages() == nullptr) return;
    if (TCellGraphic* g = NewObjectGraphic(ACol, ARow)) g->SetImageIdx(Aidx, hal, val);
}

bool TExStringGrid::GetImageIdx(int ACol, int ARow, int& idx) const
{
    const TCellGraphic* g = GridImages() != nullptr ? GraphicOfKind(ACol, ARow, ctImageList) : nullptr;
    if (g == nullptr) return false;
    idx = g->CellIndex();
    return true;
}

void TExStringGrid::SetImageIdx(int ACol, int ARow, int Idx)
{
    if (GridImages() == nullptr) return;
    if (TCellGraphic* g = GraphicOfKind(ACol, ARow, ctImageList)) g->SetCellIndex(Idx);
}

void TExStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (GridImages() == nullptr) return;
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetDataImage(Aidx, hal, val);
    // The painter shows the cell's value plus CellIndex: the image shown is
    // the cell text itself, so the offset stays 0.
    g->SetCellIndex(0);
    if (GetCellEx(ACol, ARow).isEmpty()) SetCellEx(ACol, ARow, QString::number(Aidx));
}

void TExStringGrid::RemoveDataImage(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctDataImage);
    SetCellEx(ACol, ARow, QString());
}

void TExStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val)
{
    if (GridImages() == nullptr) return;
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    QPointer<TExStringGrid> self(this);
    g->SetMultiImage(ACol, ARow, Dir, hal, val, [self](TIntList*, int c, int r) {
        if (self) self->RepaintCell(c, r);
    });
}

// -------------------------------------------------- progress and indicators

namespace {
void setProgress(TCellGraphic& g, TColor fg, TColor bk)
{
    g.SetCellType(ctProgress);
    g.SetCellBitmap(fg);
    g.SetCellIcon(bk);
    g.SetCellBoolean(false);
    g.SetCellErrFrom(0);
    g.SetCellErrLen(100);
    g.SetCellText(QString());
    g.SetCellHAlign(haLeft);
    g.SetCellVAlign(vaTop);
}
}  // namespace

void TExStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    setProgress(*g, FGColor, BKColor);
    if (AutoNumAlign) SetAlignments(ACol, ARow, taRightJustify);
}

void TExStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                  TColor BKTextColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, QString(), 0, 100);
}

void TExStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                         TColor BKTextColor, const QString& Fmt, int Min, int Max)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    setProgress(*g, FGColor, BKColor);
    g->SetCellIndex(int32_t(FGTextColor));
    g->SetCellAngle(int32_t(BKTextColor));
    g->SetCellBoolean(true);
    g->SetCellText(Fmt);
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
    if (AutoNumAlign) SetAlignments(ACol, ARow, taRightJustify);
}

void TExStringGrid::AddExProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCellType(ctXPProgress);
    g->SetCellBoolean(false);
    g->SetCellText(QString());
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
    g->SetCellHAlign(haLeft);
    g->SetCellVAlign(vaTop);
}

void TExStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCellType(ctProgressPie);
    g->SetCellBitmap(Color);
    g->SetCellAngle(Value);
    g->SetCellHAlign(haBeforeText);
    g->SetCellVAlign(vaTop);
}

void TExStringGrid::SetProgressPie(int ACol, int ARow, int Value)
{
    if (TCellGraphic* g = GraphicOfKind(ACol, ARow, ctProgressPie)) {
        g->SetCellAngle(Value);
        RepaintCell(ACol, ARow);
    }
}

void TExStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCellType(ctRangeIndicator);
    g->SetCellIndex(Range);
    g->SetCellBitmap(NegColor);
    g->SetCellIcon(PosColor);
    g->SetCellBoolean(ShowValue);
    g->SetCellHAlign(haLeft);
    g->SetCellVAlign(vaTop);
}

void TExStringGrid::AddShape(int ACol, int ARow, paint::TCellShape Shape, TColor FillColor, TColor LineColor,
                             TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCellType(ctShape);
    g->SetCellAngle(Shape);
    g->SetCellIndex(int32_t(FillColor));
    g->SetCellBitmap(LineColor);
    g->SetCellHAlign(hal);
    g->SetCellVAlign(val);
}

void TExStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor)
{
    if (TCellGraphic* g = GraphicOfKind(ACol, ARow, ctShape)) g->SetCellIndex(int32_t(FillColor));
}

TColor TExStringGrid::GetShapeColor(int ACol, int ARow) const
{
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctShape);
    return g != nullptr ? TColor(g->CellIndex()) : clNone;
}

void TExStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCellType(ctRating);
    g->SetCellAngle(Scale);
    g->SetCellIndex(int32_t(FillColor));
    g->SetCellBitmap(EmptyColor);
    g->SetCellHAlign(haFull);
}

// ------------------------------------------------------- cell scroll bars

void TExStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCellType(ctScrollbar);
    g->SetCellIndex(0);
    g->SetCellAngle(0);
    g->SetCellErrFrom(100);
    g->SetCellBoolean(AutoRange);
    if (AutoRange) CellTextChanged(ACol, ARow);
}

bool TExStringGrid::HasAutoRangeScrollBar(int ACol, int ARow) const
{
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctScrollbar, true);
    return g != nullptr && g->CellBoolean();
}

void TExStringGrid::SetScrollPosition(int ACol, int ARow, int Pos)
{
    if (TCellGraphic* g = GraphicOfKind(ACol, ARow, ctScrollbar, true)) {
        g->SetCellIndex(Pos);
        RepaintCell(ACol, ARow);
    }
}

int TExStringGrid::GetScrollPosition(int ACol, int ARow) const
{
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctScrollbar, true);
    return g != nullptr ? g->CellIndex() : -1;
}

void TExStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop)
{
    if (TCellGraphic* g = GraphicOfKind(ACol, ARow, ctScrollbar, true)) {
        g->SetCellAngle(Prop.PageSize);
        g->SetCellErrFrom(Prop.Range);
    }
}

TExStringGrid::TScrollProp TExStringGrid::GetScrollProp(int ACol, int ARow) const
{
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctScrollbar, true);
    if (g == nullptr) return {-1, -1};
    return {g->CellAngle(), g->CellErrFrom()};
}

void TExStringGrid::CellTextChanged(int ACol, int ARow)
{
    TBaseGrid::CellTextChanged(ACol, ARow);
    TCellGraphic* g = GraphicOfKind(ACol, ARow, ctScrollbar);
    if (g == nullptr || !g->CellBoolean() || ARow >= RowCount()) return;
    const int dc = DisplColIndex(ACol);
    const int width = dc >= 0 && dc < ColCount() ? ColWidths(dc) : DefaultColWidth();
    const QFontMetrics fm(MeasureFont(std::max(dc, 0), ARow));
    const QRect text = fm.boundingRect(QRect(0, 0, std::max(width - 4, 1), 0x7FFF), Qt::TextWordWrap,
                                       GetCellEx(ACol, ARow));
    g->SetCellAngle(RowHeights(ARow));
    g->SetCellErrFrom(text.height());
}

// ------------------------------------------------------------- comments

void TExStringGrid::AddComment(int ACol, int ARow, const QString& Comment)
{
    AddColorComment(ACol, ARow, Comment, FControlLook.CommentColor());
}

void TExStringGrid::AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCellType(ctComment);
    g->SetCellText(Comment);
    g->SetCellIndex(int32_t(Color));
    g->SetCellHAlign(haLeft);
    g->SetCellVAlign(vaTop);
}

void TExStringGrid::SetComment(int ACol, int ARow, const QString& Value)
{
    if (GetGraphicObjectEx(ACol, ARow) == nullptr) {
        AddComment(ACol, ARow, Value);
    } else if (TCellGraphic* g = GraphicOfKind(ACol, ARow, ctComment)) {
        g->SetCellText(Value);
        RepaintCell(ACol, ARow);
    }
}

bool TExStringGrid::IsComment(int ACol, int ARow, QString& Comment) const
{
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctComment);
    if (g == nullptr) return false;
    Comment = g->CellText();
    return true;
}

QString TExStringGrid::GetComment(int ACol, int ARow) const
{
    QString comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TExStringGrid::RemoveAllComments()
{
    RemoveEveryCellGraphic([this](int c, int r) { RemoveComment(c, r); });
}

// ------------------------------------------------------------- balloons

namespace {
bool isBalloonCarrier(TCellType kind) { return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctRadioButton; }
}  // namespace

void TExStringGrid::AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon)
{
    TCellGraphic* g = GetGraphicObjectEx(ACol, ARow);
    if (g == nullptr) {
        g = NewObjectGraphic(ACol, ARow);
        if (g == nullptr) return;
        g->SetCellType(ctBalloon);
        g->SetCellAngle(0);
    } else if (isBalloonCarrier(g->CellType())) {
        g->SetCellAngle(1);
    } else {
        return;
    }
    g->AdoptCellBitmap(std::make_unique<QStringList>(QStringList{Title, Text}));
    g->SetCellIndex(Icon);
}

void TExStringGrid::RemoveBalloon(int ACol, int ARow)
{
    TCellGraphic* g = GetGraphicObjectEx(ACol, ARow);
    if (g != nullptr && isBalloonCarrier(g->CellType()) && g->CellAngle() == 1) {
        g->SetCellBitmap(std::monostate{});
        g->SetCellAngle(0);
        RepaintCell(ACol, ARow);
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TExStringGrid::IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon) const
{
    const TCellGraphic* g = ACol >= 0 && ARow >= 0 ? GetGraphicObjectEx(ACol, ARow) : nullptr;
    if (g == nullptr) return false;
    const bool own = g->CellType() == ctBalloon;
    const bool attached = isBalloonCarrier(g->CellType()) && g->CellAngle() == 1;
    const QStringList* list = g->CellBitmapAs<QStringList>();
    if ((!own && !attached) || list == nullptr) return false;
    Title = list->value(0);
    Text = list->value(1);
    Icon = g->CellIndex() >= biNone && g->CellIndex() <= biError ? TBalloonIcon(g->CellIndex()) : biNone;
    return true;
}

// --------------------------------------------------------- error markers

void TExStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic* g = GetGraphicObjectEx(ACol, ARow);
    if (g == nullptr) {
        g = NewObjectGraphic(ACol, ARow);
        if (g == nullptr) return;
        g->SetCellType(ctEmpty);
    }
    g->SetCellErrFrom(ErrPos);
    g->SetCellErrLen(ErrLen);
    RepaintCell(ACol, ARow);
}

void TExStringGrid::RemoveMarker(int ACol, int ARow)
{
    if (RemoveCellGraphicOfType(ACol, ARow, ctEmpty)) return;
    if (TCellGraphic* g = ACol >= 0 && ARow >= 0 ? GetGraphicObjectEx(ACol, ARow) : nullptr) {
        g->SetCellErrFrom(0);
        g->SetCellErrLen(0);
    }
}

void TExStringGrid::RemoveAllMarkers()
{
    RemoveEveryCellGraphic([this](int c, int r) { RemoveMarker(c, r); });
}

void TExStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) const
{
    const TCellGraphic* g = ACol >= 0 && ARow >= 0 ? GetGraphicObjectEx(ACol, ARow) : nullptr;
    ErrPos = g != nullptr ? g->CellErrFrom() : 0;
    ErrLen = g != nullptr ? g->CellErrLen() : 0;
}

// -------------------------------------------------------------- buttons

void TExStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                              TCellVAlign val)
{
    if (TCellGraphic* g = NewObjectGraphic(ACol, ARow)) g->SetButton(bw, bh, Caption, hal, val);
}

void TExStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, QPixmap* Glyph,
                                 TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = NewObjectGraphic(ACol, ARow)) g->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

QPixmap* TExStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                                        TCellVAlign val)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return nullptr;
    g->SetBitButton(bw, bh, Caption, nullptr, hal, val);
    g->AdoptCellBitmap(std::make_unique<QPixmap>());
    return g->CellBitmapAs<QPixmap>();
}

void TExStringGrid::SetButtonText(int ACol, int ARow, const QString& Caption)
{
    if (TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow)) {
        g->SetCellText(Caption);
        RepaintCell(RealColIndex(ACol), ARow);
    }
}

QString TExStringGrid::GetButtonText(int ACol, int ARow) const
{
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    return g != nullptr ? g->CellText() : QString();
}

void TExStringGrid::PushButton(int ACol, int ARow, bool Push)
{
    TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (g == nullptr || g->CellType() == ctNode) return;
    g->SetCellBoolean(Push);
    RepaintCell(RealColIndex(ACol), ARow);
}

void TExStringGrid::RemoveButton(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctButton);
    RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TExStringGrid::RemoveAllButtons()
{
    RemoveEveryCellGraphic([this](int c, int r) {
        if (HasButton(c, r)) RemoveButton(c, r);
    });
}

QRect TExStringGrid::GetCellButtonRect(int ACol, int ARow) const
{
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (g == nullptr || (g->CellType() != ctButton && g->CellType() != ctBitButton && g->CellType() != ctExpand))
        return QRect();
    const platform::TRect cell = CellRect(ACol, ARow);
    const int offset = int(g->CellValue());
    const bool expand = g->CellType() == ctExpand;
    // An expand mark is drawn 13 pixels square.
    int w = expand ? 13 : g->CellIndex() & 0xFFFF;
    int h = expand ? 13 : (g->CellIndex() >> 16) & 0xFFFF;
    if (g->CellVAlign() == vaFull) h = cell.Height();
    if (g->CellHAlign() == haFull) w = cell.Width();
    return QRect(cell.Left + (offset & 0xFFFF), cell.Top + ((offset >> 16) & 0xFFFF), w, h);
}

// --------------------------------------------------------- expand cells

void TExStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCellType(ctExpand);
    g->SetCellAngle(ExpandedHeight);
    g->SetCellIndex(RowHeights(ARow));
    g->SetCellVar(false);
}

bool TExStringGrid::ToggleExpand(int ACol, int ARow)
{
    const QPoint b = BaseCell(ACol, ARow);
    TCellGraphic* g = GetGraphicObjectEx(b.x(), b.y());
    if (g == nullptr) return false;
    const bool expanded = !g->CellVar().toBool();
    g->SetCellVar(expanded);
    RepaintCell(b.x(), b.y());
    return expanded;
}

bool TExStringGrid::GetExpandState(int ACol, int ARow) const
{
    const QPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetGraphicObjectEx(b.x(), b.y());
    return g != nullptr && g->CellVar().toBool();
}

int TExStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) const
{
    const QPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetGraphicObjectEx(b.x(), b.y());
    if (g == nullptr) return DefaultRowHeight();
    return Expanded ? g->CellAngle() : g->CellIndex();
}

QRect TExStringGrid::GetExpandRect(int ACol, int ARow) const
{
    if (GraphicOfKind(ACol, ARow, ctExpand) == nullptr) return QRect();
    const platform::TRect cell = CellRect(DisplColIndex(ACol), ARow);
    return QRect(cell.Right - 2 - 11, cell.Top + 2, 11, 11);
}

// --------------------------------------------------------- radio groups

void TExStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, QStringList* sl)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCellType(ctRadio);
    g->SetCellBitmap(sl);
    g->SetCellAngle(sl != nullptr ? int(sl->size()) : 0);
    g->SetCellIndex(IdxRadio);
    g->SetCellBoolean(DirRadio != 0);
}

QStringList* TExStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio)
{
    TCellGraphic* g = NewObjectGraphic(ACol, ARow);
    if (g == nullptr) return nullptr;
    g->SetCellType(ctRadio);
    g->AdoptCellBitmap(std::make_unique<QStringList>());
    g->SetCellAngle(0);
    g->SetCellIndex(IdxRadio);
    g->SetCellBoolean(DirRadio != 0);
    return g->CellBitmapAs<QStringList>();
}

bool TExStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio) const
{
    const TCellGraphic* g = ACol >= 0 && ARow >= 0 ? GetGraphicObjectEx(ACol, ARow) : nullptr;
    if (g == nullptr) return false;
    IdxRadio = g->CellIndex();
    return g->CellType() == ctRadio;
}

bool TExStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio)
{
    TCellGraphic* g = ACol >= 0 && ARow >= 0 ? GetGraphicObjectEx(ACol, ARow) : nullptr;
    if (g == nullptr) return false;
    g->SetCellIndex(IdxRadio);
    if (IdxRadio == -1) SetCellEx(ACol, ARow, QString());
    RepaintCell(ACol, ARow);
    return g->CellType() == ctRadio;
}

QStringList* TExStringGrid::GetRadioStrings(int ACol, int ARow) const
{
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctRadio, true);
    return g != nullptr ? g->CellBitmapAs<QStringList>() : nullptr;
}

void TExStringGrid::CycleRadio(int ACol, int ARow, bool ByUser)
{
    TCellGraphic* g = GraphicOfKind(ACol, ARow, ctRadio);
    if (g == nullptr) return;
    if (ByUser && !FControlLook.RadioAlwaysActive) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return;
    }
    const QStringList* items = g->CellBitmapAs<QStringList>();
    const int count = items != nullptr ? int(items->size()) : 0;
    if (count == 0) return;
    const int stored = g->CellIndex();
    int next = stored < 0 ? int(items->indexOf(GetCellEx(ACol, ARow))) + 1 : stored + 1;
    if (next >= count) next = 0;
    if (stored >= -1) g->SetCellIndex(next);
    g->SetCellValue(next);
    SetCellEx(ACol, ARow, items->at(next));
    RepaintCell(ACol, ARow);
}

// ------------------------------------------------------ interfaced cells

void TExStringGrid::AddInterfacedCell(int ACol, int ARow, QObject* AObject)
{
    if (TCellGraphic* g = NewObjectGraphic(ACol, ARow)) g->SetInterfacedCell(AObject);
}

QObject* TExStringGrid::GetInterfacedCell(int ACol, int ARow) const
{
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctInterface);
    return g != nullptr ? g->CellBitmapAs<QObject>() : nullptr;
}

// ---------------------------------------------------- notification slots

void TExStringGrid::CanInsertRow(int ARow, bool& CanInsert)
{
    if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}

void TExStringGrid::DoColorSelect(TColor Color, const QString& Value)
{
    if (OnColorSelect) OnColorSelect(this, Col(), Row(), Color, Value);
}

void TExStringGrid::DoImageSelect(int Index)
{
    if (OnImageSelect) OnImageSelect(this, Col(), Row(), Index);
}

}  // namespace grid
