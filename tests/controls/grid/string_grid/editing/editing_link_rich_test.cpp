#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>
#include <QTextCursor>

#include "controls/grid/editors/grid_link_editors.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/string_grid/editing/editing_test_support.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "platform/rtf.h"

using namespace grid;
using editing_testing::EditingGrid;

namespace editing_link_rich_tests {

// An application's link: a line edit whose keys go through EditKeyDown; it
// records every call the grid makes.
class RecordingLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    QStringList calls;
    QPointer<QLineEdit> edit;

    class KeyEdit : public QLineEdit {
    public:
        KeyEdit(QWidget* parent, RecordingLink& link) : QLineEdit(parent), L(link) {}

    protected:
        void keyPressEvent(QKeyEvent* e) override
        {
            platform::Word key = platform::keyCodeFromQt(e->key());
            if (e->key() == Qt::Key_Enter) key = platform::VK_RETURN;
            L.EditKeyDown(this, key, platform::shiftStateFromQt(e->modifiers()));
            if (key != 0 && isVisible()) QLineEdit::keyPressEvent(e);
            e->accept();  // no key reaches the grid behind the link's back
        }
        RecordingLink& L;
    };

    QWidget* GetEditControl() override { return edit; }
    void CreateEditor(QWidget* parent) override
    {
        calls << QStringLiteral("CreateEditor");
        if (edit == nullptr) edit = new KeyEdit(parent, *this);
        edit->setParent(parent);
    }
    void DestroyEditor() override { calls << QStringLiteral("DestroyEditor"); }
    void SetRect(const platform::TRect& r) override
    {
        calls << QStringLiteral("SetRect");
        TEditLink::SetRect(r);
    }
    void SetVisible(bool v) override
    {
        calls << QStringLiteral("SetVisible(%1)").arg(v);
        TEditLink::SetVisible(v);
    }
    void SetCellProps(TColor, const platform::TFont&) override { calls << QStringLiteral("SetCellProps"); }
    void SetProperties() override { calls << QStringLiteral("SetProperties"); }
    void SetEditorValue(const QString& s) override
    {
        calls << QStringLiteral("SetEditorValue(%1)").arg(s);
        edit->setText(s);
    }
    QString GetEditorValue() override
    {
        calls << QStringLiteral("GetEditorValue");
        return edit->text();
    }
    void SetFocus(bool v) override
    {
        calls << QStringLiteral("SetFocus(%1)").arg(v);
        TEditLink::SetFocus(v);
    }
};

struct LinkGrid : EditingGrid {
    RecordingLink link;
    LinkGrid()
    {
        grid->Navigation().AdvanceOnEnter = true;
        grid->SetEditLink(&link);
        grid->OnGetEditorType = [](QObject*, int col, int, TEditorType& kind) {
            if (col == 2) kind = edCustom;
        };
        grid->OnGetEditorProp = [this](QObject*, int, int, QObject*) { link.calls << QStringLiteral("OnGetEditorProp"); };
    }
};

TEST(EditingEditLink, TheGridCallsTheLinkInTheContractsOrder)
{
    LinkGrid g;
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    const QStringList opening = {QStringLiteral("CreateEditor"),      QStringLiteral("SetRect"),
                                 QStringLiteral("SetVisible(1)"),     QStringLiteral("SetCellProps"),
                                 QStringLiteral("SetProperties"),     QStringLiteral("OnGetEditorProp"),
                                 QStringLiteral("SetEditorValue(r2c2)"), QStringLiteral("SetFocus(1)")};
    EXPECT_EQ(g.link.calls, opening);
    EXPECT_EQ(g.link.Grid(), g.grid);
    EXPECT_EQ(g.link.EditCell(), QPoint(2, 2));
    EXPECT_TRUE(g.link.SubClassed());
    ASSERT_EQ(g.focus(), g.link.edit);
    EXPECT_EQ(g.grid->EditCtrl, g.link.edit);
    g.link.calls.clear();
    g.link.edit->setText(QStringLiteral("linked"));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.grid->GetCellEx(2, 2), QStringLiteral("linked"));
    EXPECT_EQ(g.link.calls.mid(0, 2), (QStringList{QStringLiteral("GetEditorValue"), QStringLiteral("SetVisible(0)")}));
    EXPECT_FALSE(g.link.SubClassed());
    EXPECT_FALSE(g.link.edit->isVisible());
    EXPECT_EQ(g.grid->Col(), 3) << "Enter moves on (left to right)";
}

