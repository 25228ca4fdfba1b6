#include "office_test_support.h"

#include <QFile>

#include "platform/office/office_servers.h"
#include "platform/office/package/zip_package.h"
#include "platform/office/spreadsheet/spreadsheet_server.h"

namespace office_test {

QByteArray ZipParts(const Parts& parts)
{
    platform::office::ZipPackage package;
    for (const auto& [name, data] : parts) package.SetPart(name, data);
    return package.Write();
}

QByteArray ReadPart(const QString& path, const QString& part)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    try {
        const auto package = platform::office::ZipPackage::Read(file.readAll());
        return package.Contains(part) ? package.Part(part) : QByteArray();
    } catch (const platform::automation::AutomationError&) {
        return {};
    }
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
