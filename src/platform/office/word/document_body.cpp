#include "platform/office/word/document_body.h"

#include <cstring>
#include <sstream>

#include "platform/automation/automation.h"
#include "platform/office/member_call.h"

namespace platform::office::word {

using automation::AutomationError;

namespace {

constexpr const char* MainNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* StrictNamespace = "http://purl.oclc.org/ooxml/wordprocessingml/main";
// Deeper element nesting than any real document has: refused.
constexpr int MaxDepth = 256;
// A4 with 2 cm margins, in twentieths of a point.
constexpr int DefaultTextWidth = 9638;

constexpr const char* BlankDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:body><w:p/><w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
    "<w:pgMar w:top=\"1134\" w:right=\"1134\" w:bottom=\"1134\" w:left=\"1134\" w:header=\"709\" w:footer=\"709\" "
    "w:gutter=\"0\"/></w:sectPr></w:body></w:document>";

// The element's name without its namespace prefix.
const char* local(pugi::xml_node node)
{
    const char* name = node.name();
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

bool is(pugi::xml_node node, const char* name)
{
    return node.type() == pugi::node_element && std::strcmp(local(node), name) == 0;
}

bool isAnyOf(pugi::xml_node node, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (is(node, name)) return true;
    return false;
}

QString textOf(pugi::xml_node t) { return QString::fromUtf8(t.text().get()); }

// How many positions an element inside a paragraph counts: -1 for the
// elements whose content counts (runs, links, inserted text, content
// controls), 0 for those that count nothing (properties, marks, deleted text).
int atomLength(pugi::xml_node node)
{
    if (node.type() != pugi::node_element) return 0;
    if (is(node, "t")) return static_cast<int>(textOf(node).size());
    if (isAnyOf(node, {"tab", "br", "cr", "noBreakHyphen", "softHyphen", "sym", "drawing", "pict", "object",
                       "AlternateContent", "oMath", "oMathPara"}))
        return 1;
    if (isAnyOf(node, {"r", "hyperlink", "ins", "smartTag", "fldSimple", "sdt", "sdtContent", "customXml", "dir",
                       "bdo", "moveTo"}))
        return -1;
    return 0;
}

// Visits the elements of a paragraph in document order with the number of
// positions before each; `visit` returns false to stop. Returns false when
// stopped.
template <class Visit>
bool walkText(pugi::xml_node container, int& count, Visit&& visit)
{
    for (pugi::xml_node child : container.children()) {
        if (child.type() != pugi::node_element) continue;
        if (!visit(child, count)) return false;
        const int length = atomLength(child);
        if (length < 0) {
            if (!walkText(child, count, visit)) return false;
        } else {
            count += length;
        }
    }
    return true;
}

int textLength(pugi::xml_node paragraph)
{
    int count = 0;
    walkText(paragraph, count, [](pugi::xml_node, int) { return true; });
    return count;
}

// Visits the block elements below `container` in document order with the
// position each begins at; `visit` returns false to stop. Paragraphs count
// their text and mark, table rows their end-of-row mark.
template <class Visit>
bool walkBlocks(pugi::xml_node container, int& position, Visit&& visit)
{
    for (pugi::xml_node child : container.children()) {
        if (child.type() != pugi::node_element) continue;
        if (!visit(child, position)) return false;
        if (is(child, "p")) {
            position += textLength(child) + 1;
        } else if (isAnyOf(child, {"tbl", "tc", "sdt", "sdtContent", "customXml"})) {
            if (!walkBlocks(child, position, visit)) return false;
        } else if (is(child, "tr")) {
            if (!walkBlocks(child, position, visit)) return false;
            position += 1;
        }
    }
    return true;
}

// The next or previous sibling that is a block (paragraph, table, content
// control) or the section properties; marks between blocks are passed over.
pugi::xml_node blockSibling(pugi::xml_node node, bool next)
{
    for (pugi::xml_node s = next ? node.next_sibling() : node.previous_sibling(); s;
         s = next ? s.next_sibling() : s.previous_sibling())
        if (isAnyOf(s, {"p", "tbl", "sdt", "customXml", "sectPr"})) return s;
    return {};
}

int depthOf(const pugi::xml_document& document)
{
    struct Depth : pugi::xml_tree_walker {
        int deepest = 0;
        bool for_each(pugi::xml_node&) override
        {
            deepest = std::max(deepest, depth());
            return deepest <= MaxDepth;
        }
    } walker;
    const_cast<pugi::xml_document&>(document).traverse(walker);
    return walker.deepest;
}

const char* alignmentName(int alignment)
{
    switch (alignment) {
    case 1: return "center";
    case 2: return "right";
    case 3: return "both";
    default: return "left";
    }
}

}  // namespace

struct DocumentBody::Point {
    pugi::xml_node container;
    pugi::xml_node before;  // empty: at the container's end
};

DocumentBody::DocumentBody() : xml_(std::make_unique<pugi::xml_document>()), prefix_("w:")
{
    xml_->load_string(BlankDocument, pugi::parse_default | pugi::parse_declaration);
}

DocumentBody DocumentBody::Parse(const QByteArray& xml)
{
    DocumentBody result;
    result.xml_->reset();
    const pugi::xml_parse_result parsed = result.xml_->load_buffer(
        xml.constData(), static_cast<size_t>(xml.size()),
        pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata, pugi::encoding_auto);
    if (!parsed) Fail(QStringLiteral("The document text is not well-formed: %1").arg(QString::fromUtf8(parsed.description())));
    if (depthOf(*result.xml_) > MaxDepth) Fail(QStringLiteral("The document text is nested too deeply"));
    const pugi::xml_node root = result.xml_->document_element();
    if (!is(root, "document")) Fail(QStringLiteral("The document text has no document element"));
    const std::string name = root.name();
    const size_t colon = name.find(':');
    result.prefix_ = colon == std::string::npos ? std::string() : name.substr(0, colon + 1);
    const std::string declaration = colon == std::string::npos ? "xmlns" : "xmlns:" + name.substr(0, colon);
    const char* space = root.attribute(declaration.c_str()).value();
    if (std::strcmp(space, MainNamespace) != 0 && std::strcmp(space, StrictNamespace) != 0)
        Fail(QStringLiteral("The document text is not of a word-processor document"));
    pugi::xml_node body = root.child(result.n("body").c_str());
    if (!body) Fail(QStringLiteral("The document text has no body"));
    // The object model always has a paragraph to put the cursor in.
    bool hasParagraph = false;
    for (pugi::xml_node child : body.children())
        if (is(child, "p")) hasParagraph = true;
    if (!hasParagraph) {
        pugi::xml_node section = body.child(result.n("sectPr").c_str());
        if (section)
            body.insert_child_before(result.n("p").c_str(), section);
        else
            body.append_child(result.n("p").c_str());
    }
    return result;
}

QByteArray DocumentBody::Save() const
{
    std::ostringstream out;
    xml_->save(out, "", pugi::format_raw, pugi::encoding_utf8);
    const std::string text = out.str();
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

pugi::xml_node DocumentBody::body() const { return xml_->document_element().child(n("body").c_str()); }

int DocumentBody::Length() const
{
    int position = 0;
    walkBlocks(body(), position, [](pugi::xml_node, int) { return true; });
    return position;
}

int DocumentBody::LastParagraphStart() const
{
    int last = 0;
    int position = 0;
    const pugi::xml_node top = body();
    walkBlocks(top, position, [&](pugi::xml_node node, int at) {
        if (is(node, "p") && node.parent() == top) last = at;
        return true;
    });
    return last;
}

std::pair<pugi::xml_node, int> DocumentBody::locate(int position) const
{
    pugi::xml_node found;
    int offset = 0;
    pugi::xml_node lastParagraph;
    int at = 0;
    walkBlocks(body(), at, [&](pugi::xml_node node, int start) {
        if (!is(node, "p")) return true;
        lastParagraph = node;
        const int length = textLength(node);
        if (position <= start + length) {
            found = node;
            offset = std::max(0, position - start);
            return false;
        }
        return true;
    });
    if (found) return {found, offset};
    return {lastParagraph, textLength(lastParagraph)};
}

int DocumentBody::positionOf(pugi::xml_node node) const
{
    pugi::xml_node paragraph;
    for (pugi::xml_node up = node; up && up != body(); up = up.parent())
        if (is(up, "p")) paragraph = up;
    int result = Length();
    int at = 0;
    walkBlocks(body(), at, [&](pugi::xml_node block, int start) {
        if (paragraph && block == paragraph) {
            int within = 0;
            int before = textLength(paragraph);
            walkText(paragraph, within, [&](pugi::xml_node element, int count) {
                if (element != node) return true;
                before = count;
                return false;
            });
            result = start + before;
            return false;
        }
        if (!paragraph && block == node) {
            result = start;
            return false;
        }
        return true;
    });
    return result;
}

std::optional<std::pair<int, int>> DocumentBody::Bookmark(const QString& name) const
{
    const pugi::xml_node start = xml_->find_node([&](pugi::xml_node node) {
        return is(node, "bookmarkStart") &&
               QString::fromUtf8(node.attribute(n("name").c_str()).value()).compare(name, Qt::CaseInsensitive) == 0;
    });
    if (!start || name.isEmpty()) return std::nullopt;
    const std::string id = start.attribute(n("id").c_str()).value();
    const pugi::xml_node end = xml_->find_node([&](pugi::xml_node node) {
        return is(node, "bookmarkEnd") && id == node.attribute(n("id").c_str()).value();
    });
    const int from = positionOf(start);
    const int to = end ? positionOf(end) : from;
    return std::make_pair(from, std::max(from, to));
}

QString DocumentBody::Text(int start, int end) const
{
    QString text;
    int at = 0;
    walkBlocks(body(), at, [&](pugi::xml_node node, int blockStart) {
        if (!is(node, "p")) return true;
        QString paragraph;
        int count = 0;
        walkText(node, count, [&](pugi::xml_node element, int) {
            if (is(element, "t"))
                paragraph += textOf(element);
            else if (is(element, "tab"))
                paragraph += u'\t';
            else if (isAnyOf(element, {"br", "cr"}))
                paragraph += u'\v';
            else if (atomLength(element) == 1)
                paragraph += QChar(0xFFFC);
            return true;
        });
        paragraph += u'\r';
        for (int i = 0; i < paragraph.size(); ++i)
            if (blockStart + i >= start && blockStart + i < end) text += paragraph[i];
        return true;
    });
    return text;
}

DocumentBody::Point DocumentBody::pointBefore(pugi::xml_node atom)
{
    pugi::xml_node run = atom.parent();
    if (!is(run, "r")) return {atom.parent(), atom};
    bool first = true;
    for (pugi::xml_node s = atom.previous_sibling(); s; s = s.previous_sibling())
        if (s.type() == pugi::node_element && !is(s, "rPr")) first = false;
    if (first) return {run.parent(), run};
    pugi::xml_node second = run.parent().insert_child_after(run.name(), run);
    if (pugi::xml_node properties = run.child(n("rPr").c_str())) second.append_copy(properties);
    for (pugi::xml_node moving = atom; moving;) {
        pugi::xml_node next = moving.next_sibling();
        second.append_move(moving);
        moving = next;
    }
    return {run.parent(), second};
}

DocumentBody::Point DocumentBody::pointIn(pugi::xml_node paragraph, int offset)
{
    pugi::xml_node atom;
    int split = 0;
    int count = 0;
    walkText(paragraph, count, [&](pugi::xml_node element, int before) {
        const int length = atomLength(element);
        if (length <= 0) return true;
        if (before == offset) {
            atom = element;
            return false;
        }
        if (before < offset && offset < before + length) {
            atom = element;
            split = offset - before;
            return false;
        }
        return true;
    });
    if (!atom) return {paragraph, {}};
    if (split > 0) {
        const QString text = textOf(atom);
        pugi::xml_node rest = atom.parent().insert_child_after(atom.name(), atom);
        rest.append_attribute("xml:space") = "preserve";
        rest.text().set(text.mid(split).toUtf8().constData());
        if (!atom.attribute("xml:space")) atom.append_attribute("xml:space") = "preserve";
        atom.text().set(text.left(split).toUtf8().constData());
        atom = rest;
    }
    return pointBefore(atom);
}

pugi::xml_node DocumentBody::splitParagraph(pugi::xml_node paragraph, const Point& point)
{
    pugi::xml_node second = paragraph.parent().insert_child_after(paragraph.name(), paragraph);
    if (pugi::xml_node properties = paragraph.child(n("pPr").c_str())) {
        second.append_copy(properties);
        // A section break belongs to the paragraph mark, which is now the
        // second paragraph's.
        properties.remove_child(n("sectPr").c_str());
    }
    // The containers between the point and the paragraph, outermost first,
    // each get a twin in the new paragraph that takes what follows the point.
    std::vector<pugi::xml_node> chain;
    for (pugi::xml_node up = point.container; up && up != paragraph; up = up.parent()) chain.insert(chain.begin(), up);
    std::vector<pugi::xml_node> twins;
    pugi::xml_node target = second;
    for (pugi::xml_node container : chain) {
        pugi::xml_node twin = target.append_child(container.name());
        for (pugi::xml_attribute attribute : container.attributes()) twin.append_copy(attribute);
        for (pugi::xml_node child : container.children()) {
            const char* name = local(child);
            const size_t length = std::strlen(name);
            if (child.type() == pugi::node_element && length > 2 && std::strcmp(name + length - 2, "Pr") == 0) {
                twin.append_copy(child);
                break;
            }
        }
        twins.push_back(twin);
        target = twin;
    }
    for (pugi::xml_node moving = point.before; moving;) {
        pugi::xml_node next = moving.next_sibling();
        target.append_move(moving);
        moving = next;
    }
    for (size_t level = chain.size(); level-- > 0;) {
        pugi::xml_node outer = level == 0 ? second : twins[level - 1];
        for (pugi::xml_node moving = chain[level].next_sibling(); moving;) {
            pugi::xml_node next = moving.next_sibling();
            outer.append_move(moving);
            moving = next;
        }
    }
    return second;
}

pugi::xml_node DocumentBody::newRun(Point point, const QString& text)
{
    pugi::xml_node run = point.before ? point.container.insert_child_before(n("r").c_str(), point.before)
                                      : point.container.append_child(n("r").c_str());
    pugi::xml_node previous = run.previous_sibling();
    while (previous && previous.type() != pugi::node_element) previous = previous.previous_sibling();
    if (is(previous, "r"))
        if (pugi::xml_node properties = previous.child(n("rPr").c_str())) run.append_copy(properties);
    QString piece;
    auto flush = [&] {
        if (piece.isEmpty()) return;
        pugi::xml_node t = run.append_child(n("t").c_str());
        t.append_attribute("xml:space") = "preserve";
        t.text().set(piece.toUtf8().constData());
        piece.clear();
    };
    for (QChar c : text) {
        if (c == u'\t') {
            flush();
            run.append_child(n("tab").c_str());
        } else if (c == u'\v') {
            flush();
            run.append_child(n("br").c_str());
        } else if (c.unicode() >= 0x20 && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF) {
            piece += c;
        }
    }
    flush();
    return run;
}

int DocumentBody::insertInParagraph(pugi::xml_node paragraph, int offset, const QString& text)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\r")).replace(u'\n', u'\r');
    const QStringList pieces = normalized.split(u'\r');
    pugi::xml_node current = paragraph;
    int at = offset;
    int inserted = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            current = splitParagraph(current, pointIn(current, at));
            at = 0;
            inserted += 1;
        }
        if (pieces[i].isEmpty()) continue;
        const int before = textLength(current);
        newRun(pointIn(current, at), pieces[i]);
        const int added = textLength(current) - before;
        at += added;
        inserted += added;
    }
    return inserted;
}

