// The rule editor frame through a small editor built on it: showing and
// loading, OK with its checks, questions and file, Cancel, the row buttons
// with their copy flags, and the texts.

#include <QElapsedTimer>
#include <QHelpEvent>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "controls/button/lb_button.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "test_rules_form.h"

namespace rule_editor_form_tests {

using namespace rule_editor_testing;
using platform::MessageKind;
using platform::MessageResult;

const GridKind kBothKinds[] = {GridKind::StringGrid, GridKind::ColumnGrid};

const char* kindName(GridKind kind) { return kind == GridKind::StringGrid ? "string grid" : "column grid"; }

QStringList row(const TestRulesForm& form, int r, int table = 0) { return form.table(table).rowTexts(r); }

TEST_F(RuleFrameTest, ShowingResetsEveryRowThenLoadsTheFile)
{
    writeFile(testFile({"Y,k1,1,,n1", "N,k2,2,9,"}));
    for (GridKind kind : kBothKinds) {
        SCOPED_TRACE(kindName(kind));
        auto form = makeForm(kind);
        RuleTable& t = form->table(0);
        // What an earlier showing left behind.
        t.setRowTexts(4, {"N", "old", "7", "", "left"});
        t.grid().SetReadOnly(2, 6, true);
        show(*form);
        EXPECT_EQ(row(*form, 1), (QStringList{"Y", "k1", "1", "1", "n1"}));
        EXPECT_EQ(row(*form, 2), (QStringList{"N", "k2", "2", "1", ""})) << "Pos is recomputed";
        for (int r = 3; r <= 6; ++r) {
            EXPECT_EQ(row(*form, r), (QStringList{"Y", "", "", QString::number(r - 1), ""})) << r;
            EXPECT_EQ(t.grid().GetCellEx(0, r), QString::number(r));
        }
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 5; ++c)
                EXPECT_EQ(t.grid().ReadOnly(c, r), c == 4) << c << "," << r;
        EXPECT_TRUE(dialogs.shown().empty());
    }
}

TEST_F(RuleFrameTest, HeadersAndRowNumbersAreBoldAndDataCellsAreNot)
{
    for (GridKind kind : kBothKinds) {
        SCOPED_TRACE(kindName(kind));
        auto form = makeForm(kind);
        grid::TExStringGrid& g = form->table(0).grid();
        const auto paintedFont = [&g](int c, int r) {
            platform::TGridDrawState state{};
            platform::TBrush brush;
            TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
            platform::TFont font;
            grid::TAlignment ha;
            grid::TVAlignment va;
            bool ww = false;
            grid::TCellGradientDirection gd{};
            g.GetVisualProperties(c, r, state, false, false, true, brush, colorTo, mirror, mirrorTo, font, ha, va, ww,
                                  gd);
            return font;
        };
        // The row numbers are fixed cells too.
        for (int c = 0; c <= 5; ++c) {
            EXPECT_TRUE(paintedFont(c, 0).bold()) << "header of column " << c;
            EXPECT_EQ(paintedFont(c, 1).bold(), c == 0) << "cell of column " << c;
        }
    }
}

TEST_F(RuleFrameTest, AMissingFileGivesEmptyTablesAndOkWritesEmptyLists)
{
    auto form = makeForm(GridKind::StringGrid, 2);
    show(*form);
    EXPECT_EQ(row(*form, 1), (QStringList{"Y", "", "", "1", ""}));
    form->Btn_OKClick();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(fileBytes(), QByteArray("<Test_Rules>\n\t<Rules_A />\n\t<Rules_B />\n</Test_Rules>\n"
                                      "<!--SW_VERSION = 1.001-->\n"));
}

// A damaged file is reported with its name and the parser's message; the
// form does not open on empty tables that OK would write over it.
TEST_F(RuleFrameTest, AFileThatCannotBeParsedIsReportedAndTheFormStaysClosed)
{
    const QByteArray damaged = "<Test_Rules>\n\t<Rules_A>\n\t\t<row Key=\"k1\" \n";
    writeFile(damaged);
    auto form = makeForm(GridKind::ColumnGrid);
    bool opened = false;
    QTimer::singleShot(0, form.get(), [&] {
        opened = form->isVisible();
        form->reject();
    });
    EXPECT_EQ(form->exec(), QDialog::Rejected);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Error!!! The file ") + path() + " cannot be read: "))
        << dialogs.shown()[0].text.toStdString();
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("XML"))) << "the parser's message";

    // OK, however reached, does not write the empty tables over the file.
    form->Btn_OKClick();
    EXPECT_EQ(fileBytes(), damaged);
    // Shown without a modal loop, it closes again at once.
    show(*form);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fileBytes(), damaged);
}

