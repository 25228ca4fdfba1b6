// The run-time library loader: the folders in order, then the system's
// search; a missing library or symbol reported; the library released with
// its object. The fake OPC UA search library of the tests serves as the
// library (complete, and without opcua_return_variable).

#include <dlfcn.h>

#include <QFile>
#include <gtest/gtest.h>

#include "platform/dynamic_library.h"
#include "support/temp_folder.h"

namespace {

using platform::DynamicLibrary;

const QString kName = QStringLiteral("OPC_UA_Search");
const QString kComplete = QStringLiteral(FAKE_OPC_UA_SEARCH_DIR);
const QString kIncomplete = QStringLiteral(FAKE_OPC_UA_SEARCH_INCOMPLETE_DIR);

bool stillLoaded(const QString& path)
{
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr)
        return false;
    dlclose(handle);
    return true;
}

TEST(DynamicLibrary, TheFirstFolderHoldingTheLibraryWins)
{
    testing_support::TempFolder empty;
    EXPECT_EQ(DynamicLibrary::fileName(kName), QStringLiteral("libOPC_UA_Search.so"));

    auto complete = DynamicLibrary::open(kName, {empty.path(), kComplete, kIncomplete});
    ASSERT_NE(complete, nullptr);
    EXPECT_EQ(complete->path(), kComplete + QStringLiteral("/libOPC_UA_Search.so"));
    EXPECT_NE(complete->symbol("opcua_client_begin"), nullptr);
    EXPECT_NE(complete->symbol("opcua_return_variable"), nullptr);

    auto incomplete = DynamicLibrary::open(kName, {kIncomplete, kComplete});
    ASSERT_NE(incomplete, nullptr);
    EXPECT_NE(incomplete->symbol("opcua_client_begin"), nullptr);
    EXPECT_EQ(incomplete->symbol("opcua_return_variable"), nullptr);
    EXPECT_EQ(incomplete->symbol("no_such_function"), nullptr);
}

TEST(DynamicLibrary, AMissingLibraryIsReportedAndNothingIsLoaded)
{
    testing_support::TempFolder empty;
    QString error;
    EXPECT_EQ(DynamicLibrary::open(QStringLiteral("No_Such_Library_Here"), {empty.path()}, &error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("libNo_Such_Library_Here.so"))) << error.toStdString();
    // The program's own folder holds no such library either.
    EXPECT_EQ(DynamicLibrary::open(QStringLiteral("No_Such_Library_Here")), nullptr);
}

TEST(DynamicLibrary, AFileThatIsNoLibraryIsReportedWithoutLookingFurther)
{
    testing_support::TempFolder folder;
    const QString broken = folder.write(QStringLiteral("libOPC_UA_Search.so"), "not a shared object");
    QString error;
    EXPECT_EQ(DynamicLibrary::open(kName, {folder.path(), kComplete}, &error), nullptr);
    EXPECT_TRUE(error.contains(broken)) << error.toStdString();
}

TEST(DynamicLibrary, TheLibraryIsReleasedWithItsObject)
{
    const QString path = kComplete + QStringLiteral("/libOPC_UA_Search.so");
    auto library = DynamicLibrary::open(kName, {kComplete});
    ASSERT_NE(library, nullptr);
    EXPECT_TRUE(stillLoaded(path));
    library.reset();
    EXPECT_FALSE(stillLoaded(path));
}

}  // namespace
