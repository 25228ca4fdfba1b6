#include "controls/grid/io/grid_file_format.h"

#include <QFile>
#include <QFileInfo>

#include "controls/grid/grid_error.h"
#include "platform/atomic_file.h"

namespace grid::io {

std::optional<QByteArray> ReadExistingFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists()) return std::nullopt;
    QFile file(fileName);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw EExGridError(("Cannot read file " + fileName).toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw EExGridError(("Cannot read file " + fileName).toStdString());
    return bytes;
}

QByteArray ReadWholeFile(const QString& fileName, const QString& missingMessage)
{
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly))
        throw EExGridError(missingMessage.toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw EExGridError(missingMessage.toStdString());
    return bytes;
}

void WriteWholeFile(const QString& fileName, const QByteArray& bytes)
{
    if (!platform::writeFileAtomically(fileName, bytes))
        throw EExGridError(("Cannot Create file " + fileName).toStdString());
}

void SaveFormatToFile(TGridFormatWriter& writer, TExStringGrid& grid, const QString& fileName, bool append)
{
    const std::optional<QByteArray> existing = append ? ReadExistingFile(fileName) : std::nullopt;
    WriteWholeFile(fileName, writer.Write(grid, existing));
}

void LoadFormatFromFile(TGridFormatReader& reader, TExStringGrid& grid, const QString& fileName,
                        const QString& missingMessage)
{
    const QString message = missingMessage.isEmpty() ? "File " + fileName + " not found" : missingMessage;
    reader.Read(grid, ReadWholeFile(fileName, message), fileName);
}

}  // namespace grid::io
