#include "controls/grid/io/xml_format.h"

#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include <QRegularExpression>
#include <QStringEncoder>

#include <pugixml.hpp>

#include "controls/grid/grid_error.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/io/text_file_lines.h"
#include "platform/codepage.h"
#include "platform/xml_document.h"

namespace grid::io {

namespace {

bool IsNameStart(QChar c)
{
    return c.isLetter() || c == u'_' || c == u':';
}

// The bytes of the document text in the encoding its declaration names;
// characters the encoding cannot hold are written as character references.
bool IsUtf8(const QString& encoding)
{
    const QString name = encoding.trimmed().toLower();
    return name == u"utf-8" || name == u"utf8";
}

QByteArray EncodeXml(const QString& text, const QString& encoding)
{
    const QString name = encoding.trimmed().toLower();
    if (IsUtf8(encoding)) return text.toUtf8();
    if (name == u"utf-16" || name == u"utf-16le") {
        QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        return encoder.encode(text);
    }
    char16_t limit = 0;
    bool ansi = false;
    if (name == u"iso-8859-1" || name == u"latin1" || name == u"latin-1" || name == u"iso_8859-1")
        limit = 0xFF;
    else if (name == u"us-ascii" || name == u"ascii")
        limit = 0x7F;
    else if (name == u"windows-1252" || name == u"cp1252")
        ansi = true;
    else
        throw EExGridError(("Unsupported XML encoding " + encoding).toStdString());
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool fits = c.unicode() < 0x80 ||
                          (ansi ? platform::toAnsi(QString(c)) != "?" : c.unicode() <= limit);
        if (fits) {
            safe += c;
        } else {
            char32_t code = c.unicode();
            if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                code = QChar::surrogateToUcs4(c, text[++i]);
            safe += QStringLiteral("&#%1;").arg(uint(code));
        }
    }
    return ansi ? platform::toAnsi(safe) : safe.toLatin1();
}

// The encoding the declaration of a document without byte-order mark names.
QString DeclaredEncoding(const QByteArray& bytes)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']+)[\"']"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(bytes.left(256)));
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

QString Text(const pugi::char_t* s) { return QString::fromUtf8(s); }

// A node of the document as the walk sees it. The document is parsed with
// an element's leading character data kept in the element itself (half the
// nodes of a list of values); a TNode shows that text as the element's first
// child again, so the walk reads the document as if every text were a node
// of its own.
class TNode {
public:
    explicit TNode(const pugi::xml_node& node, bool embeddedText = false) : FNode(node), FText(embeddedText) {}

    bool IsElement() const { return !FText && FNode.type() == pugi::node_element; }
    bool IsText() const
    {
        return FText || FNode.type() == pugi::node_pcdata || FNode.type() == pugi::node_cdata;
    }
    // The element name ("" for a text).
    const pugi::char_t* Name() const { return FText ? PUGIXML_TEXT("") : FNode.name(); }
    // The text of a text node.
    const pugi::char_t* Value() const { return FNode.value(); }
    bool HasAttributes() const { return IsElement() && FNode.first_attribute(); }
    // The element itself, for its attributes.
    const pugi::xml_node& Node() const { return FNode; }

    int ChildCount() const
    {
        if (FText) return 0;
        int n = HasEmbeddedText() ? 1 : 0;
        for (auto it = FNode.begin(); it != FNode.end(); ++it) ++n;
        return n;
    }

    template <typename Visit> void ForEachChild(Visit&& visit) const
    {
        if (FText) return;
        if (HasEmbeddedText()) visit(TNode(FNode, true));
        for (const pugi::xml_node& child : FNode.children()) visit(TNode(child));
    }

private:
    // An element without text of its own gives the one empty value every
    // node without a value gives; text kept in it lies in the document.
    bool HasEmbeddedText() const
    {
        static const pugi::char_t* const noValue = pugi::xml_node().value();
        return FNode.type() == pugi::node_element && FNode.value() != noValue;
    }

