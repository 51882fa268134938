#include "platform/ADOConnection.h"
#include "platform/DatabaseFile.h"
#include "platform/Exceptions.h"

#include "DatabaseTestFiles.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

namespace fs = std::filesystem;
using platform::TADOConnection;

std::string RandomBytes(std::size_t count)
{
    std::mt19937 generator(7);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator());
    return bytes;
}

std::string Replaced(std::string text, std::string_view placeholder, std::string_view value)
{
    for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder))
        text.replace(at, placeholder.size(), value);
    return text;
}

// The message of the failure to open with `connectionString`, or "" when it opened.
std::string OpenFailure(const std::string& connectionString)
{
    TADOConnection connection;
    connection.SetConnectionString(connectionString);
    try {
        connection.Open();
    } catch (const platform::EDatabaseError& failure) {
        EXPECT_FALSE(connection.Connected());
        return failure.what();
    }
    return "";
}

// A program folder in a temporary folder, with the database file where the program looks.
class DatabaseConnectionTest : public ::testing::Test {
protected:
    fs::path DatabaseFolder() const { return Folder.Path() / "database"; }
    fs::path DatabaseFile() const { return DatabaseFolder() / "DefaultProject.wqtz"; }

    // The program's own form: the folder with a slash, the file below it with a backslash.
    std::string ProgramConnectionString(std::string_view password = ProgramPassword) const
    {
        return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + Folder.Path().string()
             + "/database\\DefaultProject.wqtz;Jet OLEDB:Database Password="
             + std::string(password) + ";";
    }

    void CreateDatabase(std::string_view password = ProgramPassword,
                        const std::string& schema = platform::DatabaseFormatSchema()) const
    {
        fs::create_directories(DatabaseFolder());
        platform::CreateDatabaseFile(DatabaseFile(), password, schema);
    }

    void WriteDatabase(std::string_view bytes) const
    {
        fs::create_directories(DatabaseFolder());
        WriteBytes(DatabaseFile(), bytes);
    }

    TemporaryFolder Folder;
};

TEST_F(DatabaseConnectionTest, TwoConnectionsOpenAtOnceAndLeaveTheFileUnchanged)
{
    CreateDatabase();
    const std::string before = ReadBytes(DatabaseFile());

    TADOConnection first;
    TADOConnection second;
    for (TADOConnection* connection : {&first, &second}) {
        connection->SetLoginPrompt(false);
        connection->SetConnectionString(ProgramConnectionString());
        connection->Open();
    }
    EXPECT_TRUE(first.Connected());
    EXPECT_TRUE(second.Connected());

    first.Close();
    first.Close();
    EXPECT_FALSE(first.Connected());
    EXPECT_TRUE(second.Connected());

    first.Open();
    EXPECT_TRUE(first.Connected());
    first.Close();
    second.Close();
    EXPECT_EQ(ReadBytes(DatabaseFile()), before);
}

TEST_F(DatabaseConnectionTest, KeysComeInAnyOrderAndCaseAndPathsUseEitherSeparator)
{
    CreateDatabase();
    const std::string file = DatabaseFile().string();
    const std::string backslashed = Replaced(file, "/", "\\");
    const std::string forms[] = {
        "provider=microsoft.jet.oledb.4.0;data source=<file>;jet oledb:database password=<pw>",
        "Jet OLEDB:Database Password=<pw>;Data Source=<file>;Provider=MICROSOFT.JET.OLEDB.4.0;",
        " Provider = Microsoft.Jet.OLEDB.4.0 ;; Persist Security Info=False;"
        " DATA SOURCE = <file> ; JET OLEDB:DATABASE PASSWORD = <pw> ;",
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + backslashed
            + ";Jet OLEDB:Database Password=<pw>;",
    };
    for (const std::string& form : forms) {
        const std::string connectionString =
            Replaced(Replaced(form, "<file>", file), "<pw>", ProgramPassword);
        SCOPED_TRACE(connectionString);
        EXPECT_EQ(OpenFailure(connectionString), "");
    }
}