TEST(EditingEditLink, EscRestoresAndTheWantSettingsKeepKeys)
{
    LinkGrid g;
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    g.link.edit->setText(QStringLiteral("changed"));
    g.key(Qt::Key_Escape);
    EXPECT_EQ(g.grid->GetCellEx(2, 2), QStringLiteral("r2c2")) << "Esc shows and stores the original value";
    EXPECT_EQ(g.grid->Row(), 2);

    g.link.WantKeyUpDown = true;
    g.open(2, 2);
    g.key(Qt::Key_Down);
    EXPECT_TRUE(g.link.edit->isVisible()) << "Down stays with the control";
    g.link.WantKeyUpDown = false;
    g.link.edit->setText(QStringLiteral("down"));
    g.key(Qt::Key_Down);
    EXPECT_FALSE(g.link.edit->isVisible());
    EXPECT_EQ(g.grid->GetCellEx(2, 2), QStringLiteral("down"));
    EXPECT_EQ(g.grid->Row(), 3);
}

// A link whose control is a bare focusable widget: unlike a line edit it
// claims no keys of its own before the form's shortcuts.
class BareLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    class KeyTaker : public QWidget {
    public:
        using QWidget::QWidget;
        QList<int> keys;

    protected:
        void keyPressEvent(QKeyEvent* e) override
        {
            keys << e->key();
            e->accept();
        }
    };
    QPointer<KeyTaker> control;
    QWidget* GetEditControl() override { return control; }
    void CreateEditor(QWidget* parent) override
    {
        if (control == nullptr) control = new KeyTaker(parent);
        control->setParent(parent);
        control->setFocusPolicy(Qt::StrongFocus);
    }
};

TEST(EditingEditLink, WithTabsTheControlTakesArrowsAndCharactersBeforeTheFormsShortcuts)
{
    for (const bool tabs : {false, true}) {
        SCOPED_TRACE(tabs ? "goTabs" : "no goTabs");
        EditingGrid g;
        BareLink link;
        g.grid->SetEditLink(&link);
        g.grid->OnGetEditorType = [](QObject*, int col, int, TEditorType& kind) {
            if (col == 2) kind = edCustom;
        };
        if (tabs) g.grid->SetOptions(g.grid->Options() | platform::goTabs);
        int fired = 0;
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_X)}) {
            auto* shortcut = new QShortcut(keys, g.form.window.get());  // Qt child of the form
            QObject::connect(shortcut, &QShortcut::activated, [&] { ++fired; });
        }
        link.WantKeyLeftRight = true;
        ASSERT_TRUE(g.show());
        g.open(2, 2);
        ASSERT_EQ(g.focus(), link.control);
        g.key(Qt::Key_Left);
        g.key(Qt::Key_X);
        if (tabs) {
            EXPECT_EQ(fired, 0);
            EXPECT_EQ(link.control->keys, (QList<int>{Qt::Key_Left, Qt::Key_X}));
        } else {
            EXPECT_EQ(fired, 2) << "without goTabs the form's shortcuts come first";
        }
    }
}

TEST(EditingEditLink, ARefusedValueReopensTheLink)
{
    LinkGrid g;
    g.grid->OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) { valid = value != u"bad"; };
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    g.link.edit->setText(QStringLiteral("bad"));
    g.key(Qt::Key_Return);
    EXPECT_TRUE(g.link.edit->isVisible());
    EXPECT_EQ(g.grid->Row(), 2);
    EXPECT_EQ(g.grid->GetCellEx(2, 2), QStringLiteral("r2c2"));
}