    pugi::xml_node FNode;
    bool FText;
};

// The text of a node with all its descendants' text, as the DOM gives it.
QString NodeText(const TNode& node)
{
    if (node.IsText()) return Text(node.Value());
    QString text;
    node.ForEachChild([&text](const TNode& child) { text += NodeText(child); });
    return text;
}

// The column of a value element by its name: FIELD<n> is column n.
int FieldNumber(const QString& name)
{
    if (!name.startsWith(u"FIELD") || name.size() == 5) return -1;
    bool ok = false;
    const int n = QStringView(name).mid(5).toInt(&ok);
    return ok && n >= 0 && n < MaxFileColCount ? n : -1;
}

class TXmlWalk {
public:
    TXmlWalk(TExStringGrid& grid, bool levelToRow, bool loadFieldDescr)
        : G(grid), LevelToRow(levelToRow), LoadFieldDescr(loadFieldDescr)
    {
        NamesInRow0 = G.SaveFixedCells || G.SaveFixedRows;
        cs = G.SaveStartCol();
        rs = NamesInRow0 && !LoadFieldDescr ? 0 : G.FixedRows();
        maxcol = cs;
        maxrow = rs;
    }

    void Records(const TNode& root)
    {
        int i = 0;
        root.ForEachChild([&](const TNode& record) {
            col = 0;
            level = 1;
            if (LevelToRow && i == 0 && !record.HasAttributes()) row = -1;
            if (IsFlat(record))
                Flat(record);
            else
                Walk(record);
            if (!LevelToRow) ++row;
            ++i;
        });
        G.SetColCount(maxcol + 1);
        G.SetRowCount(maxrow + 1);
    }

private:
    // A record of value elements only (each at most one child), each name once.
    bool IsFlat(const TNode& record)
    {
        if (!record.IsElement() || record.ChildCount() < 2) return false;
        SeenNames.clear();
        bool flat = true;
        record.ForEachChild([&](const TNode& child) {
            if (!flat) return;
            if (!child.IsElement() || child.ChildCount() > 1 || child.HasAttributes() ||
                !SeenNames.insert(std::string_view(child.Name())).second)
                flat = false;
        });
        return flat;
    }

    void Grow(int c, int r)
    {
        if (c >= MaxFileColCount || r >= MaxFileRowCount || qint64(c + 1) * (r + 1) > MaxFileCellCount * 4)
            throw EExGridError("XML document too large for the grid");
        if (c >= G.ColCount()) G.SetColCount(c + 1);
        if (r >= G.RowCount()) G.SetRowCount(std::max(r + 1, std::min(G.RowCount() * 2, int(MaxFileRowCount))));
    }

    void Value(const QString& v)
    {
        const int c = col + cs, r = row + rs;
        if (c < 0 || r < 0) {
            ++col;
            return;
        }
        Grow(c, r);
        G.LoadCellText(G.RealColIndex(c), r, v);
        maxcol = std::max(maxcol, c);
        maxrow = std::max(maxrow, r);
        ++col;
    }

    void Name(const QString& name)
    {
        const int c = col + cs;
        if (c < 0) return;
        Grow(c, 0);
        if (G.GetGridCell(G.RealColIndex(c), 0).isEmpty()) G.LoadCellText(G.RealColIndex(c), 0, name);
        maxcol = std::max(maxcol, c);
    }

    QString LeafValue(const TNode& node) const
    {
        QString v = NodeText(node);
        if (v.contains(u'$')) v = UnescapeXmlCellText(v);
        return G.QuoteEmptyCells && v == u"\"\"" ? QString() : v;
    }

    bool Attributes(const pugi::xml_node& node)
    {
        bool any = false;
        for (const pugi::xml_attribute& a : node.attributes()) {
            if (NamesInRow0) Name(Text(a.name()));
            Value(UnescapeXmlCellText(Text(a.value())));
            any = true;
        }
        if (LevelToRow && any) {
            ++row;
            col = level;
        }
        return LevelToRow && any;
    }

