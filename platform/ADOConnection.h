#pragma once
// A connection to the program's password-protected database file, opened from an OLE DB
// style connection string such as
//   Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/x/database\DefaultProject.wqtz;
//   Jet OLEDB:Database Password=...;
// Keys are case-insensitive and may come in any order; a backslash in the data source is a
// path separator. The file is opened read-write and never created.
#include "SqlCipher.h"

#include <string>

namespace platform {

class TADOConnection {
public:
    TADOConnection() = default;
    TADOConnection(const TADOConnection&) = delete;
    TADOConnection& operator=(const TADOConnection&) = delete;

    const std::string& ConnectionString() const noexcept { return FConnectionString; }
    // Raises EDatabaseError while the connection is open.
    void SetConnectionString(std::string connectionString);

    // Kept for the data module's settings; no login dialog is ever shown either way.
    bool LoginPrompt() const noexcept { return FLoginPrompt; }
    void SetLoginPrompt(bool loginPrompt) noexcept { FLoginPrompt = loginPrompt; }

    // Opens the database, or raises EDatabaseError saying why not and stays closed.
    // Opening an open connection does nothing.
    void Open();
    void Close() noexcept;
    bool Connected() const noexcept { return FDatabase != nullptr; }

private:
    std::string FConnectionString;
    bool FLoginPrompt = true;
    SqliteDatabase FDatabase;
};

}  // namespace platform
