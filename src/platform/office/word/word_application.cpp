#include "platform/office/word/word_application.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <QFileInfo>

#include "platform/office/member_call.h"
#include "platform/office/word/word_file.h"

namespace platform::office::word {

using automation::Arguments;
using automation::AutomationError;
using automation::AutomationObject;
using automation::InvokeKind;
using automation::ObjectRef;
using automation::Variant;

namespace {

constexpr int GotoBookmark = -1;
constexpr int GotoLine = 3;
constexpr int GotoFirst = 1;
constexpr int GotoLast = -1;

struct DocumentState {
    WordFile file;
    QString fullName;  // empty until saved or opened
    QString name;
    int selectionStart = 0;
    int selectionEnd = 0;
    bool showSpellingErrors = true;
    bool saved = true;
    bool closed = false;

    void check() const
    {
        if (closed) Fail(QStringLiteral("The document has been closed"));
    }
    DocumentBody& body()
    {
        check();
        return file.Body();
    }
    // Positions after `at` move by `count` (text or a table came in).
    void shift(int at, int count)
    {
        if (selectionStart > at) selectionStart += count;
        if (selectionEnd > at) selectionEnd += count;
        saved = false;
    }
};
using Document = std::shared_ptr<DocumentState>;

struct ApplicationState {
    std::vector<Document> documents;
    Document active;
    bool quit = false;
    int untitled = 0;

    Document activeDocument() const
    {
        if (quit) Fail(QStringLiteral("The word processor has been quit"));
        if (!active) Fail(QStringLiteral("No document is open"));
        return active;
    }
    void add(const Document& document)
    {
        documents.push_back(document);
        active = document;
    }
    void close(const Document& document)
    {
        document->closed = true;
        documents.erase(std::remove(documents.begin(), documents.end(), document), documents.end());
        if (active == document) active = documents.empty() ? nullptr : documents.back();
    }
};
using Application = std::shared_ptr<ApplicationState>;

int clampPosition(const Document& document, qint64 position)
{
    return static_cast<int>(std::clamp<qint64>(position, 0, document->body().Length()));
}

ObjectRef makeRange(Document document, int start, int end);

// A run of the document between two positions, or the content of one table
// cell (which stays the cell's as text comes in).
class RangeObject final : public AutomationObject {
public:
    RangeObject(Document document, int start, int end, pugi::xml_node cell = {})
        : document_(std::move(document)), start_(start), end_(end), cell_(cell)
    {
    }
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        MemberCall call(QStringLiteral("Range"), kind, member, arguments);
        DocumentBody& body = document_->body();
        // A cell's positions move as text comes in before it: asked for
        // only when read (finding them walks the document).
        if (cell_ && (call.reads("Start") || call.reads("End") || call.reads("Text")))
            std::tie(start_, end_) = body.CellRange(cell_);
        if (call.reads("Start")) return start_;
        if (call.reads("End")) return end_;
        if (call.reads("Text")) return body.Text(start_, end_);
        if (call.reads("InsertAfter")) {
            const QString text = call.required(0, "Text").toText();
            if (cell_) {
                body.AppendToCell(cell_, text);
                document_->saved = false;
            } else {
                const int count = body.InsertText(end_, text);
                document_->shift(end_, count);
                end_ += count;
            }
            return {};
        }
        if (call.reads("ParagraphFormat")) return ObjectRef(std::make_shared<Format>(document_, start_, end_, cell_));
        call.unknown();
    }
    const Document& document() const { return document_; }

private:
    class Format final : public AutomationObject {
    public:
        Format(Document document, int start, int end, pugi::xml_node cell)
            : document_(std::move(document)), start_(start), end_(end), cell_(cell)
        {
        }
        Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
        {
            MemberCall call(QStringLiteral("ParagraphFormat"), kind, member, arguments);
            DocumentBody& body = document_->body();
            if (call.reads("Alignment")) return cell_ ? body.CellAlignment(cell_) : body.RangeAlignment(start_, end_);
            if (call.writes("Alignment")) {
                const qint64 alignment = call.newValue().toInteger();
                if (alignment < 0 || alignment > 3) Fail(QStringLiteral("The alignment %1 is not known").arg(alignment));
                if (cell_)
                    body.SetCellAlignment(cell_, static_cast<int>(alignment));
                else
                    body.SetRangeAlignment(start_, end_, static_cast<int>(alignment));
                document_->saved = false;
                return {};
            }
            call.unknown();
        }

