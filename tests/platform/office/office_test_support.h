#pragma once

// Shared by the office server tests: zip packages made from parts and read
// back part by part, and the real servers installed with no application
// running.

#include <utility>
#include <vector>

#include <QByteArray>
#include <QString>

#include "platform/automation/automation.h"

namespace office_test {

using Parts = std::vector<std::pair<QString, QByteArray>>;

// A zip package of the parts, in order.
QByteArray ZipParts(const Parts& parts);
// The part of the package file at `path`; empty when it has none.
QByteArray ReadPart(const QString& path, const QString& part);

// Installs the program's office servers for its lifetime; no spreadsheet
// application runs at the start or after the end.
class RealServers {
public:
    RealServers();
    ~RealServers();
    RealServers(const RealServers&) = delete;
    RealServers& operator=(const RealServers&) = delete;

private:
    std::shared_ptr<platform::automation::ObjectFactory> previous_;
};

}  // namespace office_test