TEST_F(RuleFrameTest, OkWritesEachListUpToTheFirstEmptyKeyCell)
{
    auto form = makeForm(GridKind::StringGrid, 2);
    show(*form);
    form->table(0).setRowTexts(1, {"Y", "k1", "10", "1", "note 1"});
    form->table(0).setRowTexts(2, {"N", " k2 ", "x", "1", ""});
    form->table(0).setRowTexts(3, {"Y", "   ", "", "", ""});
    form->table(1).setRowTexts(1, {"Y", "b1", "5", "1", ""});
    form->Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(form->isVisible());
    const QByteArray expected = "<Test_Rules>\n"
                                "\t<Rules_A>\n"
                                "\t\t<row Enable=\"Y\" Key=\"k1\" Value=\"10\" Pos=\"1\" Note=\"note 1\" />\n"
                                "\t\t<row Enable=\"N\" Key=\" k2 \" Value=\"x\" Pos=\"1\" Note=\"\" />\n"
                                "\t</Rules_A>\n"
                                "\t<Rules_B>\n"
                                "\t\t<row Enable=\"Y\" Key=\"b1\" Value=\"5\" Pos=\"1\" Note=\"\" />\n"
                                "\t</Rules_B>\n"
                                "</Test_Rules>\n"
                                "<!--SW_VERSION = 1.001-->\n";
    EXPECT_EQ(fileBytes(), expected);

    // OK again on what was read back gives the same file.
    show(*form);
    EXPECT_EQ(row(*form, 2), (QStringList{"N", " k2 ", "x", "1", ""}));
    form->Btn_OKClick();
    EXPECT_EQ(fileBytes(), expected);
}

TEST_F(RuleFrameTest, CancelAndTheCloseButtonLeaveTheFileByteIdentical)
{
    const QByteArray original = testFile({"Y,k1,1,1,n1"}, {"N,b1,x,0,"});
    writeFile(original);
    auto form = makeForm(GridKind::ColumnGrid, 2);

    show(*form);
    form->table(0).setRowTexts(1, {"N", "changed", "2", "", ""});
    QTest::mouseClick(form->Btn_Cancel, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fileBytes(), original);

    // The next showing reloads the file.
    show(*form);
    EXPECT_EQ(row(*form, 1), (QStringList{"Y", "k1", "1", "1", "n1"}));
    form->table(1).setRowTexts(1, {"Y", "other", "3", "", ""});
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fileBytes(), original);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(RuleFrameTest, ExecLoadsBeforeShowingAndReturnsOkAfterSaving)
{
    writeFile(testFile({"Y,k1,1,1,"}));
    auto form = makeForm(GridKind::StringGrid);
    QString seen;
    QTimer::singleShot(0, form.get(), [&] {
        seen = form->table(0).cellText(2, 1);
        form->table(0).setCellText(3, 1, QStringLiteral("42"));
        form->Btn_OKClick();
    });
    EXPECT_EQ(form->exec(), QDialog::Accepted);
    EXPECT_EQ(seen, QStringLiteral("k1"));
    EXPECT_TRUE(fileBytes().contains("Value=\"42\""));
}

