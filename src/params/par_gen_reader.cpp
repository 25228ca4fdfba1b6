#include "params/par_gen_reader.h"

#include "platform/strings.h"

namespace params {

QString ParGenReader::text(const char* name) const
{
    return file_.value(QString::fromLatin1(name)).value_or(QString());
}

QString ParGenReader::textOr(const char* name, const QString& fallback) const
{
    return file_.value(QString::fromLatin1(name)).value_or(fallback);
}

int64_t ParGenReader::integer(const char* name, int64_t fallback) const
{
    const auto value = file_.value(QString::fromLatin1(name));
    if (!value)
        return fallback;
    return platform::parseInt64(*value).value_or(fallback);
}

bool ParGenReader::flag(const char* name) const
{
    return text(name) == QStringLiteral("1");
}

int ParGenReader::listIndex(const char* name, int count, int fallback) const
{
    const int64_t index = integer(name, fallback);
    return index >= 0 && index < count ? static_cast<int>(index) : fallback;
}

}  // namespace params