    private:
        Document document_;
        int start_;
        int end_;
        pugi::xml_node cell_;
    };

    Document document_;
    int start_;
    int end_;
    pugi::xml_node cell_;
};

ObjectRef makeRange(Document document, int start, int end)
{
    return std::make_shared<RangeObject>(std::move(document), start, end);
}

class CellObject final : public AutomationObject {
public:
    CellObject(Document document, pugi::xml_node cell) : document_(std::move(document)), cell_(cell) {}
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        MemberCall call(QStringLiteral("Cell"), kind, member, arguments);
        document_->check();
        if (call.reads("Range")) return ObjectRef(std::make_shared<RangeObject>(document_, 0, 0, cell_));
        call.unknown();
    }

private:
    Document document_;
    pugi::xml_node cell_;
};

class TableObject final : public AutomationObject {
public:
    TableObject(Document document, pugi::xml_node table) : document_(std::move(document)), table_(table) {}
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        MemberCall call(QStringLiteral("Table"), kind, member, arguments);
        DocumentBody& body = document_->body();
        if (call.reads("Cell")) {
            const qint64 row = call.required(0, "Row").toInteger();
            const qint64 column = call.required(1, "Column").toInteger();
            const pugi::xml_node cell = row > 0 && column > 0 && row <= 32767 && column <= 1000
                                            ? body.Cell(table_, static_cast<int>(row), static_cast<int>(column))
                                            : pugi::xml_node();
            if (!cell) Fail(QStringLiteral("The table has no cell (%1, %2)").arg(row).arg(column));
            return ObjectRef(std::make_shared<CellObject>(document_, cell));
        }
        call.unknown();
    }

private:
    Document document_;
    pugi::xml_node table_;
};

// Goto of a document or the selection: the range it comes to.
std::pair<int, int> gotoTarget(const Document& document, const MemberCall& call)
{
    const qint64 what = call.optional(0, "What", Variant(GotoLine)).toInteger();
    DocumentBody& body = document->body();
    if (what == GotoBookmark) {
        const QString name = call.required(3, "Name").toText();
        const auto range = body.Bookmark(name);
        if (!range) Fail(QStringLiteral("The bookmark \"%1\" does not exist").arg(name));
        return *range;
    }
    if (what == GotoLine) {
        const qint64 which = call.optional(1, "Which", Variant(GotoFirst)).toInteger();
        if (which == GotoLast) {
            const int start = body.LastParagraphStart();
            return {start, start};
        }
        if (which == GotoFirst) return {0, 0};
    }
    Fail(QStringLiteral("Goto: this destination is not supported"));
}

class SelectionObject final : public AutomationObject {
public:
    explicit SelectionObject(Document document) : document_(std::move(document)) {}
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        MemberCall call(QStringLiteral("Selection"), kind, member, arguments);
        DocumentState& d = *document_;
        DocumentBody& body = d.body();
        if (call.reads("Start")) return d.selectionStart;
        if (call.reads("End")) return d.selectionEnd;
        if (call.reads("Text")) return body.Text(d.selectionStart, d.selectionEnd);
        if (call.reads("TypeText") || call.reads("TypeParagraph")) {
            // Typing goes where the selection begins and leaves the cursor
            // after what was typed (a selected text stays: nothing is lost).
            const QString text = call.reads("TypeText") ? call.required(0, "Text").toText() : QStringLiteral("\r");
            const int at = d.selectionStart;
            const int count = body.InsertText(at, text);
            d.shift(at, count);
            d.selectionStart = d.selectionEnd = at + count;
            return {};
        }
        if (call.reads("Goto")) {
            const auto [start, end] = gotoTarget(document_, call);
            d.selectionStart = start;
            d.selectionEnd = start;
            (void)end;
            return makeRange(document_, start, start);
        }
        call.unknown();
    }