// OK saves the list up to the first empty key cell; rows holding data after
// it would be lost, so the frame says how many and asks first.
TEST_F(RuleFrameTest, RowsHoldingDataAfterAnEmptyKeyCellAreAskedAbout)
{
    for (GridKind kind : kBothKinds) {
        SCOPED_TRACE(kindName(kind));
        dialogs.reset();
        QFile::remove(path());
        auto form = makeForm(kind);
        show(*form);
        RuleTable& t = form->table(0);
        t.setRowTexts(1, {"Y", "k1", "1", "1", ""});
        t.setRowTexts(2, {"Y", "k2", "2", "2", ""});
        t.setRowTexts(3, {"N", "", "", "", "n3"});  // an emptied key: the list ends here
        t.setRowTexts(5, {"Y", "k5", "zz", "", ""});  // after the end: not checked

        dialogs.answer(MessageResult::No);
        form->Btn_OKClick();
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Confirmation);
        EXPECT_EQ(dialogs.shown()[0].text,
                  QStringLiteral("The list of \"Test Rules\" ends at row 3, whose \"Key\" cell is empty: 2 rows holding "
                                 "data from there on will not be saved. Do you want to save anyway?"));
        EXPECT_TRUE(form->isVisible()) << "No returns to the table";
        EXPECT_EQ(t.grid().Row(), 3);
        EXPECT_FALSE(QFile::exists(path()));

        dialogs.answer(MessageResult::Yes);
        form->Btn_OKClick();
        EXPECT_EQ(dialogs.shown().size(), 2u);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(fileBytes(), QByteArray("<Test_Rules>\n\t<Rules_A>\n"
                                          "\t\t<row Enable=\"Y\" Key=\"k1\" Value=\"1\" Pos=\"1\" Note=\"\" />\n"
                                          "\t\t<row Enable=\"Y\" Key=\"k2\" Value=\"2\" Pos=\"2\" Note=\"\" />\n"
                                          "\t</Rules_A>\n</Test_Rules>\n<!--SW_VERSION = 1.001-->\n"));
    }
}

// Another program (or a second copy of this one) changed the file while the
// editor was open: OK asks before overwriting, and No writes nothing.
TEST_F(RuleFrameTest, AFileChangedSinceItWasLoadedIsNotOverwrittenWithoutAsking)
{
    const QByteArray loaded = testFile({"Y,k1,1,1,"});
    const QByteArray other = testFile({"Y,k9,1,1,"});  // the same size
    struct Case {
        const char* name;
        bool existsWhenShown;
        bool existsAtOk;
    };
    const Case cases[] = {
        {"changed", true, true},
        {"removed", true, false},
        {"created", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.reset();
        QFile::remove(path());
        if (c.existsWhenShown)
            writeFile(loaded);
        auto form = makeForm(GridKind::StringGrid);
        show(*form);
        form->table(0).setRowTexts(1, {"Y", "mine", "5", "", ""});
        QFile::remove(path());
        if (c.existsAtOk)
            writeFile(other);

        dialogs.answer(MessageResult::No);
        form->Btn_OKClick();
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].text,
                  QStringLiteral("The file ") + path()
                      + " has been changed since it was loaded, by another program or another copy of this one. Do you "
                        "want to overwrite it?");
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(QFile::exists(path()), c.existsAtOk);
        if (c.existsAtOk) {
            EXPECT_EQ(fileBytes(), other);
        }

        dialogs.answer(MessageResult::Yes);
        form->Btn_OKClick();
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(fileBytes().contains("Key=\"mine\""));
    }
}

TEST_F(RuleFrameTest, AFileWithMoreRowsThanATableHoldsIsReportedWhenShown)
{
    QStringList rows;
    for (int i = 1; i <= 7; ++i)
        rows << QStringLiteral("Y,k%1,%1,,").arg(i);
    writeFile(testFile({"Y,a1,1,,"}, rows));
    auto form = makeForm(GridKind::ColumnGrid, 2, 4);
    show(*form);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("The file ") + path()
                                           + " holds 3 rows more than the table \"Page B\" can show: they are not "
                                             "shown, and OK would remove them from the file.");
    EXPECT_EQ(row(*form, 4, 1), (QStringList{"Y", "k4", "4", "4", ""}));
    EXPECT_TRUE(form->isVisible());
    form->Btn_OKClick();
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(fileBytes().contains("k4"));
    EXPECT_FALSE(fileBytes().contains("k5"));
}

