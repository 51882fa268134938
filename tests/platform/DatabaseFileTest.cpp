#include "platform/ADOConnection.h"
#include "platform/DatabaseFile.h"
#include "platform/Exceptions.h"

#include "DatabaseTestFiles.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using platform::CreateDatabaseFile;
using platform::DatabaseFormatSchema;

bool Opens(const fs::path& file, std::string_view password)
{
    platform::TADOConnection connection;
    connection.SetConnectionString(ConnectionStringFor(file, password));
    try {
        connection.Open();
    } catch (const platform::EDatabaseError&) {
        return false;
    }
    return true;
}

std::vector<fs::path> FilesIn(const fs::path& folder)
{
    return {fs::directory_iterator(folder), fs::directory_iterator()};
}

TEST(CreateDatabaseFile, ReplacesAnOldFileWhole)
{
    const TemporaryFolder folder;
    const fs::path file = folder.Path() / "DefaultProject.wqtz";
    CreateDatabaseFile(file, "old", DatabaseFormatSchema());
    CreateDatabaseFile(file, "new", DatabaseFormatSchema());

    EXPECT_TRUE(Opens(file, "new"));
    EXPECT_FALSE(Opens(file, "old"));
    EXPECT_EQ(FilesIn(folder.Path()), std::vector{file});
}

TEST(CreateDatabaseFile, AFailureKeepsTheOldFileAndLeavesNoDraft)
{
    const TemporaryFolder folder;
    const fs::path file = folder.Path() / "DefaultProject.wqtz";
    CreateDatabaseFile(file, ProgramPassword, DatabaseFormatSchema());
    const std::string before = ReadBytes(file);

    EXPECT_THROW(CreateDatabaseFile(file, ProgramPassword, "CREATE TABLE broken("),
                 platform::EDatabaseError);
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(FilesIn(folder.Path()), std::vector{file});
}

TEST(CreateDatabaseFile, AMissingFolderIsADatabaseError)
{
    const TemporaryFolder folder;
    EXPECT_THROW(CreateDatabaseFile(folder.Path() / "database" / "DefaultProject.wqtz",
                                    ProgramPassword, DatabaseFormatSchema()),
                 platform::EDatabaseError);
    EXPECT_TRUE(FilesIn(folder.Path()).empty());
}

}  // namespace
