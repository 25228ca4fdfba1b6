#include "platform/dynamic_library.h"

#include <dlfcn.h>

#include <QFile>

#include "platform/paths.h"

namespace platform {
namespace {

void* load(const QString& path, QString& reason)
{
    dlerror();
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* message = dlerror();
        reason = message != nullptr ? QString::fromLocal8Bit(message) : QStringLiteral("%1 cannot be loaded").arg(path);
    }
    return handle;
}

}  // namespace

DynamicLibrary::DynamicLibrary(void* handle, QString path) : handle_(handle), path_(std::move(path)) {}

DynamicLibrary::~DynamicLibrary()
{
    dlclose(handle_);
}

QString DynamicLibrary::fileName(const QString& name)
{
    return QStringLiteral("lib") + name + QStringLiteral(".so");
}

std::unique_ptr<DynamicLibrary> DynamicLibrary::open(const QString& name, const QStringList& folders, QString* error)
{
    const QString file = fileName(name);
    QString reason;
    for (const QString& folder : folders) {
        const QString path = joinPath(folder, file);
        if (!fileExists(path))
            continue;
        // A file that is there but cannot be loaded is reported as such.
        if (void* handle = load(path, reason))
            return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle, path));
        if (error != nullptr)
            *error = reason;
        return nullptr;
    }
    // A bare file name makes the system search its own folders.
    if (void* handle = load(file, reason))
        return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle, file));
    if (error != nullptr)
        *error = reason;
    return nullptr;
}

std::unique_ptr<DynamicLibrary> DynamicLibrary::open(const QString& name, QString* error)
{
    return open(name, {executableFolder()}, error);
}

void* DynamicLibrary::symbol(const char* name) const
{
    return dlsym(handle_, name);
}

}  // namespace platform