TEST_F(DatabaseConnectionTest, EachFailureSaysWhatWentWrongAndChangesNothing)
{
    enum class Content { NoFolder, NoFile, Program, Empty, Random, Text, Plain, EncryptedForeign };
    struct Case {
        const char* Description;
        Content File;
        std::string ConnectionString;
        std::string Message;
    };
    const std::string quoted = "'" + DatabaseFile().string() + "'";
    const std::string notFound = "Could not find the database file " + quoted + ".";
    const std::string wrongPassword = "Wrong password for the database file " + quoted + ".";
    const std::string notOurs = "The file " + quoted + " is not a database of this program.";
    const std::string withoutPassword =
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + DatabaseFile().string();
    const std::string foreignSchema = "CREATE TABLE notes(text TEXT)";
    const std::string dataSourceOnly = "Data Source=" + DatabaseFile().string();
    const Case cases[] = {
        {"no database folder", Content::NoFolder, ProgramConnectionString(), notFound},
        {"no database file", Content::NoFile, ProgramConnectionString(), notFound},
        {"wrong password", Content::Program, ProgramConnectionString("5K7W2MQ0Y"), wrongPassword},
        {"no password", Content::Program, withoutPassword, wrongPassword},
        {"empty file", Content::Empty, ProgramConnectionString(), notOurs},
        {"random bytes, not whole pages", Content::Random, ProgramConnectionString(), notOurs},
        {"text file", Content::Text, ProgramConnectionString(), notOurs},
        {"plain SQLite file, keyed", Content::Plain, ProgramConnectionString(), notOurs},
        {"plain SQLite file, no key", Content::Plain, withoutPassword, notOurs},
        {"encrypted file of another program", Content::EncryptedForeign, ProgramConnectionString(),
         notOurs},
        {"unknown provider", Content::Program,
         Replaced(ProgramConnectionString(), "Microsoft.Jet.OLEDB.4.0", "SQLOLEDB"),
         "Unknown database provider 'SQLOLEDB'; expected Microsoft.Jet.OLEDB.4.0."},
        {"no provider", Content::Program, dataSourceOnly,
         "The connection string names no database provider."},
        {"no data source", Content::Program, "Provider=Microsoft.Jet.OLEDB.4.0;",
         "The connection string names no database file (Data Source)."},
        {"entry without a value", Content::Program, "Provider=Microsoft.Jet.OLEDB.4.0;" + quoted,
         "Invalid connection string entry '" + quoted + "': expected Key=Value."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Description);
        fs::remove_all(DatabaseFolder());
        switch (c.File) {
        case Content::NoFolder: break;
        case Content::NoFile: fs::create_directories(DatabaseFolder()); break;
        case Content::Program: CreateDatabase(); break;
        case Content::Empty: WriteDatabase(""); break;
        case Content::Random: WriteDatabase(RandomBytes(3000)); break;
        case Content::Text: WriteDatabase("Provider=Microsoft.Jet.OLEDB.4.0\n"); break;
        case Content::Plain: CreateDatabase("", foreignSchema); break;
        case Content::EncryptedForeign: CreateDatabase(ProgramPassword, foreignSchema); break;
        }
        const std::string before = ReadBytes(DatabaseFile());

        EXPECT_EQ(OpenFailure(c.ConnectionString), c.Message);
        EXPECT_EQ(ReadBytes(DatabaseFile()), before);
        const bool hadFile = c.File != Content::NoFolder && c.File != Content::NoFile;
        EXPECT_EQ(fs::exists(DatabaseFile()), hadFile);
    }
}

TEST_F(DatabaseConnectionTest, AFailedOpenLeavesTheConnectionClosedAndReusable)
{
    CreateDatabase();
    TADOConnection connection;
    connection.SetConnectionString(ProgramConnectionString("wrong"));
    EXPECT_THROW(connection.Open(), platform::EDatabaseError);
    EXPECT_FALSE(connection.Connected());

    connection.SetConnectionString(ProgramConnectionString());
    connection.Open();
    EXPECT_TRUE(connection.Connected());
}

TEST_F(DatabaseConnectionTest, TheConnectionStringStaysWhileTheConnectionIsOpen)
{
    CreateDatabase();
    TADOConnection connection;
    connection.SetConnectionString(ProgramConnectionString());
    connection.Open();
    connection.Open();

    EXPECT_THROW(connection.SetConnectionString("Provider=SQLOLEDB"), platform::EDatabaseError);
    EXPECT_EQ(connection.ConnectionString(), ProgramConnectionString());
    EXPECT_TRUE(connection.Connected());

    connection.Close();
    connection.SetConnectionString("Provider=SQLOLEDB");
    EXPECT_EQ(connection.ConnectionString(), "Provider=SQLOLEDB");
}

TEST(ProgramDatabase, TheBuiltFileOpensWithTheProgramsPassword)
{
    EXPECT_EQ(OpenFailure(ConnectionStringFor(MONEYCALC_DATABASE_FILE)), "");
}

}  // namespace
