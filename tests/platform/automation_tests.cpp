#include <gtest/gtest.h>

#include "platform/automation/automation.h"
#include "platform/format_settings.h"

using namespace platform::automation;

namespace {

struct DecimalComma {
    platform::FormatSettings saved = platform::formatSettings();
    DecimalComma()
    {
        platform::formatSettings().DecimalSeparator = u',';
        platform::formatSettings().ShortDateFormat = QStringLiteral("dd/mm/yyyy");
        platform::formatSettings().LongTimeFormat = QStringLiteral("hh:nn:ss");
        platform::formatSettings().DateSeparator = u'.';
    }
    ~DecimalComma() { platform::formatSettings() = saved; }
};

// Answers every member with its own name, and remembers how it was reached.
class Echo final : public AutomationObject {
public:
    Variant Invoke(InvokeKind kind, const QString& member, const Arguments& arguments) override
    {
        lastKind = kind;
        lastArguments = arguments;
        return member;
    }
    InvokeKind lastKind = InvokeKind::Method;
    Arguments lastArguments;
};

}  // namespace

TEST(AutomationVariant, TextForms)
{
    DecimalComma comma;
    EXPECT_EQ(Variant().toText(), "");
    EXPECT_EQ(Variant(true).toText(), "True");
    EXPECT_EQ(Variant(42).toText(), "42");
    EXPECT_EQ(Variant(0.1).toText(), "0,1");
    EXPECT_EQ(Variant(1e21).toText(), "1e+21");
    EXPECT_EQ(Variant(QDateTime(QDate(2024, 3, 5), QTime(0, 0))).toText(), "05.03.2024");
    EXPECT_EQ(Variant(QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9))).toText(), "05.03.2024 07:08:09");
    EXPECT_THROW(Variant::ErrorValue(2042).toText(), AutomationError);
    EXPECT_THROW(Variant(std::make_shared<Echo>()).toText(), AutomationError);
}

TEST(AutomationVariant, NumbersFromTextAndBadText)
{
    DecimalComma comma;
    EXPECT_DOUBLE_EQ(Variant("2,5").toNumber(), 2.5);
    EXPECT_EQ(Variant("7").toInteger(), 7);
    EXPECT_THROW(Variant("abc").toNumber(), AutomationError);
    EXPECT_THROW(Variant("1e300").toInteger(), AutomationError);
    EXPECT_TRUE(Variant("TRUE").toBool());
}

TEST(AutomationVariant, ArrayBoundsAreChecked)
{
    VariantArray a(2, 3, 1, 1);
    a.at(1, 1) = Variant(5);
    a.at(2, 3) = Variant("x");
    EXPECT_EQ(a.at(1, 1).toInteger(), 5);
    EXPECT_EQ(a.at(2, 3).toText(), "x");
    EXPECT_THROW(a.at(0, 1), AutomationError);
    EXPECT_THROW(a.at(3, 1), AutomationError);
    EXPECT_THROW(a.at(1, 4), AutomationError);
}

TEST(AutomationObject, HelpersPassKindAndPutValueLast)
{
    Echo echo;
    echo.Put("Name", "Sheet2", {Argument("index", 1)});
    EXPECT_EQ(echo.lastKind, InvokeKind::PropertyPut);
    ASSERT_EQ(echo.lastArguments.size(), 2u);
    EXPECT_EQ(echo.lastArguments[0].name, "index");
    EXPECT_EQ(echo.lastArguments[1].value.toText(), "Sheet2");
    EXPECT_EQ(echo.Get("Count").toText(), "Count");
    EXPECT_EQ(echo.lastKind, InvokeKind::PropertyGet);
    EXPECT_THROW(echo.GetObject("Count"), AutomationError);
}

TEST(AutomationObject, DefaultFactoryHasNoServers)
{
    auto previous = InstallObjectFactory(nullptr);
    EXPECT_EQ(Objects().CreateObject("excel.application"), nullptr);
    EXPECT_EQ(Objects().GetActiveObject("word.application"), nullptr);
    InstallObjectFactory(previous);
}
