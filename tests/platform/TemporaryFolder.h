#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        const auto folder = std::filesystem::temp_directory_path() / "moneycalc-XXXXXX";
        std::string pattern = folder.string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        FPath = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const noexcept { return FPath; }

private:
    std::filesystem::path FPath;
};
