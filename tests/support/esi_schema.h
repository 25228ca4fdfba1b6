#pragma once

// Checks an ESI file against the EtherCATInfo schema kept in the test data,
// with xmllint (package libxml2-utils).

#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

namespace testing_support {

inline ::testing::AssertionResult validatesAgainstEsiSchema(const QString& file)
{
    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"),
                  {QStringLiteral("--noout"), QStringLiteral("--schema"),
                   QStringLiteral(TEST_DATA_DIR "/esi-schema/EtherCATInfo.xsd"), file});
    if (!xmllint.waitForFinished(30000))
        return ::testing::AssertionFailure() << "xmllint (package libxml2-utils) must be installed";
    if (xmllint.exitStatus() != QProcess::NormalExit || xmllint.exitCode() != 0)
        return ::testing::AssertionFailure() << xmllint.readAllStandardError().toStdString();
    return ::testing::AssertionSuccess();
}

}  // namespace testing_support
