#include "platform/rtf.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include <QMap>

#include "platform/codepage.h"

namespace platform {

namespace rtf_detail {

// Groups nested deeper than this are skipped whole.
constexpr int MaxDepth = 256;
constexpr int MaxHalfPoints = 3276;

enum class TDestination : uint8_t { Text, Skip, FontTable, ColorTable };

struct TGroupState {
    TRtfCharFormat Format;
    TRtfAlignment Alignment = TRtfAlignment::Left;
    TDestination Destination = TDestination::Text;
    int UnicodeSkip = 1;  // \ucN: fallback characters after each \uN
};

// Destinations whose content is never text of the document.
bool IsSkippedDestination(std::string_view word)
{
    static constexpr std::array<std::string_view, 38> skipped = {
        "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf",
        "footer", "footerl", "footerr", "footerf", "footnote", "annotation", "fldinst", "listtable",
        "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "themedata", "colorschememapping",
        "latentstyles", "datastore", "pntext", "pntxta", "pntxtb", "listtext", "bkmkstart", "bkmkend",
        "revtbl", "filetbl", "nonshppict", "objdata", "result", "atnid", "atnauthor", "template"};
    return std::find(skipped.begin(), skipped.end(), word) != skipped.end();
}

class TReader {
public:
    explicit TReader(const QByteArray& source) : S(source) {}

    TRtfDocument Read()
    {
        Stack.push_back(TGroupState{});
        while (Pos < S.size() && !Finished) {
            const char c = S[Pos++];
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                CloseGroup();
            } else if (c == '\\') {
                ControlSequence();
            } else if (c == '\r' || c == '\n') {
                // Line ends of the source are not text.
            } else {
                TextByte(static_cast<unsigned char>(c));
            }
        }
        EndDocument();
        return std::move(Doc);
    }

private:
    TGroupState& State() { return Stack.back(); }
    bool Skipping() const { return Overflow > 0 || Stack.back().Destination == TDestination::Skip; }

    void OpenGroup()
    {
        PendingSkip = 0;
        if (Overflow > 0 || int(Stack.size()) >= MaxDepth) {
            ++Overflow;
            return;
        }
        Stack.push_back(Stack.back());
    }

    void CloseGroup()
    {
        PendingSkip = 0;
        if (Overflow > 0) {
            --Overflow;
            return;
        }
        if (Stack.size() <= 1) return;  // unbalanced: the outer state stays
        const TDestination closing = Stack.back().Destination;
        Stack.pop_back();
        if (closing == TDestination::FontTable) CommitFontName();
        // The document's outer group is closed: what follows is no RTF.
        if (Stack.size() == 1) Finished = true;
    }

    // A control word: letters, an optional signed number, one blank eaten.
    void ControlSequence()
    {
        if (Pos >= S.size()) return;
        const char c = S[Pos];
        if (!IsLetter(c)) {
            ++Pos;
            ControlSymbol(c);
            return;
        }
        const qsizetype start = Pos;
        while (Pos < S.size() && IsLetter(S[Pos]) && Pos - start < 32) ++Pos;
        const std::string_view word(S.constData() + start, size_t(Pos - start));
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (Pos < S.size() && S[Pos] == '-' && Pos + 1 < S.size() && IsDigit(S[Pos + 1])) {
            negative = true;
            ++Pos;
        }
        int digits = 0;
        while (Pos < S.size() && IsDigit(S[Pos])) {
            if (digits < 10) param = param * 10 + (S[Pos] - '0');
            ++digits;
            ++Pos;
            hasParam = true;
        }
        if (negative) param = -param;
        if (Pos < S.size() && S[Pos] == ' ') ++Pos;
        ControlWord(word, hasParam, int(std::clamp<long long>(param, -2147483647LL, 2147483647LL)));
    }

