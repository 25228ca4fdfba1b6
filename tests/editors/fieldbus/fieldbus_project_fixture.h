#pragma once

// The DeviceNet, DMX, J1939 and NMEA 2000 editors on a scratch project
// folder, with the built-in English texts and scripted message boxes (the
// EtherCAT editors' fixture, with the paths of these editors' files).

#include <QDir>

#include "editors/ethercat_mqtt/ethercat_editor_fixture.h"

namespace fieldbus_project_testing {

using ethercat_editor_testing::readFile;

// A file of tests/data/editors/fieldbus, e.g. "j1939/J1939_Rec_Frames.xml".
inline QString fixture(const QString& name)
{
    return QStringLiteral(TEST_DATA_DIR "/editors/fieldbus/") + name;
}

class FieldbusEditorTest : public ethercat_editor_testing::EditorTest {
protected:
    FieldbusEditorTest()
    {
        app::AppState& state = app::appState();
        for (const auto& [member, name] : kFiles)
            state.*member = folder.file(QString::fromLatin1(name));
    }

    // The project file `name` (e.g. "DNETM_Net.xml"): its path, its bytes,
    // written from bytes or from a fixture file.
    QString path(const char* name) const { return folder.file(QString::fromLatin1(name)); }
    QByteArray bytes(const char* name) const { return readFile(path(name)); }
    void write(const char* name, const QByteArray& xml) const { folder.write(QString::fromLatin1(name), xml); }
    QByteArray writeFixture(const char* name, const QString& fixtureName) const
    {
        const QByteArray xml = readFile(fixture(fixtureName));
        EXPECT_FALSE(xml.isEmpty()) << fixtureName.toStdString();
        write(name, xml);
        return xml;
    }

    // Pictures go to <build>/screenshots/<folderName>.
    static void screenshot(QWidget& form, const QString& folderName, const QString& name)
    {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/") + folderName;
        QDir().mkpath(dir);
        QApplication::processEvents();
        ASSERT_TRUE(form.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

private:
    static constexpr std::pair<QString app::AppState::*, const char*> kFiles[] = {
        {&app::AppState::DNETM_Net_Path, "DNETM_Net.xml"},
        {&app::AppState::DNETM_DefOff_Path, "DNETM_DefOff.xml"},
        {&app::AppState::DMX_Default_Values_Path, "DMX_Default_Values.xml"},
        {&app::AppState::J1939_Rec_Frames_Path, "J1939_Rec_Frames.xml"},
        {&app::AppState::J1939_Send_Frames_Path, "J1939_Send_Frames.xml"},
        {&app::AppState::NMEA_Rec_Frames_Path, "NMEA_Rec_Frames.xml"},
        {&app::AppState::NMEA_Send_Frames_Path, "NMEA_Send_Frames.xml"},
    };
};

}  // namespace fieldbus_project_testing
