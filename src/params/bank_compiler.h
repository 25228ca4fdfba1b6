#pragma once

#include <QByteArray>
#include <QString>

#include "platform/xml_document.h"

namespace app {
struct AppState;
}

namespace params {

// The three device images of a project.
struct BankImages {
    QByteArray bank1;
    QByteArray bank2;
    QByteArray bank3;
};

// The project files the compiler reads; a missing file leaves its data at the
// defaults.
struct BankSources {
    QString projectPath;
    QString parGen;
    QString etherCATSlave;
    QString etherCATSlaveGroup;
    QString mqttSetTopic;

    static BankSources fromAppState(const app::AppState& state);
};

// Success, or the message to show.
struct CompileResult {
    bool ok = true;
    QString error;

    static CompileResult failure(const QString& message) { return {false, message}; }
    explicit operator bool() const { return ok; }
};

// Build_Bank_Images: compiles the project's files into the three images,
// using `doc` as the scratch XML document. On failure `images` is left empty
// and the result says why: a file that cannot be read, a list element
// missing, a topic without a numeric QoS, an image that would exceed 131072
// bytes.
CompileResult Build_Bank_Images(const BankSources& sources, platform::XmlDocument& doc, BankImages& images);

// Write_Bank_Files: writes bin/bank1.bin, bin/bank2.bin and bin/bank3.bin of
// `projectPath`, creating the bin folder when missing; the three files are
// replaced as one set: all of them or, on any failure, none.
CompileResult Write_Bank_Files(const QString& projectPath, const BankImages& images);

// Compile_Banks: compiles the open project of app::appState() and keeps the
// images for Save_Banks. A failed compile keeps none.
CompileResult Compile_Banks();
// Save_Banks: writes the images of the last successful Compile_Banks into
// the bin folder of the project they were compiled from; refuses
// (writing nothing) when there are none.
CompileResult Save_Banks();

}  // namespace params
