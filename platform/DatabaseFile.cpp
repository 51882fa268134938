#include "DatabaseFile.h"

#include "Exceptions.h"
#include "SqlCipher.h"

#include <sqlite3.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const fs::path& file)
{
    return "'" + file.string() + "'";
}

// A file under construction beside its final place; removed unless it was moved there.
class DraftFile {
public:
    explicit DraftFile(const fs::path& target) : FPath(target.string() + ".tmp") { Remove(); }
    ~DraftFile() { Remove(); }
    DraftFile(const DraftFile&) = delete;
    DraftFile& operator=(const DraftFile&) = delete;

    const fs::path& Path() const noexcept { return FPath; }

    void MoveTo(const fs::path& target)
    {
        std::error_code error;
        fs::rename(FPath, target, error);
        if (error)
            throw EDatabaseError("Could not create the database file " + Quoted(target) + ": "
                                 + error.message());
    }

private:
    void Remove() noexcept
    {
        std::error_code ignored;
        fs::remove(FPath, ignored);
    }

    fs::path FPath;
};

void WriteDatabase(const fs::path& file, const fs::path& target, std::string_view password,
                   std::string_view schema)
{
    auto [code, database] = OpenSqlite(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (code == SQLITE_OK) {
        ApplyPassword(*database, password);
        const std::string script = "BEGIN;\n" + std::string(schema) + ";\nCOMMIT;";
        code = sqlite3_exec(database.get(), script.c_str(), nullptr, nullptr, nullptr);
    }
    if (code != SQLITE_OK)
        throw EDatabaseError("Could not create the database file " + Quoted(target) + ": "
                             + SqliteMessage(database.get()));
}

}  // namespace

std::string DatabaseFormatSchema()
{
    const std::string table(DatabaseFormatTable);
    const std::string version = std::to_string(DatabaseFormatVersion);
    return "CREATE TABLE " + table + "(version INTEGER NOT NULL);\n"
         + "INSERT INTO " + table + "(version) VALUES (" + version + ");";
}

void CreateDatabaseFile(const fs::path& file, std::string_view password, std::string_view schema)
{
    DraftFile draft(file);
    WriteDatabase(draft.Path(), file, password, schema);
    draft.MoveTo(file);
}

}  // namespace platform
