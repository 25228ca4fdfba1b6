#include "controls/grid/settings/column_size_store.h"

#include <QSettings>
#include <QtGlobal>

#include "controls/grid/grid_error.h"
#include "controls/grid/settings/grid_settings.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/atomic_file.h"
#include "platform/ini_file.h"
#include "platform/strings.h"

namespace grid {

namespace column_size_store_detail {

[[noreturn]] void raise(const QString& message) { throw EExGridError(message.toStdString()); }

class IniFileStore final : public TColumnSizeStore {
public:
    IniFileStore(const QString& path, const QString& section) : FPath(path), FSection(section)
    {
        QString error;
        std::optional<QByteArray> bytes = platform::ReadIniFileForUpdate(path, &error);
        if (!bytes)
            raise(QStringLiteral("Cannot open file %1: %2").arg(path, error));
        FBytes = std::move(*bytes);
        FValues = platform::ReadIniSection(FBytes, section);
    }

    int ReadInteger(const QString& name, int fallback) override { return FValues.ReadInteger(name, fallback); }

    void WriteNumbered(const QString& prefix, const std::vector<int>& values) override
    {
        std::vector<platform::IniValue> lines;
        for (size_t i = 0; i < values.size(); ++i)
            lines.push_back({prefix + QString::number(i), QString::number(values[i])});
        FBytes = platform::WriteIniSection(FBytes, FSection, lines,
                                           [&](const QString& key) { return platform::IsNumberedKey(key, prefix); });
        FValues = platform::ReadIniSection(FBytes, FSection);
        FChanged = true;
    }

    void Update() override
    {
        if (!FChanged)
            return;
        QString error;
        if (!platform::writeFileAtomically(FPath, FBytes, &error))
            raise(QStringLiteral("Cannot write file %1: %2").arg(FPath, error));
        FChanged = false;
    }

private:
    QString FPath;
    QString FSection;
    QByteArray FBytes;
    platform::IniSection FValues;
    bool FChanged = false;
};

// The registry key path ("Software\Maker\Program") with the section as a
// sub-key, as a group of the native settings store.
QString registryGroup(const QString& key, const QString& section)
{
    QString path = key + u'\\' + section;
    path.replace(u'\\', u'/');
    return path;
}

class RegistryStore final : public TColumnSizeStore {
public:
    RegistryStore(const QString& key, const QString& section)
        : FSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("configurator"),
                    QStringLiteral("registry"))
    {
        FSettings.beginGroup(registryGroup(key, section));
    }

    int ReadInteger(const QString& name, int fallback) override
    {
        const QVariant value = FSettings.value(name);
        if (!value.isValid())
            return fallback;
        return platform::parseIntOr(value.toString(), fallback);
    }

    void WriteNumbered(const QString& prefix, const std::vector<int>& values) override
    {
        for (const QString& name : FSettings.childKeys())
            if (platform::IsNumberedKey(name, prefix))
                FSettings.remove(name);
        for (size_t i = 0; i < values.size(); ++i)
            FSettings.setValue(prefix + QString::number(i), values[i]);
        FChanged = true;
    }

    void Update() override
    {
        if (!FChanged)
            return;
        FSettings.sync();
        if (FSettings.status() != QSettings::NoError)
            raise(QStringLiteral("Cannot write the registry key %1").arg(FSettings.group()));
        FChanged = false;
    }

private:
    QSettings FSettings;
    bool FChanged = false;
};

}  // namespace column_size_store_detail

std::unique_ptr<TColumnSizeStore> OpenColumnSizeStore(const TColumnSize& settings)
{
    using namespace column_size_store_detail;
    if (settings.Key.isEmpty() || settings.Section.isEmpty())
        return nullptr;
    if (settings.Location == clIniFile)
        return std::make_unique<IniFileStore>(settings.Key, settings.Section);
    return std::make_unique<RegistryStore>(settings.Key, settings.Section);
}

void KeepColSizes(TExStringGrid& grid, void (TExStringGrid::*operation)())
{
    try {
        (grid.*operation)();
    } catch (const std::exception& e) {
        qWarning("Column widths not kept: %s", e.what());
    }
}

}  // namespace grid
