#pragma once

// Whether a project file is still the one an editor loaded: another copy of
// the program, or another program, may have changed it while the editor was
// open. The editor takes a stamp when it loads the file and compares before
// OK replaces it.

#include <QByteArray>
#include <QString>

namespace rule_editor {

class LoadedFileCheck {
public:
    // Takes the stamp of `path` as it is now (also of a missing file).
    void remember(const QString& path);
    // True when the file at the remembered path is no longer the one stamped:
    // it appeared, went away, or its size or content differ. (A file written
    // again with the same bytes loses nothing when replaced: it counts as
    // unchanged whatever its time.)
    bool changed() const;

private:
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QByteArray hash;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const QString& path);

    QString path_;
    Stamp stamp_;
};

}  // namespace rule_editor
