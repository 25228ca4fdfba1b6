#pragma once

// A shared library loaded at run time by name, the way the configurator
// loads external helpers: "lib" + name + ".so" is looked for in the given
// folders in order (the executable's folder by default), then through the
// system's own search (LD_LIBRARY_PATH, the loader's cache and default
// folders). The library is released when the object goes.

#include <memory>

#include <QString>
#include <QStringList>

namespace platform {

class DynamicLibrary {
public:
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;
    ~DynamicLibrary();

    // The library `name` (without "lib" and ".so"), or nullptr when none is
    // found or it cannot be loaded; `error` then says why.
    static std::unique_ptr<DynamicLibrary> open(const QString& name, const QStringList& folders,
                                                QString* error = nullptr);
    // open() with the executable's folder first.
    static std::unique_ptr<DynamicLibrary> open(const QString& name, QString* error = nullptr);

    // The file name searched for a library name: "lib" + name + ".so".
    static QString fileName(const QString& name);

    // The address of an exported symbol, nullptr when the library has none.
    void* symbol(const char* name) const;
    template <typename Function>
    Function function(const char* name) const
    {
        return reinterpret_cast<Function>(symbol(name));
    }

    // The file the library was loaded from, as it was asked for.
    const QString& path() const { return path_; }

private:
    DynamicLibrary(void* handle, QString path);

    void* handle_;
    QString path_;
};

}  // namespace platform
