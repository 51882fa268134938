#pragma once
// Files and connection strings for the database tests.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

inline constexpr std::string_view ProgramPassword = "5K7W2MQ0X";

// The connection string of the program's kind for `file`.
inline std::string ConnectionStringFor(const std::filesystem::path& file,
                                       std::string_view password = ProgramPassword)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file.string()
         + ";Jet OLEDB:Database Password=" + std::string(password) + ";";
}

inline std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}