    void Walk(const TNode& node)
    {
        const bool rowStarted = node.IsElement() && Attributes(node.Node());
        const int children = node.ChildCount();
        if (children > 1) {
            if (LevelToRow && !rowStarted) {
                ++row;
                col = 0;
            }
            ++level;
            node.ForEachChild([this](const TNode& child) { Walk(child); });
        } else if (children == 1) {
            if (NamesInRow0 && LoadFieldDescr) Name(Text(node.Name()));
            Value(LeafValue(node));
        } else {
            // No child: an empty value, where the grid already has the cell.
            const int c = col + cs, r = row + rs;
            if (c >= 0 && r >= 0 && c < G.ColCount() && r < G.RowCount()) G.LoadCellText(G.RealColIndex(c), r, QString());
            ++col;
        }
    }

    // A flat record: every value in the column of its element's name.
    void Flat(const TNode& record)
    {
        Attributes(record.Node());
        const int base = col;
        record.ForEachChild([&](const TNode& child) {
            const std::string_view name(child.Name());
            auto found = Columns.find(name);
            if (found == Columns.end()) {
                const int numbered = FieldNumber(Text(child.Name()));
                found = Columns.emplace(std::string(name), numbered >= 0 ? numbered : NextColumn).first;
                NextColumn = std::max(NextColumn, found->second + 1);
            }
            col = base + found->second;
            if (child.ChildCount() == 1) {
                if (NamesInRow0 && LoadFieldDescr) Name(Text(child.Name()));
                Value(LeafValue(child));
            } else {
                const int c = col + cs, r = row + rs;
                if (c < G.ColCount() && r < G.RowCount()) G.LoadCellText(G.RealColIndex(c), r, QString());
                ++col;
            }
        });
    }

    TExStringGrid& G;
    bool LevelToRow;
    bool LoadFieldDescr;
    bool NamesInRow0 = false;
    int cs = 0, rs = 0, maxcol = 0, maxrow = 0, row = 0, col = 0, level = 1;
    // The column of each value element name of the flat records, and the
    // names seen in the record IsFlat looks at.
    std::map<std::string, int, std::less<>> Columns;
    std::unordered_set<std::string_view> SeenNames;
    int NextColumn = 0;
};

}  // namespace

bool IsXmlElementName(const QString& name)
{
    if (name.isEmpty() || !IsNameStart(name.front())) return false;
    if (name.startsWith(u"xml", Qt::CaseInsensitive)) return false;
    for (QChar c : name)
        if (!IsNameStart(c) && !c.isDigit() && c != u'-' && c != u'.' && c.category() != QChar::Mark_NonSpacing)
            return false;
    return true;
}

QString EscapeXmlCellText(const QString& text)
{
    bool plain = true;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == u'&' || u == u'<' || u == u'>' || u == u'"' || u >= 0xD800) {
            plain = false;
            break;
        }
    }
    if (plain) return text;
    const QString t = platform::xmlCharacters(text);
    QString out;
    out.reserve(t.size() + 16);
    for (QChar c : t) {
        switch (c.unicode()) {
        case u'&': out += QLatin1String("$amp;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'"': out += QLatin1String("&quot;"); break;
        case u'\r': out += QLatin1String("&#13;"); break;  // a raw CR would read back as LF
        default: out += c;
        }
    }
    return out;
}

QString UnescapeXmlCellText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("$amp;"), QStringLiteral("&"));
    return t;
}

