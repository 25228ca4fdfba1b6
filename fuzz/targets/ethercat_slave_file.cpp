// EtherCAT_Slave.xml: the process-data variables. The editor's and the image
// compiler's readings differ only in the Enable of rows without one; the
// file written from what was read reads back the same.

#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

using namespace ethercat_mqtt;

// The same rows but for Enable.
bool sameRowsButEnable(const std::vector<EtherCATVariableRow>& a, const std::vector<EtherCATVariableRow>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](EtherCATVariableRow x, const EtherCATVariableRow& y) {
        x.Enable = y.Enable;
        return x.Type == y.Type && x.Length == y.Length && x.Name == y.Name && x.InitValue == y.InitValue &&
               x.Position == y.Position && x.BitStart == y.BitStart && x.Group == y.Group && x.Mnemonic == y.Mnemonic;
    });
}

}  // namespace

FUZZ_TARGET(ethercat_slave_file)
{
    fuzz::FuzzedData input(data, size);
    const QString path = fuzz::scratchFile(QStringLiteral("EtherCAT_Slave.xml"), input.takeRest());
    platform::XmlDocument doc;
    EtherCATSlaveFile editor;
    const ProjectFileRead read = readEtherCATSlaveFile(path, doc, editor, MissingEnable::Enabled);
    EtherCATSlaveFile compiler;
    FUZZ_CHECK(readEtherCATSlaveFile(path, doc, compiler, MissingEnable::Disabled).error == read.error);
    FUZZ_CHECK(sameRowsButEnable(editor.SlaveToMaster, compiler.SlaveToMaster));
    FUZZ_CHECK(sameRowsButEnable(editor.MasterToSlave, compiler.MasterToSlave));

    fuzz::checkWriteReadWrite(
        editor, [&](const QString& to, const EtherCATSlaveFile& file) { return writeEtherCATSlaveFile(to, doc, file); },
        [&](const QString& from, EtherCATSlaveFile& file) { return readEtherCATSlaveFile(from, doc, file).ok(); });
}
