// What every grid file format shares: the one-line encoding of multi-line
// cell texts, the exported cell text, the export notifications and progress,
// and the file path (atomic writes, appends that never lose a file).

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFile>

#include "controls/grid/grid_error.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/io/grid_file_format.h"
#include "controls/grid/io/record_text.h"
#include "controls/grid/io/text_file_lines.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "support/temp_folder.h"

using namespace grid;

namespace grid_io_plumbing_test {

TEST(RecordText, MultiLineTextsRoundTripOnOneLine)
{
    struct Case {
        QString text;
        QString encoded;
        QString decoded;  // with multi-line on
    };
    const QChar tab(9), bs(8), soh(1), stx(2);
    const Case cases[] = {
        {"plain", "plain", "plain"},
        {"a\tb", "a\tb", "a\tb"},                                // a tab alone needs nothing
        {"a\r\nb", QString("a") + tab + bs + "b", "a\r\nb"},     // the classic encoding
        {"a\nb", QString("a") + tab + bs + "b", "a\r\nb"},       // lone LF: CR LF first
        {"a\rb", QString("a") + tab + bs + "b", "a\r\nb"},       // lone CR: CR LF first
        {"x\ty\r\nz", QString("x") + stx + tab + "y" + tab + bs + "z", "x\ty\r\nz"},
        {QString("a") + bs + "b", QString("a") + stx + bs + "b", QString("a") + bs + "b"},
        {QString("1") + soh + stx + "\r\n", QString("1") + stx + soh + stx + stx + tab + bs,
         QString("1") + soh + stx + "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(io::EncodeRecordText(c.text), c.encoded);
        EXPECT_FALSE(io::EncodeRecordText(c.text).contains(u'\r'));
        EXPECT_FALSE(io::EncodeRecordText(c.text).contains(u'\n'));
        EXPECT_EQ(io::DecodeRecordText(c.encoded, true), c.decoded);
    }
}

TEST(RecordText, OlderFilesAndSingleLineReading)
{
    const QChar tab(9), bs(8), soh(1);
    // Written by the older rule: decoded by character 8 only.
    EXPECT_EQ(io::DecodeRecordText(QString("a") + tab + bs + "b" + soh, true), QString("a\r\nb") + QChar(0));
    // A CR without LF was written as a lone 9: without 8 it reads back as written.
    EXPECT_EQ(io::DecodeRecordText(QString("a") + tab + "b", true), QString("a") + tab + "b");
    // Without multi-line cells only the first line stays.
    EXPECT_EQ(io::DecodeRecordText(QString("a") + tab + bs + "b", false), "a");
}

// Readers decode a field in place inside its line: the same texts as a
// field on its own, with the line around it left out.
TEST(RecordText, FieldInsideALineDecodesLikeTheFieldAlone)
{
    const QChar tab(9), bs(8), soh(1), stx(2);
    const QString fields[] = {
        "",
        "plain",
        QString("a") + tab + bs + "b",
        QString("x") + stx + tab + "y" + tab + bs + "z",
        QString("1") + stx + soh + stx + stx + tab + bs,
        QString("a") + tab + bs + "b" + soh,  // older rule
        QString("a") + tab + "b",             // no 8: as written
        QString("ends with a mark ") + stx,   // a lone 2 at the end
        QString("first\rsecond"),            // a raw CR (not from a file line)
        QString(bs),
    };
    for (const QString& field : fields) {
        const QString line = "12,34," + field + "\r\n5,6,x" + tab + bs + "y";
        const QStringView view = QStringView(line).sliced(6, field.size());
        for (bool multi : {true, false}) {
            SCOPED_TRACE(field.toStdString() + (multi ? " multi" : " single"));
            EXPECT_EQ(io::DecodeRecordText(view, multi), io::DecodeRecordText(field, multi));
        }
    }
}

// Texts built piece by piece give the bytes of the whole text encoded at
// once, in every encoding, with and without the byte-order mark.
TEST(TextBuilder, PiecesGiveTheBytesOfTheWholeText)
{
    const QString pieces[] = {"plain ascii", QString::fromUtf8("caf\xC3\xA9 ends"), "", QString::fromUtf8("\xF0\x9F\x98\x80 pair"),
                              QString::fromUtf8("mid \xE2\x82\xAC euro"), QString("nul") + QChar(0) + "\r\n"};
    const QLatin1StringView latin[] = {QLatin1StringView("\r\n"), QLatin1StringView("\xE9\xFF latin")};
    using platform::TextEncoding;
    for (TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Utf16Le, TextEncoding::Utf16Be, TextEncoding::Ansi}) {
        for (bool mark : {true, false}) {
            SCOPED_TRACE(int(encoding) * 2 + int(mark));
            io::TTextBuilder builder(encoding, mark, 4);
            QString whole;
            for (const QString& piece : pieces) {
                builder += piece;
                builder += latin[whole.size() % 2];
                builder += QChar(u';');
                whole += piece + latin[whole.size() % 2] + u';';
            }
            const QByteArray expected = mark ? io::EncodeText(whole, encoding) : platform::encodeText(whole, encoding);
            EXPECT_EQ(builder.TakeBytes(), expected);
        }
    }
    io::TTextBuilder collect(std::nullopt, false, 0);
    collect += pieces[1];
    collect += latin[1];
    EXPECT_EQ(collect.TakeText(), pieces[1] + latin[1]);
}

// A file's text seen in place gives what decoding the file gives: UTF-16 LE
// with a second mark, a swapped mark, an odd last byte, an unpaired
// surrogate, and the other encodings.
TEST(TextFileLines, TextViewOfTheBytesEqualsTheDecodedText)
{
    const QByteArray le("\xFF\xFE", 2);
    const QByteArray files[] = {
        le + QByteArray("a\0,\0\r\0\n\0", 8),
        le,
        le + QByteArray("\xFF\xFE" "b\0", 4),
        le + QByteArray("\xFE\xFF" "b\0", 4),
        le + QByteArray("c\0d", 3),
        le + QByteArray("\x00\xD8" "e\0\x00\xDC", 6),
        QByteArray("\xEF\xBB\xBF" "caf\xC3\xA9"),
        QByteArray("\xFE\xFF\0f", 4),
        QByteArray("ansi \xE9"),
        QByteArray(),
    };
    for (const QByteArray& file : files) {
        SCOPED_TRACE(file.toHex().toStdString());
        QString decoded;
        EXPECT_EQ(io::DecodedTextView(file, decoded).toString(), platform::decodeTextFile(file));
        // Misaligned bytes take the decoder's way too.
        const QByteArray shifted = QByteArray("x") + file;
        QString decodedShifted;
        const QByteArray misaligned = QByteArray::fromRawData(shifted.constData() + 1, file.size());
        EXPECT_EQ(io::DecodedTextView(misaligned, decodedShifted).toString(),
                  platform::decodeTextFile(file));
    }
}

struct Recorder : TExStringGrid {
    QStringList heard;
    void ExportNotification(TGridExportState s, int row) override
    {
        heard << QString("e%1:%2").arg(int(s)).arg(row);
    }
    void ImportNotification(TGridImportState s, int row) override
    {
        heard << QString("i%1:%2").arg(int(s)).arg(row);
    }
};

TEST(ExportRun, NotifiesStartRowsDoneAndFailure)
{
    Recorder g;
    QList<int> progress;
    g.OnFileProgress = [&](QObject*, int p) { progress << p; };
    {
        io::TExportRun run(g, 1);
        for (int r = 1; r <= 3; ++r) {
            run.NextRow(r);
            run.Progress().Report(r / 2, 1);  // 0, 100, 100: the repeat is not fired
        }
        run.Finish();
    }
    EXPECT_EQ(g.heard, QStringList({"e0:1", "e5:1", "e5:2", "e5:3", "e2:-1"}));
    EXPECT_EQ(progress, QList<int>({0, 100}));

    g.heard.clear();
    try {
        io::TExportRun run(g, 0);
        throw EExGridError("disk full");
    } catch (const EExGridError&) {
    }
    EXPECT_EQ(g.heard, QStringList({"e0:0", "e4:-1"}));  // start, then fail

    g.heard.clear();
    {
        io::TImportRun run(g, 2);
        run.NewRow(2);
    }
    EXPECT_EQ(g.heard, QStringList({"i0:2", "i1:2", "i2:-1"}));
}

TEST(SaveCellText, CheckBoxesMarkUpRichTextAndTheEvent)
{
    TExStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(2);
    g.AddCheckBox(0, 1, true, false);
    g.AddCheckBox(1, 1, false, false);
    EXPECT_EQ(g.SaveCellText(0, 1), "Y");
    EXPECT_EQ(g.SaveCellText(1, 1), "N");

    g.SetCellEx(2, 0, "<B>bold</B> text");
    EXPECT_EQ(g.SaveCellText(2, 0), "<B>bold</B> text");
    g.SaveWithHTML = false;
    EXPECT_EQ(g.SaveCellText(2, 0), "bold text");

    g.SetCellEx(2, 1, "{\\rtf1\\ansi plain\r\n words}");
    g.SaveWithRTF = true;
    EXPECT_EQ(g.SaveCellText(2, 1), "{\\rtf1\\ansi plain words}");
    g.SaveWithRTF = false;
    EXPECT_EQ(g.SaveCellText(2, 1), "plain words");

    g.OnSaveCell = [](QObject*, int c, int r, QString& v) { v = QString("%1,%2:%3").arg(c).arg(r).arg(v); };
    EXPECT_EQ(g.SaveCellText(0, 1), "0,1:Y");
}

TEST(LoadCellText, WritesTheStoredTextThroughTheEvent)
{
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(2);
    g.MergeCells(0, 0, 2, 1);
    g.LoadCellText(1, 0, "covered");  // no merge resolution: the covered cell itself
    EXPECT_EQ(g.GetGridCell(1, 0), "covered");
    EXPECT_EQ(g.GetGridCell(0, 0), "");
    g.OnLoadCell = [](QObject*, int, int, QString& v) { v = v.toUpper(); };
    g.LoadCellText(0, 1, "abc");
    EXPECT_EQ(g.GetGridCell(0, 1), "ABC");
}

struct FixedBytes : io::TGridFormatWriter {
    std::optional<QByteArray> seen;
    QByteArray Write(TExStringGrid&, const std::optional<QByteArray>& existing) override
    {
        seen = existing;
        return existing.value_or(QByteArray()) + "new";
    }
};

TEST(SaveFormatToFile, AppendsAndNeverLosesAFileItCannotRead)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    FixedBytes writer;
    const QString path = folder.write("a.txt", "old ");
    io::SaveFormatToFile(writer, g, path, true);
    EXPECT_EQ(folder.read("a.txt"), "old new");
    io::SaveFormatToFile(writer, g, path, false);
    EXPECT_FALSE(writer.seen.has_value());
    EXPECT_EQ(folder.read("a.txt"), "new");

    const QString missing = folder.file("b.txt");
    io::SaveFormatToFile(writer, g, missing, true);  // appending to nothing writes a new file
    EXPECT_EQ(folder.read("b.txt"), "new");

    if (geteuid() != 0) {
        ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0), 0);
        try {
            io::SaveFormatToFile(writer, g, path, true);
            ADD_FAILURE() << "append to an unreadable file succeeded";
        } catch (const EExGridError& e) {
            EXPECT_EQ(QString(e.what()), "Cannot read file " + path);
        }
        chmod(QFile::encodeName(path).constData(), 0644);
        EXPECT_EQ(folder.read("a.txt"), "new");
    }

    try {
        io::SaveFormatToFile(writer, g, folder.file("no/such/folder/c.txt"));
        ADD_FAILURE() << "writing into a missing folder succeeded";
    } catch (const EExGridError& e) {
        EXPECT_TRUE(QString(e.what()).startsWith("Cannot Create file "));
    }
}

}  // namespace grid_io_plumbing_test
