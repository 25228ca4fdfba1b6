#include "controls/grid/io/grid_html_export.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/cells/grid_image_list.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"
#include "platform/atomic_file.h"
#include "platform/jpeg_image.h"

namespace grid::io {

namespace html_export_detail {

const QString CRLF = QStringLiteral("\r\n");

// Every character beyond ASCII as a numeric reference.
QString asciiOnly(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < 128) {
            out += QChar(ch);
            continue;
        }
        char32_t code = ch;
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(ch, text[++i].unicode());
        out += QStringLiteral("&#") + QString::number(uint(code)) + u';';
    }
    return out;
}

// "&", "<", ">" and the double quote as entities; the rest beyond ASCII as
// named entities (named) or numeric references.
QString escaped(const QString& text, bool named = false) { return asciiOnly(EncodeHTMLEntities(text, named)); }

QString hexColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QStringLiteral("%1%2%3")
        .arg(rgb & 0xFF, 2, 16, QChar(u'0'))
        .arg((rgb >> 8) & 0xFF, 2, 16, QChar(u'0'))
        .arg((rgb >> 16) & 0xFF, 2, 16, QChar(u'0'))
        .toUpper();
}

// Writes the pictures of one export into <dir>images/, numbered in the
// order they are written and never over an existing file.
class PictureFiles {
public:
    PictureFiles(const QString& dir, bool enabled) : FDir(dir), FEnabled(enabled) {}
    bool Enabled() const { return FEnabled; }

    // The IMG tag of a picture, after writing it as a JPEG file.
    QString Add(const QImage& image)
    {
        if (image.isNull()) return {};
        const QString folder = FDir + QStringLiteral("images");
        if (!FFolderMade) {
            if (!QDir().mkpath(folder)) throw EExGridError(("Cannot create " + folder).toStdString());
            FFolderMade = true;
        }
        QString path;
        do {
            path = folder + QStringLiteral("/img") + QString::number(++FNumber) + QStringLiteral(".jpg");
        } while (QFileInfo::exists(path));
        if (!platform::writeFileAtomically(path, platform::EncodeJpeg(image)))
            throw EExGridError(("Cannot create " + path).toStdString());
        return QStringLiteral("<img src= \"") + escaped(QStringLiteral("file://") + path) + QStringLiteral("\">");
    }

private:
    QString FDir;
    bool FEnabled;
    bool FFolderMade = false;
    int FNumber = 0;
};

struct CellLook {
    QString Declarations;
    bool WordWrap = false;
};

class Document {
public:
    Document(TExStringGrid& grid, const QString& dir, bool pictures)
        : G(grid), S(grid.HTMLSettings), FPictures(dir, pictures && grid.HTMLSettings.ExportImages)
    {
    }

    QString Text();

private:
    QString CellLine(int c, int r, bool header, int firstCol);
    QString Content(int sc, int r, bool header);
    QString TextPart(const QString& text, bool header);
    CellLook Look(int c, int r, bool header);
    int StyleIndex(const QString& declarations);
    QString Picture(const QImage& image) { return FPictures.Add(image); }
    QString ImageListPicture(int index);

    TExStringGrid& G;
    const THTMLSettings& S;
    PictureFiles FPictures;
    QStringList FStyles;
    bool FHeaderWritten = false;
};

int Document::StyleIndex(const QString& declarations)
{
    const qsizetype i = FStyles.indexOf(declarations);
    if (i >= 0) return int(i);
    FStyles << declarations;
    return int(FStyles.size() - 1);
}

CellLook Document::Look(int c, int r, bool header)
{
    const bool fixed = header || G.IsFixed(c, r);
    platform::TGridDrawState state = fixed ? platform::gdFixed : platform::TGridDrawState{};
    platform::TBrush brush;
    brush.Color = clNone;
    platform::TFont font = ToCanvasFont(G.Font());
    font.Color = clNone;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    // Unset by the cell, the grid's own alignment and word wrap hold.
    TAlignment ha = G.DefaultAlignment();
    TVAlignment va = G.VAlignment;
    bool ww = G.WordWrap();
    TCellGradientDirection gd = GradientVertical;
    G.GetVisualProperties(c, r, state, false, false, true, brush, colorTo, mirror, mirrorTo, font, ha, va, ww, gd);
    if (fixed) brush.Color = G.FixedColor();

    QStringList d;
    if (brush.Color != clNone && S.SaveColor) d << QStringLiteral("background-color: #") + hexColor(brush.Color);
    if (font.Color != clNone && S.SaveColor) d << QStringLiteral("color: #") + hexColor(font.Color);
    d << QStringLiteral("font-size:") + QString::number(font.pointSize()) + QStringLiteral("pt");
    if (font.italic()) d << QStringLiteral("font-style: italic");
    if (font.bold()) d << QStringLiteral("font-weight: bold");
    d << QStringLiteral("font-family: ") + escaped(font.family());
    if (ha == taRightJustify) d << QStringLiteral("text-align: right");
    if (ha == taCenter) d << QStringLiteral("text-align: center");
    switch (va) {
    case vtaTop: d << QStringLiteral("vertical-align: top"); break;
    case vtaCenter: d << QStringLiteral("vertical-align: middle"); break;
    case vtaBottom: d << QStringLiteral("vertical-align: bottom"); break;
    }
    return {d.join(u';'), ww};
}

