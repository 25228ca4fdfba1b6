#include "controls/grid/dragdrop/drop_formats.h"

#include <QTextDocumentFragment>
#include <QUrl>
#include <QtEndian>

namespace grid {

namespace drop_formats_detail {

bool gAllowRTFDrop = false;

QList<QUrl> urls(const QMimeData* data) { return data != nullptr && data->hasUrls() ? data->urls() : QList<QUrl>(); }

}  // namespace drop_formats_detail

bool AllowRTFDrop() { return drop_formats_detail::gAllowRTFDrop; }

void EnableRTFDrop(bool value) { drop_formats_detail::gAllowRTFDrop = value; }

bool TDropData::HasText() const
{
    return FData != nullptr && (FData->hasFormat(MimeText) || FData->hasFormat(MimeHtml));
}

bool TDropData::HasFile() const
{
    for (const QUrl& url : drop_formats_detail::urls(FData))
        if (url.isLocalFile()) return true;
    return false;
}

bool TDropData::HasRTF() const { return FData != nullptr && FData->hasFormat(MimeRtf); }

bool TDropData::HasCol() const { return Col() != -1; }

bool TDropData::HasURL() const
{
    for (const QUrl& url : drop_formats_detail::urls(FData))
        if (!url.isLocalFile() && url.isValid()) return true;
    return false;
}

bool TDropData::HasGridCells() const { return Stream().has_value(); }

TDropFormats TDropData::Formats() const
{
    TDropFormats f = 0;
    if (HasText()) f |= dfText;
    if (HasFile()) f |= dfFile;
    if (HasRTF()) f |= dfRTF;
    if (HasCol()) f |= dfCol;
    if (HasURL()) f |= dfURL;
    if (HasGridCells()) f |= dfGridCells;
    return f;
}

QString TDropData::Text() const
{
    if (FData == nullptr) return {};
    if (FData->hasFormat(MimeText)) return FData->text();
    if (FData->hasFormat(MimeHtml)) {
        // The blank lines a document's blocks leave at its ends are no rows.
        QString text = QTextDocumentFragment::fromHtml(FData->html()).toPlainText();
        qsizetype first = 0, last = text.size();
        auto isBreak = [](QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator; };
        while (first < last && isBreak(text[first])) ++first;
        while (last > first && isBreak(text[last - 1])) --last;
        return text.mid(first, last - first);
    }
    return {};
}

QString TDropData::RTF() const
{
    if (!HasRTF()) return {};
    return QString::fromLatin1(FData->data(MimeRtf));
}

int TDropData::Col() const
{
    if (FData == nullptr || !FData->hasFormat(MimeGridColumn)) return -1;
    return DecodeColumnBlock(FData->data(MimeGridColumn)).value_or(-1);
}

std::optional<QByteArray> TDropData::Stream() const
{
    if (FData == nullptr || !FData->hasFormat(MimeGridCells)) return std::nullopt;
    return DecodeCellsBlock(FData->data(MimeGridCells));
}

QStringList TDropData::Files() const
{
    QStringList files;
    for (const QUrl& url : drop_formats_detail::urls(FData))
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}

QString TDropData::URLText() const
{
    if (FData != nullptr && FData->hasFormat(MimeText)) return FData->text();
    for (const QUrl& url : drop_formats_detail::urls(FData))
        if (!url.isLocalFile() && url.isValid()) return url.toString();
    return {};
}

std::unique_ptr<QMimeData> MakeSourceData(const QString& text, const QString& rtf, int column,
                                          const std::optional<QByteArray>& cells)
{
    auto data = std::make_unique<QMimeData>();
    if (!text.isEmpty()) {
        data->setText(text);
        if (AllowRTFDrop() && !rtf.isEmpty()) data->setData(MimeRtf, rtf.toLatin1());
    }
    if (column != -1) data->setData(MimeGridColumn, EncodeColumnBlock(column));
    if (cells) data->setData(MimeGridCells, EncodeCellsBlock(*cells));
    return data;
}

QByteArray EncodeColumnBlock(int column)
{
    QByteArray block(4, '\0');
    qToLittleEndian<qint32>(column, block.data());
    return block;
}

std::optional<int> DecodeColumnBlock(const QByteArray& block)
{
    if (block.size() != 4) return std::nullopt;
    const qint32 column = qFromLittleEndian<qint32>(block.constData());
    if (column < 0) return std::nullopt;
    return int(column);
}

QByteArray EncodeCellsBlock(const QByteArray& stream)
{
    QByteArray block(8, '\0');
    qToLittleEndian<quint32>(quint32(stream.size()), block.data());
    block += stream;
    return block;
}

std::optional<QByteArray> DecodeCellsBlock(const QByteArray& block)
{
    if (block.size() < 8) return std::nullopt;
    const quint32 n = qFromLittleEndian<quint32>(block.constData());
    if (qint64(n) != qint64(block.size()) - 8) return std::nullopt;
    for (int i = 4; i < 8; ++i)
        if (block[i] != '\0') return std::nullopt;
    return block.mid(8);
}

TDropEffect KeyDropEffect(bool ctrlHeld, bool moveAllowed)
{
    if (ctrlHeld) return deCopy;
    return moveAllowed ? deMove : deCopy;
}

}  // namespace grid

#include "controls/grid/settings/grid_service_settings.h"

namespace grid {

void TDragDropSettings::SetOleDropRTF(bool value)
{
    FOleDropRTF = value;
    EnableRTFDrop(value);
}

}  // namespace grid
