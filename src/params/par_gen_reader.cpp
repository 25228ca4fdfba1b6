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

int32_t ParGenReader::integer(const char* name, int32_t fallback) const
{
    const auto value = file_.value(QString::fromLatin1(name));
    if (!value)
        return fallback;
    return platform::parseInt(*value).value_or(fallback);
}

uint32_t ParGenReader::unsigned32(const char* name, uint32_t fallback) const
{
    const auto value = file_.value(QString::fromLatin1(name));
    if (!value)
        return fallback;
    const auto number = platform::parseInt64(*value);
    return number && *number >= 0 && *number <= 0xFFFFFFFFLL ? static_cast<uint32_t>(*number) : fallback;
}

bool ParGenReader::flag(const char* name) const
{
    return text(name) == QStringLiteral("1");
}

int ParGenReader::listIndex(const char* name, int count, int fallback) const
{
    const int32_t index = integer(name, fallback);
    return index >= 0 && index < count ? static_cast<int>(index) : fallback;
}

uint32_t EtherCAT_Revision_Number(const ParGenReader& reader)
{
    return reader.unsigned32("EtherCAT_Slave_Revision_Number", 0);
}

uint16_t EtherCAT_Node_Address(const ParGenReader& reader)
{
    return static_cast<uint16_t>(reader.integer("EtherCAT_Slave_Node_Address", 1));
}

}  // namespace params