// A cell text as HTML: a link when the grid shows links, else the text
// escaped (mini-HTML of body cells kept when the grid saves with HTML),
// CR as "<br>", and "&nbsp;" for a text that is empty after trimming.
QString Document::TextPart(const QString& text, bool header)
{
    if (G.URLShow && !text.contains(QStringLiteral("</"))) {
        QString shown;
        const qsizetype scheme = text.indexOf(QStringLiteral("://"));
        if (scheme >= 0) shown = G.URLFull ? text : text.mid(scheme + 3, 255);
        const qsizetype mail = text.indexOf(QStringLiteral("mailto:"));
        if (mail >= 0) shown = text.mid(mail + 7);
        if (scheme >= 0 || mail >= 0)
            return QStringLiteral("<a href=\"") + escaped(text) + QStringLiteral("\">") +
                   escaped(shown).replace(u'\r', QStringLiteral("<br>")) + QStringLiteral("</a>");
    }
    if (text.trimmed().isEmpty()) return QStringLiteral("&nbsp;");
    QString out;
    if (!header && G.SaveWithHTML && TextType(text, true) == TextKindHtml) {
        out = asciiOnly(text);
    } else {
        out = escaped(text, !header && S.ConvertSpecialChars);
        if (!header && S.NonBreakingText) out = EncodeHTMLSpaces(out);
    }
    return out.replace(u'\r', QStringLiteral("<br>"));
}

QString Document::ImageListPicture(int index)
{
    const TGridImageList* images = G.GetCellImageList();
    if (images == nullptr || G.GridImages() == nullptr || index < 0 || index >= G.GridImages()->Count()) return {};
    return Picture(images->Image(index));
}

QString Document::Content(int sc, int r, bool header)
{
    const QString raw = G.SaveCellText(sc, r);
    const TCellGraphic* g = FPictures.Enabled() ? G.GetGraphicObjectEx(sc, r) : nullptr;
    if (g == nullptr) return TextPart(raw, header);
    switch (g->CellType()) {
    case ctBitmap:
        if (const QPixmap* bitmap = g->CellBitmapAs<QPixmap>()) return TextPart(raw, header) + Picture(bitmap->toImage());
        break;
    case ctPicture:
        if (const QImage* picture = g->CellBitmapAs<QImage>()) return TextPart(raw, header) + Picture(*picture);
        break;
    case ctImageList:
        return ImageListPicture(g->CellIndex()) + TextPart(raw, header);
    case ctDataImage: {
        bool ok = false;
        const int index = G.GetCellEx(sc, r).trimmed().toInt(&ok);
        return ok ? ImageListPicture(index) : QString();
    }
    case ctImages:
        if (const TIntList* list = g->CellBitmapAs<TIntList>(); list != nullptr && G.GetCellImageList() != nullptr) {
            QString pictures;
            for (int i = 0; i < list->Count(); ++i) pictures += ImageListPicture(list->GetInteger(i));
            return pictures + TextPart(raw, header);
        }
        break;
    case ctNode:
        return QStringLiteral("+") + TextPart(raw, header);
    default:
        break;
    }
    return TextPart(raw, header);
}

QString Document::CellLine(int c, int r, bool header, int firstCol)
{
    const int sc = G.RealColIndex(c);
    if (G.IsMergedNonBaseCell(sc, r)) return {};
    const CellLook look = Look(c, r, header);
    QString line = QStringLiteral("<TD class=\"c") + QString::number(StyleIndex(look.Declarations)) + u'"';
    const QPoint span = G.CellSpan(sc, r);
    if (span.x() > 0) line += QStringLiteral(" COLSPAN=\"") + QString::number(span.x() + 1) + u'"';
    if (span.y() > 0) line += QStringLiteral(" ROWSPAN=\"") + QString::number(span.y() + 1) + u'"';
    if (!look.WordWrap) line += QStringLiteral(" nowrap");
    if (header && c < S.ColWidths.size()) line += QStringLiteral(" WIDTH=") + QString::number(S.ColWidths[c]);
    else if (!header && !FHeaderWritten && c - firstCol < S.ColWidths.size())
        line += QStringLiteral(" width=") + QString::number(S.ColWidths[c - firstCol]);
    return line + u'>' + Content(sc, r, header) + QStringLiteral("</td>") + CRLF;
}

