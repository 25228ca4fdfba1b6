// The IEC 61850 server variable editor: IEC61850_Variables.xml read and
// written (the layout, the defaults of a row lacking attributes), the
// checks without a window (Position, Length, Start Bit, Conversion, the
// factor with either decimal separator, disabled rows), and the form: the
// file through the table and back, a check failing on OK, and its texts.

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/iec61850/iec61850_shared.h"
#include "editors/ethernet/iec61850/server_variables_file.h"
#include "editors/ethernet/iec61850/server_variables_form.h"
#include "editors/ethernet/iec61850/server_variables_rules.h"
#include "iec61850_fixture.h"
#include "platform/format_settings.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace server_variables_tests {

using namespace iec61850;
using iec61850_testing::fixture;
using testing_support::TempFolder;

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(IEC61850VariablesFile, ReadsEveryVariableAndWritesItBackUnchanged)
{
    platform::XmlDocument doc;
    std::vector<IEC61850VariableRow> rows;
    const auto read = readIEC61850VariablesFile(fixture(QStringLiteral("IEC61850_Variables.xml")), doc, rows);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].MultiplicationFactor, QStringLiteral("0.1"));
    EXPECT_EQ(rows[0].SwapWord, QStringLiteral("Y"));
    EXPECT_EQ(rows[1].Enable, QStringLiteral("N"));
    EXPECT_EQ(rows[1].ReadOnly, QString()) << "a present empty attribute stays empty";
    EXPECT_EQ(rows[2].Type, QStringLiteral("Digital (Bit)"));
    EXPECT_EQ(rows[2].Mnemonic, QStringLiteral("Q1 & Q2 <closed>"));

    TempFolder dir;
    ASSERT_TRUE(writeIEC61850VariablesFile(dir.file(QStringLiteral("out.xml")), doc, rows));
    EXPECT_EQ(dir.read(QStringLiteral("out.xml")), readBytes(fixture(QStringLiteral("IEC61850_Variables.xml"))));
    ASSERT_TRUE(writeIEC61850VariablesFile(dir.file(QStringLiteral("empty.xml")), doc, {}));
    EXPECT_EQ(dir.read(QStringLiteral("empty.xml")), "<IEC61850_Variables />\n<!--SW_VERSION = 1.000-->\n");
}

TEST(IEC61850VariablesFile, MissingAttributesReadAsTheirDefaults)
{
    TempFolder dir;
    const QString path = dir.write(QStringLiteral("v.xml"), "<IEC61850_Variables><row Name=\"a\" /></IEC61850_Variables>");
    platform::XmlDocument doc;
    std::vector<IEC61850VariableRow> rows;
    ASSERT_TRUE(readIEC61850VariablesFile(path, doc, rows).ok());
    ASSERT_EQ(rows.size(), 1u);
    const IEC61850VariableRow& r = rows[0];
    EXPECT_EQ((QStringList{r.Enable, r.ReadOnly, r.Swap, r.SwapWord}), (QStringList{"Y", "N", "N", "N"}));
    EXPECT_EQ((QStringList{r.Type, r.Length, r.Position, r.StartBit, r.Conversion, r.MultiplicationFactor,
                           r.Mnemonic}),
              QStringList(7, QString()));
}

// The process's number format with another decimal separator while a test
// runs.
class DecimalSeparator {
public:
    explicit DecimalSeparator(QChar separator) : saved_(platform::formatSettings())
    {
        platform::formatSettings().DecimalSeparator = separator;
    }
    ~DecimalSeparator() { platform::formatSettings() = saved_; }

private:
    platform::FormatSettings saved_;
};

IEC61850VariableRow validVariable()
{
    IEC61850VariableRow row;
    row.Name = QStringLiteral("P");
    row.Type = QStringLiteral("Int");
    row.Length = QStringLiteral("4");
    row.Position = QStringLiteral("0");
    row.Conversion = QStringLiteral("None");
    row.MultiplicationFactor = QStringLiteral("None");
    return row;
}