TEST_F(RuleFrameTest, TheFirstFailingRuleIsShownWithItsRowAndNothingIsWritten)
{
    auto form = makeForm(GridKind::StringGrid, 2);
    show(*form);
    form->table(0).setRowTexts(1, {"Y", "a1", "1", "", ""});
    form->table(0).setRowTexts(2, {"N", "a2", "zz", "", ""});  // disabled: the test editor skips it
    form->table(1).setRowTexts(1, {"Y", "b1", "2", "", ""});
    form->table(1).setRowTexts(2, {"Y", "b2", "", "", ""});
    form->table(1).setRowTexts(3, {"Y", "b3", "x", "", ""});
    EXPECT_FALSE(form->Controllo_dati());
    form->Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.shown()[1].text, QStringLiteral("Error row 2!! Value must be a number"));
    EXPECT_EQ(form->activeTable(), 1);
    EXPECT_EQ(form->table(1).grid().Row(), 2);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(RuleFrameTest, ARuleBrokenByTwoRowsNamesBothAndPutsTheCursorOnTheFirst)
{
    auto form = makeForm(GridKind::ColumnGrid, 2);
    form->keysMustDiffer = true;
    show(*form);
    form->table(1).setRowTexts(1, {"Y", "b1", "1", "", ""});
    form->table(1).setRowTexts(2, {"Y", "b2", "2", "", ""});
    form->table(1).setRowTexts(3, {"Y", "b2", "3", "", ""});
    form->Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Error in rows 2 and 3!! Same key"));
    EXPECT_EQ(form->activeTable(), 1);
    EXPECT_EQ(form->table(1).grid().Row(), 2);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(RuleFrameTest, AFileThatCannotBeWrittenIsReportedAndTheFormStaysOpen)
{
    auto form = std::make_unique<TestRulesForm>(folder.file(QStringLiteral("missing/Test_Rules.xml")),
                                                GridKind::StringGrid);
    show(*form);
    form->table(0).setRowTexts(1, {"Y", "k1", "1", "", ""});
    form->Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Error!!! The file cannot be saved: ")))
        << dialogs.shown()[0].text.toStdString();
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("Test_Rules.xml")));
    EXPECT_TRUE(form->isVisible());
}

// ---------------------------------------------------------------- row buttons

TEST_F(RuleFrameTest, DeleteAsksWithTheRowAndInsertGivesAnEnabledEmptyRow)
{
    for (GridKind kind : kBothKinds) {
        SCOPED_TRACE(kindName(kind));
        dialogs.reset();
        writeFile(testFile({"Y,k1,1,,", "N,k2,2,,", "Y,k3,3,,", "Y,k4,4,,"}));
        auto form = makeForm(kind, 1, 4);
        show(*form);
        RuleTable& t = form->table(0);
        t.grid().FocusCell(2, 2);

        dialogs.answer(MessageResult::No);
        form->Btn_DelRowClick();
        EXPECT_EQ(dialogs.texts(), QStringList{"Delete row 2?"});
        EXPECT_EQ(row(*form, 2), (QStringList{"N", "k2", "2", "1", ""}));

        dialogs.answer(MessageResult::Yes);
        form->Btn_DelRowClick();
        EXPECT_EQ(row(*form, 2), (QStringList{"Y", "k3", "3", "2", ""})) << "Pos follows";
        EXPECT_EQ(row(*form, 3), (QStringList{"Y", "k4", "4", "3", ""}));
        EXPECT_EQ(t.cellText(2, 4), QString());
        // The emptied last row can be typed into again; Pos stays computed.
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(t.grid().ReadOnly(c, 4), c == 4) << c;

        t.grid().FocusCell(3, 1);
        form->Btn_InsRowClick();
        EXPECT_EQ(row(*form, 1), (QStringList{"Y", "", "", "1", ""}));
        EXPECT_EQ(row(*form, 2), (QStringList{"Y", "k1", "1", "2", ""}));
        EXPECT_EQ(row(*form, 4), (QStringList{"Y", "k4", "4", "4", ""}));
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(t.grid().ReadOnly(c, 1), c == 4) << c;
        EXPECT_EQ(dialogs.shown().size(), 2u) << "Insert asks nothing";
    }
}