QString Document::Text()
{
    const int c0 = G.SaveFixedCells || G.SaveFixedCols ? 0 : G.FixedCols();
    const int r0 = G.SaveFixedCells || G.SaveFixedRows ? 0 : G.FixedRows();
    const bool headerRow = G.FixedRows() > 0 && (G.SaveFixedCells || G.SaveFixedRows);
    const int firstBody = headerRow ? 1 : r0;

    QString table = QStringLiteral("<TABLE BORDER=\"%1\" CELLSPACING=\"%2\" CELLPADDING=\"%3\" ")
                        .arg(S.BorderSize)
                        .arg(S.CellSpacing)
                        .arg(S.CellPadding);
    if (!S.Summary.isEmpty()) table += QStringLiteral("SUMMARY=\"") + escaped(S.Summary) + QStringLiteral("\" ");
    if (!S.TableStyle.isEmpty()) table += u' ' + asciiOnly(S.TableStyle) + u' ';
    table += QStringLiteral(" WIDTH=\"") + QString::number(S.Width) + QStringLiteral("%\">") + CRLF;

    if (headerRow) {
        table += QStringLiteral("<TR>") + CRLF;
        for (int c = c0; c < G.ColCount(); ++c) table += CellLine(c, 0, true, c0);
        table += QStringLiteral("</TR>") + CRLF;
        FHeaderWritten = true;
    }
    TExportRun run(G, firstBody);
    for (int r = firstBody; r < G.RowCount(); ++r) {
        run.NextRow(r);
        table += QStringLiteral("<TR>") + CRLF;
        for (int c = c0; c < G.ColCount(); ++c) table += CellLine(c, r, false, c0);
        table += QStringLiteral("</TR>") + CRLF;
    }
    run.Finish();
    table += QStringLiteral("</TABLE>") + CRLF;
    if (!S.SuffixTag.isEmpty()) table += asciiOnly(S.SuffixTag) + CRLF;
    if (S.XHTML) table += QStringLiteral("</HTML>") + CRLF;

    QString doc;
    if (S.XHTML)
        doc = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                             "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n"
                             "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
                             "<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n");
    doc += S.PrefixTag;
    doc += QStringLiteral("<style>") + CRLF;
    for (qsizetype i = 0; i < FStyles.size(); ++i)
        doc += QStringLiteral(".c") + QString::number(i) + QStringLiteral(" {") + FStyles[i] + u'}' + CRLF;
    doc += QStringLiteral("</style>") + CRLF;
    return doc + table;
}

QStringList fileLines(const QByteArray& bytes)
{
    QString text;
    if (bytes.startsWith("\xFF\xFE"))
        text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    else
        text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace html_export_detail

namespace hed = html_export_detail;

QString SaveToHTMLString(TExStringGrid& grid, const QString& dir) { return hed::Document(grid, dir, true).Text(); }

QString HTMLDocumentWithoutPictures(TExStringGrid& grid) { return hed::Document(grid, QString(), false).Text(); }

QByteArray THTMLGridWriter::Write(TExStringGrid& grid, const std::optional<QByteArray>& existing)
{
    const THTMLSettings& s = grid.HTMLSettings;
    QStringList lines;
    if (existing) lines = hed::fileLines(*existing);
    if (!s.HeaderFile.isEmpty())
        lines += hed::fileLines(ReadWholeFile(s.HeaderFile, QStringLiteral("Cannot read file ") + s.HeaderFile));
    QString dir = QFileInfo(FFileName).path();
    dir = dir.isEmpty() || dir == u'.' ? QString() : dir.replace(u'\\', u'/') + u'/';
    QString document = SaveToHTMLString(grid, dir);
    if (document.endsWith(hed::CRLF)) document.chop(2);
    lines << document;
    if (!s.FooterFile.isEmpty())
        lines += hed::fileLines(ReadWholeFile(s.FooterFile, QStringLiteral("Cannot read file ") + s.FooterFile));
    const QString text = lines.join(hed::CRLF) + hed::CRLF;
    if (FUnicode) {
        QByteArray out("\xFF\xFE", 2);
        for (const QChar ch : text) {
            out.append(char(ch.unicode() & 0xFF));
            out.append(char(ch.unicode() >> 8));
        }
        return out;
    }
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) out.append(ch.unicode() < 128 ? char(ch.unicode()) : '?');
    return out;
}

}  // namespace grid::io
