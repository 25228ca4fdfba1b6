#include "platform/office/spreadsheet/spreadsheet_server.h"

#include <QFile>
#include <QFileInfo>

#include "platform/office/member_object.h"
#include "platform/office/package/zip_package.h"
#include "platform/office/spreadsheet/workbook.h"
#include "platform/office/spreadsheet/xls_reader.h"
#include "platform/office/spreadsheet/xlsx_reader.h"
#include "platform/office/spreadsheet/xlsx_writer.h"

namespace platform::office::spreadsheet {

using namespace automation;

namespace {

struct BookState {
    Workbook data;
    QString path;  // empty until saved
    QString name;
    bool saved = true;
};

struct AppState {
    std::vector<std::shared_ptr<BookState>> books;
    std::shared_ptr<BookState> active;
    CellKey activeCell;
    int booksAdded = 0;
    Variant visible = false;
    Variant displayAlerts = true;
};

using App = std::shared_ptr<AppState>;
using Book = std::shared_ptr<BookState>;
using SheetRef = std::shared_ptr<Sheet>;

[[noreturn]] void Refuse(const QString& message) { throw AutomationError(message); }

bool IsLegacyFile(const QString& path) { return path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive); }

// What a cell keeps of an assigned value: a text that is a number written
// exactly as the number's own text form becomes that number.
Variant StoredValue(const Variant& value)
{
    switch (value.kind()) {
    case Variant::Kind::Object:
    case Variant::Kind::Array: Refuse(QStringLiteral("A cell cannot hold an object or an array"));
    case Variant::Kind::Text: {
        const QString text = value.toText();
        const bool numeric = !text.isEmpty() && (text[0].isDigit() || (text.size() > 1 && text[0] == u'-' && text[1].isDigit()));
        if (!numeric) return text.isEmpty() ? Variant() : value;
        try {
            const double n = value.toNumber();
            if (Variant(n).toText() == text) return n;
        } catch (const AutomationError&) {
        }
        return value;
    }
    default: return value;
    }
}

int IndexOf(const BookState& book, const Sheet& sheet)
{
    for (size_t i = 0; i < book.data.sheets.size(); ++i)
        if (book.data.sheets[i].get() == &sheet) return int(i);
    Refuse(QStringLiteral("The sheet %1 has been deleted").arg(sheet.name));
}

void CheckSheetName(const BookState& book, const Sheet* renamed, const QString& name)
{
    static const QString Forbidden = QStringLiteral("[]:*?/\\");
    if (name.isEmpty() || name.size() > 31 || std::any_of(name.begin(), name.end(), [](QChar c) { return Forbidden.contains(c); }))
        Refuse(QStringLiteral("\"%1\" is no valid sheet name").arg(name));
    for (const SheetRef& s : book.data.sheets)
        if (s.get() != renamed && s->name.compare(name, Qt::CaseInsensitive) == 0)
            Refuse(QStringLiteral("The workbook already has a sheet named \"%1\"").arg(name));
}

SheetRef NewSheet(BookState& book)
{
    auto sheet = std::make_shared<Sheet>();
    for (int n = int(book.data.sheets.size()) + 1;; ++n) {
        sheet->name = QStringLiteral("Sheet%1").arg(n);
        const bool taken = std::any_of(book.data.sheets.begin(), book.data.sheets.end(), [&](const SheetRef& s) {
            return s->name.compare(sheet->name, Qt::CaseInsensitive) == 0;
        });
        if (!taken) break;
    }
    book.data.sheets.push_back(sheet);
    book.data.activeSheet = int(book.data.sheets.size()) - 1;
    book.saved = false;
    return sheet;
}

class RangeObject final : public MemberObject {
public:
    RangeObject(App app, Book book, SheetRef sheet, CellArea area)
        : MemberObject(QStringLiteral("Range")), app_(std::move(app)), book_(std::move(book)), sheet_(std::move(sheet)), area_(area)
    {
        Property(QStringLiteral("Value"), [this](const CallArguments&) { return Value(); },
                 [this](const CallArguments&, const Variant& v) { SetValue(v); });
        Property(QStringLiteral("Text"), [this](const CallArguments&) {
            const Variant v = sheet_->At(area_.first);
            return Variant(v.isError() ? ErrorName(v.errorCode()) : v.toText());
        });
        Property(QStringLiteral("Address"), [this](const CallArguments&) { return Variant(AbsoluteAddress(area_)); });
        Property(QStringLiteral("Row"), [this](const CallArguments&) { return Variant(area_.first.row); });
        Property(QStringLiteral("Column"), [this](const CallArguments&) { return Variant(area_.first.column); });
        Property(QStringLiteral("Count"), [this](const CallArguments&) { return Variant(qint64(area_.rows()) * area_.columns()); });
        Method(QStringLiteral("Select"), [this](const CallArguments&) {
            book_->data.activeSheet = IndexOf(*book_, *sheet_);
            app_->active = book_;
            app_->activeCell = area_.first;
            return Variant();
        });
        Property(QStringLiteral("Cells"), [this](const CallArguments& a) {
            const qint64 row = area_.first.row + a.Integer(0, QStringLiteral("RowIndex")) - 1;
            const qint64 column = area_.first.column + a.Integer(1, QStringLiteral("ColumnIndex")) - 1;
            if (row < 1 || row > MaxSheetRows || column < 1 || column > MaxSheetColumns)
                Refuse(QStringLiteral("The cell (%1, %2) is outside the sheet").arg(row).arg(column));
            const CellKey key{int(row), int(column)};
            return Variant(std::make_shared<RangeObject>(app_, book_, sheet_, CellArea{key, key}));
        });
    }

private:
    Variant Value() const
    {
        if (area_.first == area_.last) return sheet_->At(area_.first);
        if (qint64(area_.rows()) * area_.columns() > MaxWorkbookCells) Refuse(QStringLiteral("The range is too large"));
        auto array = std::make_shared<VariantArray>(area_.rows(), area_.columns(), 1, 1);
        for (auto it = sheet_->cells.lower_bound(area_.first); it != sheet_->cells.end() && !(area_.last < it->first); ++it) {
            const CellKey& k = it->first;
            if (k.column >= area_.first.column && k.column <= area_.last.column)
                array->at(k.row - area_.first.row + 1, k.column - area_.first.column + 1) = it->second;
        }
        return array;
    }

