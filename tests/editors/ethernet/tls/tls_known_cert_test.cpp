// The TLS known certificate list: TLS_Known_Cert.xml read and written (the
// layout, certificates over several lines, Enable read as checked unless
// exactly "N"), and the form: its rows and check boxes, the end of the list
// at the first empty certificate, the limit of ten rows, the row buttons
// with their checked Enable, and its texts.

#include <QApplication>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "editors/ethernet/tls/tls_known_cert_file.h"
#include "editors/ethernet/tls/tls_known_cert_form.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace tls_known_cert_tests {

using tls_certificates::KnownCertificateRow;
using tls_certificates::TFTLS_Server_Known_Cert;
using testing_support::TempFolder;

QString fixture() { return QStringLiteral(TEST_DATA_DIR "/editors/ethernet/tls/TLS_Known_Cert.xml"); }

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kFirstCertificate = QStringLiteral(
    "-----BEGIN CERTIFICATE-----\n"
    "MIIBrzCCAVWgAwIBAgIURk1ZcGx0QWJvdmVTdGF0aW9uMAoGCCqGSM49BAMCMC0x\n"
    "KzApBgNVBAMMIlN1YnN0YXRpb24gQSBJRUQgY2VydGlmaWNhdGUgKHRlc3QpMB4X\n"
    "-----END CERTIFICATE-----");

TEST(KnownCertificatesFile, ReadsCertificatesOverSeveralLinesAndWritesThemBackUnchanged)
{
    platform::XmlDocument doc;
    std::vector<KnownCertificateRow> rows;
    ASSERT_TRUE(tls_certificates::readKnownCertificatesFile(fixture(), doc, rows).ok());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (KnownCertificateRow{"Y", kFirstCertificate, "Substation A"}));
    EXPECT_EQ(rows[1].Enable, QStringLiteral("N"));
    EXPECT_EQ(rows[1].Mnemonic, QStringLiteral("Old \"B\" server"));

    TempFolder dir;
    ASSERT_TRUE(tls_certificates::writeKnownCertificatesFile(dir.file(QStringLiteral("out.xml")), doc, rows));
    EXPECT_EQ(dir.read(QStringLiteral("out.xml")), readBytes(fixture()));
}

TEST(KnownCertificatesFile, EnableIsCheckedUnlessExactlyN)
{
    TempFolder dir;
    const QString path = dir.write(QStringLiteral("c.xml"),
                                   "<TLS_Server_Known_Cert><row Enable=\"n\" Certificate=\"a\" />"
                                   "<row Enable=\"0\" Certificate=\"b\" /><row Enable=\"\" Certificate=\"c\" />"
                                   "<row Certificate=\"d\" /><row Enable=\"N\" /></TLS_Server_Known_Cert>");
    platform::XmlDocument doc;
    std::vector<KnownCertificateRow> rows;
    ASSERT_TRUE(tls_certificates::readKnownCertificatesFile(path, doc, rows).ok());
    QStringList enables;
    for (const KnownCertificateRow& r : rows)
        enables << r.Enable;
    EXPECT_EQ(enables, (QStringList{"Y", "Y", "Y", "Y", "N"}));
    EXPECT_EQ(rows[4].Certificate, QString());
}

class KnownCertificatesEditorTest : public ::testing::Test {
protected:
    KnownCertificatesEditorTest()
    {
        app::Load_Default_Texts(app::textTable());
        saved_ = app::appState();
        app::appState().SW_Code = app::kSoftwareCode;
        app::appState().Project_Path = folder.path();
        app::appState().TLS_Known_Cert_Path = path();
    }
    ~KnownCertificatesEditorTest() override { app::appState() = saved_; }

    QString path() const { return folder.file(QStringLiteral("TLS_Known_Cert.xml")); }
    void write(const QByteArray& bytes) const { folder.write(QStringLiteral("TLS_Known_Cert.xml"), bytes); }
    void show()
    {
        form.setModal(true);
        form.show();
        QApplication::processEvents();
        QApplication::processEvents();
    }
    bool enabled(int row) const { return form.table(0).checked(TFTLS_Server_Known_Cert::ColEnable, row); }

    TempFolder folder;
    testing_support::ScriptedDialogs dialogs;
    TFTLS_Server_Known_Cert form;

private:
    app::AppState saved_;
};

TEST_F(KnownCertificatesEditorTest, RowsAndFlagsFromTheFileAndBack)
{
    write(readBytes(fixture()));
    show();
    ASSERT_TRUE(form.isVisible());
    EXPECT_TRUE(enabled(1));
    EXPECT_FALSE(enabled(2));
    EXPECT_TRUE(enabled(3)) << "a reset row starts enabled";
    EXPECT_EQ(form.ESG->GetCellEx(TFTLS_Server_Known_Cert::ColCertificate, 1), kFirstCertificate);
    EXPECT_EQ(form.ESG->GetCellEx(0, 10), QStringLiteral("10"));
    EXPECT_EQ(form.ESG->RowHeights(1), TFTLS_Server_Known_Cert::kRowHeight);
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readBytes(path()), readBytes(fixture()));
}