private:
    Document document_;
};

class DocumentObject final : public AutomationObject {
public:
    DocumentObject(Application application, Document document)
        : application_(std::move(application)), document_(std::move(document))
    {
    }
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        MemberCall call(QStringLiteral("Document"), kind, member, arguments);
        DocumentState& d = *document_;
        DocumentBody& body = d.body();
        if (call.reads("Name")) return d.name;
        if (call.reads("FullName")) return d.fullName.isEmpty() ? d.name : d.fullName;
        if (call.reads("Saved")) return d.saved;
        if (call.writes("Saved")) {
            d.saved = call.newValue().toBool();
            return {};
        }
        if (call.reads("ShowSpellingErrors")) return d.showSpellingErrors;
        if (call.writes("ShowSpellingErrors")) {
            d.showSpellingErrors = call.newValue().toBool();
            return {};
        }
        if (call.reads("Bookmarks")) return child([](const Document& doc, const MemberCall& c) -> Variant {
                if (c.reads("Exists")) return bool(doc->body().Bookmark(c.required(0, "Name").toText()));
                c.unknown();
            }, "Bookmarks");
        if (call.reads("Paragraphs")) return child([](const Document& doc, const MemberCall& c) -> Variant {
                if (c.reads("Add")) {
                    doc->body().AddParagraph();
                    doc->saved = false;
                    return {};
                }
                c.unknown();
            }, "Paragraphs");
        if (call.reads("Tables")) return child([](const Document& doc, const MemberCall& c) -> Variant {
                if (c.reads("Add")) return addTable(doc, c);
                c.unknown();
            }, "Tables");
        if (call.reads("Content")) return makeRange(document_, 0, body.Length());
        if (call.reads("Range")) {
            const int start = clampPosition(document_, call.optional(0, "Start", Variant(0)).toInteger());
            const int end = clampPosition(document_, call.optional(1, "End", Variant(body.Length())).toInteger());
            return makeRange(document_, start, std::max(start, end));
        }
        if (call.reads("Goto")) {
            const auto [start, end] = gotoTarget(document_, call);
            return makeRange(document_, start, end);
        }
        if (call.reads("SaveAs")) {
            const QString path = call.required(0, "FileName").toText();
            if (path.isEmpty()) Fail(QStringLiteral("SaveAs: no file name"));
            d.file.SaveAs(path);
            d.fullName = QFileInfo(path).absoluteFilePath();
            d.name = QFileInfo(path).fileName();
            d.saved = true;
            return {};
        }
        if (call.reads("Save")) {
            if (d.fullName.isEmpty()) Fail(QStringLiteral("Save: the document has no file yet; use SaveAs"));
            d.file.SaveAs(d.fullName);
            d.saved = true;
            return {};
        }
        if (call.reads("Close")) {
            application_->close(document_);
            return {};
        }
        call.unknown();
    }

