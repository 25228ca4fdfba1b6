// The settings file Velmoraxis.xml. What is read, saved and read again is
// saved as the same file.

#include <QFileInfo>

#include "app/settings_file.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/xml_document.h"

FUZZ_TARGET(settings_file)
{
    fuzz::FuzzedData input(data, size);
    app::AppState state;
    state.Exe_Path = QFileInfo(fuzz::scratchFile(QStringLiteral("Velmoraxis.xml"), input.takeRest())).path();
    platform::XmlDocument xml;
    app::Read_Settings(state, xml);

    FUZZ_CHECK(app::Save_Setting(state, xml));
    const QByteArray saved = fuzz::fileBytes(app::settingsFilePath(state));
    app::AppState reread;
    reread.Exe_Path = state.Exe_Path;
    app::Read_Settings(reread, xml);
    FUZZ_CHECK(app::Save_Setting(reread, xml));
    FUZZ_CHECK_EQUAL(fuzz::fileBytes(app::settingsFilePath(state)), saved);
}
