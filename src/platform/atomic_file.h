#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Replaces the file at `path` whole with `data`: the bytes go to a temporary
// file in the same folder, are flushed to disk, and the temporary file is then
// renamed over the target. A reader sees either the old file or the new one,
// never a truncated mix. On failure the target is untouched, the temporary
// file is removed, and `error` (when given) receives a readable reason.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

}  // namespace platform