    void SetValue(const Variant& value)
    {
        if (value.kind() == Variant::Kind::Array) {
            const VariantArray& array = *value.array();
            const int rows = std::min(array.rows(), area_.rows());
            const int columns = std::min(array.columns(), area_.columns());
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < columns; ++c)
                    sheet_->Set({area_.first.row + r, area_.first.column + c},
                                StoredValue(array.at(array.rowBase() + r, array.columnBase() + c)));
        } else {
            if (qint64(area_.rows()) * area_.columns() > MaxWorkbookCells) Refuse(QStringLiteral("The range is too large"));
            const Variant stored = StoredValue(value);
            for (int r = area_.first.row; r <= area_.last.row; ++r)
                for (int c = area_.first.column; c <= area_.last.column; ++c) sheet_->Set({r, c}, stored);
        }
        book_->saved = false;
    }

    App app_;
    Book book_;
    SheetRef sheet_;
    CellArea area_;
};

class WorksheetObject final : public MemberObject {
public:
    WorksheetObject(App app, Book book, SheetRef sheet)
        : MemberObject(QStringLiteral("Worksheet")), app_(std::move(app)), book_(std::move(book)), sheet_(std::move(sheet))
    {
        Property(QStringLiteral("Name"), [this](const CallArguments&) { return Variant(sheet_->name); },
                 [this](const CallArguments&, const Variant& v) {
                     const QString name = v.toText();
                     CheckSheetName(*book_, sheet_.get(), name);
                     sheet_->name = name;
                     book_->saved = false;
                 });
        Property(QStringLiteral("Index"), [this](const CallArguments&) { return Variant(IndexOf(*book_, *sheet_) + 1); });
        Property(QStringLiteral("UsedRange"), [this](const CallArguments&) {
            return Range(sheet_->Used().value_or(CellArea{{1, 1}, {1, 1}}));
        });
        Property(QStringLiteral("Range"), [this](const CallArguments& a) {
            const QString address = a.Text(0, QStringLiteral("Cell1"));
            const auto area = ParseCellArea(address);
            if (!area) Refuse(QStringLiteral("\"%1\" is no cell address").arg(address));
            return Range(*area);
        });
        Property(QStringLiteral("Cells"), [this](const CallArguments& a) {
            const Variant whole = Range(WholeSheet());
            return a.Count() == 0 ? whole : whole.object()->Get(QStringLiteral("Cells"), {Argument(a.Required(0, QStringLiteral("RowIndex"))), Argument(a.Required(1, QStringLiteral("ColumnIndex")))});
        });
        Property(QStringLiteral("Rows"), [this](const CallArguments&) { return Range(WholeSheet()); });
        Property(QStringLiteral("Columns"), [this](const CallArguments&) { return Range(WholeSheet()); });
        Method(QStringLiteral("Activate"), [this](const CallArguments&) {
            book_->data.activeSheet = IndexOf(*book_, *sheet_);
            app_->active = book_;
            return Variant();
        });
    }

private:
    static CellArea WholeSheet() { return {{1, 1}, {MaxSheetRows, MaxSheetColumns}}; }
    Variant Range(const CellArea& area) const { return Variant(std::make_shared<RangeObject>(app_, book_, sheet_, area)); }

    App app_;
    Book book_;
    SheetRef sheet_;
};

