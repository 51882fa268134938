#pragma once
// The few SQLCipher calls that the connection and the making of database files share.
// Only the database sources include SQLCipher's header; this one needs none of it.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;

namespace platform {

struct SqliteClose {
    void operator()(sqlite3* database) const noexcept;
};
using SqliteDatabase = std::unique_ptr<sqlite3, SqliteClose>;

// The outcome of opening a file. The handle is kept also when opening failed, for its message.
struct SqliteOpening {
    int Code;
    SqliteDatabase Database;
};

SqliteOpening OpenSqlite(const std::filesystem::path& file, int flags);

// The text of the last error on `database`.
std::string SqliteMessage(sqlite3* database);

// Keys the connection with `password`; an empty password leaves the file unencrypted.
void ApplyPassword(sqlite3& database, std::string_view password);

}  // namespace platform