TEST_F(RuleFrameTest, PasteNeedsACopyFromTheSameGridInThisShowing)
{
    writeFile(testFile({"Y,a1,1,,x"}, {"N,b1,2,,y"}));
    auto form = makeForm(GridKind::ColumnGrid, 2);
    show(*form);
    const QString nothingCopied = QStringLiteral("Error!!! Copy a valid row before Paste it");

    form->table(0).grid().FocusCell(1, 3);
    form->Btn_PasteRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{nothingCopied});

    form->table(0).grid().FocusCell(1, 1);
    form->Btn_CopyRowClick();
    form->table(0).grid().FocusCell(1, 3);
    dialogs.answer(MessageResult::Yes);  // the computed Pos makes the row look used
    form->Btn_PasteRowClick();
    EXPECT_EQ(row(*form, 3), (QStringList{"Y", "a1", "1", "3", "x"}));
    EXPECT_EQ(dialogs.shown().size(), 2u);

    // The other grid's flag is off, and a copy there turns this one's off.
    form->setActiveTable(1);
    form->table(1).grid().FocusCell(1, 2);
    form->Btn_PasteRowClick();
    form->table(1).grid().FocusCell(1, 1);
    form->Btn_CopyRowClick();
    form->setActiveTable(0);
    form->Btn_PasteRowClick();
    EXPECT_EQ(dialogs.texts().mid(2), (QStringList{nothingCopied, nothingCopied}));

    // The next showing starts without copies.
    form->close();
    show(*form);
    form->setActiveTable(1);
    form->Btn_PasteRowClick();
    ASSERT_EQ(dialogs.shown().size(), 5u);
    EXPECT_EQ(dialogs.texts().last(), nothingCopied);
}

// ---------------------------------------------------------------- texts