    void ControlSymbol(char c)
    {
        switch (c) {
        case '\\': case '{': case '}': Char(QChar(char16_t(c))); return;
        case '~': Char(QChar(u'\u00A0')); return;
        case '_': Char(QChar(u'\u2011')); return;
        case '\'': {
            int value = 0;
            int taken = 0;
            while (taken < 2 && Pos < S.size() && HexValue(S[Pos]) >= 0) {
                value = value * 16 + HexValue(S[Pos]);
                ++Pos;
                ++taken;
            }
            if (taken == 0) return;
            if (ConsumeSkip()) return;
            AnsiByte(static_cast<unsigned char>(value));
            return;
        }
        case '*':
            if (Overflow == 0) State().Destination = TDestination::Skip;
            return;
        case '\r': case '\n': NamedWord("par"); return;
        default: ConsumeSkip(); return;
        }
    }

    void NamedWord(std::string_view w) { ControlWord(w, false, 0); }

    void ControlWord(std::string_view w, bool hasParam, int param)
    {
        if (Overflow > 0) return;
        TGroupState& st = State();
        // Destinations.
        if (w == "fonttbl") {
            st.Destination = TDestination::FontTable;
            return;
        }
        if (w == "colortbl") {
            st.Destination = TDestination::ColorTable;
            ColorParts = {-1, -1, -1};
            return;
        }
        if (IsSkippedDestination(w)) {
            st.Destination = TDestination::Skip;
            return;
        }
        if (st.Destination == TDestination::Skip) return;
        if (w == "u") {
            // A Unicode character, then its fallback characters are dropped.
            // Out of the 16-bit range there is no character to show.
            if (!ConsumeSkip() && param >= -32768 && param <= 65535)
                Char(QChar(char16_t(param < 0 ? param + 65536 : param)));
            PendingSkip = st.UnicodeSkip;
            return;
        }
        if (st.Destination == TDestination::FontTable) {
            if (w == "f") {
                CommitFontName();
                FontNumber = param;
                FontName.clear();
            }
            return;
        }
        if (st.Destination == TDestination::ColorTable) {
            const int v = std::clamp(param, 0, 255);
            if (w == "red") ColorParts[0] = v;
            if (w == "green") ColorParts[1] = v;
            if (w == "blue") ColorParts[2] = v;
            return;
        }
        const bool on = !hasParam || param != 0;
        TRtfCharFormat& f = st.Format;
        if (ConsumeSkip()) return;
        if (w == "uc") st.UnicodeSkip = std::clamp(param, 0, 16);
        else if (w == "par") EndParagraph();
        else if (w == "pard") st.Alignment = Current.Alignment = TRtfAlignment::Left;
        else if (w == "ql") st.Alignment = Current.Alignment = TRtfAlignment::Left;
        else if (w == "qc") st.Alignment = Current.Alignment = TRtfAlignment::Center;
        else if (w == "qr") st.Alignment = Current.Alignment = TRtfAlignment::Right;
        else if (w == "qj") st.Alignment = Current.Alignment = TRtfAlignment::Justify;
        else if (w == "line") Char(QChar(RtfLineBreak));
        else if (w == "tab") Char(QChar(u'\t'));
        else if (w == "emdash") Char(QChar(u'\u2014'));
        else if (w == "endash") Char(QChar(u'\u2013'));
        else if (w == "bullet") Char(QChar(u'\u2022'));
        else if (w == "lquote") Char(QChar(u'\u2018'));
        else if (w == "rquote") Char(QChar(u'\u2019'));
        else if (w == "ldblquote") Char(QChar(u'\u201C'));
        else if (w == "rdblquote") Char(QChar(u'\u201D'));
        else if (w == "plain") f = TRtfCharFormat{};
        else if (w == "b") f.Bold = on;
        else if (w == "i") f.Italic = on;
        else if (w == "strike") f.StrikeOut = on;
        else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth") f.Underline = on;
        else if (w == "ulnone") f.Underline = false;
        else if (w == "f") f.FontName = Fonts.value(param);
        else if (w == "fs") f.HalfPoints = hasParam && param > 0 ? std::min(param, MaxHalfPoints) : 0;
        else if (w == "cf") f.Color = param >= 0 && param < Colors.size() ? Colors[param] : std::nullopt;
        else if (w == "super") f.Script = TRtfScript::Superscript;
        else if (w == "sub") f.Script = TRtfScript::Subscript;
        else if (w == "nosupersub") f.Script = TRtfScript::Normal;
        else if (w == "up") f.Script = hasParam && param == 0 ? TRtfScript::Normal : TRtfScript::Superscript;
        else if (w == "dn") f.Script = hasParam && param == 0 ? TRtfScript::Normal : TRtfScript::Subscript;
        // Every other control word is skipped.
    }

