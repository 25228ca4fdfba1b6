// The objects of the mini-HTML dialect: pictures (IMG) and drawn form
// controls (CONTROL), placed on a line by the object rule, drawn in the
// second pass and answering the hit test in both.

#include <algorithm>
#include <cmath>

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>
#include <QPaintDevice>
#include <QPainter>

#include "controls/grid/cells/grid_image_list.h"
#include "controls/grid/html/html_render_engine.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/html/picture_container.h"
#include "platform/theme_painter.h"

namespace grid::html_render {

using platform::TRect;

namespace render_objects_detail {

// A sum taken to the nearest whole number, halves to the even number.
int roundHalfEven(double value) { return int(std::nearbyint(value)); }

bool isDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace render_objects_detail

namespace ro = render_objects_detail;

int TRenderEngine::DpiX() const
{
    const QPaintDevice* device = C.Painter().device();
    return device != nullptr ? device->logicalDpiX() : 96;
}

int TRenderEngine::DpiY() const
{
    const QPaintDevice* device = C.Painter().device();
    return device != nullptr ? device->logicalDpiY() : 96;
}

void TRenderEngine::PlaceObject()
{
    const int width = FBox.Width();
    if (FFirstPass && FAdvance + FObjectWidth > width && FObjectWidth < width) {
        FCarry = true;
        return;
    }
    FAdvance += FObjectWidth;
    FPen.Left += FObjectWidth;
    FLineHeight = std::max(FLineHeight, FObjectHeight);
}

THTMLPicture* TRenderEngine::FindPicture(const QString& name)
{
    THTMLPicture* picture = nullptr;
    if (!name.contains(u':') && P.PictureContainer != nullptr) picture = P.PictureContainer->FindPicture(name);
    if (name.contains(u"://") && P.PictureCache != nullptr) {
        if (P.PictureCache->FindPicture(name) == nullptr) {
            THTMLPicture* added = P.PictureCache->AddPicture();
            added->Asynch = false;
            try {
                added->LoadFromURL(name);
            } catch (const EPictureError&) {
                // A resource that no reader takes shows nothing.
            }
        }
        picture = P.PictureCache->FindPicture(name);
    }
    return picture;
}

QSize TRenderEngine::SystemIcon(const QString& name, bool large, bool draw)
{
    const int size = large ? 32 : 16;
    if (!draw) return {size, size};
    const QFileIconProvider provider;
    QIcon icon;
    if (name.isEmpty() || ro::isDigits(name)) {
        const int index = LeadingNumber(name);
        icon = provider.icon(index <= int(QAbstractFileIconProvider::File) ? QAbstractFileIconProvider::IconType(index)
                                                                          : QAbstractFileIconProvider::File);
    } else if (const QFileInfo info(name); info.exists()) {
        icon = provider.icon(info);
    } else {
        const QMimeType type = QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension);
        icon = QIcon::fromTheme(type.iconName(), provider.icon(QAbstractFileIconProvider::File));
    }
    const QImage image = icon.pixmap(size, size).toImage();
    if (P.Print)
        C.StretchDraw(TRect(FPen.Left, FPen.Top, ro::roundHalfEven(FPen.Left + size * P.ResFactor),
                            ro::roundHalfEven(FPen.Top + size * P.ResFactor)),
                      image);
    else
        C.Draw(FPen.Left, FPen.Top, image);
    return {size, size};
}

void TRenderEngine::PlaceImage(QStringView tagText)
{
    const QStringView original = tagText.mid(2);
    const QString upper = HTMLUpper(original);
    const int m = ++FImageCount;
    auto value = [&](QStringView name) { return HTMLTagAttributeAsWritten(original, upper, name); };
    // A picture shows its alternative while the point is on it.
    QString source = value(u"SRC").toString();
    if (upper.contains(u"ALT") && m == FObjectUnderPoint) source = value(u"ALT").toString();
    const int w = LeadingNumber(HTMLTagAttribute(upper, u"WIDTH"));
    const int h = LeadingNumber(HTMLTagAttribute(upper, u"HEIGHT"));
    const bool drawing = !FMeasuring;
    FObjectWidth = FObjectHeight = 0;

    const QString kind = HTMLUpper(source);
    if (kind.contains(u"IDX:")) {
        const int n = LeadingNumber(QStringView(source).mid(4));
        if (P.Images != nullptr && n < P.Images->Count()) {
            FObjectWidth = MulDiv(P.Images->Width(), DpiX(), 96);
            FObjectHeight = MulDiv(P.Images->Height(), DpiY(), 96);
            if (drawing && !P.Print) {
                C.Draw(FPen.Left, FPen.Top, P.Images->Image(n));
            } else if (drawing) {
                C.StretchDraw(TRect(FPen.Left, FPen.Top, ro::roundHalfEven(FPen.Left + P.Images->Width() * P.ResFactor),
                                    ro::roundHalfEven(FPen.Top + P.Images->Height() * P.ResFactor)),
                              P.Images->Image(n));
            }
        }
    }
    for (const bool large : {false, true}) {
        if (!kind.contains(large ? u"LSYS:" : u"SSYS:")) continue;
        const QSize icon = SystemIcon(source.mid(5), large, drawing);
        FObjectWidth = MulDiv(icon.width(), DpiX(), 96);
        FObjectHeight = MulDiv(icon.height(), DpiY(), 96);
    }
    if (THTMLPicture* picture = FindPicture(source); picture != nullptr && !picture->Empty()) {
        const int pw = picture->Width();
        const int ph = picture->Height();
        int sizeX = pw;
        int sizeY = ph;
        if (w > 0 && h > 0) {
            sizeX = w;
            sizeY = h;
        } else if (w > 0) {
            sizeX = w;
            sizeY = pw > 0 ? ro::roundHalfEven(double(ph) * w / pw) : 0;
        } else if (h > 0) {
            sizeX = ph > 0 ? ro::roundHalfEven(double(pw) * h / ph) : 0;
            sizeY = h;
        }
        if (drawing) {
            if (w > 0 || h > 0) {
                picture->Stretch = true;
                picture->Draw(C, TRect(FPen.Left, FPen.Top, FPen.Left + sizeX, FPen.Top + sizeY));
            } else {
                if (picture->FrameCount() > 1) {
                    // An animation's area is cleared to the background before the frame.
                    const platform::TBrush brush = C.Brush;
                    C.Brush.Color = FEntryBackground;
                    C.Brush.Style = Qt::SolidPattern;
                    C.Pen.Color = FEntryBackground;
                    C.FillRect(TRect(FPen.Left, FPen.Top, FPen.Left + picture->MaxWidth(),
                                     FPen.Top + picture->MaxHeight()));
                    C.Brush = brush;
                }
                const int x = FPen.Left + picture->FrameXPos();
                const int y = FPen.Top + picture->FrameYPos();
                picture->Draw(C, TRect(x, y, x + pw, y + ph));
            }
        }
        const bool sized = w > 0 || h > 0;
        FObjectWidth = MulDiv(sized ? sizeX : picture->MaxWidth(), DpiX(), 96);
        FObjectHeight = MulDiv(sized ? sizeY : picture->MaxHeight(), DpiY(), 96);
    }

    const int offset = P.X - FBox.Left;
    if (FAdvance < offset && offset < FAdvance + FObjectWidth && FBox.Top < P.Y &&
        P.Y < FBox.Top + FObjectHeight && FInAnchor) {
        FObjectHit = true;
        R.AnchorVal = FHref;
        R.AnchorTitle = FTitle;
        FObjectUnderPoint = m;
    }
    PlaceObject();
    if (upper.contains(u"ALIGN")) {
        const int textHeight = GhHeight();
        if (upper.contains(u"\"TOP"))
            FLift = FLineHeight - textHeight;
        else if (upper.contains(u"\"MIDDLE"))
            FLift = (FLineHeight - textHeight) / 2;
    }
}

void TRenderEngine::PlaceControl(QStringView tagText)
{
    using namespace platform;
    const THTMLControlAttributes a = ParseHTMLControlAttributes(tagText.mid(8));
    bool heightNumber = false;
    int height = LeadingNumber(a.Height, &heightNumber);
    if (!heightNumber) height = 25;
    if (a.Width.isEmpty()) return;
    bool widthNumber = false;
    const int w = LeadingNumber(a.Width, &widthNumber);
    const int textHeight = GhHeight();
    if (widthNumber) {
        FObjectWidth = w;
        FObjectHeight = textHeight + 10;
    }
    const bool box = a.Type == u"CHECK" || a.Type == u"RADIO";
    FLineHeight = box ? 16 : 23;
    if (height > 25) FLineHeight = height - 2;

    if (!FMeasuring) {
        const int L = FPen.Left;
        const int B = FPen.Bottom;
        const int LH = FLineHeight;
        QPainter& painter = C.Painter();
        const bool field = a.Type == u"EDIT" || a.Type == u"PASSWORD" || a.Type == u"MASK" || a.Type == u"COMBO";
        if (field) {
            C.Pen.Color = FThemed ? 0x00B99D7F : 0x00808080;
            C.Pen.Width = 1;
            C.Brush.Color = clWhite;
            C.Brush.Style = Qt::SolidPattern;
            C.Rectangle(L, B - LH + 4, L + w, B + 2);
            C.Brush.Color = clNone;
            const bool combo = a.Type == u"COMBO";
            TRect text(L + (combo ? 4 : 2), B - LH + 4, L + w - (combo ? 18 : 0), B);
            C.DrawText(a.Type == u"PASSWORD" ? PasswordMask(a.Value) : a.Value, text, DT_SINGLELINE | DT_VCENTER);
            if (combo) {
                const TRect button(L + w - 18, B - LH + 5, L + w - 1, B + 1);
                const bool hovered = L - 2 < P.X && P.X < L + w - 2 && B - (textHeight + 10) - 2 < P.Y && P.Y < B - 2;
                if (FThemed)
                    ThemePainter::Draw(painter, TThemePart::ComboButton, button, hovered ? tsHot : tsNormal, 0, P.Window);
                else
                    C.DrawFrameControl(button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
            }
        } else if (box) {
            const bool radio = a.Type == u"RADIO";
            const bool on = a.Value.toUpper() == u"TRUE";
            const TRect r = radio ? TRect(L + 2, B - 14, L + 14, B) : TRect(L + 2, B - 15, L + 15, B);
            if (FThemed)
                ThemePainter::Draw(painter, radio ? TThemePart::Radio : TThemePart::CheckBox, r,
                                   on ? tsChecked : tsNormal, 0, P.Window);
            else
                C.DrawFrameControl(r, DFC_BUTTON,
                                   (radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | DFCS_FLAT | (on ? DFCS_CHECKED : 0));
        } else if (a.Type == u"BUTTON") {
            const TRect r(L + 2, B - height, L + w - 2, B);
            const bool hovered = L - 2 < P.X && P.X < L + w - 2 && B - 24 - 2 < P.Y && P.Y < B - 2;
            if (FThemed)
                ThemePainter::Draw(painter, TThemePart::PushButton, r,
                                   P.ControlDown ? tsPressed : hovered ? tsHot : tsNormal, 0, P.Window);
            else
                C.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | (hovered && P.ControlDown ? DFCS_PUSHED : 0));
            TRect caption = r.Inflated(-2, -2);
            C.DrawText(a.Value, caption, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
    }
    if (a.Type == u"BUTTON" || a.Type == u"COMBO") FObjectHeight = 25;
    if (box) FObjectWidth = FObjectHeight = 16;

    const int offset = P.X - FBox.Left;
    const bool onControl = FAdvance < offset && offset < FAdvance + FObjectWidth && FBox.Top < P.Y &&
                           P.Y < FBox.Top + FObjectHeight;
    if (onControl || (P.HitTestOnly && !P.ControlID.isEmpty() && a.ID == P.ControlID)) {
        FObjectHit = true;
        R.AnchorVal = QStringLiteral("ctrl");
        FObjectUnderPoint = FImageCount;
        R.ControlRect = TRect(FBox.Left + FAdvance, FBox.Top, FBox.Left + FAdvance + FObjectWidth,
                              FBox.Top + FObjectHeight);
        R.ControlValue = a.Value;
        R.ControlID = a.ID;
        R.ControlType = a.Type;
    }
    PlaceObject();
}

}  // namespace grid::html_render
