#include "StartupFixture.h"

#include "platform/ADOConnection.h"
#include "platform/Exceptions.h"
#include "startup/SharedReferences.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <fstream>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::vector<std::string> ReleaseOrder = {
    "second data module freed; still set: PublicObject MiddleObject CdsObject AccessObject frmCalc",
    "main window freed; still set: (none)",
    "first data module freed; still set: (none)",
};

const std::vector<std::string> RunningComponents = {
    "first data module", "main window", "second data module"};

std::string MachineName()
{
    std::string name;
    std::ifstream("/proc/sys/kernel/hostname") >> name;
    return name;
}

// The message of the connection's own failure for `connectionString`.
std::string ConnectionFailure(const std::string& connectionString)
{
    platform::TADOConnection connection;
    connection.SetConnectionString(connectionString);
    try {
        connection.Open();
    } catch (const platform::Exception& failure) {
        return failure.what();
    }
    return "(opened)";
}

TEST_F(StartupTest, CorrectDatabaseRunsWithTwoConnectionsAndReleasesInOrder)
{
    CreateDatabase("5K7W2MQ0X");

    EXPECT_EQ(RunProgram(Closing::ByTest), 0);

    EXPECT_TRUE(Reports.empty());
    ASSERT_TRUE(Running.Shown);
    EXPECT_EQ(Running.Components, RunningComponents);
    EXPECT_TRUE(Running.SecondModuleShared);
    EXPECT_TRUE(Running.MainFormIsWindow);
    EXPECT_EQ(Running.ConnectedModules, 2);
    EXPECT_EQ(Running.OpenDatabaseFiles, 2);
    EXPECT_EQ(Running.ComputerName, MachineName());
    EXPECT_EQ(Running.AppPath, ProgramFolder().string() + "/");

    EXPECT_EQ(OpenDescriptorsOf(DatabaseFile()), 0);
    EXPECT_EQ(Releases, ReleaseOrder);
    EXPECT_EQ(SetReferences(), "(none)");
}

TEST_F(StartupTest, ConnectionStringJoinsItsPiecesAroundTheProgramFolder)
{
    RunProgram(Closing::ByItself, {}, QStringLiteral("/opt/x/moneycalc"));

    EXPECT_EQ(Running.AppPath, "/opt/x/");
    EXPECT_EQ(Running.ConnectionString,
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/x/database\\DefaultProject.wqtz;"
              "Jet OLEDB:Database Password=5K7W2MQ0X;");
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_THAT(Reports[0].Details.toStdString(), HasSubstr("/opt/x/database/DefaultProject.wqtz"));
}

struct BrokenDatabase {
    const char* Name;
    void (*Prepare)(const fs::path& databaseFile);
    const char* Says;  // what the details tell the user about the cause
};

void PrintTo(const BrokenDatabase& database, std::ostream* out) { *out << database.Name; }

class BrokenDatabaseTest : public StartupTest,
                           public ::testing::WithParamInterface<BrokenDatabase> {};

// Each report is answered as soon as it waits; the program must then end on its own, through
// the whole release order, and say that its start failed.
TEST_P(BrokenDatabaseTest, ReportsTheFirstFailureOnlyAndEndsThroughTheReleaseOrder)
{
    GetParam().Prepare(DatabaseFile());

    EXPECT_NE(RunProgram(Closing::ByItself), 0);

    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0].Message, QStringLiteral("数据库连接失败，程序将自动关闭。"));
    EXPECT_EQ(Reports[0].Details.toStdString(), ConnectionFailure(Running.ConnectionString));
    EXPECT_THAT(Reports[0].Details.toStdString(), HasSubstr(GetParam().Says));

    ASSERT_TRUE(Running.Shown);
    EXPECT_EQ(Running.Components, RunningComponents);
    EXPECT_EQ(Running.ConnectedModules, 0);
    EXPECT_EQ(Running.OpenDatabaseFiles, 0);
    EXPECT_FALSE(ClosedByHangGuard);
    EXPECT_EQ(Releases, ReleaseOrder);
    EXPECT_EQ(SetReferences(), "(none)");
}

INSTANTIATE_TEST_SUITE_P(
    Startup, BrokenDatabaseTest,
    ::testing::Values(
        BrokenDatabase{"NoDatabaseFolder", [](const fs::path&) {}, "Could not find the database file"},
        BrokenDatabase{"WrongPassword",
                       [](const fs::path& file) { CreateDatabaseAt(file, "other password"); },
                       "Wrong password"},
        BrokenDatabase{"NotADatabase",
                       [](const fs::path& file) {
                           fs::create_directories(file.parent_path());
                           std::ofstream(file) << "a list of amounts, not a database\n";
                       },
                       "is not a database"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(StartupTest, AnErrorEscapingTheRunStillReleasesEverythingAndFailsTheStart)
{
    CreateDatabase("5K7W2MQ0X");
    ::testing::internal::CaptureStderr();

    const int status = RunProgram(Closing::ByTest, [] { throw std::runtime_error("window failed"); });

    EXPECT_THAT(::testing::internal::GetCapturedStderr(), HasSubstr("moneycalc: window failed"));
    EXPECT_NE(status, 0);
    EXPECT_EQ(Releases, ReleaseOrder);
    EXPECT_EQ(SetReferences(), "(none)");
    EXPECT_EQ(OpenDescriptorsOf(DatabaseFile()), 0);
}

}  // namespace
