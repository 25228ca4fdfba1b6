#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A scratch folder removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const;
    // Writes `bytes` to `name` (creating sub-folders) and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
};

}  // namespace testing_support
