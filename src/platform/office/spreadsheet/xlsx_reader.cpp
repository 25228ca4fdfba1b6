#include "platform/office/spreadsheet/xlsx_reader.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <memory>

#include <pugixml.hpp>

#include "platform/automation/automation.h"
#include "platform/office/package/zip_package.h"

namespace platform::office::spreadsheet {

namespace {

[[noreturn]] void Malformed(const QString& reason)
{
    throw WorkbookFileError(QStringLiteral("The workbook is damaged: %1").arg(reason));
}

// The workbook's zip package, read within the shared package limits (no
// part beyond ZipPackage::MaxEntrySize); its failures are workbook errors.
class Package {
public:
    explicit Package(const QByteArray& bytes)
    {
        try {
            zip_ = ZipPackage::Read(bytes);
        } catch (const automation::AutomationError& e) {
            throw WorkbookFileError(QStringLiteral("The file is no workbook: %1").arg(e.message()));
        }
    }

    bool Has(const QString& name) const { return zip_.Contains(name); }

    pugi::xml_document Xml(const QString& name) const
    {
        if (!Has(name)) Malformed(QStringLiteral("%1 is missing").arg(name));
        const QByteArray data = zip_.Part(name);
        pugi::xml_document doc;
        if (!doc.load_buffer(data.constData(), size_t(data.size()), pugi::parse_default, pugi::encoding_utf8))
            Malformed(QStringLiteral("%1 is no XML").arg(name));
        return doc;
    }

private:
    ZipPackage zip_;
};

// Element names without their namespace prefix.
bool Named(const pugi::xml_node& node, const char* name)
{
    const char* full = node.name();
    const char* colon = std::strrchr(full, ':');
    return std::strcmp(colon ? colon + 1 : full, name) == 0;
}

pugi::xml_node Child(const pugi::xml_node& parent, const char* name)
{
    for (pugi::xml_node n : parent.children())
        if (n.type() == pugi::node_element && Named(n, name)) return n;
    return {};
}

template <class F>
void EachChild(const pugi::xml_node& parent, const char* name, F f)
{
    for (pugi::xml_node n : parent.children())
        if (n.type() == pugi::node_element && Named(n, name)) f(n);
}

// An attribute by its local name ("r:id" answers "id" only when asked with
// the prefix stripped, so relationship ids are looked up this way).
pugi::xml_attribute Attribute(const pugi::xml_node& node, const char* name)
{
    for (pugi::xml_attribute a : node.attributes()) {
        const char* full = a.name();
        const char* colon = std::strrchr(full, ':');
        if (std::strcmp(colon ? colon + 1 : full, name) == 0) return a;
    }
    return {};
}

QString Utf8(const char* text) { return QString::fromUtf8(text); }

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

// Characters XML cannot carry are written as _xHHHH_ (and "_x" itself as
// _x005F_x...).
QString Unescaped(const QString& text)
{
    if (!text.contains(QStringLiteral("_x"))) return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'_' && i + 6 < text.size() && text[i + 1] == u'x' && text[i + 6] == u'_') {
            int code = 0;
            for (int k = 2; k < 6 && code >= 0; ++k) {
                const int digit = HexDigit(text[i + k]);
                code = digit < 0 ? -1 : code * 16 + digit;
            }
            if (code >= 0) {
                out += QChar(char16_t(code));
                i += 6;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// The text of a string item: its <t>, or the <t> of each run (phonetic
// runs left out).
QString ItemText(const pugi::xml_node& item)
{
    if (pugi::xml_node t = Child(item, "t")) return Unescaped(Utf8(t.text().get()));
    QString text;
    EachChild(item, "r", [&](const pugi::xml_node& run) { text += Utf8(Child(run, "t").text().get()); });
    return Unescaped(text);
}

// A part name from a relationship target, relative to the folder of `from`.
QString PartName(const QString& from, const QString& target)
{
    if (target.startsWith(u'/')) return target.mid(1);
    QString folder = from.left(from.lastIndexOf(u'/') + 1);
    QString rest = target;
    while (rest.startsWith(QStringLiteral("../"))) {
        rest = rest.mid(3);
        folder = folder.left(folder.lastIndexOf(u'/', folder.size() - 2) + 1);
    }
    return folder + rest;
}

struct Relationship {
    QString type;
    QString part;
};

// The relationships of a part by their ids (none when it has no
// relationship part).
std::map<QString, Relationship> Relationships(const Package& package, const QString& part)
{
    std::map<QString, Relationship> found;
    const qsizetype slash = part.lastIndexOf(u'/');
    const QString rels = part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
    if (!package.Has(rels)) return found;
    const pugi::xml_document doc = package.Xml(rels);
    EachChild(Child(doc, "Relationships"), "Relationship", [&](const pugi::xml_node& r) {
        found[Utf8(r.attribute("Id").value())] = {Utf8(r.attribute("Type").value()),
                                                  PartName(part, Utf8(r.attribute("Target").value()))};
    });
    return found;
}

// The part of the first relationship whose type ends in `type`.
QString PartOfType(const std::map<QString, Relationship>& relationships, const QString& type, const QString& otherwise = {})
{
    for (const auto& [id, r] : relationships)
        if (r.type.endsWith(type)) return r.part;
    return otherwise;
}

bool IsDateFormatCode(const QString& code)
{
    bool quoted = false;
    int bracket = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (quoted) {
            quoted = c != u'"';
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            ++bracket;
        } else if (c == u']') {
            bracket = std::max(0, bracket - 1);
        } else if (bracket == 0 && QStringLiteral("dmyhsDMYHS").contains(c)) {
            return true;
        }
    }
    return false;
}

bool IsDateFormatId(int id) { return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) || (id >= 50 && id <= 58); }

// Per cell style index: whether its number format shows a date.
std::vector<bool> DateStyles(const Package& package, const QString& part)
{
    std::vector<bool> dates;
    if (part.isEmpty() || !package.Has(part)) return dates;
    const pugi::xml_document doc = package.Xml(part);
    const pugi::xml_node sheet = Child(doc, "styleSheet");
    std::map<int, bool> custom;
    EachChild(Child(sheet, "numFmts"), "numFmt", [&](const pugi::xml_node& f) {
        custom[f.attribute("numFmtId").as_int(-1)] = IsDateFormatCode(Utf8(f.attribute("formatCode").value()));
    });
    EachChild(Child(sheet, "cellXfs"), "xf", [&](const pugi::xml_node& xf) {
        const int id = xf.attribute("numFmtId").as_int(0);
        const auto found = custom.find(id);
        dates.push_back(found != custom.end() ? found->second : IsDateFormatId(id));
    });
    return dates;
}

std::vector<QString> SharedStrings(const Package& package, const QString& part)
{
    std::vector<QString> strings;
    if (part.isEmpty() || !package.Has(part)) return strings;
    const pugi::xml_document doc = package.Xml(part);
    EachChild(Child(doc, "sst"), "si", [&](const pugi::xml_node& si) { strings.push_back(ItemText(si)); });
    return strings;
}

// A number in the file's form; one beyond the range of numbers is taken as
// the largest (writers round the largest up when they shorten it).
double NumberOf(const QString& text, const QString& where)
{
    const QByteArray latin = text.trimmed().toLatin1();
    double n = 0;
    const auto [end, error] = std::from_chars(latin.constData(), latin.constData() + latin.size(), n);
    if (latin.isEmpty() || end != latin.constData() + latin.size() || latin.contains('n') || latin.contains('N') ||
        latin.contains('i') || latin.contains('I'))
        Malformed(QStringLiteral("%1 holds no number").arg(where));
    if (error == std::errc::result_out_of_range) {
        const bool negative = latin.startsWith('-');
        const qsizetype e = std::max(latin.indexOf('e'), latin.indexOf('E'));
        const bool tiny = e >= 0 && latin.mid(e + 1).startsWith('-');
        return tiny ? 0.0 : negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
    if (error != std::errc()) Malformed(QStringLiteral("%1 holds no number").arg(where));
    return n;
}

struct SheetContext {
    const std::vector<QString>& strings;
    const std::vector<bool>& dateStyles;
    qint64& cellCount;
};

Variant CellValue(const pugi::xml_node& c, const QString& where, const SheetContext& context)
{
    const QString type = Utf8(c.attribute("t").value());
    const QString v = Utf8(Child(c, "v").text().get());
    const pugi::xml_node f = Child(c, "f");
    if (type == u"s") {
        const qint64 index = qint64(NumberOf(v, where));
        if (index < 0 || index >= qint64(context.strings.size())) Malformed(QStringLiteral("%1 names no string").arg(where));
        return context.strings[size_t(index)];
    }
    if (type == u"inlineStr") return ItemText(Child(c, "is"));
    if (type == u"b") return NumberOf(v, where) != 0;
    if (type == u"e") return Variant::ErrorValue(ErrorCode(v).value_or(2042));
    if (type == u"str") {
        // A formula that is just an error name stands for that error.
        if (f && v == Utf8(f.text().get()).remove(u'=')) {
            if (const auto code = ErrorCode(v)) return Variant::ErrorValue(*code);
        }
        return v;
    }
    if (type == u"d") {
        const QDateTime date = QDateTime::fromString(v, Qt::ISODateWithMs);
        if (!date.isValid()) Malformed(QStringLiteral("%1 holds no date").arg(where));
        return date;
    }
    if (!type.isEmpty() && type != u"n") Malformed(QStringLiteral("%1 has the unknown type %2").arg(where, type));
    if (!Child(c, "v")) return {};
    const double number = NumberOf(v, where);
    const int style = c.attribute("s").as_int(0);
    if (style > 0 && size_t(style) < context.dateStyles.size() && context.dateStyles[size_t(style)]) {
        if (const auto date = DateFromNumber(number)) return *date;
    }
    return number;
}

void ReadSheet(const pugi::xml_document& doc, Sheet& sheet, const SheetContext& context)
{
    const pugi::xml_node data = Child(Child(doc, "worksheet"), "sheetData");
    int rowNumber = 0;
    EachChild(data, "row", [&](const pugi::xml_node& row) {
        const int r = row.attribute("r").as_int(rowNumber + 1);
        if (r <= rowNumber || r > MaxSheetRows) Malformed(QStringLiteral("row %1 of %2 is out of order").arg(r).arg(sheet.name));
        rowNumber = r;
        int column = 0;
        EachChild(row, "c", [&](const pugi::xml_node& c) {
            CellKey key{rowNumber, column + 1};
            if (pugi::xml_attribute ref = c.attribute("r")) {
                const auto parsed = ParseCellReference(Utf8(ref.value()));
                if (!parsed || parsed->row != rowNumber)
                    Malformed(QStringLiteral("the cell %1 of %2 is misplaced").arg(Utf8(ref.value()), sheet.name));
                key = *parsed;
            }
            if (key.column > MaxSheetColumns) Malformed(QStringLiteral("a row of %1 is too long").arg(sheet.name));
            column = key.column;
            if (++context.cellCount > MaxWorkbookCells) Malformed(QStringLiteral("too many cells"));
            const QString where = sheet.name + u'!' + ColumnLetters(key.column) + QString::number(key.row);
            sheet.Set(key, CellValue(c, where, context));
        });
    });
}

}  // namespace

Workbook ReadXlsx(const QByteArray& bytes)
{
    const Package package(bytes);

    const QString workbookPart =
        PartOfType(Relationships(package, QString()), QStringLiteral("/officeDocument"), QStringLiteral("xl/workbook.xml"));
    const pugi::xml_document doc = package.Xml(workbookPart);
    const pugi::xml_node root = Child(doc, "workbook");
    if (!root) Malformed(QStringLiteral("no workbook element"));
    const std::map<QString, Relationship> targets = Relationships(package, workbookPart);
    const QString stylesPart = PartOfType(targets, QStringLiteral("/styles"));
    const QString stringsPart = PartOfType(targets, QStringLiteral("/sharedStrings"));
    const std::vector<QString> strings = SharedStrings(package, stringsPart);
    const std::vector<bool> dateStyles = DateStyles(package, stylesPart);

    Workbook book;
    qint64 cellCount = 0;
    const SheetContext context{strings, dateStyles, cellCount};
    EachChild(Child(root, "sheets"), "sheet", [&](const pugi::xml_node& s) {
        auto sheet = std::make_shared<Sheet>();
        sheet->name = Utf8(s.attribute("name").value());
        if (sheet->name.isEmpty()) Malformed(QStringLiteral("a sheet has no name"));
        const auto target = targets.find(Utf8(Attribute(s, "id").value()));
        if (target == targets.end()) Malformed(QStringLiteral("the sheet %1 has no part").arg(sheet->name));
        ReadSheet(package.Xml(target->second.part), *sheet, context);
        book.sheets.push_back(sheet);
    });
    if (book.sheets.empty()) Malformed(QStringLiteral("no sheets"));
    const int active = Child(Child(root, "bookViews"), "workbookView").attribute("activeTab").as_int(0);
    book.activeSheet = active >= 0 && active < int(book.sheets.size()) ? active : 0;
    return book;
}

}  // namespace platform::office::spreadsheet