TEST(EditingEditLink, APopupLinkStoresOnceAndHidesItsForm)
{
    LinkGrid g;
    g.link.EditStyle = esPopup;
    g.link.PopupWidth = 150;
    g.link.PopupHeight = 40;
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    ASSERT_NE(g.link.PopupForm(), nullptr);
    EXPECT_TRUE(g.link.PopupForm()->isVisible());
    EXPECT_EQ(g.link.PopupForm()->objectName(), QStringLiteral("gridform"));
    EXPECT_EQ(g.link.edit->parentWidget(), g.link.PopupForm());
    g.link.edit->setText(QStringLiteral("popped"));
    g.link.edit->setFocus();
    QTest::keyClick(g.link.edit, Qt::Key_Return);
    EXPECT_FALSE(g.link.PopupForm()->isVisible());
    EXPECT_TRUE(g.link.calls.contains(QStringLiteral("DestroyEditor")));
    EXPECT_EQ(g.grid->GetCellEx(2, 2), QStringLiteral("popped"));
    EXPECT_EQ(g.grid->Col(), 3);
}

TEST(EditingEditLink, LeavingThePopupFormCopiesTheValueIntoTheInlineEditor)
{
    LinkGrid g;
    g.link.EditStyle = esPopup;
    ASSERT_TRUE(g.show());
    // An inline edit first, so that the grid's inline editor exists.
    g.open(1, 2);
    ASSERT_NE(g.grid->InplaceEdit(), nullptr);
    g.key(Qt::Key_Escape);
    g.open(2, 2);
    g.link.edit->setText(QStringLiteral("chosen"));
    g.link.calls.clear();
    // The pop-up form loses the activation.
    g.link.FormExit(g.link.PopupForm());
    EXPECT_EQ(g.grid->InplaceEdit()->text(), QStringLiteral("chosen"));
    EXPECT_EQ(g.link.calls.value(0), QStringLiteral("GetEditorValue"));
    EXPECT_FALSE(g.link.PopupForm()->isVisible());
    EXPECT_TRUE(g.grid->InvokedFocusChange);
}

// ------------------------------------------------------------ rich text

QString RichCell(const char* source) { return QString::fromLatin1(source); }

TEST(EditingRichEdit, RichCellsOpenFormattedAndComeBackAsRichText)
{
    EditingGrid g;
    g.grid->OnGetEditorType = [](QObject*, int col, int, TEditorType& kind) {
        if (col == 2) kind = edRichEdit;
    };
    g.grid->SetCellEx(2, 2, RichCell("{\\rtf1 plain {\\b bold}\\par {\\i second}\\par}"));
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    TExRichEdit* edit = g.grid->InplaceRichEdit();
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("plain bold\nsecond"));
    QTextCursor c(edit->document());
    c.setPosition(8);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
    // Select "second" and raise it.
    QTextCursor sel(edit->document());
    sel.setPosition(11);
    sel.setPosition(17, QTextCursor::KeepAnchor);
    edit->setTextCursor(sel);
    EXPECT_TRUE(edit->IsSelNormal());
    edit->SelSuperscript();
    EXPECT_TRUE(edit->IsSelSuperscript());
    EXPECT_FALSE(edit->IsSelNormal());
    edit->SelSubscript();
    EXPECT_TRUE(edit->IsSelSubscript());
    edit->SelNormal();
    EXPECT_TRUE(edit->IsSelNormal());
    edit->SelSuperscript();
    g.grid->HideInplaceEdit();
    const QString stored = g.grid->GetCellEx(2, 2);
    EXPECT_TRUE(stored.startsWith(QStringLiteral("{\\rtf1")));
    const platform::TRtfDocument doc = platform::ReadRtf(stored.toLatin1());
    ASSERT_EQ(doc.Paragraphs.size(), 2);
    EXPECT_EQ(doc.PlainText(), QStringLiteral("plain bold\nsecond"));
    EXPECT_TRUE(doc.Paragraphs[0].Runs.back().Format.Bold);
    EXPECT_TRUE(doc.Paragraphs[1].Runs[0].Format.Italic);
    EXPECT_EQ(doc.Paragraphs[1].Runs[0].Format.Script, platform::TRtfScript::Superscript);

    // Esc keeps the cell as it was.
    g.open(2, 2);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("gone"));
    g.key(Qt::Key_Escape);
    EXPECT_EQ(g.grid->GetCellEx(2, 2), stored);
}