int DocumentBody::InsertText(int position, const QString& text)
{
    const auto [paragraph, offset] = locate(position);
    return insertInParagraph(paragraph, offset, text);
}

void DocumentBody::AddParagraph()
{
    pugi::xml_node top = body();
    pugi::xml_node section;
    for (pugi::xml_node child : top.children())
        if (is(child, "sectPr")) section = child;
    if (section)
        top.insert_child_before(n("p").c_str(), section);
    else
        top.append_child(n("p").c_str());
}

int DocumentBody::textWidth() const
{
    const pugi::xml_node section = body().child(n("sectPr").c_str());
    const pugi::xml_node size = section.child(n("pgSz").c_str());
    const pugi::xml_node margins = section.child(n("pgMar").c_str());
    const long long width = size.attribute(n("w").c_str()).as_llong(0) - margins.attribute(n("left").c_str()).as_llong(0) -
                            margins.attribute(n("right").c_str()).as_llong(0);
    return width >= 144 && width <= 31680 ? static_cast<int>(width) : DefaultTextWidth;
}

pugi::xml_node DocumentBody::AddTable(int position, int rows, int columns)
{
    if (rows < 1 || rows > 32767) Fail(QStringLiteral("The number of rows must be between 1 and 32767"));
    if (columns < 1 || columns > 1000) Fail(QStringLiteral("The number of columns must be between 1 and 1000"));
    const auto [paragraph, offset] = locate(position);
    const int length = textLength(paragraph);
    pugi::xml_node parent = paragraph.parent();
    pugi::xml_node table;
    if (offset <= 0) {
        table = parent.insert_child_before(n("tbl").c_str(), paragraph);
    } else if (offset >= length) {
        table = parent.insert_child_after(n("tbl").c_str(), paragraph);
    } else {
        splitParagraph(paragraph, pointIn(paragraph, offset));
        table = parent.insert_child_after(n("tbl").c_str(), paragraph);
    }
    // Two tables side by side would run into one: a paragraph keeps them
    // apart, and one always follows a table.
    if (is(blockSibling(table, false), "tbl")) parent.insert_child_before(n("p").c_str(), table);
    if (!is(blockSibling(table, true), "p")) parent.insert_child_after(n("p").c_str(), table);

    const std::string width = std::to_string(std::max(1, textWidth() / columns));
    pugi::xml_node properties = table.append_child(n("tblPr").c_str());
    pugi::xml_node tableWidth = properties.append_child(n("tblW").c_str());
    tableWidth.append_attribute(n("w").c_str()) = "0";
    tableWidth.append_attribute(n("type").c_str()) = "auto";
    pugi::xml_node borders = properties.append_child(n("tblBorders").c_str());
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        pugi::xml_node border = borders.append_child(n(side).c_str());
        border.append_attribute(n("val").c_str()) = "single";
        border.append_attribute(n("sz").c_str()) = "4";
        border.append_attribute(n("space").c_str()) = "0";
        border.append_attribute(n("color").c_str()) = "auto";
    }
    pugi::xml_node grid = table.append_child(n("tblGrid").c_str());
    for (int c = 0; c < columns; ++c) grid.append_child(n("gridCol").c_str()).append_attribute(n("w").c_str()) = width.c_str();
    for (int r = 0; r < rows; ++r) {
        pugi::xml_node row = table.append_child(n("tr").c_str());
        for (int c = 0; c < columns; ++c) {
            pugi::xml_node cell = row.append_child(n("tc").c_str());
            pugi::xml_node cellWidth = cell.append_child(n("tcPr").c_str()).append_child(n("tcW").c_str());
            cellWidth.append_attribute(n("w").c_str()) = width.c_str();
            cellWidth.append_attribute(n("type").c_str()) = "dxa";
            cell.append_child(n("p").c_str());
        }
    }
    return table;
}

