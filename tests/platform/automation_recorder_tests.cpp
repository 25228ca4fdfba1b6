#include <gtest/gtest.h>

#include "support/automation_recorder.h"

using namespace platform::automation;
using testing_support::AutomationRecorder;

TEST(AutomationRecorder, RecordsReadsCallsAndWritesAsLines)
{
    AutomationRecorder recorder;
    ObjectRef excel = Objects().CreateObject("excel.application");
    ASSERT_NE(excel, nullptr);
    ObjectRef book = excel->GetObject("WorkBooks")->CallObject("Open", {Argument("a \"b\".xlsx")});
    book->Get("WorkSheets", {Argument(1)});
    excel->Put("Visible", true);
    auto array = std::make_shared<VariantArray>(2, 2, 1, 1);
    array->at(1, 1) = Variant("x");
    array->at(1, 2) = Variant(2.5);
    array->at(2, 1) = Variant(QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
    array->at(2, 2) = Variant::ErrorValue(2042);
    excel->Put("Range", Variant(array), {Argument("A1:B2")});
    excel->Call("Run", {Argument("what", QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9))), Argument(book), Argument(7)});
    excel->Call("Quit");

    EXPECT_EQ(recorder.callsText(),
              "CreateObject(\"excel.application\")\n"
              "excel.application.WorkBooks\n"
              "excel.application.WorkBooks.Open(\"a \"\"b\"\".xlsx\")\n"
              "excel.application.WorkBooks.Open(\"a \"\"b\"\".xlsx\").WorkSheets(1)\n"
              "excel.application.Visible = True\n"
              "excel.application.Range(\"A1:B2\") = {@1,1 \"x\", 2.5; #2024-03-05#, Error(2042)}\n"
              "excel.application.Run(what:=#2024-03-05 07:08:09#, excel.application.WorkBooks.Open(\"a \"\"b\"\".xlsx\"), 7)\n"
              "excel.application.Quit()");
}

TEST(AutomationRecorder, AnswersFromTheScriptLastRuleFirst)
{
    AutomationRecorder recorder;
    recorder.object("CreateObject(\"excel.application\")", "excel");
    recorder.object("excel.workbooks.add()", "book");
    recorder.answer("book.WorkSheets.Count", 3);
    recorder.answers("book.WorkSheets(*).Name", {Variant("One"), Variant("Two")});
    recorder.fail("*.SaveAs(*)", "disk full");
    recorder.answer("book.SaveAs(\"ok.xlsx\")", Variant());

    ObjectRef excel = Objects().CreateObject("excel.application");
    ObjectRef book = excel->GetObject("Workbooks")->CallObject("Add");
    ObjectRef sheets = book->GetObject("WorkSheets");
    EXPECT_EQ(sheets->Get("Count").toInteger(), 3);
    EXPECT_EQ(book->GetObject("WorkSheets", {Argument(1)})->Get("Name").toText(), "One");
    EXPECT_EQ(book->GetObject("WorkSheets", {Argument(2)})->Get("Name").toText(), "Two");
    EXPECT_EQ(book->GetObject("WorkSheets", {Argument(3)})->Get("Name").toText(), "Two");
    EXPECT_EQ(excel->GetObject("Workbooks")->CallObject("Add"), book);  // one object per name
    book->Call("SaveAs", {Argument("ok.xlsx")});
    try {
        book->Call("SaveAs", {Argument("bad.xlsx")});
        FAIL() << "no failure";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.message(), "disk full");
    }
    EXPECT_EQ(recorder.calls().back(), "book.SaveAs(\"bad.xlsx\")");  // a failing call is recorded too
    EXPECT_EQ(recorder.callsMatching("book.WorkSheets(*).Name").size(), 3);
}

TEST(AutomationRecorder, RunningProgramsAndMissingServers)
{
    {
        AutomationRecorder recorder;
        EXPECT_EQ(Objects().GetActiveObject("word.application"), nullptr);
        recorder.running("word.application");
        ObjectRef running = Objects().GetActiveObject("word.application");
        ASSERT_NE(running, nullptr);
        EXPECT_EQ(AutomationRecorder::valueText(Variant(running)), "word.application");
        recorder.noServer("ADODB.Connection");
        EXPECT_EQ(Objects().CreateObject("adodb.connection"), nullptr);
        EXPECT_EQ(recorder.callsText(),
                  "GetActiveObject(\"word.application\")\n"
                  "GetActiveObject(\"word.application\")\n"
                  "CreateObject(\"adodb.connection\")");
    }
    // The factory in place before is back.
    EXPECT_EQ(Objects().CreateObject("excel.application"), nullptr);
}
