#include "params/bank_compiler.h"

#include <memory>

#include "app/app_state.h"
#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"
#include "editors/ethercat_mqtt/project_files/mqtt_topic_file.h"
#include "params/bank1.h"
#include "params/bank2.h"
#include "params/bank3.h"
#include "params/par_gen_file.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"

namespace params {
namespace bank_compiler_detail {

// What one compile works on; large, so it lives on the heap.
struct CompileState {
    GeneralBlock general;
    EtherCATData ethercat;
    MQTTRecord mqtt;
};

CompileResult tooLarge(const char* file, qint64 size, const char* advice)
{
    return CompileResult::failure(
        QStringLiteral("The device image %1 would need %2 bytes, but the device holds at most %3 bytes. %4")
            .arg(QLatin1String(file))
            .arg(size)
            .arg(kImageCapacity)
            .arg(QLatin1String(advice)));
}

// Checks that the emitted image has exactly the laid-out length.
CompileResult checkEmitted(const char* file, qint64 laidOut, const QByteArray& image)
{
    if (image.size() == laidOut)
        return {};
    return CompileResult::failure(QStringLiteral("Internal error: %1 was laid out for %2 bytes but %3 were built.")
                                      .arg(QLatin1String(file))
                                      .arg(laidOut)
                                      .arg(image.size()));
}

// The images of the last successful Compile_Banks.
struct CompiledImages {
    bool valid = false;
    QString projectPath;
    BankImages images;
};

CompiledImages& compiledImages()
{
    static CompiledImages compiled;
    return compiled;
}

}  // namespace bank_compiler_detail
using namespace bank_compiler_detail;

BankSources BankSources::fromAppState(const app::AppState& state)
{
    return {state.Project_Path, state.ParGen_Path, state.EtherCAT_Slave_Path, state.EtherCAT_Slave_Group_Path,
            state.MQTT_Set_Topic_Path};
}

CompileResult Build_Bank_Images(const BankSources& sources, platform::XmlDocument& doc, BankImages& images)
{
    images = BankImages();
    auto state = std::make_unique<CompileState>();
    Init_Par_Gen(state->general);
    Init_EtherCAT_Data(state->ethercat);
    Init_MQTT_Data(state->mqtt);

    ParGenFile parGen;
    QString error;
    if (!readParGenFile(sources.parGen, doc, parGen, &error))
        return CompileResult::failure(error);
    Read_Par_Gen(parGen, state->general, state->ethercat, state->mqtt);
    // After reading, so that nothing in a file can replace them, and before
    // the checksum, so that it covers them.
    state->general.setU32(bank1::kBank2Address, kBank2LoadAddress);
    state->general.setU32(bank1::kBank3Address, kBank3LoadAddress);

    ethercat_mqtt::MQTTTopicFile topics;
    const ethercat_mqtt::ProjectFileRead topicRead = ethercat_mqtt::readMQTTTopicFile(sources.mqttSetTopic, doc, topics);
    if (!topicRead.ok())
        return CompileResult::failure(topicRead.error);
    if (!Read_MQTT_Topic(topicRead.exists ? &topics : nullptr, sources.mqttSetTopic, state->mqtt, &error))
        return CompileResult::failure(error);

    ethercat_mqtt::EtherCATSlaveFile variables;
    const ethercat_mqtt::ProjectFileRead variableRead = ethercat_mqtt::readEtherCATSlaveFile(
        sources.etherCATSlave, doc, variables, ethercat_mqtt::MissingEnable::Disabled);
    if (!variableRead.ok())
        return CompileResult::failure(variableRead.error);
    ethercat_mqtt::EtherCATGroupFile groups;
    const ethercat_mqtt::ProjectFileRead groupRead =
        ethercat_mqtt::readEtherCATGroupFile(sources.etherCATSlaveGroup, doc, groups);
    if (!groupRead.ok())
        return CompileResult::failure(groupRead.error);
    const uint32_t bank2Load = state->general.u32(bank1::kBank2Address);
    Read_EtherCAT_Slave(bank2Load, variableRead.exists ? &variables : nullptr, groupRead.exists ? &groups : nullptr,
                        state->ethercat);
    doc.clear();

    const qint64 bank2Size = static_cast<qint64>(state->ethercat.endAddress) - bank2Load;
    const qint64 bank3Size = state->mqtt.endOffset;
    if (bank3Size > kImageCapacity)
        return tooLarge("bank3.bin", bank3Size, "Use fewer or shorter MQTT topics, templates and descriptions.");
    if (bank2Size > kImageCapacity)
        return tooLarge("bank2.bin", bank2Size, "Use fewer or shorter EtherCAT variable names and initial values.");

    BankImages built;
    ImageWriter bank1Out(built.bank1);
    Build_Bank1(state->general, bank1Out);
    ImageWriter bank3Out(built.bank3);
    Build_Bank3(state->mqtt, kBank3LoadAddress, bank3Out);
    ImageWriter bank2Out(built.bank2);
    Build_Bank2(state->ethercat, bank2Out);

    for (const CompileResult& check : {checkEmitted("bank1.bin", kBank1Size, built.bank1),
                                       checkEmitted("bank2.bin", bank2Size, built.bank2),
                                       checkEmitted("bank3.bin", bank3Size, built.bank3)})
        if (!check)
            return check;
    images = std::move(built);
    return {};
}

CompileResult Write_Bank_Files(const QString& projectPath, const BankImages& images)
{
    const QString bin = platform::joinPath(projectPath, QStringLiteral("bin"));
    if (!platform::folderExists(bin) && !platform::createFolder(bin))
        return CompileResult::failure(
            QStringLiteral("The folder \"%1\" cannot be created, so the device images cannot be saved.").arg(bin));
    const std::vector<platform::FileContent> files = {
        {platform::joinPath(bin, QStringLiteral("bank1.bin")), images.bank1},
        {platform::joinPath(bin, QStringLiteral("bank2.bin")), images.bank2},
        {platform::joinPath(bin, QStringLiteral("bank3.bin")), images.bank3}};
    QString error;
    if (!platform::writeFilesAtomically(files, &error))
        return CompileResult::failure(
            QStringLiteral("The device images cannot be saved. %1").arg(error));
    return {};
}

CompileResult Compile_Banks()
{
    CompiledImages& compiled = compiledImages();
    compiled = CompiledImages();
    const app::AppState& state = app::appState();
    if (!state.projectOpen())
        return CompileResult::failure(QStringLiteral("No project is open, so there is nothing to compile."));
    platform::XmlDocument doc;
    const CompileResult result = Build_Bank_Images(BankSources::fromAppState(state), doc, compiled.images);
    compiled.valid = result.ok;
    compiled.projectPath = state.Project_Path;
    return result;
}

CompileResult Save_Banks()
{
    const CompiledImages& compiled = compiledImages();
    if (!compiled.valid)
        return CompileResult::failure(
            QStringLiteral("The device images have not been compiled successfully, so none was saved."));
    return Write_Bank_Files(compiled.projectPath, compiled.images);
}

}  // namespace params