TEST(IEC61850VariableChecks, RulesInTheirOrder)
{
    using V = IEC61850VariableRow;
    struct Case {
        const char* name;
        QString V::*member;
        const char* value;
        int text;  // 0: passes
        const char* tail;
    };
    const Case cases[] = {
        {"length 1", &V::Length, "1", 0, ""},
        {"length 4", &V::Length, "4", 0, ""},
        {"length 0", &V::Length, "0", server_texts::Length, ""},
        {"length 5", &V::Length, "5", server_texts::Length, ""},
        {"length empty", &V::Length, "", server_texts::Length, ""},
        {"length hexadecimal", &V::Length, "0x2", 0, ""},
        {"last position", &V::Position, "1437", 0, ""},
        {"position past the array", &V::Position, "1438", server_texts::Position, "1437"},
        {"position negative", &V::Position, "-1", server_texts::Position, "1437"},
        {"position with a blank after it", &V::Position, "5 ", server_texts::Position, "1437"},
        {"no conversion", &V::Conversion, " ", server_texts::Conversion, ""},
        {"factor none in any case", &V::MultiplicationFactor, "  nOnE ", 0, ""},
        {"factor with a point", &V::MultiplicationFactor, "0.25", 0, ""},
        {"factor with a comma", &V::MultiplicationFactor, "0,25", 0, ""},
        {"factor negative", &V::MultiplicationFactor, "-12", 0, ""},
        {"factor empty", &V::MultiplicationFactor, "", server_texts::Factor, ""},
        {"factor text", &V::MultiplicationFactor, "ten", server_texts::Factor, ""},
        {"an integer without a start bit", &V::StartBit, "", 0, ""},
    };
    for (const QChar separator : {u'.', u','}) {
        const DecimalSeparator system(separator);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " with the separator " + QString(separator).toStdString());
            IEC61850VariableRow row = validVariable();
            row.*c.member = QString::fromUtf8(c.value);
            const auto failure = checkIEC61850Variables({validVariable(), row}, kServerDataBytes, separator);
            if (c.text == 0) {
                EXPECT_FALSE(failure.has_value()) << failure->textId;
            } else {
                ASSERT_TRUE(failure.has_value());
                EXPECT_EQ(*failure, (rule_editor::RuleFailure{0, 2, c.text, QString::fromUtf8(c.tail)}));
            }
        }
    }
}

TEST(IEC61850VariableChecks, AStartBitOnlyForBitsAndDisabledRowsNotAtAll)
{
    IEC61850VariableRow bit = validVariable();
    bit.Type = QStringLiteral("Digital (Bit)");
    EXPECT_EQ(checkIEC61850Variables({bit}, kServerDataBytes, u'.'),
              (rule_editor::RuleFailure{0, 1, server_texts::StartBit}));
    bit.StartBit = QStringLiteral("3");
    EXPECT_FALSE(checkIEC61850Variables({bit}, kServerDataBytes, u'.'));
    bit.Type = QStringLiteral("digital (bit)");
    bit.StartBit.clear();
    EXPECT_FALSE(checkIEC61850Variables({bit}, kServerDataBytes, u'.')) << "the type is compared exactly";

    // A freshly inserted row with only a name fails at Length, then at
    // Conversion, then at the factor.
    IEC61850VariableRow fresh;
    fresh.Name = QStringLiteral("new");
    EXPECT_EQ(checkIEC61850Variables({fresh}, kServerDataBytes, u'.')->textId, server_texts::Length);
    fresh.Length = QStringLiteral("2");
    fresh.Position = QStringLiteral("10");
    EXPECT_EQ(checkIEC61850Variables({fresh}, kServerDataBytes, u'.')->textId, server_texts::Conversion);
    fresh.Conversion = QStringLiteral("Int to Float");
    EXPECT_EQ(checkIEC61850Variables({fresh}, kServerDataBytes, u'.')->textId, server_texts::Factor);

    // Disabled rows, whatever they hold, are not checked.
    IEC61850VariableRow off;
    off.Enable = QStringLiteral("N");
    off.Name = QStringLiteral("off");
    IEC61850VariableRow lowercase = off;
    lowercase.Enable = QStringLiteral("y");
    EXPECT_FALSE(checkIEC61850Variables({off, lowercase, validVariable()}, kServerDataBytes, u'.'));
}

class ServerEditorTest : public ::testing::Test {
protected:
    ServerEditorTest()
    {
        app::Load_Default_Texts(app::textTable());
        saved_ = app::appState();
        app::appState().SW_Code = app::kSoftwareCode;
        app::appState().Project_Path = folder.path();
        app::appState().IEC61850_Variables_Path = path();
    }
    ~ServerEditorTest() override { app::appState() = saved_; }

    QString path() const { return folder.file(QStringLiteral("IEC61850_Variables.xml")); }
    void show()
    {
        form.setModal(true);
        form.show();
        QApplication::processEvents();
        QApplication::processEvents();
    }

    TempFolder folder;
    testing_support::ScriptedDialogs dialogs;
    TFIEC61850_Variables form;

private:
    app::AppState saved_;
};