TEST_F(RuleFrameTest, AFormatRuleTextIsFilledWithItsValuesAndIsTheWholeMessage)
{
    app::textTable().Lang_Texts[test_texts::SameKey] = QStringLiteral("Error in list %s at %d!! 100%% wrong");
    auto form = makeForm(GridKind::ColumnGrid, 2);
    show(*form);
    form->failFirst = RuleFailure{1, 0, test_texts::SameKey, {}, 0, {"B", "3"}};
    form->Btn_OKClick();
    ASSERT_EQ(dialogs.texts(), QStringList{"Error in list B at 3!! 100% wrong"});
    EXPECT_EQ(form->activeTable(), 1);
    // The form's own model is taken over before every check.
    EXPECT_EQ(form->commits, 1);
    EXPECT_FALSE(form->Controllo_dati());
    EXPECT_EQ(form->commits, 2);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(RuleFrameTest, RowButtonCaptionsMayStandApartFromTheDescription)
{
    RuleEditorLayout layout = testLayout(GridKind::ColumnGrid, 1, 6, false);
    layout.buttonCaptionFirst = test_texts::Headers;  // "N", "Enable", "Key", ...
    class CaptionForm : public TRuleEditorForm {
    public:
        using TRuleEditorForm::TRuleEditorForm;
        QString projectFilePath() const override { return {}; }
        LoadedProject loadProject() override { return {}; }
        std::optional<RuleFailure> checkRows(const std::vector<RuleRows>&) const override { return {}; }
        bool saveProject(const std::vector<RuleRows>&, QString*) override { return true; }
    };
    CaptionForm form(layout);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Test Rules"));
    EXPECT_EQ(form.Btn_OK->Caption(), QStringLiteral("N"));
    EXPECT_EQ(form.Btn_PasteRow->Caption(), QStringLiteral("Note"));
    EXPECT_EQ(form.Btn_OK->toolTip(), QStringLiteral("hint OK"));
}

// A grid of a form besides its rule tables shows its header hints through
// the grid's own hints as the tables do.
TEST_F(RuleFrameTest, AGridBesidesTheTablesShowsItsHeaderHintsAsTheTablesDo)
{
    auto form = makeForm(GridKind::ColumnGrid);
    grid::TExColumnGrid extra(form.get());
    extra.SetColCount(3);
    extra.SetRowCount(2);
    extra.SetFixedRows(1);
    extra.setGeometry(0, 0, 300, 100);
    extra.OnGridHint = [](QObject*, int row, int col, QString& hint) {
        if (row == 0)
            hint = QStringLiteral("extra hint %1").arg(col);
    };
    show(*form);
    extra.show();
    const platform::TRect r = extra.CellRect(1, 0);
    const QPoint at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    QHelpEvent help(QEvent::ToolTip, at, extra.viewport()->mapToGlobal(at));
    QApplication::sendEvent(extra.viewport(), &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("extra hint 1"));
    QToolTip::hideText();
}

TEST_F(RuleFrameTest, TextsComeFromTheFormsBlockAgainAfterALanguageChange)
{
    for (GridKind kind : kBothKinds) {
        SCOPED_TRACE(kindName(kind));
        setTestTexts();
        auto form = makeForm(kind, 2);
        const auto header = [&](int c) {
            grid::TExColumnGrid* cg = form->table(1).columnGrid();
            return cg != nullptr ? cg->Columns()[c]->Header() : form->table(1).grid().GetCellEx(c, 0);
        };
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Test Rules"));
        EXPECT_EQ(form->title.L_SW_Desc->text(), QStringLiteral("Set the test rules"));
        EXPECT_EQ(form->title.L_SW_Code->text(), QStringLiteral("CQ41T17"));
        EXPECT_EQ(form->Btn_PasteRow->Caption(), QStringLiteral("Paste Row"));
        EXPECT_EQ(form->Btn_DelRow->toolTip(), QStringLiteral("hint Delete"));
        EXPECT_EQ(form->PageControl1->tabText(1), QStringLiteral("Page B"));
        EXPECT_EQ(header(2), QStringLiteral("Key"));

        app::textTable().Lang_Texts[test_texts::Base + 7] = QStringLiteral("Einfügen");
        app::textTable().Lang_Texts[test_texts::SheetB] = QStringLiteral("Seite B");
        app::textTable().Lang_Texts[test_texts::Headers + 2] = QStringLiteral("Schlüssel");
        app::textTable().Lang_Texts[test_texts::Hints + 1] = QStringLiteral("über Schlüssel");
        form->Set_Lang();
        EXPECT_EQ(form->Btn_PasteRow->Caption(), QStringLiteral("Einfügen"));
        EXPECT_EQ(form->PageControl1->tabText(1), QStringLiteral("Seite B"));
        EXPECT_EQ(header(2), QStringLiteral("Schlüssel"));

        // Header hints name the column under the mouse; data cells have none.
        grid::TExStringGrid& g = form->table(1).grid();
        QString hint;
        g.OnGridHint(&g, 0, 2, hint);
        EXPECT_EQ(hint, QStringLiteral("über Schlüssel"));
        hint.clear();
        g.OnGridHint(&g, 1, 2, hint);
        EXPECT_EQ(hint, QString());
        g.OnGridHint(&g, 0, 0, hint);
        EXPECT_EQ(hint, QString());
    }
}

// The header hints come through the grid's own hints: a resting mouse over
// a header cell asks the grid, whose hint request ends in OnGridHint.
TEST_F(RuleFrameTest, AMouseRestingOnAHeaderShowsItsHintThroughTheGrid)
{
    for (GridKind kind : kBothKinds) {
        SCOPED_TRACE(kindName(kind));
        auto form = makeForm(kind, 1, 6);
        show(*form);
        grid::TExStringGrid& g = form->table(0).grid();
        const platform::TRect header = g.CellRect(2, 0);
        const QPoint at(header.Left + 5, header.Top + 5);
        grid::THintInfo info;
        info.CursorPos = at;
        bool canShow = true;
        g.GetCellHintInfo(info.HintStr, canShow, info);
        EXPECT_EQ(info.HintStr, QStringLiteral("about Key"));
        EXPECT_EQ(info.HintPos, g.viewport()->mapToGlobal(QPoint(at.x(), header.Bottom + 6)));

        QHelpEvent help(QEvent::ToolTip, at, g.viewport()->mapToGlobal(at));
        QApplication::sendEvent(g.viewport(), &help);
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), QStringLiteral("about Key"));
        // A data cell has no hint.
        const platform::TRect data = g.CellRect(2, 1);
        QHelpEvent none(QEvent::ToolTip, QPoint(data.Left + 5, data.Top + 5),
                        g.viewport()->mapToGlobal(QPoint(data.Left + 5, data.Top + 5)));
        QApplication::sendEvent(g.viewport(), &none);
        // The tool tip fades out.
        QElapsedTimer waited;
        waited.start();
        while (QToolTip::isVisible() && waited.elapsed() < 2000)
            QTest::qWait(20);
        EXPECT_FALSE(QToolTip::isVisible());
    }
}

