#include "app/forms/about_dialog.h"

#include <algorithm>

#include <QEvent>
#include <QPainter>

#include "app/app_state.h"
#include "app/version_check.h"

namespace app_forms {
namespace {

constexpr int kLinkLeft = 316;
constexpr int kLinkMargin = 8;

}  // namespace

QPixmap makerPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(QColor(255, 128, 0));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, size / 9.0));
    const qreal m = size * 0.22;
    p.drawEllipse(QRectF(m, m, size - 2 * m, size - 2 * m));
    return picture;
}

TFAbout::TFAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FAbout"));
    setWindowTitle(QStringLiteral("About..."));
    setFont(formFont());
    setClientArea(this, 425, 148);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("QDialog { background: rgb(248,247,237); } QLabel { color: rgb(51,51,51); }"));

    LbButton1 = placeButton(this, QStringLiteral("LbButton1"), 32, 115, 81, 22);
    LbButton1->SetCaption(QStringLiteral("OK"));
    LbButton1->SetModalResult(platform::mrOk);
    Image2 = placeLabel(this, QStringLiteral("Image2"), 32, 24);
    Image2->setPixmap(makerPicture(81));
    Image2->setFixedSize(81, 81);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->installEventFilter(this);

    Label1 = placeLabel(this, QStringLiteral("Label1"), 128, 24, QStringLiteral("Software Velmoraxis "));
    QFont bold = formFont();
    bold.setBold(true);
    bold.setPixelSize(13);
    Label1->setFont(bold);
    Label1->adjustSize();
    Label2 = placeLabel(this, QStringLiteral("Label2"), 128, 39);
    Label3 = placeLabel(this, QStringLiteral("Label3"), 128, 77, QStringLiteral("Version :"));
    Label4 = placeLabel(this, QStringLiteral("Label4"), kLinkLeft, 131, QStringLiteral("www.olvenk.com"));
    Label4->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->installEventFilter(this);
    Label6 = placeLabel(this, QStringLiteral("Label6"), 128, 62, QStringLiteral("Software Code : "));
    Label8 = placeLabel(this, QStringLiteral("Label8"), 128, 93, QStringLiteral("Document Code :"));
    Label9 = placeLabel(this, QStringLiteral("Label9"), 240, 62);
    Label10 = placeLabel(this, QStringLiteral("Label10"), 240, 77);
    Label12 = placeLabel(this, QStringLiteral("Label12"), 240, 93);
}

void TFAbout::showEvent(QShowEvent* event)
{
    Label2->setText(app::kSoftwareDescription);
    Label9->setText(app::kSoftwareCode);
    Label10->setText(app::kSoftwareVersion);
    Label12->setText(QStringLiteral("UM41T17"));
    // Sized with the fonts the labels show at last; the web address keeps
    // its place unless it would run past the box's right side.
    for (QLabel* l : findChildren<QLabel*>())
        l->adjustSize();
    Label4->move(std::min(kLinkLeft, width() - kLinkMargin - Label4->width()), Label4->y());
    QDialog::showEvent(event);
}

bool TFAbout::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Label4 || watched == Image2) && event->type() == QEvent::MouseButtonRelease) {
        openAddress(makerHomePage());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace app_forms
