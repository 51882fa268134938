// Build step: creates the program's database file.
//   moneycalc-create-database <file> <password>
#include "platform/DatabaseFile.h"
#include "platform/Exceptions.h"

#include <filesystem>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: moneycalc-create-database <file> <password>\n";
        return 2;
    }
    const std::filesystem::path file = argv[1];
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) {
        std::cerr << "moneycalc-create-database: " << file.parent_path().string() << ": "
                  << error.message() << '\n';
        return 1;
    }
    try {
        platform::CreateDatabaseFile(file, argv[2], platform::DatabaseFormatSchema());
    } catch (const platform::Exception& failure) {
        std::cerr << "moneycalc-create-database: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