TEST_F(KnownCertificatesEditorTest, TheListEndsAtTheFirstBlankCertificate)
{
    show();
    form.Btn_OKClick();
    EXPECT_EQ(readBytes(path()), "<TLS_Server_Known_Cert />\n<!--SW_VERSION = 1.000-->\n");

    show();
    form.table(0).setRowTexts(1, {"N", "first", "one"});
    form.table(0).setRowTexts(2, {"Y", " \n ", ""});
    form.table(0).setRowTexts(3, {"Y", "third", ""});
    dialogs.answer(platform::MessageResult::Yes);  // save although row 3 is left out
    form.Btn_OKClick();
    EXPECT_EQ(readBytes(path()), "<TLS_Server_Known_Cert>\n\t<row Enable=\"N\" Certificate=\"first\" Mnemonic=\"one\" />"
                                 "\n</TLS_Server_Known_Cert>\n<!--SW_VERSION = 1.000-->\n");
}

TEST_F(KnownCertificatesEditorTest, AnEleventhCertificateIsReportedAndDroppedByOk)
{
    QByteArray xml = "<TLS_Server_Known_Cert>";
    for (int i = 1; i <= 11; ++i)
        xml += "<row Enable=\"Y\" Certificate=\"c" + QByteArray::number(i) + "\" Mnemonic=\"\" />";
    write(xml + "</TLS_Server_Known_Cert>");
    show();
    EXPECT_EQ(dialogs.texts().size(), 1);
    EXPECT_EQ(form.ESG->GetCellEx(2, 10), QStringLiteral("c10"));
    form.Btn_OKClick();
    const QByteArray written = readBytes(path());
    EXPECT_EQ(written.count("<row "), 10);
    EXPECT_FALSE(written.contains("c11"));
}

TEST_F(KnownCertificatesEditorTest, RowButtonsKeepEnableChecked)
{
    write(readBytes(fixture()));
    show();
    // Insert at row 1: the new row is enabled and empty.
    form.ESG->FocusCell(2, 1);
    form.Btn_InsRowClick();
    EXPECT_TRUE(enabled(1));
    EXPECT_EQ(form.ESG->GetCellEx(2, 1), QString());
    EXPECT_FALSE(enabled(3)) << "the disabled row moved down";
    // Delete row 1 and row 1 again: the disabled row comes up; the emptied
    // last row is enabled.
    dialogs.answer(platform::MessageResult::Yes);
    form.Btn_DelRowClick();
    dialogs.answer(platform::MessageResult::Yes);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), (QStringList{"Are you sure to delete the Row number 1",
                                            "Are you sure to delete the Row number 1"}));
    EXPECT_FALSE(enabled(1));
    EXPECT_TRUE(enabled(10));
    // Copy the disabled row into row 3: the box comes with it.
    form.Btn_CopyRowClick();
    form.ESG->FocusCell(2, 3);
    form.Btn_PasteRowClick();
    EXPECT_FALSE(enabled(3));
    EXPECT_EQ(form.ESG->GetCellEx(3, 3), QStringLiteral("Old \"B\" server"));
    form.close();
}

TEST_F(KnownCertificatesEditorTest, ACertificateIsTypedOverSeveralLines)
{
    show();
    form.activateWindow();
    const platform::TRect cell = form.ESG->CellRect(TFTLS_Server_Known_Cert::ColCertificate, 1);
    QTest::mouseClick(form.ESG->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
    QApplication::processEvents();
    const auto type = [](const char* text) {
        for (const char* c = text; *c != 0; ++c) {
            QTest::keyClick(QApplication::focusWidget(), *c);
            QApplication::processEvents();
        }
    };
    type("-----BEGIN");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    type("MIIB");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(form.ESG->GetCellEx(TFTLS_Server_Known_Cert::ColCertificate, 1), QStringLiteral("-----BEGIN\nMIIB"));
    form.Btn_OKClick();
    EXPECT_EQ(readBytes(path()), "<TLS_Server_Known_Cert>\n\t<row Enable=\"Y\" Certificate=\"-----BEGIN&#10;MIIB\" "
                                 "Mnemonic=\"\" />\n</TLS_Server_Known_Cert>\n<!--SW_VERSION = 1.000-->\n");
}

TEST_F(KnownCertificatesEditorTest, AFileThatCannotBeParsedIsNeverOverwritten)
{
    const QByteArray broken = "<TLS_Server_Known_Cert><row Certificate=\"a\" </TLS_Server_Known_Cert>";
    write(broken);
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral(" cannot be read: ")));
    form.Btn_OKClick();
    EXPECT_EQ(readBytes(path()), broken);
}

TEST_F(KnownCertificatesEditorTest, TextsOfTheBlock)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Definition the list of Known Certificates"));
    EXPECT_EQ(form.Btn_Cancel->toolTip(), QStringLiteral("Exit without save the TLS Certificates List"));
    EXPECT_EQ((QStringList{form.ESG->GetCellEx(0, 0), form.ESG->GetCellEx(1, 0), form.ESG->GetCellEx(2, 0),
                           form.ESG->GetCellEx(3, 0)}),
              (QStringList{"N", "Enable", "Certificate", "Mnemonic"}));
    EXPECT_EQ((QList<int>{form.ESG->ColWidths(0), form.ESG->ColWidths(1), form.ESG->ColWidths(2),
                          form.ESG->ColWidths(3)}),
              (QList<int>{40, 50, 500, 160}));
    EXPECT_EQ(form.ESG->RowCount(), 11);
}

}  // namespace tls_known_cert_tests