TEST(EditingRichEdit, TheHiddenRichEditCarriesCellsBothWays)
{
    EditingGrid g;
    TExRichEdit* rich = g.grid->RichEdit();
    EXPECT_FALSE(rich->isVisible());
    g.grid->SetCellEx(1, 1, RichCell("{\\rtf1\\qc caf\\u233?\\line x{\\dn4 2}\\par}"));
    g.grid->CellToRich(1, 1, rich);
    EXPECT_EQ(rich->document()->toRawText(), QString::fromUtf8("caf\u00e9\u2028x2"));
    g.grid->RichToCell(3, 3, rich);
    EXPECT_EQ(platform::ReadRtf(g.grid->GetCellEx(3, 3).toLatin1()),
              platform::ReadRtf(g.grid->GetCellEx(1, 1).toLatin1()));
    // A plain cell shows as plain text; an empty one clears the edit and stays empty.
    g.grid->SetCellEx(1, 1, QStringLiteral("just text"));
    g.grid->CellToRich(1, 1, rich);
    EXPECT_EQ(rich->toPlainText(), QStringLiteral("just text"));
    g.grid->SetCellEx(1, 1, QString());
    g.grid->CellToRich(1, 1, rich);
    EXPECT_TRUE(rich->document()->isEmpty());
    EXPECT_EQ(g.grid->RichToString(rich), QString());
}

TEST(EditingRichEdit, TypingGrowsTheRowWithSizeWhileTyping)
{
    EditingGrid g;
    g.grid->OnGetEditorType = [](QObject*, int col, int, TEditorType& kind) {
        if (col == 2) kind = edRichEdit;
    };
    g.grid->SizeWhileTyping().Height = true;
    int rowSized = 0;
    g.grid->OnEndRowSize = [&](QObject*, int) { ++rowSized; };
    ASSERT_TRUE(g.show());
    const int before = g.grid->RowHeights(2);
    g.open(2, 2);
    TExRichEdit* edit = g.grid->InplaceRichEdit();
    QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i) QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_GT(g.grid->RowHeights(2), before);
    EXPECT_EQ(g.grid->RowHeights(2), edit->ReqHeight() + 10);
    EXPECT_EQ(edit->height(), edit->ReqHeight() + 9);
    EXPECT_GE(rowSized, 1);
}

// ------------------------------------------------------------ fixed cells

TEST(EditingFixedCell, TheEditStoresOnLeavingUnlessRefused)
{
    EditingGrid g;
    g.grid->SetCellEx(2, 0, QStringLiteral("Header"));
    bool refuse = true;
    std::vector<QString> changes;
    g.grid->OnCellValidate = [&](QObject*, int, int, QString&, bool& valid) { valid = !refuse; };
    g.grid->OnEditChange = [&](QObject*, int, int, const QString& v) { changes.push_back(v); };
    ASSERT_TRUE(g.show());
    g.grid->StartFixedCellEdit(2, 0);
    TGridTransEdit* edit = g.grid->EditTrans();
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("Header"));
    QTest::keyClicks(edit, QStringLiteral("X"));
    EXPECT_FALSE(changes.empty());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(edit->isVisible()) << "Enter does not end a fixed-cell edit";
    g.form.other->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(edit->isVisible()) << "a refused value keeps the editor";
    EXPECT_EQ(g.grid->GetCellEx(2, 0), QStringLiteral("Header"));
    refuse = false;
    EXPECT_TRUE(edit->StopEdit());
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(g.grid->GetCellEx(2, 0), QStringLiteral("HeaderX"));
}

TEST(EditingFixedCell, ComboTakesTheFixedValuesAndCanBeRefusedByTheApplication)
{
    EditingGrid g;
    g.grid->MouseActions().FixedRowsEditor = fceComboList;
    g.grid->MouseActions().SetFixedComboValues({QStringLiteral("One"), QStringLiteral("Two")});
    g.grid->OnFixedEdit = [](QObject*, int, int, TGridFixedCellEditor&, QStringList& values) {
        values << QStringLiteral("Three");
    };
    ASSERT_TRUE(g.show());
    g.grid->StartFixedCellEdit(3, 0);
    TGridTransCombo* combo = g.grid->ComboTrans();
    ASSERT_TRUE(combo->isVisible());
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->count(), 3);
    combo->setCurrentIndex(2);
    EXPECT_TRUE(combo->StopEdit());
    EXPECT_EQ(g.grid->GetCellEx(3, 0), QStringLiteral("Three"));
    g.grid->OnCanEditCell = [](QObject*, int, int, bool& can) { can = false; };
    g.grid->StartFixedCellEdit(2, 0);
    EXPECT_FALSE(combo->isVisible());
    EXPECT_TRUE(g.grid->EditTrans()->isHidden());
}