pugi::xml_node DocumentBody::Cell(pugi::xml_node table, int row, int column) const
{
    int r = 0;
    for (pugi::xml_node tr : table.children()) {
        if (!is(tr, "tr") || ++r != row) continue;
        int c = 0;
        for (pugi::xml_node tc : tr.children())
            if (is(tc, "tc") && ++c == column) return tc;
        return {};
    }
    return {};
}

void DocumentBody::AppendToCell(pugi::xml_node cell, const QString& text)
{
    pugi::xml_node last;
    for (pugi::xml_node child : cell.children())
        if (is(child, "p")) last = child;
    if (!last) last = cell.append_child(n("p").c_str());
    insertInParagraph(last, textLength(last), text);
}

std::pair<int, int> DocumentBody::CellRange(pugi::xml_node cell) const
{
    int from = -1;
    int to = 0;
    int at = 0;
    walkBlocks(body(), at, [&](pugi::xml_node node, int start) {
        if (!is(node, "p")) return true;
        bool inside = false;
        for (pugi::xml_node up = node.parent(); up; up = up.parent())
            if (up == cell) inside = true;
        if (inside) {
            if (from < 0) from = start;
            to = start + textLength(node);
        }
        return true;
    });
    return {std::max(0, from), std::max(from, to)};
}

