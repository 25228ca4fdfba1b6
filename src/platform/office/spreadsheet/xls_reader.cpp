#include "platform/office/spreadsheet/xls_reader.h"

#include <freexl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include <QDataStream>
#include <QIODevice>

namespace platform::office::spreadsheet {

namespace {

class XlsHandle {
public:
    explicit XlsHandle(const QString& path)
    {
        if (freexl_open(path.toLocal8Bit().constData(), &handle_) != FREEXL_OK || !handle_)
            throw WorkbookFileError(QStringLiteral("The file %1 is no readable workbook").arg(path));
    }
    ~XlsHandle()
    {
        if (handle_) freexl_close(handle_);
    }
    XlsHandle(const XlsHandle&) = delete;
    XlsHandle& operator=(const XlsHandle&) = delete;
    const void* get() const { return handle_; }

private:
    const void* handle_ = nullptr;
};

[[noreturn]] void Damaged(const QString& what) { throw WorkbookFileError(QStringLiteral("The workbook is damaged: %1").arg(what)); }

Variant XlsValue(const FreeXL_CellValue& cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT: return qint64(cell.value.int_value);
    case FREEXL_CELL_DOUBLE: return cell.value.double_value;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT: return QString::fromUtf8(cell.value.text_value);
    case FREEXL_CELL_DATE: {
        const QDate date = QDate::fromString(QString::fromLatin1(cell.value.text_value), Qt::ISODate);
        if (!date.isValid()) Damaged(QStringLiteral("a date"));
        return QDateTime(date, QTime(0, 0));
    }
    case FREEXL_CELL_DATETIME: {
        const QDateTime date = QDateTime::fromString(QString::fromLatin1(cell.value.text_value), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!date.isValid()) Damaged(QStringLiteral("a date"));
        return date;
    }
    case FREEXL_CELL_TIME: {
        const QTime time = QTime::fromString(QString::fromLatin1(cell.value.text_value), QStringLiteral("HH:mm:ss"));
        if (!time.isValid()) Damaged(QStringLiteral("a time"));
        return QDateTime(QDate(1899, 12, 30), time);
    }
    default: return {};
    }
}

Workbook ReadXlsHere(const QString& path)
{
    const XlsHandle xls(path);
    unsigned int count = 0;
    if (freexl_get_info(xls.get(), FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK) Damaged(QStringLiteral("no sheet list"));
    Workbook book;
    qint64 cells = 0;
    for (unsigned short index = 0; index < count; ++index) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(xls.get(), index, &name) != FREEXL_OK || !name) Damaged(QStringLiteral("a sheet name"));
        auto sheet = std::make_shared<Sheet>();
        sheet->name = QString::fromUtf8(name);
        if (sheet->name.isEmpty()) Damaged(QStringLiteral("a sheet has no name"));
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_select_active_worksheet(xls.get(), index) != FREEXL_OK ||
            freexl_worksheet_dimensions(xls.get(), &rows, &columns) != FREEXL_OK)
            Damaged(QStringLiteral("the sheet %1").arg(sheet->name));
        if (rows > unsigned(MaxSheetRows) || columns > MaxSheetColumns) Damaged(QStringLiteral("the size of %1").arg(sheet->name));
        cells += qint64(rows) * columns;
        if (cells > MaxWorkbookCells) Damaged(QStringLiteral("too many cells"));
        for (unsigned int r = 0; r < rows; ++r)
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue cell;
                if (freexl_get_cell_value(xls.get(), r, c, &cell) != FREEXL_OK) Damaged(QStringLiteral("a cell of %1").arg(sheet->name));
                sheet->Set(CellKey{int(r) + 1, int(c) + 1}, XlsValue(cell));
            }
        book.sheets.push_back(sheet);
    }
    if (book.sheets.empty()) Damaged(QStringLiteral("no sheets"));
    return book;
}

// The legacy workbook library is not safe on damaged files (fuzzing shows it
// overrunning its own buffers), so it reads in a child process: whatever it
// does to a bad file stays there, and the child hands back the sheets as a
// stream, or the reason it refused the file.

constexpr int ChildReadSeconds = 60;

void WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += n;
    }
}

QByteArray EncodeOutcome(const QString& path)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    try {
        const Workbook book = ReadXlsHere(path);
        out << true << quint32(book.sheets.size());
        for (const auto& sheet : book.sheets) {
            out << sheet->name << quint32(sheet->cells.size());
            for (const auto& [key, value] : sheet->cells) {
                out << qint32(key.row) << qint32(key.column) << quint8(value.kind());
                switch (value.kind()) {
                case Variant::Kind::Integer: out << value.toInteger(); break;
                case Variant::Kind::Number: out << value.toNumber(); break;
                case Variant::Kind::Date: out << value.toDate(); break;
                default: out << value.toText(); break;
                }
            }
        }
    } catch (const std::exception& e) {
        bytes.clear();
        QDataStream refusal(&bytes, QIODevice::WriteOnly);
        refusal << false << QString::fromUtf8(e.what());
    }
    return bytes;
}

Workbook DecodeOutcome(const QByteArray& bytes)
{
    QDataStream in(bytes);
    bool ok = false;
    in >> ok;
    if (!ok) {
        QString reason;
        in >> reason;
        if (in.status() != QDataStream::Ok) Damaged(QStringLiteral("the reader gave no answer"));
        throw WorkbookFileError(reason);
    }
    Workbook book;
    quint32 sheets = 0;
    in >> sheets;
    for (quint32 s = 0; s < sheets && in.status() == QDataStream::Ok; ++s) {
        auto sheet = std::make_shared<Sheet>();
        quint32 cells = 0;
        in >> sheet->name >> cells;
        for (quint32 c = 0; c < cells && in.status() == QDataStream::Ok; ++c) {
            qint32 row = 0, column = 0;
            quint8 kind = 0;
            in >> row >> column >> kind;
            Variant value;
            switch (Variant::Kind(kind)) {
            case Variant::Kind::Integer: { qint64 v = 0; in >> v; value = v; break; }
            case Variant::Kind::Number: { double v = 0; in >> v; value = v; break; }
            case Variant::Kind::Date: { QDateTime v; in >> v; value = v; break; }
            default: { QString v; in >> v; value = v; break; }
            }
            sheet->cells.emplace(CellKey{row, column}, value);
        }
        book.sheets.push_back(sheet);
    }
    if (in.status() != QDataStream::Ok || book.sheets.empty()) Damaged(QStringLiteral("the reader gave no answer"));
    return book;
}

}  // namespace

Workbook ReadXls(const QString& path)
{
    int fds[2];
    if (::pipe(fds) != 0) throw WorkbookFileError(QStringLiteral("The file %1 cannot be read: no pipe").arg(path));
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        throw WorkbookFileError(QStringLiteral("The file %1 cannot be read: no child process").arg(path));
    }
    if (child == 0) {
        ::close(fds[0]);
        WriteAll(fds[1], EncodeOutcome(path));
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray bytes;
    bool timedOut = false;
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        const int ready = ::poll(&p, 1, ChildReadSeconds * 1000);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            timedOut = true;
            break;
        }
        char buffer[65536];
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        bytes.append(buffer, n);
    }
    ::close(fds[0]);
    if (timedOut) ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        Damaged(QStringLiteral("the legacy workbook reader failed on it"));
    return DecodeOutcome(bytes);
}

}  // namespace platform::office::spreadsheet
