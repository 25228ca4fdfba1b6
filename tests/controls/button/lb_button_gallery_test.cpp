#include <gtest/gtest.h>

#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QTest>

#include "button_test_support.h"
#include "controls/button/lb_button.h"

using namespace button;
using namespace button_testing;

// Renders the faces of the push button to PNG files in the working folder
// (the build folder under ctest), for a person to look at.
namespace {

const QColor kGalleryBackground(236, 236, 236);
constexpr int kCellWidth = 150;
constexpr int kCellHeight = 52;
constexpr int kLabelWidth = 110;

enum class GalleryState { Normal, Hot, Pressed, Disabled, Focused };

// Sets a button up as the forms do.
void formLook(TLbButton& button)
{
    button.SetColor(kFormsFace);
    button.SetLightColor(clGray);
    button.SetColorWhenDown(kFormsOrange);
    button.SetHotTrackColor(clYellow);
}

// One button on a small form of its own, brought into the state and grabbed.
QImage renderCell(const std::function<void(TLbButton&)>& setUp, GalleryState state, QSize size = QSize(130, 36))
{
    auto form = makeForm(QSize(kCellWidth, kCellHeight), kGalleryBackground);
    auto* button = new TLbButton(form.get());
    button->setGeometry((kCellWidth - size.width()) / 2, (kCellHeight - size.height()) / 2, size.width(), size.height());
    setUp(*button);
    if (state != GalleryState::Focused)
        button->setFocusPolicy(Qt::NoFocus);
    showAndActivate(*form);
    switch (state) {
    case GalleryState::Normal: break;
    case GalleryState::Hot: sendEnter(*button); break;
    case GalleryState::Pressed:
        sendEnter(*button);
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        break;
    case GalleryState::Disabled: button->setEnabled(false); break;
    case GalleryState::Focused: button->setFocus(); break;
    }
    return grabImage(*form);
}

struct GalleryRow {
    QString label;
    std::function<void(TLbButton&)> setUp;
};

QImage galleryImage(const QStringList& columns, const std::vector<GalleryRow>& rows,
                    const std::function<QImage(const GalleryRow&, int column)>& cell)
{
    const int headerHeight = 24;
    QImage sheet(kLabelWidth + kCellWidth * int(columns.size()), headerHeight + kCellHeight * int(rows.size()),
                 QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setPen(Qt::black);
    for (int c = 0; c < columns.size(); ++c)
        painter.drawText(QRect(kLabelWidth + c * kCellWidth, 0, kCellWidth, headerHeight), Qt::AlignCenter, columns[c]);
    for (int r = 0; r < int(rows.size()); ++r) {
        const int top = headerHeight + r * kCellHeight;
        painter.drawText(QRect(4, top, kLabelWidth - 4, kCellHeight), Qt::AlignVCenter | Qt::AlignLeft, rows[r].label);
        for (int c = 0; c < columns.size(); ++c)
            painter.drawImage(kLabelWidth + c * kCellWidth, top, cell(rows[r], c));
    }
    return sheet;
}

QString savedTo(const QImage& image, const QString& name)
{
    const QString path = QDir::current().absoluteFilePath(name);
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    std::printf("gallery: %s\n", qPrintable(path));
    return path;
}

TEST(LbButtonGallery, EveryStyleInEveryState)
{
    const std::pair<TLbButtonStyle, const char*> styles[] = {
        {bsNormal, "bsNormal"}, {bsEncarta, "bsEncarta"}, {bsModern, "bsModern"},
        {bsOld, "bsOld"},       {bsShape, "bsShape"},     {bsQuicken, "bsQuicken"},
    };
    std::vector<GalleryRow> rows;
    for (const auto& [style, name] : styles) {
        rows.push_back({QString::fromLatin1(name), [style = style](TLbButton& button) {
                            formLook(button);
                            button.SetStyle(style);
                            if (style == bsModern || style == bsQuicken)
                                button.SetColorStyle(style == bsModern ? lcsChrome : lcsQuicken);
                            button.SetKind(bkOK);
                            button.SetCaption(QStringLiteral("&Apply"));
                        }});
    }
    rows.push_back({QStringLiteral("bsNormal flat"), [](TLbButton& button) {
                        formLook(button);
                        button.SetFlat(true);
                        button.SetCaption(QStringLiteral("Flat button"));
                    }});
    const GalleryState states[] = {GalleryState::Normal, GalleryState::Hot, GalleryState::Pressed,
                                   GalleryState::Disabled, GalleryState::Focused};
    const QImage sheet = galleryImage({"normal", "hot", "pressed", "disabled", "focused"}, rows,
                                      [&](const GalleryRow& row, int column) { return renderCell(row.setUp, states[column]); });
    const QString path = savedTo(sheet, QStringLiteral("lb_button_styles.png"));
    EXPECT_FALSE(QImage(path).isNull());
}

TEST(LbButtonGallery, KindsColourPresetsAndLayouts)
{
    const std::pair<TLbButtonKind, const char*> kinds[] = {
        {bkOK, "bkOK"},       {bkCancel, "bkCancel"}, {bkHelp, "bkHelp"},   {bkYes, "bkYes"},
        {bkNo, "bkNo"},       {bkClose, "bkClose"},   {bkAbort, "bkAbort"}, {bkRetry, "bkRetry"},
        {bkIgnore, "bkIgnore"}, {bkAll, "bkAll"},
    };
    std::vector<GalleryRow> kindRows;
    for (const auto& [kind, name] : kinds)
        kindRows.push_back({QString::fromLatin1(name), [kind = kind](TLbButton& button) {
                                formLook(button);
                                button.SetStyle(bsEncarta);
                                button.SetKind(kind);
                            }});
    const GalleryState kindStates[] = {GalleryState::Normal, GalleryState::Hot, GalleryState::Disabled};
    savedTo(galleryImage({"normal", "hot", "disabled"}, kindRows,
                         [&](const GalleryRow& row, int column) { return renderCell(row.setUp, kindStates[column]); }),
            QStringLiteral("lb_button_kinds.png"));

    const std::pair<TLbColorStyle, const char*> presets[] = {
        {lcsGold, "lcsGold"},           {lcsChrome, "lcsChrome"},         {lcsBlue, "lcsBlue"},
        {lcsRed, "lcsRed"},             {lcsUltraFlat1, "lcsUltraFlat1"}, {lcsUltraFlat2, "lcsUltraFlat2"},
        {lcsUltraFlatXP, "lcsUltraFlatXP"}, {lcsAqua, "lcsAqua"},         {lcsDefault, "lcsDefault"},
        {lcsQuicken, "lcsQuicken"},
    };
    std::vector<GalleryRow> presetRows;
    for (const auto& [preset, name] : presets)
        presetRows.push_back({QString::fromLatin1(name), [preset = preset](TLbButton& button) {
                                  button.SetColorStyle(preset);
                                  button.SetCaption(QStringLiteral("Preset"));
                              }});
    const GalleryState presetStates[] = {GalleryState::Normal, GalleryState::Hot, GalleryState::Pressed};
    savedTo(galleryImage({"normal", "hot", "pressed"}, presetRows,
                         [&](const GalleryRow& row, int column) { return renderCell(row.setUp, presetStates[column]); }),
            QStringLiteral("lb_button_presets.png"));

    const std::pair<TLbButtonLayout, const char*> layouts[] = {
        {blGlyphLeft, "blGlyphLeft"}, {blGlyphRight, "blGlyphRight"}, {blGlyphTop, "blGlyphTop"},
        {blGlyphBottom, "blGlyphBottom"},
    };
    const std::pair<TAlignment, const char*> alignments[] = {
        {taLeftJustify, "left"}, {taCenter, "centre"}, {taRightJustify, "right"}};
    std::vector<GalleryRow> layoutRows;
    for (const auto& [layout, name] : layouts)
        layoutRows.push_back({QString::fromLatin1(name), [layout = layout](TLbButton& button) {
                                  formLook(button);
                                  button.SetStyle(bsEncarta);
                                  button.SetKind(bkRetry);
                                  button.SetLayout(layout);
                              }});
    layoutRows.push_back({QStringLiteral("word wrap"), [](TLbButton& button) {
                              formLook(button);
                              button.SetStyle(bsEncarta);
                              button.SetWordWrap(true);
                              button.SetCaption(QStringLiteral("A caption that needs two lines"));
                          }});
    layoutRows.push_back({QStringLiteral("shortened"), [](TLbButton& button) {
                              formLook(button);
                              button.SetStyle(bsEncarta);
                              button.SetCaption(QStringLiteral("A caption that does not fit"));
                          }});
    layoutRows.push_back({QStringLiteral("pop-up menu"), [](TLbButton& button) {
                              static QMenu menu;
                              formLook(button);
                              button.SetStyle(bsEncarta);
                              button.SetCaption(QStringLiteral("More"));
                              button.SetPopupMenu(&menu);
                          }});
    savedTo(galleryImage({"left", "centre", "right"}, layoutRows,
                         [&](const GalleryRow& row, int column) {
                             const TAlignment alignment = alignments[column].first;
                             const QSize size = row.label.startsWith(QLatin1String("blGlyphTop")) ||
                                                        row.label.startsWith(QLatin1String("blGlyphBottom"))
                                                    ? QSize(130, 48)
                                                    : QSize(130, 36);
                             return renderCell(
                                 [&](TLbButton& button) {
                                     row.setUp(button);
                                     button.SetAlignment(alignment);
                                 },
                                 GalleryState::Normal, size);
                         }),
            QStringLiteral("lb_button_layouts.png"));
}

}  // namespace