TEST(EditingFixedCell, TheMouseSettingsNameTheGesture)
{
    struct Case {
        const char* name;
        TGridFixedCellEdit rows, cols;
        int col, row;
        bool right, twice, opens;
    };
    const Case cases[] = {
        {"left click in a fixed row", fceLeftClick, fceNone, 2, 0, false, false, true},
        {"left click when only columns are edited", fceNone, fceLeftClick, 2, 0, false, false, false},
        {"left click in a fixed column", fceNone, fceLeftClick, 0, 3, false, false, true},
        {"right click", fceRightClick, fceNone, 3, 0, true, false, true},
        {"double click", fceDblClick, fceNone, 3, 0, false, true, true},
        {"single click for a double-click setting", fceDblClick, fceNone, 3, 0, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditingGrid g;
        g.grid->SetOptions(g.grid->Options() & ~(platform::goColSizing | platform::goRowSizing));
        g.grid->MouseActions().FixedRowsEdit = c.rows;
        g.grid->MouseActions().FixedColsEdit = c.cols;
        g.grid->SetCellEx(c.col, c.row, QStringLiteral("title"));
        ASSERT_TRUE(g.show());
        const QPoint at = g.grid->CellRect(c.col, c.row).toQRect().center();
        QWidget* viewport = g.grid->viewport();
        if (c.twice)
            QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        else
            QTest::mouseClick(viewport, c.right ? Qt::RightButton : Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
        EXPECT_EQ(g.grid->EditTrans()->isVisible(), c.opens);
        if (c.opens) { EXPECT_EQ(g.grid->EditTrans()->text(), QStringLiteral("title")); }
    }
}

// ------------------------------------------------------------ form controls in cells

TEST(EditingFormControls, TabGoesFromControlToControlAndEnterStores)
{
    EditingGrid g;
    g.grid->EnableHTML = true;
    g.grid->SetRowHeights(2, 60);
    g.grid->SetColWidths(2, 260);
    g.grid->SetCellEx(2, 2,
                      QStringLiteral("A <CONTROL TYPE=\"EDIT\" ID=\"a\" VALUE=\"one\" WIDTH=\"60\"> B <CONTROL "
                                     "TYPE=\"EDIT\" ID=\"b\" VALUE=\"two\" WIDTH=\"60\">"));
    std::vector<QString> done;
    g.grid->HTML().OnControlEditDone = [&](QObject*, int, int, const QString& id, const QString&, const QString& v) {
        done.push_back(id + u'=' + v);
    };
    ASSERT_TRUE(g.show());
    g.grid->FocusCell(2, 2);
    g.grid->setFocus();
    g.key(Qt::Key_F2);
    TControlEdit* edit = g.grid->HTML().ControlEdit();
    ASSERT_NE(edit, nullptr) << "F2 on a cell with form controls edits the first one";
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("one"));
    edit->setText(QStringLiteral("uno"));
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0], QStringLiteral("a=uno"));
    EXPECT_TRUE(edit->isVisible()) << "Tab opens the next control of the cell";
    EXPECT_EQ(g.grid->HTML().CtrlID(), QStringLiteral("b"));
    edit->setText(QStringLiteral("dos"));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(done.back(), QStringLiteral("b=dos"));
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(g.focus(), g.grid) << "after the last control the grid has the focus";
    QString value;
    GetHTMLControlValue(g.grid->GetCellEx(2, 2), QStringLiteral("a"), value);
    EXPECT_EQ(value, QStringLiteral("uno"));
    GetHTMLControlValue(g.grid->GetCellEx(2, 2), QStringLiteral("b"), value);
    EXPECT_EQ(value, QStringLiteral("dos"));
}

}  // namespace editing_link_rich_tests
