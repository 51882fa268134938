#pragma once
// The program's database file: the table that marks its format, and the making of new files.
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Every database of this program holds this table, with the format version in its one row.
inline constexpr std::string_view DatabaseFormatTable = "moneycalc_format";
inline constexpr int DatabaseFormatVersion = 1;

// The statements that give a new file the program's format.
std::string DatabaseFormatSchema();

// Writes a new database at `file`, encrypted with `password` (unless it is empty), holding
// what the statements of `schema` create. The file appears whole or not at all: it is built
// under a draft name and then renamed over any old file. Failures raise EDatabaseError.
void CreateDatabaseFile(const std::filesystem::path& file, std::string_view password,
                        std::string_view schema);

}  // namespace platform
