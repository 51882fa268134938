#include "SqlCipher.h"

#include "Exceptions.h"

#include <sqlite3.h>

namespace platform {

void SqliteClose::operator()(sqlite3* database) const noexcept
{
    sqlite3_close_v2(database);
}

SqliteOpening OpenSqlite(const std::filesystem::path& file, int flags)
{
    sqlite3* database = nullptr;
    const int code = sqlite3_open_v2(file.c_str(), &database, flags, nullptr);
    return {code, SqliteDatabase(database)};
}

std::string SqliteMessage(sqlite3* database)
{
    // Without a handle the library could not even allocate one.
    return database ? sqlite3_errmsg(database) : sqlite3_errstr(SQLITE_NOMEM);
}

void ApplyPassword(sqlite3& database, std::string_view password)
{
    if (password.empty())
        return;
    if (sqlite3_key(&database, password.data(), static_cast<int>(password.size())) != SQLITE_OK)
        throw EDatabaseError("Could not apply the database password: " + SqliteMessage(&database));
}

}  // namespace platform
