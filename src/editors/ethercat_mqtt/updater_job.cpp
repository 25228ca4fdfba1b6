#include "editors/ethercat_mqtt/updater_job.h"

#include <vector>

#include "app/language.h"
#include "app/program_runner.h"
#include "platform/paths.h"
#include "platform/xml_document.h"

namespace ethercat_mqtt {
namespace {

// Texts of the update dialog's block for the two failures the dialog shows
// before or instead of the updater.
constexpr int kTextUpdaterNotStarted = 1238;
constexpr int kTextJobNotWritten = 1239;

// One load step: the image file and where and how it is loaded.
struct Load_Step {
    QString fileName;
    const char* startAddress;
    const char* bankType;
    const char* writeCss;
};

std::vector<Load_Step> loadSteps(const app::AppState& state, int choice)
{
    const QString bin = platform::joinPath(state.Project_Path, QStringLiteral("bin"));
    const Load_Step firmware{platform::joinPath(state.Master_Path, kFirmwareImageName), "0x8000", "1", "1"};
    const std::vector<Load_Step> banks = {
        {platform::joinPath(bin, QStringLiteral("bank1.bin")), "0x07000", "2", "0"},
        {platform::joinPath(bin, QStringLiteral("bank2.bin")), "0x80000", "2", "0"},
        {platform::joinPath(bin, QStringLiteral("bank3.bin")), "0xA0000", "2", "0"},
    };
    switch (choice) {
    case Update_Firmware_And_Configuration: {
        std::vector<Load_Step> all{firmware};
        all.insert(all.end(), banks.begin(), banks.end());
        return all;
    }
    case Update_Firmware_Only: return {firmware};
    case Update_Configuration_Only: return banks;
    default: return {};
    }
}

void appendOperation(platform::XmlElement& operations, const Load_Step& step, bool readBack, bool last)
{
    platform::XmlElement op = operations.appendChild(QStringLiteral("Operation"));
    const auto add = [&op](const char* name, const QString& text) { op.appendTextChild(QString::fromLatin1(name), text); };
    add("Ope_Protection_Enabled", {});
    add("Ope_GoToBoot_Before", QStringLiteral("0"));
    add("Ope_GoToApp_Before", QStringLiteral("0"));
    add("Ope_IP_Address", {});
    add("Ope_Port", QStringLiteral("2008"));
    add("Ope_Port_Sec", QStringLiteral("2007"));
    add("Ope_Erase_Memory", QStringLiteral("0"));
    add("Ope_FileName", step.fileName);
    add("Ope_Start_Address", QString::fromLatin1(step.startAddress));
    add("Ope_Memory_Type", QStringLiteral("0"));
    add("Ope_Bank_Type", QString::fromLatin1(step.bankType));
    add("Ope_Read_Back", readBack ? QStringLiteral("1") : QStringLiteral("0"));
    add("Ope_Write_CSS", QString::fromLatin1(step.writeCss));
    add("Ope_Address_CSS", QStringLiteral("0x07A00"));
    add("Ope_Command_CSS", QStringLiteral("0x02"));
    add("Ope_Write_Internal_Data", QStringLiteral("0"));
    add("Ope_WID_Address", QStringLiteral("0x07810"));
    add("Ope_WID_Command", QStringLiteral("0x02"));
    add("Ope_WID_Data", QStringLiteral("0x00, 0x00, 0x00, 0x01"));
    add("Ope_GoToApp_After", last ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace

QString jobFilePath(const app::AppState& state)
{
    return platform::joinPath(state.Exe_Path, kJobFileName);
}

QString updaterProgramPath(const app::AppState& state)
{
    return platform::joinPath(state.Exe_Path, kUpdaterProgramName);
}

void Build_Update_Job(platform::XmlDocument& xml, const app::AppState& state, const QString& deviceAddress,
                      int choice, bool readBack)
{
    xml.clear();
    platform::XmlElement root = xml.appendRoot(QStringLiteral("Ethernet_Update"));
    root.appendTextChild(QStringLiteral("Version"), QStringLiteral("1000"));
    root.appendTextChild(QStringLiteral("Title"), QStringLiteral("Olvenk - CQ41T17 Ethernet Update"));
    root.appendTextChild(QStringLiteral("IP_Address_Dev"), deviceAddress);
    root.appendTextChild(QStringLiteral("Application_Port"), QStringLiteral("10000"));
    root.appendTextChild(QStringLiteral("Boot_Port"), QStringLiteral("2008"));
    root.appendTextChild(QStringLiteral("Boot_Port_Sec"), QStringLiteral("2007"));
    root.appendTextChild(QStringLiteral("Address_Protection"), QStringLiteral("0x07800"));
    root.appendChild(QStringLiteral("Protections")).appendTextChild(QStringLiteral("Protection"), QStringLiteral("0x2F6"));
    platform::XmlElement operations = root.appendChild(QStringLiteral("Operations"));
    const std::vector<Load_Step> steps = loadSteps(state, choice);
    for (size_t i = 0; i < steps.size(); ++i)
        appendOperation(operations, steps[i], readBack, i + 1 == steps.size());
}

bool Compile_XML_Parameter_New_Boot(platform::XmlDocument& xml, const app::AppState& state,
                                    const QString& deviceAddress, int choice, bool readBack, QString* error)
{
    Build_Update_Job(xml, state, deviceAddress, choice, readBack);
    const bool saved = xml.save(jobFilePath(state), error);
    xml.clear();
    return saved;
}

QString Run_Update_Job(platform::XmlDocument& xml, const app::AppState& state, const QString& deviceAddress,
                       int choice, bool readBack)
{
    QString error;
    if (!Compile_XML_Parameter_New_Boot(xml, state, deviceAddress, choice, readBack, &error))
        return app::langText(kTextJobNotWritten) + error;
    const platform::ProgramRun run = app::Start_Program(updaterProgramPath(state), QString(), false);
    if (!run.started)
        return app::langText(kTextUpdaterNotStarted) + run.error;
    return {};
}

}  // namespace ethercat_mqtt
