#include "platform/office/package/zip_package.h"

#include <memory>

#include <zip.h>

#include "platform/automation/automation.h"
#include "platform/office/member_call.h"

namespace platform::office {

using automation::AutomationError;

namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

QString zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

}  // namespace

ZipPackage ZipPackage::Read(const QByteArray& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    if (!source) Fail(QStringLiteral("The package cannot be read"));
    std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive) {
        zip_source_free(source);
        const QString reason = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        Fail(QStringLiteral("The file is not a valid package: %1").arg(reason));
    }
    zip_error_fini(&error);

    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count < 0 || count > MaxEntries) Fail(QStringLiteral("The package holds too many parts"));
    ZipPackage package;
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME) ||
            !(stat.valid & ZIP_STAT_SIZE))
            Fail(QStringLiteral("A part of the package is damaged"));
        const QString name = QString::fromUtf8(stat.name);
        if (name.endsWith(u'/')) continue;  // a folder entry
        if (stat.size > static_cast<zip_uint64_t>(MaxEntrySize) || total + static_cast<qint64>(stat.size) > MaxTotalSize)
            Fail(QStringLiteral("The package is too large"));
        std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(i), 0));
        if (!file)
            Fail(QStringLiteral("The part %1 cannot be read: %2").arg(name, zipErrorText(zip_error_code_zip(zip_get_error(archive.get())))));
        QByteArray data(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
        qint64 done = 0;
        while (done < data.size()) {
            const zip_int64_t n = zip_fread(file.get(), data.data() + done, static_cast<zip_uint64_t>(data.size() - done));
            if (n <= 0) Fail(QStringLiteral("The part %1 is damaged").arg(name));
            done += n;
        }
        char extra = 0;
        if (zip_fread(file.get(), &extra, 1) != 0) Fail(QStringLiteral("The part %1 is damaged").arg(name));
        total += data.size();
        if (package.indexOf(name) >= 0) Fail(QStringLiteral("The part %1 is in the package twice").arg(name));
        package.parts_.emplace_back(name, std::move(data));
    }
    return package;
}

int ZipPackage::indexOf(const QString& name) const
{
    QString wanted = name;
    if (wanted.startsWith(u'/')) wanted.remove(0, 1);
    for (size_t i = 0; i < parts_.size(); ++i)
        if (parts_[i].first.compare(wanted, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

bool ZipPackage::Contains(const QString& name) const { return indexOf(name) >= 0; }

QByteArray ZipPackage::Part(const QString& name) const
{
    const int i = indexOf(name);
    if (i < 0) Fail(QStringLiteral("The package has no part %1").arg(name));
    return parts_[static_cast<size_t>(i)].second;
}

void ZipPackage::SetPart(const QString& name, const QByteArray& bytes)
{
    const int i = indexOf(name);
    if (i >= 0)
        parts_[static_cast<size_t>(i)].second = bytes;
    else
        parts_.emplace_back(name.startsWith(u'/') ? name.mid(1) : name, bytes);
}

QStringList ZipPackage::Names() const
{
    QStringList names;
    for (const auto& part : parts_) names << part.first;
    return names;
}

QByteArray ZipPackage::Write() const
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer) Fail(QStringLiteral("The package cannot be made"));
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(buffer);
        Fail(QStringLiteral("The package cannot be made"));
    }
    zip_source_keep(buffer);
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> keep(buffer, &zip_source_free);
    for (const auto& [name, data] : parts_) {
        zip_source_t* part = zip_source_buffer(archive, data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
        const QByteArray utf8 = name.toUtf8();
        const zip_int64_t index = part ? zip_file_add(archive, utf8.constData(), part, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (part) zip_source_free(part);
            zip_discard(archive);
            Fail(QStringLiteral("The part %1 cannot be stored").arg(name));
        }
        // A fixed time stamp: the same document gives the same bytes.
        zip_file_set_dostime(archive, static_cast<zip_uint64_t>(index), 0, 0x21, 0);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 6);
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        Fail(QStringLiteral("The package cannot be made"));
    }
    QByteArray bytes;
    if (zip_source_open(buffer) != 0) Fail(QStringLiteral("The package cannot be made"));
    char chunk[65536];
    for (;;) {
        const zip_int64_t n = zip_source_read(buffer, chunk, sizeof chunk);
        if (n < 0) {
            zip_source_close(buffer);
            Fail(QStringLiteral("The package cannot be made"));
        }
        if (n == 0) break;
        bytes.append(chunk, static_cast<qsizetype>(n));
    }
    zip_source_close(buffer);
    return bytes;
}

}  // namespace platform::office
