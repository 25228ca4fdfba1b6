// The DMX default values editor: the channel count of the general
// parameters (bounded to 24 .. 512), one row per channel whatever the file
// holds, every row checked and saved, and the texts of its block.

#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/dmx/dmx_default_values_form.h"
#include "editors/fieldbus/dmx/dmx_default_values_rules.h"
#include "editors/fieldbus/fieldbus_project_fixture.h"

namespace dmx_default_values_tests {

using dmx::TFDMXDefVal;
using fieldbus_project_testing::FieldbusEditorTest;
using platform::MessageKind;

QByteArray parGenWithChannels(const QByteArray& element)
{
    return "<Par_Gen>\n\t<EtherCAT_Slave_Name>gateway</EtherCAT_Slave_Name>\n\t" + element
           + "\n</Par_Gen>\n<!--SW_VERSION = 1.001-->\n";
}

TEST(DMXChannelCount, OutsideTwentyFourToFiveHundredTwelveIsFiveHundredTwelve)
{
    const struct {
        const char* value;  // nullptr: no element
        int channels;
    } cases[] = {
        {nullptr, 512}, {"24", 24},   {"512", 512}, {"100", 100}, {"0x20", 32},       {"23", 512},
        {"513", 512},   {"0", 512},   {"-5", 512},  {"", 512},    {"abc", 512},       {"2147483647", 512},
        {"99999999999", 512},         {"-2147483648", 512},       {" 100", 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value != nullptr ? c.value : "(missing)");
        params::ParGenFile parGen;
        parGen.setExists(true);
        if (c.value != nullptr)
            parGen.set(QStringLiteral("DMX_Num_Channels"), QString::fromLatin1(c.value));
        EXPECT_EQ(dmx::DMX_Channel_Count(parGen), c.channels);
    }
    EXPECT_EQ(dmx::DMX_Channel_Count(params::ParGenFile()), 512) << "no ParGen.xml";
}

class DMXEditorTest : public FieldbusEditorTest {
protected:
    void writeChannels(const QByteArray& value) const
    {
        write("ParGen.xml", parGenWithChannels("<DMX_Num_Channels>" + value + "</DMX_Num_Channels>"));
    }
    QStringList row(int r) const { return form.table(0).rowTexts(r); }
    QString messages() const { return dialogs.texts().join(u'\n'); }

    TFDMXDefVal form;
};

TEST_F(DMXEditorTest, TheFileOfEveryChannelComesBackUnchanged)
{
    writeChannels("24");
    const QByteArray original = writeFixture("DMX_Default_Values.xml", QStringLiteral("dmx/DMX_Default_Values.xml"));
    show(form);
    EXPECT_EQ(form.ECG_DMX_Def_Val->RowCount(), 25);
    EXPECT_EQ(row(1), (QStringList{"255", "Dimmer & master"}));
    EXPECT_EQ(row(2), (QStringList{"0x10", "Red"}));
    EXPECT_EQ(row(24), (QStringList{"24", "Last channel"}));
    EXPECT_EQ(form.ECG_DMX_Def_Val->GetCellEx(0, 24), QStringLiteral("24"));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(bytes("DMX_Default_Values.xml"), original);
}

// The rows follow the channel count at each showing: a longer file is cut
// (and said so), a shorter one filled with 0, a count out of bounds is 512.
TEST_F(DMXEditorTest, TheRowsFollowTheChannelCountAtEachShowing)
{
    QByteArray full = "<DMX_Default_Values>";
    for (int n = 1; n <= 512; ++n)
        full += "<Row Default_Value=\"" + QByteArray::number(n % 256) + "\" Mnemonic=\"c" + QByteArray::number(n)
                + "\" />";
    full += "</DMX_Default_Values>";
    write("DMX_Default_Values.xml", full);
    writeChannels("24");
    show(form);
    EXPECT_EQ(form.channels(), 24);
    EXPECT_EQ(form.ECG_DMX_Def_Val->RowCount(), 25);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("The file ") + path("DMX_Default_Values.xml")
                                           + " holds 488 rows more than the table \"DMX Default Value\" can show: "
                                             "they are not shown, and OK would remove them from the file.");
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(bytes("DMX_Default_Values.xml").count("<Row "), 24);
    dialogs.reset();

    // 100 rows in the file, the element missing: 512 channels, the rest 0.
    write("DMX_Default_Values.xml", QByteArray(full).replace("<Row Default_Value=\"101\"", "<Cut Default_Value=\"101\"")
                                        .left(full.indexOf("<Row Default_Value=\"101\"")) + "</DMX_Default_Values>");
    write("ParGen.xml", parGenWithChannels("<Other>1</Other>"));
    show(form);
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_EQ(form.ECG_DMX_Def_Val->RowCount(), 513);
    EXPECT_EQ(row(100), (QStringList{"100", "c100"}));
    EXPECT_EQ(row(101), (QStringList{"0", ""}));
    EXPECT_EQ(row(512), (QStringList{"0", ""}));
    EXPECT_EQ(form.ECG_DMX_Def_Val->GetCellEx(0, 512), QStringLiteral("512"));
    form.close();