Variant SheetObject(const App& app, const Book& book, const SheetRef& sheet)
{
    return Variant(std::make_shared<WorksheetObject>(app, book, sheet));
}

// A sheet by its number from 1 or its name.
Variant SheetItem(const App& app, const Book& book, const Variant& which)
{
    const auto& sheets = book->data.sheets;
    if (which.kind() == Variant::Kind::Text) {
        for (const SheetRef& s : sheets)
            if (s->name.compare(which.toText(), Qt::CaseInsensitive) == 0) return SheetObject(app, book, s);
        Refuse(QStringLiteral("The workbook has no sheet named \"%1\"").arg(which.toText()));
    }
    const qint64 index = which.toInteger();
    if (index < 1 || index > qint64(sheets.size())) Refuse(QStringLiteral("The workbook has no sheet %1").arg(index));
    return SheetObject(app, book, sheets[size_t(index - 1)]);
}

class SheetsObject final : public MemberObject {
public:
    SheetsObject(App app, Book book) : MemberObject(QStringLiteral("Sheets")), app_(std::move(app)), book_(std::move(book))
    {
        Property(QStringLiteral("Count"), [this](const CallArguments&) { return Variant(qint64(book_->data.sheets.size())); });
        Property(QStringLiteral("Item"), [this](const CallArguments& a) { return SheetItem(app_, book_, a.Required(0, QStringLiteral("Index"))); });
        Method(QStringLiteral("Add"), [this](const CallArguments&) { return SheetObject(app_, book_, NewSheet(*book_)); });
    }

private:
    App app_;
    Book book_;
};

void Save(BookState& book, const QString& path)
{
    if (path.isEmpty()) Refuse(QStringLiteral("The workbook %1 has no file yet").arg(book.name));
    if (IsLegacyFile(path)) Refuse(QStringLiteral("Legacy .xls workbooks are read only: save %1 as .xlsx").arg(book.name));
    try {
        WriteXlsx(book.data, path);
    } catch (const WorkbookFileError& e) {
        Refuse(QString::fromUtf8(e.what()));
    }
    book.path = QFileInfo(path).absoluteFilePath();
    book.name = QFileInfo(path).fileName();
    book.saved = true;
}

void CloseBook(AppState& app, const Book& book)
{
    std::erase(app.books, book);
    if (app.active == book) app.active = app.books.empty() ? nullptr : app.books.back();
}

class WorkbookObject final : public MemberObject {
public:
    WorkbookObject(App app, Book book) : MemberObject(QStringLiteral("Workbook")), app_(std::move(app)), book_(std::move(book))
    {
        Property(QStringLiteral("Name"), [this](const CallArguments&) { return Variant(book_->name); });
        Property(QStringLiteral("FullName"), [this](const CallArguments&) {
            return Variant(book_->path.isEmpty() ? book_->name : book_->path);
        });
        const Getter sheets = [this](const CallArguments& a) {
            if (const Variant* which = a.Find(0, QStringLiteral("Index"))) return SheetItem(app_, book_, *which);
            return Variant(std::make_shared<SheetsObject>(app_, book_));
        };
        Property(QStringLiteral("Sheets"), sheets);
        Property(QStringLiteral("WorkSheets"), sheets);
        Property(QStringLiteral("ActiveSheet"), [this](const CallArguments&) {
            return SheetObject(app_, book_, book_->data.sheets.at(size_t(book_->data.activeSheet)));
        });
        Property(QStringLiteral("Saved"), [this](const CallArguments&) { return Variant(book_->saved); },
                 [this](const CallArguments&, const Variant& v) { book_->saved = v.toBool(); });
        Method(QStringLiteral("Save"), [this](const CallArguments&) {
            Save(*book_, book_->path);
            return Variant();
        });
        Method(QStringLiteral("SaveAs"), [this](const CallArguments& a) {
            Save(*book_, a.Text(0, QStringLiteral("FileName")));
            return Variant();
        });
        Method(QStringLiteral("Close"), [this](const CallArguments& a) {
            if (a.Optional(0, QStringLiteral("SaveChanges"), false).toBool()) Save(*book_, book_->path);
            CloseBook(*app_, book_);
            return Variant();
        });
        Method(QStringLiteral("Activate"), [this](const CallArguments&) {
            app_->active = book_;
            return Variant();
        });
    }

private:
    App app_;
    Book book_;
};

Workbook ReadWorkbookFile(const QString& path)
{
    QFile file(path);
    if (!file.exists()) Refuse(QStringLiteral("The workbook %1 cannot be found").arg(path));
    try {
        if (IsLegacyFile(path)) return ReadXls(path);
        if (!file.open(QIODevice::ReadOnly)) Refuse(QStringLiteral("The workbook %1 cannot be opened: %2").arg(path, file.errorString()));
        if (file.size() > ZipPackage::MaxFileSize) Refuse(QStringLiteral("The workbook %1 is too large").arg(path));
        return ReadXlsx(file.readAll());
    } catch (const WorkbookFileError& e) {
        Refuse(QStringLiteral("%1: %2").arg(path, QString::fromUtf8(e.what())));
    }
}