    // The fallback characters after \uN are dropped; true when this one is.
    bool ConsumeSkip()
    {
        if (PendingSkip <= 0) return false;
        --PendingSkip;
        return true;
    }

    void TextByte(unsigned char b)
    {
        if (Skipping()) return;
        const TDestination d = State().Destination;
        if (d == TDestination::ColorTable) {
            if (b == ';') {
                if (ColorParts[0] < 0 && ColorParts[1] < 0 && ColorParts[2] < 0)
                    Colors.push_back(std::nullopt);
                else
                    Colors.push_back(qRgb(std::max(0, ColorParts[0]), std::max(0, ColorParts[1]),
                                          std::max(0, ColorParts[2])));
                ColorParts = {-1, -1, -1};
            }
            return;
        }
        if (ConsumeSkip()) return;
        AnsiByte(b);
    }

    void AnsiByte(unsigned char b)
    {
        const QString text = fromAnsi(QByteArray(1, char(b)));
        if (!text.isEmpty()) Char(text.at(0));
    }

    void Char(QChar ch)
    {
        if (Skipping()) return;
        TGroupState& st = State();
        if (st.Destination == TDestination::FontTable) {
            if (ch == u';')
                CommitFontName();
            else if (FontName.size() < 128 && ch.unicode() >= 0x20 && ch != QChar(RtfLineBreak))
                FontName += ch;
            return;
        }
        if (st.Destination != TDestination::Text) return;
        if (ch.unicode() < 0x20 && ch != u'\t') return;
        if (Current.Runs.isEmpty() || !(Current.Runs.back().Format == st.Format))
            Current.Runs.push_back(TRtfRun{QString(), st.Format});
        Current.Runs.back().Text += ch;
    }

    void CommitFontName()
    {
        if (FontNumber >= 0) {
            const QString name = FontName.trimmed();
            if (!name.isEmpty() && !Fonts.contains(FontNumber)) Fonts.insert(FontNumber, name);
        }
        FontNumber = -1;
        FontName.clear();
    }

    void EndParagraph()
    {
        Doc.Paragraphs.push_back(Current);
        Current = TRtfParagraph{};
        Current.Alignment = State().Alignment;
    }

    void EndDocument()
    {
        // A last paragraph without \par counts when it holds text.
        if (!Current.Runs.isEmpty()) Doc.Paragraphs.push_back(Current);
        Doc.Normalize();
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexValue(char c)
    {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    const QByteArray& S;
    qsizetype Pos = 0;
    std::vector<TGroupState> Stack;
    int Overflow = 0;
    int PendingSkip = 0;
    QMap<int, QString> Fonts;
    int FontNumber = -1;
    QString FontName;
    QList<std::optional<QRgb>> Colors;
    std::array<int, 3> ColorParts{-1, -1, -1};
    TRtfParagraph Current;
    bool Finished = false;
    TRtfDocument Doc;
};

// ----------------------------------------------------------------- writing

void AppendNumber(QByteArray& out, const char* word, int value)
{
    out += word;
    out += QByteArray::number(value);
}

void AppendText(QByteArray& out, const QString& text)
{
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u == RtfLineBreak) {
            out += "\\line ";
        } else if (u < 0x20) {
            // Control characters have no place in the text.
        } else if (u < 0x80) {
            out += char(u);
        } else {
            AppendNumber(out, "\\u", int(int16_t(u)));
            out += '?';
        }
    }
}

const char* AlignmentWord(TRtfAlignment a)
{
    switch (a) {
    case TRtfAlignment::Center: return "\\qc";
    case TRtfAlignment::Right: return "\\qr";
    case TRtfAlignment::Justify: return "\\qj";
    case TRtfAlignment::Left: break;
    }
    return "";
}

}  // namespace rtf_detail

QString TRtfParagraph::PlainText() const
{
    QString text;
    for (const TRtfRun& run : Runs) text += run.Text;
    return text;
}