QByteArray TXmlWriter::Write(TExStringGrid& grid, const std::optional<QByteArray>&)
{
    const TSaveRange range = TSaveRange::Of(grid);
    auto fieldName = [&](int c) {
        const int i = c - range.StartCol;
        return FieldDescr != nullptr && i < FieldDescr->size() ? FieldDescr->at(i) : "FIELD" + QString::number(i);
    };
    for (const QString& name : {ListDescr, RecordDescr})
        if (!IsXmlElementName(name)) throw EExGridError(("Invalid XML element name " + name).toStdString());
    for (int c = range.StartCol; c <= range.EndCol; ++c)
        if (!IsXmlElementName(fieldName(c)))
            throw EExGridError(("Invalid XML element name " + fieldName(c)).toStdString());
    EncodeXml(QString(), grid.XMLEncoding);  // an encoding it cannot write fails first
    // Per column its storage column and its element's opening and closing tags.
    struct TColumn {
        int Storage;
        QString Open, Close;
    };
    std::vector<TColumn> columns;
    qsizetype tagsLength = 0;
    for (int c = range.StartCol; c <= range.EndCol; ++c) {
        const QString name = fieldName(c);
        columns.push_back({range.StorageCol(grid, c), u'<' + name + u'>', "</" + name + ">\r\n"});
        tagsLength += columns.back().Open.size() + columns.back().Close.size();
    }
    const QString openRecord = "<" + RecordDescr + ">\r\n";
    const QString closeRecord = "</" + RecordDescr + ">\r\n";

    // UTF-8 is built straight into the bytes; other encodings at the end.
    const bool utf8 = IsUtf8(grid.XMLEncoding);
    const qsizetype rowLength =
        tagsLength + qsizetype(8) * range.ColCount() + openRecord.size() + closeRecord.size();
    TTextBuilder text(utf8 ? std::optional(platform::TextEncoding::Utf8) : std::nullopt, false,
                      rowLength * std::max(1, range.RowCount()));
    text += "<?xml version=\"1.0\" encoding=\"" + grid.XMLEncoding + "\" ?>\r\n";
    text += "<" + ListDescr + ">\r\n";
    TExportRun run(grid, range.StartRow);
    for (int r = range.StartRow; r <= range.EndRow; ++r) {
        run.NextRow(r);
        text += openRecord;
        for (const TColumn& column : columns) {
            if (!grid.IsBaseCell(column.Storage, r)) continue;
            QString t = grid.SaveCellText(column.Storage, r);
            if (t.isEmpty()) {
                if (!ExportEmptyCells) continue;
                if (grid.QuoteEmptyCells) t = QStringLiteral("\"\"");
            }
            text += column.Open;
            text += EscapeXmlCellText(t);
            text += column.Close;
        }
        text += closeRecord;
        run.Progress().Report(r - range.StartRow, range.EndRow - range.StartRow);
    }
    text += "</" + ListDescr + ">\r\n";
    run.Finish();
    return utf8 ? text.TakeBytes() : EncodeXml(text.TakeText(), grid.XMLEncoding);
}

void TXmlReader::Read(TExStringGrid& grid, const QByteArray& bytes, const QString&)
{
    QByteArray buffer = bytes;
    pugi::xml_encoding encoding = pugi::encoding_auto;
    if (platform::detectTextEncoding(bytes).markSize == 0) {
        const QString declared = DeclaredEncoding(bytes);
        if (declared == u"windows-1252" || declared == u"cp1252") {
            buffer = platform::fromAnsi(bytes).toUtf8();
            encoding = pugi::encoding_utf8;
        }
    }
    pugi::xml_document document;
    const pugi::xml_parse_result result =
        document.load_buffer(buffer.constData(), size_t(buffer.size()),
                             SeparateTextNodes ? pugi::parse_default : pugi::parse_default | pugi::parse_embed_pcdata,
                             encoding);
    if (!result) {
        const qsizetype offset = std::clamp<qsizetype>(qsizetype(result.offset), 0, buffer.size());
        const qsizetype line = buffer.left(offset).count('\n') + 1;
        throw EExGridError(
            QString("XMLDOM Parsing error %1 on line %2").arg(int(result.status)).arg(line).toStdString());
    }
    TGridUpdateLock lock(grid);
    TXmlWalk walk(grid, LevelToRow, LoadFieldDescr);
    walk.Records(TNode(document.document_element()));
    grid.CellsLoaded();
}

}  // namespace grid::io
