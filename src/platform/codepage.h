#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The 8-bit code pages the configurator's text files use: "ANSI" is
// Windows-1252, "OEM" is CP850. Bytes a code page leaves undefined decode to
// the character of the same number; characters a code page cannot hold encode
// as '?'.
QString fromAnsi(const QByteArray& bytes);
QByteArray toAnsi(const QString& text);
QString fromOem(const QByteArray& bytes);
QByteArray toOem(const QString& text);

}  // namespace platform