TEST_F(ServerEditorTest, TheFileThroughTheTableAndBack)
{
    const QByteArray original = readBytes(fixture(QStringLiteral("IEC61850_Variables.xml")));
    folder.write(QStringLiteral("IEC61850_Variables.xml"), original);
    show();
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.table(0).rowTexts(3), (QStringList{"Y", "Breaker_Closed", "Digital (Bit)", "1", "N", "1437", "7",
                                                      "None", "None", "N", "N", "Q1 & Q2 <closed>"}));
    // A reset row: Enable checked, its other boxes empty.
    EXPECT_EQ(form.table(0).rowTexts(4), (QStringList{"Y", "", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(form.NByte_IN, 1438);
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readBytes(path()), original);
}

TEST_F(ServerEditorTest, MissingBoxesShowNAndAFreshRowIsWrittenWithEmptyOnes)
{
    folder.write(QStringLiteral("IEC61850_Variables.xml"),
                 "<IEC61850_Variables><row Name=\"a\" Length=\"2\" Position=\"5\" Conversion=\"None\" "
                 "MultiplicationFactor=\"none\" /></IEC61850_Variables>");
    show();
    EXPECT_EQ(form.table(0).rowTexts(1),
              (QStringList{"Y", "a", "", "2", "N", "5", "", "None", "none", "N", "N", ""}));
    form.table(0).setCellText(TFIEC61850_Variables::ColName, 2, QStringLiteral("b"));
    form.table(0).setCellText(TFIEC61850_Variables::ColEnable, 2, QStringLiteral("N"));
    form.Btn_OKClick();
    EXPECT_EQ(readBytes(path()),
              "<IEC61850_Variables>\n"
              "\t<row Enable=\"Y\" Name=\"a\" Type=\"\" Length=\"2\" ReadOnly=\"N\" Position=\"5\" StartBit=\"\" "
              "Conversion=\"None\" MultiplicationFactor=\"none\" Swap=\"N\" SwapWord=\"N\" Mnemonic=\"\" />\n"
              "\t<row Enable=\"N\" Name=\"b\" Type=\"\" Length=\"\" ReadOnly=\"\" Position=\"\" StartBit=\"\" "
              "Conversion=\"\" MultiplicationFactor=\"\" Swap=\"\" SwapWord=\"\" Mnemonic=\"\" />\n"
              "</IEC61850_Variables>\n<!--SW_VERSION = 1.000-->\n");
}

TEST_F(ServerEditorTest, AFailingCheckShowsItsRowAndLimitAndWritesNothing)
{
    const QByteArray original = readBytes(fixture(QStringLiteral("IEC61850_Variables.xml")));
    folder.write(QStringLiteral("IEC61850_Variables.xml"), original);
    show();
    form.table(0).setCellText(TFIEC61850_Variables::ColPosition, 3, QStringLiteral("1438"));
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error row 3!! Position must be between 0 and 1437"});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.ECG->Row(), 3);
    EXPECT_EQ(readBytes(path()), original);
    form.close();
}

TEST_F(ServerEditorTest, AFileThatCannotBeParsedIsNeverOverwritten)
{
    const QByteArray broken = "<IEC61850_Variables><row Name=\"a\" </IEC61850_Variables>";
    folder.write(QStringLiteral("IEC61850_Variables.xml"), broken);
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral(" cannot be read: ")));
    form.Btn_OKClick();
    EXPECT_EQ(readBytes(path()), broken);
}

TEST_F(ServerEditorTest, TextsOfTheBlock)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Set Variables Access for IEC61850"));
    EXPECT_EQ(form.title.L_SW_Desc->text(), QStringLiteral("Set Variables Access for IEC61850"));
    EXPECT_EQ(form.Btn_OK->toolTip(), QStringLiteral("Confirm and save the Variables List of IEC61850"));
    QStringList headers;
    for (int c = 0; c < 13; ++c)
        headers << form.ECG->Columns()[c]->Header();
    EXPECT_EQ(headers, (QStringList{"N", "Enable", "Name", "Type", "Length", "Read Only", "Position", "Start Bit",
                                    "Conversion", "Molt. Factor", "Swap", "Swap Word", "Mnemonic"}));
    EXPECT_EQ(form.ECG->Columns()[TFIEC61850_Variables::ColType]->ComboItems,
              (QStringList{"Int", "Float", "Digital (Bit)"}));
    EXPECT_EQ(form.ECG->RowCount(), 51);
    // Deleting asks with the row number.
    show();
    form.ECG->FocusCell(2, 4);
    dialogs.answer(platform::MessageResult::No);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 4"});
    form.close();
}

}  // namespace server_variables_tests