class WorkbooksObject final : public MemberObject {
public:
    explicit WorkbooksObject(App app) : MemberObject(QStringLiteral("Workbooks")), app_(std::move(app))
    {
        Property(QStringLiteral("Count"), [this](const CallArguments&) { return Variant(qint64(app_->books.size())); });
        Property(QStringLiteral("Item"), [this](const CallArguments& a) {
            const Variant which = a.Required(0, QStringLiteral("Index"));
            if (which.kind() == Variant::Kind::Text) {
                for (const Book& b : app_->books)
                    if (b->name.compare(which.toText(), Qt::CaseInsensitive) == 0) return Object(b);
                Refuse(QStringLiteral("No workbook %1 is open").arg(which.toText()));
            }
            const qint64 index = which.toInteger();
            if (index < 1 || index > qint64(app_->books.size())) Refuse(QStringLiteral("No workbook %1 is open").arg(index));
            return Object(app_->books[size_t(index - 1)]);
        });
        Method(QStringLiteral("Open"), [this](const CallArguments& a) { return Open(a.Text(0, QStringLiteral("FileName"))); });
        Method(QStringLiteral("Add"), [this](const CallArguments&) {
            auto book = std::make_shared<BookState>();
            book->name = QStringLiteral("Book%1").arg(++app_->booksAdded);
            NewSheet(*book);
            book->saved = true;
            return Adopt(book);
        });
    }

private:
    Variant Object(const Book& book) const { return Variant(std::make_shared<WorkbookObject>(app_, book)); }

    Variant Adopt(const Book& book)
    {
        app_->books.push_back(book);
        app_->active = book;
        return Object(book);
    }

    Variant Open(const QString& path)
    {
        const QString full = QFileInfo(path).absoluteFilePath();
        for (const Book& b : app_->books)
            if (b->path == full) {
                app_->active = b;
                return Object(b);
            }
        auto book = std::make_shared<BookState>();
        book->data = ReadWorkbookFile(path);
        book->path = full;
        book->name = QFileInfo(path).fileName();
        return Adopt(book);
    }

    App app_;
};

class ApplicationObject final : public MemberObject {
public:
    ApplicationObject() : MemberObject(QStringLiteral("Application")), app_(std::make_shared<AppState>())
    {
        Property(QStringLiteral("WorkBooks"), [this](const CallArguments&) { return Variant(std::make_shared<WorkbooksObject>(app_)); });
        Property(QStringLiteral("ActiveWorkBook"), [this](const CallArguments&) {
            return Variant(std::make_shared<WorkbookObject>(app_, ActiveBook()));
        });
        Property(QStringLiteral("ActiveSheet"), [this](const CallArguments&) {
            const Book book = ActiveBook();
            return SheetObject(app_, book, book->data.sheets.at(size_t(book->data.activeSheet)));
        });
        Property(QStringLiteral("ActiveCell"), [this](const CallArguments&) {
            const Book book = ActiveBook();
            const SheetRef sheet = book->data.sheets.at(size_t(book->data.activeSheet));
            return Variant(std::make_shared<RangeObject>(app_, book, sheet, CellArea{app_->activeCell, app_->activeCell}));
        });
        Property(QStringLiteral("Visible"), [this](const CallArguments&) { return app_->visible; },
                 [this](const CallArguments&, const Variant& v) { app_->visible = v.toBool(); });
        Property(QStringLiteral("DisplayAlerts"), [this](const CallArguments&) { return app_->displayAlerts; },
                 [this](const CallArguments&, const Variant& v) { app_->displayAlerts = v.toBool(); });
        Method(QStringLiteral("Quit"), [this](const CallArguments&) {
            app_->books.clear();
            app_->active.reset();
            SpreadsheetSession().Quit(this);
            return Variant();
        });
    }

private:
    Book ActiveBook() const
    {
        if (!app_->active) Refuse(QStringLiteral("No workbook is open"));
        return app_->active;
    }

    App app_;
};

}  // namespace

RunningInstances& SpreadsheetSession()
{
    static RunningInstances session;
    return session;
}

ObjectRef NewSpreadsheetApplication()
{
    auto application = std::make_shared<ApplicationObject>();
    SpreadsheetSession().Started(application);
    return application;
}

void AddSpreadsheetServer(ServerRegistry& registry)
{
    registry.Add(QString::fromLatin1(ProgramName),
                 {&NewSpreadsheetApplication, [] { return SpreadsheetSession().Active(); }});
}

}  // namespace platform::office::spreadsheet