private:
    using Members = Variant (*)(const Document&, const MemberCall&);
    // A collection of the document answering through `members`.
    class Collection final : public AutomationObject {
    public:
        Collection(Document document, Members members, const char* name)
            : document_(std::move(document)), members_(members), name_(QString::fromLatin1(name))
        {
        }
        Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
        {
            document_->check();
            return members_(document_, MemberCall(name_, kind, member, arguments));
        }

    private:
        Document document_;
        Members members_;
        QString name_;
    };
    Variant child(Members members, const char* name) const
    {
        return ObjectRef(std::make_shared<Collection>(document_, members, name));
    }

    static Variant addTable(const Document& document, const MemberCall& call)
    {
        const Variant& where = call.required(0, "Range");
        auto* range = where.isObject() ? dynamic_cast<RangeObject*>(where.object().get()) : nullptr;
        if (!range || range->document() != document)
            Fail(QStringLiteral("Tables.Add: the range is not a range of this document"));
        const int start = range->Get(QStringLiteral("Start")).toInteger();
        const qint64 rows = call.required(1, "NumRows").toInteger();
        const qint64 columns = call.required(2, "NumColumns").toInteger();
        if (rows < 1 || rows > 32767 || columns < 1 || columns > 1000)
            Fail(QStringLiteral("Tables.Add: %1 rows and %2 columns cannot be made").arg(rows).arg(columns));
        DocumentBody& body = document->body();
        const int before = body.Length();
        const pugi::xml_node table = body.AddTable(start, static_cast<int>(rows), static_cast<int>(columns));
        document->shift(start > 0 ? start - 1 : -1, body.Length() - before);
        return ObjectRef(std::make_shared<TableObject>(document, table));
    }

    Application application_;
    Document document_;
};

class DocumentsObject final : public AutomationObject {
public:
    explicit DocumentsObject(Application application) : application_(std::move(application)) {}
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        MemberCall call(QStringLiteral("Documents"), kind, member, arguments);
        ApplicationState& a = *application_;
        if (a.quit) Fail(QStringLiteral("The word processor has been quit"));
        if (call.reads("Count")) return static_cast<qint64>(a.documents.size());
        if (call.reads("Item")) {
            const qint64 index = call.required(0, "Index").toInteger();
            if (index < 1 || index > static_cast<qint64>(a.documents.size()))
                Fail(QStringLiteral("Documents: there is no document %1").arg(index));
            return wrap(a.documents[static_cast<size_t>(index - 1)]);
        }
        if (call.reads("Add")) {
            auto document = std::make_shared<DocumentState>();
            document->name = QStringLiteral("Document%1").arg(++a.untitled);
            a.add(document);
            return wrap(document);
        }
        if (call.reads("Open")) {
            const QString path = call.required(0, "FileName").toText();
            auto document = std::make_shared<DocumentState>();
            document->file = WordFile::Open(path);
            document->fullName = QFileInfo(path).absoluteFilePath();
            document->name = QFileInfo(path).fileName();
            a.add(document);
            return wrap(document);
        }
        call.unknown();
    }

private:
    Variant wrap(const Document& document) const
    {
        return ObjectRef(std::make_shared<DocumentObject>(application_, document));
    }
    Application application_;
};

class ApplicationObject final : public AutomationObject {
public:
    ApplicationObject() : state_(std::make_shared<ApplicationState>()) {}
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        MemberCall call(QString::fromLatin1(ProgramName), kind, member, arguments);
        if (call.reads("Quit")) {
            if (!state_->quit) {
                for (const Document& document : state_->documents) document->closed = true;
                state_->documents.clear();
                state_->active = nullptr;
                state_->quit = true;
                WordSession().Quit(this);
            }
            return {};
        }
        if (state_->quit) Fail(QStringLiteral("The word processor has been quit"));
        if (call.reads("Documents")) return ObjectRef(std::make_shared<DocumentsObject>(state_));
        if (call.reads("ActiveDocument"))
            return ObjectRef(std::make_shared<DocumentObject>(state_, state_->activeDocument()));
        if (call.reads("Selection")) return ObjectRef(std::make_shared<SelectionObject>(state_->activeDocument()));
        call.unknown();
    }

private:
    Application state_;
};

}  // namespace

ObjectRef NewWordApplication()
{
    auto application = std::make_shared<ApplicationObject>();
    WordSession().Started(application);
    return application;
}

RunningInstances& WordSession()
{
    static RunningInstances session;
    return session;
}

void AddWordServer(ServerRegistry& registry)
{
    registry.Add(QString::fromLatin1(ProgramName), {&NewWordApplication, [] { return WordSession().Active(); }});
}

}  // namespace platform::office::word
