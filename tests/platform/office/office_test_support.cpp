#include "office_test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <zip.h>

#include "platform/office/office_servers.h"
#include "platform/office/spreadsheet/spreadsheet_server.h"

namespace office_test {

QByteArray ZipParts(const Parts& parts)
{
    QTemporaryDir dir;
    const QByteArray path = dir.filePath("package.zip").toLocal8Bit();
    int error = 0;
    zip_t* archive = zip_open(path.constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) return {};
    for (const auto& [name, data] : parts) {
        zip_source_t* source = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE);
    }
    if (zip_close(archive) != 0) return {};
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ReadPart(const QString& path, const QString& part)
{
    int error = 0;
    zip_t* archive = zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, &error);
    if (!archive) return {};
    QByteArray data;
    zip_stat_t stat;
    if (zip_stat(archive, part.toUtf8().constData(), 0, &stat) == 0) {
        if (zip_file_t* file = zip_fopen(archive, part.toUtf8().constData(), 0)) {
            data.resize(qsizetype(stat.size));
            if (zip_fread(file, data.data(), stat.size) != zip_int64_t(stat.size)) data.clear();
            zip_fclose(file);
        }
    }
    zip_discard(archive);
    return data;
}

RealServers::RealServers() : previous_(platform::automation::InstallObjectFactory(platform::office::OfficeServers()))
{
    platform::office::spreadsheet::SpreadsheetSession().QuitAll();
}

RealServers::~RealServers()
{
    platform::office::spreadsheet::SpreadsheetSession().QuitAll();
    platform::automation::InstallObjectFactory(previous_);
}

}  // namespace office_test
