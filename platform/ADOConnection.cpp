#include "ADOConnection.h"

#include "DatabaseFile.h"
#include "Exceptions.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view JetProvider = "Microsoft.Jet.OLEDB.4.0";

struct ConnectionSettings {
    std::string Provider;
    std::string DataSource;
    std::string Password;
};

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameIgnoringCase(std::string_view left, std::string_view right)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(left, right, {}, lower, lower);
}

void StoreSetting(ConnectionSettings& settings, std::string_view key, std::string_view value)
{
    if (SameIgnoringCase(key, "Provider"))
        settings.Provider = value;
    else if (SameIgnoringCase(key, "Data Source"))
        settings.DataSource = value;
    else if (SameIgnoringCase(key, "Jet OLEDB:Database Password"))
        settings.Password = value;
    // Other keys of the provider mean nothing to this file format.
}

ConnectionSettings ParseConnectionString(std::string_view text)
{
    ConnectionSettings settings;
    while (!text.empty()) {
        const auto end = std::min(text.find(';'), text.size());
        const std::string_view entry = Trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (entry.empty())
            continue;
        const auto equals = entry.find('=');
        if (equals == std::string_view::npos)
            throw EDatabaseError("Invalid connection string entry '" + std::string(entry)
                                 + "': expected Key=Value.");
        StoreSetting(settings, Trimmed(entry.substr(0, equals)), Trimmed(entry.substr(equals + 1)));
    }
    return settings;
}

void RequireJetProvider(std::string_view provider)
{
    if (provider.empty())
        throw EDatabaseError("The connection string names no database provider.");
    if (!SameIgnoringCase(provider, JetProvider))
        throw EDatabaseError("Unknown database provider '" + std::string(provider) + "'; expected "
                             + std::string(JetProvider) + ".");
}

fs::path DataSourcePath(std::string dataSource)
{
    if (dataSource.empty())
        throw EDatabaseError("The connection string names no database file (Data Source).");
    std::ranges::replace(dataSource, '\\', '/');
    // An absolute name can never be read as one of the library's special names (":memory:").
    std::error_code ignored;
    const fs::path absolute = fs::absolute(dataSource, ignored);
    return absolute.empty() ? fs::path(dataSource) : absolute;
}

std::string Quoted(const fs::path& file)
{
    return "'" + file.string() + "'";
}

// SQLCipher's file consists of whole 1024-byte pages that cannot be told from random bytes
// without the key. A file of that shape which the key does not open is taken to be ours under
// another password; anything else, including a plain SQLite file, is not a database of ours.
bool LooksEncrypted(const fs::path& file)
{
    constexpr std::uintmax_t PageSize = 1024;
    constexpr std::string_view PlainHeader{"SQLite format 3\0", 16};
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size == 0 || size % PageSize != 0)
        return false;
    std::array<char, PlainHeader.size()> header{};
    std::ifstream(file, std::ios::binary).read(header.data(), header.size());
    return std::string_view(header.data(), header.size()) != PlainHeader;
}

SqliteDatabase OpenFile(const fs::path& file)
{
    SqliteOpening opening = OpenSqlite(file, SQLITE_OPEN_READWRITE);
    std::error_code error;
    if (opening.Code == SQLITE_CANTOPEN && !fs::exists(file, error))
        throw EDatabaseError("Could not find the database file " + Quoted(file) + ".");
    if (opening.Code != SQLITE_OK)
        throw EDatabaseError("Could not open the database file " + Quoted(file) + ": "
                             + SqliteMessage(opening.Database.get()) + ".");
    return std::move(opening.Database);
}

// The key is only tried by the first read, so the schema is read here; an empty or foreign
// file reads without fault and is known by the missing format table.
void RequireFormatTable(sqlite3& database, const fs::path& file)
{
    const std::string query = "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = '"
                            + std::string(DatabaseFormatTable) + "'";
    bool found = false;
    const auto markFound = [](void* flag, int, char**, char**) {
        *static_cast<bool*>(flag) = true;
        return 0;
    };
    const int code = sqlite3_exec(&database, query.c_str(), markFound, &found, nullptr);
    if (code == SQLITE_NOTADB && LooksEncrypted(file))
        throw EDatabaseError("Wrong password for the database file " + Quoted(file) + ".");
    if (code == SQLITE_NOTADB || (code == SQLITE_OK && !found))
        throw EDatabaseError("The file " + Quoted(file) + " is not a database of this program.");
    if (code != SQLITE_OK)
        throw EDatabaseError("Could not read the database file " + Quoted(file) + ": "
                             + SqliteMessage(&database) + ".");
}

}  // namespace

void TADOConnection::SetConnectionString(std::string connectionString)
{
    if (Connected())
        throw EDatabaseError("The connection string cannot change while the connection is open.");
    FConnectionString = std::move(connectionString);
}

void TADOConnection::Open()
{
    if (Connected())
        return;
    const ConnectionSettings settings = ParseConnectionString(FConnectionString);
    RequireJetProvider(settings.Provider);
    const fs::path file = DataSourcePath(settings.DataSource);
    SqliteDatabase database = OpenFile(file);
    ApplyPassword(*database, settings.Password);
    RequireFormatTable(*database, file);
    FDatabase = std::move(database);
}

void TADOConnection::Close() noexcept
{
    FDatabase.reset();
}

}  // namespace platform
