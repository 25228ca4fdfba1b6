// IEC_61850_Client.xml: the IEC 61850 client's catalog, attribute rows and
// data sets. The file written from what was read reads back the same; read
// by the editor with none of its catalog's SCL files present, every IED
// keeps its place as a placeholder, and what the editor would write back
// keeps the catalog and the rows, and the members of every data set whose
// Index names a catalog IED.

#include "editors/ethernet/iec61850/client_access.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/strings.h"

FUZZ_TARGET(iec61850_client_file)
{
    using namespace iec61850;
    fuzz::FuzzedData input(data, size);
    const QString path = fuzz::scratchFile(QStringLiteral("IEC_61850_Client.xml"), input.takeRest());
    platform::XmlDocument doc;
    IEC61850ClientFile file;
    const ProjectFileRead read = readIEC61850ClientFile(path, doc, file);

    fuzz::checkWriteReadWrite(
        file, [&](const QString& to, const IEC61850ClientFile& f) { return writeIEC61850ClientFile(to, doc, f); },
        [&](const QString& from, IEC61850ClientFile& f) { return readIEC61850ClientFile(from, doc, f).ok(); });

    const ClientProject project = loadClientProject(path, fuzz::scratchPath(QStringLiteral("no catalog")), doc);
    FUZZ_CHECK(project.read.ok() == read.ok());
    if (!read.ok())
        return;
    FUZZ_CHECK(project.catalog.size() == file.catalog.size());
    FUZZ_CHECK(project.notices.size() == qsizetype(file.catalog.size()));
    std::vector<const TDataSet*> selections;
    for (const auto& selection : project.selections)
        selections.push_back(selection.get());
    const IEC61850ClientFile again = clientFileOf(project.catalog, project.attributes, project.dataSets, selections);
    FUZZ_CHECK(again.catalog == file.catalog);
    FUZZ_CHECK(again.attributes == file.attributes);
    FUZZ_CHECK(again.dataSets.size() == file.dataSets.size());
    for (size_t i = 0; i < file.dataSets.size(); ++i) {
        const int index = platform::parseIntOr(file.dataSets[i].Index, -1);
        const bool ofCatalog = index >= 0 && index < int(file.catalog.size());
        FUZZ_CHECK(again.dataSets[i].members.size() == (ofCatalog ? file.dataSets[i].members.size() : 0));
        ClientDataSetItem row = again.dataSets[i];
        row.members = file.dataSets[i].members;
        FUZZ_CHECK(ofCatalog ? again.dataSets[i] == file.dataSets[i] : row == file.dataSets[i]);
    }
}