TEST_F(RuleFrameTest, AClickOnTheRowNumberSelectsTheRow)
{
    auto form = makeForm(GridKind::StringGrid, 1, 6);
    show(*form);
    grid::TExStringGrid& g = form->table(0).grid();
    const platform::TRect cell = g.CellRect(0, 3);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.Left + 5, cell.Top + 5));
    const platform::TGridRect selection = g.Selection();
    EXPECT_EQ(selection.Top, 3);
    EXPECT_EQ(selection.Bottom, 3);
    EXPECT_EQ(selection.Left, 1);
    EXPECT_EQ(selection.Right, 5);
}

// A hidden column keeps its cells through load, row commands and OK; the
// header hints and the double-click action address the real column behind
// a shown one.
TEST_F(RuleFrameTest, HiddenColumnsKeepTheirCellsAndShownColumnsMapToRealOnes)
{
    const QByteArray original = testFile({"Y,k1,11,1,n1", "N,k2,22,1,n2"});
    for (GridKind kind : kBothKinds) {
        SCOPED_TRACE(kindName(kind));
        dialogs.reset();
        writeFile(original);
        TestRulesForm form(path(), kind, 1, 6, true);
        grid::TExStringGrid& g = form.table(0).grid();
        g.UnHideColumn(3);  // what another use may have left
        form.resize(640, 360);
        show(form);
        EXPECT_TRUE(g.IsHiddenColumn(3));
        EXPECT_EQ(g.ColCount(), 5);
        EXPECT_EQ(row(form, 2), (QStringList{"N", "k2", "22", "1", "n2"}));

        // Shown column 3 is Pos (real 4).
        QString hint;
        g.OnGridHint(&g, 0, 3, hint);
        EXPECT_EQ(hint, QStringLiteral("about Pos"));
        form.activateWindow();
        const platform::TRect r = g.CellRect(3, 2);
        const QPoint at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(g.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        ASSERT_EQ(form.doubleClicks.size(), 1u);
        EXPECT_EQ(form.doubleClicks[0], (std::array<int, 3>{0, 2, 4}));

        // Rows move with their hidden cells; OK writes them as they were.
        g.FocusCell(1, 1);
        form.Btn_InsRowClick();
        EXPECT_EQ(form.table(0).cellText(3, 3), QStringLiteral("22"));
        dialogs.answer(platform::MessageResult::Yes);
        form.Btn_DelRowClick();
        form.Btn_OKClick();
        EXPECT_FALSE(form.isVisible());
        // A one-table form writes its one list.
        EXPECT_EQ(fileBytes(), QByteArray(original).replace("\t<Rules_B />\n", ""));
        EXPECT_EQ(dialogs.shown().size(), 1u) << "the delete question only";
    }
}

// ---------------------------------------------------------------- table shapes

// A table whose every row is a rule (no key column), sized at each
// showing: the rows added are numbered and decorated like the others, and
// OK saves every row, empty ones too.
TEST_F(RuleFrameTest, ATableWithoutKeyColumnSizedAtEachShowingSavesEveryRow)
{
    for (GridKind kind : kBothKinds) {
        SCOPED_TRACE(kindName(kind));
        QFile::remove(path());
        RuleEditorLayout layout = testLayout(kind, 1, 4, false);
        layout.tables[0].keyColumn = -1;
        TestRulesForm form(path(), layout);
        RuleTable& t = form.table(0);
        int rowsAtShow = 7;
        form.onPrepareShow = [&rowsAtShow](TestRulesForm& f) { f.table(0).setDataRows(rowsAtShow); };
        show(form);
        EXPECT_EQ(t.grid().RowCount(), 8);
        EXPECT_EQ(t.dataRows(), 7);
        for (int r = 1; r <= 7; ++r) {
            EXPECT_EQ(t.grid().GetCellEx(0, r), QString::number(r));
            EXPECT_EQ(row(form, r), (QStringList{"Y", "", "", QString::number(r), ""})) << r;
            for (int c = 1; c <= 5; ++c)
                EXPECT_EQ(t.grid().ReadOnly(c, r), c == 4) << c << "," << r;
        }
        EXPECT_FALSE(t.keyEmpty(7));
        t.setCellText(1, 6, QStringLiteral("N"));
        EXPECT_TRUE(!t.checked(1, 6) && t.checked(1, 7)) << "the added rows have their own check boxes";
        for (int r = 1; r <= 7; ++r)
            t.setCellText(3, r, QString::number(r));

        form.Btn_OKClick();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(fileBytes().count("<row "), 7);

        rowsAtShow = 2;
        show(form);
        EXPECT_EQ(t.grid().RowCount(), 3);
        EXPECT_EQ(t.savedRowCount(), 2);
        EXPECT_TRUE(dialogs.texts().join(u'\n').contains(QStringLiteral("holds 5 rows more")))
            << "the file's surplus rows are reported";
        dialogs.reset();
    }
}

// With an untrimmed key only a key cell without any text ends the list: a
// key of blanks is a row, which is saved and checked.
TEST_F(RuleFrameTest, AnUntrimmedKeyEndsTheListOnlyWhenItHoldsNoText)
{
    RuleEditorLayout layout = testLayout(GridKind::ColumnGrid, 1, 6, false);
    layout.tables[0].keyTrimmed = false;
    TestRulesForm form(path(), layout);
    show(form);
    RuleTable& t = form.table(0);
    t.setRowTexts(1, {"Y", "k1", "1", "", ""});
    t.setRowTexts(2, {"Y", " ", "x", "", ""});
    EXPECT_FALSE(t.keyEmpty(2));
    EXPECT_EQ(t.savedRowCount(), 2);
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error row 2!! Value must be a number"});
    t.setCellText(3, 2, QStringLiteral("2"));
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(fileBytes().contains("Key=\" \""));
}

// A form without row commands has OK and Cancel only, with the first two
// captions and hints of its block; the row commands do nothing.
TEST_F(RuleFrameTest, AFormWithoutRowCommandsHasOkAndCancelOnly)
{
    RuleEditorLayout layout = testLayout(GridKind::ColumnGrid, 1, 4, false);
    layout.rowCommands = false;
    TestRulesForm form(path(), layout);
    EXPECT_EQ(form.Btn_DelRow, nullptr);
    EXPECT_EQ(form.Btn_PasteRow, nullptr);
    EXPECT_EQ(form.P_Button->findChildren<button::TLbButton*>().size(), 2);
    EXPECT_EQ(form.Btn_Cancel->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(form.Btn_Cancel->toolTip(), QStringLiteral("hint Cancel"));
    EXPECT_EQ(form.Btn_Cancel->x(), 16 + 118);
    show(form);
    form.table(0).setRowTexts(2, {"Y", "k2", "2", "", ""});
    form.table(0).grid().FocusCell(2, 2);
    form.Btn_DelRowClick();
    form.Btn_InsRowClick();
    form.Btn_CopyRowClick();
    form.Btn_PasteRowClick();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(row(form, 2), (QStringList{"Y", "k2", "2", "", ""}));
    EXPECT_TRUE(form.table(0).keyEmpty(3));
}

// A form of its own on the frame: no rule table, a client widget of its
// own between the title and the buttons, its edits taken before the checks.
TEST_F(RuleFrameTest, AFormWithoutRuleTablesHasItsOwnClientAreaAndTakesItsEditsBeforeTheChecks)
{
    RuleEditorLayout layout = testLayout(GridKind::ColumnGrid, 1, 4, false);
    layout.tables.clear();
    layout.rowCommands = false;
    TestRulesForm form(path(), layout);
    auto* client = new QWidget;
    form.addClientWidget(client);
    form.resize(640, 360);
    show(form);
    EXPECT_EQ(client->parentWidget(), &form);
    EXPECT_EQ(client->y(), form.title.P_Title->height());
    EXPECT_EQ(client->y() + client->height(), form.P_Button->y());
    EXPECT_EQ(form.commits, 0);
    form.Btn_OKClick();
    EXPECT_EQ(form.commits, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(fileBytes(), QByteArray("<Test_Rules />\n<!--SW_VERSION = 1.001-->\n"));
}

}  // namespace rule_editor_form_tests