    // Counts the general parameters never hold: 512 rows, no more, no fewer.
    for (const char* count : {"0", "-3", "100000", "2147483647"}) {
        SCOPED_TRACE(count);
        writeChannels(count);
        show(form);
        EXPECT_EQ(form.ECG_DMX_Def_Val->RowCount(), 513);
        form.close();
    }
    // And down again.
    writeChannels("120");
    show(form);
    EXPECT_EQ(form.ECG_DMX_Def_Val->RowCount(), 121);
    EXPECT_EQ(row(100), (QStringList{"100", "c100"}));
    EXPECT_EQ(row(120), (QStringList{"0", ""}));
}

TEST_F(DMXEditorTest, WithoutFilesEveryChannelIsZeroAndOkWritesThemAll)
{
    show(form);
    EXPECT_EQ(form.ECG_DMX_Def_Val->RowCount(), 513);
    EXPECT_EQ(row(1), (QStringList{"0", ""}));
    form.table(0).setRowTexts(2, {"7", "Spot"});
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible()) << messages().toStdString();
    const QByteArray written = bytes("DMX_Default_Values.xml");
    EXPECT_TRUE(written.startsWith("<DMX_Default_Values>\n\t<Row Default_Value=\"0\" Mnemonic=\"\" />\n"
                                   "\t<Row Default_Value=\"7\" Mnemonic=\"Spot\" />\n"));
    EXPECT_TRUE(written.endsWith("\t<Row Default_Value=\"0\" Mnemonic=\"\" />\n</DMX_Default_Values>\n"
                                 "<!--SW_VERSION = 1.000-->\n"));
    EXPECT_EQ(written.count("<Row "), 512);
}

// Every row is a channel: none ends the list, an empty value fails.
TEST_F(DMXEditorTest, EveryRowIsChecked)
{
    writeChannels("400");
    struct Case {
        int row;
        const char* value;
        const char* message;  // nullptr: passes
    };
    const Case cases[] = {
        {300, "", "Error row 300!! Default Value must be between 0 and 255"},
        {400, "256", "Error row 400!! Default Value must be between 0 and 255"},
        {1, " ", "Error row 1!! Default Value must be between 0 and 255"},
        {2, "-1", "Error row 2!! Default Value must be between 0 and 255"},
        {3, "0x10", nullptr},
        {4, "255", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        QFile::remove(path("DMX_Default_Values.xml"));
        dialogs.reset();
        show(form);
        form.table(0).setCellText(TFDMXDefVal::DefaultValue, c.row, QString::fromLatin1(c.value));
        form.Btn_OKClick();
        if (c.message == nullptr) {
            EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
            EXPECT_TRUE(bytes("DMX_Default_Values.xml").contains("Default_Value=\"" + QByteArray(c.value) + "\""))
                << "saved as typed";
            continue;
        }
        EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(form.ECG_DMX_Def_Val->Row(), c.row);
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(QFile::exists(path("DMX_Default_Values.xml")));
        form.close();
    }
}

TEST_F(DMXEditorTest, GeneralParametersThatCannotBeReadGiveFiveHundredTwelveChannelsAndAreReported)
{
    write("ParGen.xml", "<Par_Gen><DMX_Num_Channels>24</DMX_Num");
    show(form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.channels(), 512);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Warning);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(
        QStringLiteral("The general parameters cannot be read, so the table has 512 channels: The file \"")
        + path("ParGen.xml")))
        << messages().toStdString();
}

TEST_F(DMXEditorTest, TextsOfTheBlockAndOnlyOkAndCancel)
{
    EXPECT_EQ(form.objectName(), QStringLiteral("FDMXDefVal"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("DMX Default Value"));
    EXPECT_EQ(form.title.L_SW_Desc->text(), QStringLiteral("DMX Default Value"));
    EXPECT_EQ(form.Btn_OK->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(form.Btn_OK->toolTip(), QStringLiteral("Confirm and save the DMX Default Values"));
    EXPECT_EQ(form.Btn_Cancel->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(form.Btn_Cancel->toolTip(), QStringLiteral("Exit without save the DMX Default Values"));
    EXPECT_EQ(form.Btn_DelRow, nullptr);
    EXPECT_EQ(form.Btn_InsRow, nullptr);
    const QStringList headers = {"Channel", "Default Value", "Mnemonic"};
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(form.ECG_DMX_Def_Val->Columns()[c]->Header(), headers[c]);
    QString hint;
    form.ECG_DMX_Def_Val->OnGridHint(form.ECG_DMX_Def_Val, 0, 1, hint);
    EXPECT_EQ(hint, QStringLiteral("Insert the Default Value for the DMX Channel"));

    app::textTable().Lang_Texts[3107] = QStringLiteral("Valore");
    form.Set_Lang();
    EXPECT_EQ(form.ECG_DMX_Def_Val->Columns()[1]->Header(), QStringLiteral("Valore"));
}

}  // namespace dmx_default_values_tests