void DocumentBody::setAlignment(pugi::xml_node paragraph, int alignment) const
{
    pugi::xml_node properties = paragraph.child(n("pPr").c_str());
    if (!properties) properties = paragraph.prepend_child(n("pPr").c_str());
    pugi::xml_node jc = properties.child(n("jc").c_str());
    if (!jc) {
        // Paragraph properties keep the schema's order: jc comes before these.
        pugi::xml_node later;
        for (pugi::xml_node child : properties.children()) {
            if (isAnyOf(child, {"textDirection", "textAlignment", "textboxTightWrap", "outlineLvl", "divId", "cnfStyle",
                                "rPr", "sectPr", "pPrChange"})) {
                later = child;
                break;
            }
        }
        jc = later ? properties.insert_child_before(n("jc").c_str(), later) : properties.append_child(n("jc").c_str());
    }
    pugi::xml_attribute value = jc.attribute(n("val").c_str());
    if (!value) value = jc.append_attribute(n("val").c_str());
    value = alignmentName(alignment);
}

int DocumentBody::alignmentOf(pugi::xml_node paragraph) const
{
    const std::string value =
        paragraph.child(n("pPr").c_str()).child(n("jc").c_str()).attribute(n("val").c_str()).value();
    if (value == "center") return 1;
    if (value == "right" || value == "end") return 2;
    if (value == "both" || value == "distribute") return 3;
    return 0;
}

void DocumentBody::SetCellAlignment(pugi::xml_node cell, int alignment)
{
    for (pugi::xml_node child : cell.children())
        if (is(child, "p")) setAlignment(child, alignment);
}

int DocumentBody::CellAlignment(pugi::xml_node cell) const
{
    for (pugi::xml_node child : cell.children())
        if (is(child, "p")) return alignmentOf(child);
    return 0;
}

void DocumentBody::SetRangeAlignment(int start, int end, int alignment)
{
    std::vector<pugi::xml_node> touched;
    int at = 0;
    walkBlocks(body(), at, [&](pugi::xml_node node, int from) {
        if (is(node, "p") && from <= end && from + textLength(node) >= start) touched.push_back(node);
        return true;
    });
    for (pugi::xml_node paragraph : touched) setAlignment(paragraph, alignment);
}

int DocumentBody::RangeAlignment(int start, int end) const
{
    int result = 0;
    int at = 0;
    walkBlocks(body(), at, [&](pugi::xml_node node, int from) {
        if (is(node, "p") && from <= end && from + textLength(node) >= start) {
            result = alignmentOf(node);
            return false;
        }
        return true;
    });
    return result;
}

}  // namespace platform::office::word