QString TRtfDocument::PlainText() const
{
    QStringList lines;
    for (const TRtfParagraph& p : Paragraphs) lines << p.PlainText();
    return lines.join(u'\n');
}

void TRtfDocument::Normalize()
{
    for (TRtfParagraph& p : Paragraphs) {
        QList<TRtfRun> runs;
        for (const TRtfRun& run : std::as_const(p.Runs)) {
            if (run.Text.isEmpty()) continue;
            if (!runs.isEmpty() && runs.back().Format == run.Format)
                runs.back().Text += run.Text;
            else
                runs.push_back(run);
        }
        p.Runs = runs;
    }
}

bool IsRtfSource(const QByteArray& source)
{
    qsizetype i = 0;
    while (i < source.size() && (source[i] == ' ' || source[i] == '\t' || source[i] == '\r' || source[i] == '\n')) ++i;
    return source.mid(i, 5) == "{\\rtf";
}

TRtfDocument ReadRtf(const QByteArray& source)
{
    if (!IsRtfSource(source)) {
        TRtfDocument doc;
        if (source.isEmpty()) return doc;
        QString text = QString::fromLatin1(source);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        for (const QString& line : text.split(u'\n')) {
            TRtfParagraph p;
            QString clean;
            for (const QChar ch : line)
                if (ch.unicode() >= 0x20 || ch == u'\t') clean += ch;
            if (!clean.isEmpty()) p.Runs.push_back(TRtfRun{clean, {}});
            doc.Paragraphs.push_back(p);
        }
        return doc;
    }
    return rtf_detail::TReader(source).Read();
}

QByteArray WriteRtf(const TRtfDocument& document)
{
    using namespace rtf_detail;
    TRtfDocument doc = document;
    doc.Normalize();
    // The font and colour tables list what the runs use, in order of use.
    QStringList fonts;
    QList<QRgb> colors;
    for (const TRtfParagraph& p : doc.Paragraphs)
        for (const TRtfRun& run : p.Runs) {
            if (!run.Format.FontName.isEmpty() && !fonts.contains(run.Format.FontName)) fonts << run.Format.FontName;
            if (run.Format.Color && !colors.contains(*run.Format.Color)) colors << *run.Format.Color;
        }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\uc1";
    if (!fonts.isEmpty()) {
        out += "{\\fonttbl";
        for (int i = 0; i < fonts.size(); ++i) {
            AppendNumber(out, "{\\f", i + 1);
            out += "\\fnil ";
            AppendText(out, QString(fonts[i]).remove(u';'));
            out += ";}";
        }
        out += '}';
    }
    if (!colors.isEmpty()) {
        out += "{\\colortbl ;";
        for (const QRgb c : colors) {
            AppendNumber(out, "\\red", qRed(c));
            AppendNumber(out, "\\green", qGreen(c));
            AppendNumber(out, "\\blue", qBlue(c));
            out += ';';
        }
        out += '}';
    }
    out += "\r\n";
    for (const TRtfParagraph& p : doc.Paragraphs) {
        out += "\\pard";
        out += AlignmentWord(p.Alignment);
        for (const TRtfRun& run : p.Runs) {
            const TRtfCharFormat& f = run.Format;
            QByteArray words;
            if (f.Bold) words += "\\b";
            if (f.Italic) words += "\\i";
            if (f.Underline) words += "\\ul";
            if (f.StrikeOut) words += "\\strike";
            if (!f.FontName.isEmpty()) AppendNumber(words, "\\f", int(fonts.indexOf(f.FontName)) + 1);
            if (f.HalfPoints > 0) AppendNumber(words, "\\fs", f.HalfPoints);
            if (f.Color) AppendNumber(words, "\\cf", int(colors.indexOf(*f.Color)) + 1);
            if (f.Script == TRtfScript::Superscript) words += "\\up4";
            if (f.Script == TRtfScript::Subscript) words += "\\dn4";
            out += '{';
            if (!words.isEmpty()) {
                out += words;
                out += ' ';
            }
            AppendText(out, run.Text);
            out += '}';
        }
        out += "\\par\r\n";
    }
    out += '}';
    return out;
}

}  // namespace platform
