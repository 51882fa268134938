// Every seed and every reproducer of the fuzz corpus runs through the fuzz entry, so a
// regression shows in the ordinary suite, without clang.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ExpressionFuzzing.h"

namespace {

std::vector<std::filesystem::path> CorpusFiles()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(MONEYCALC_FUZZ_CORPUS))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

TEST(FuzzCorpusTest, EveryInputEndsInAValueOrAnErrorOfTheFamily)
{
    const std::vector<std::filesystem::path> files = CorpusFiles();
    ASSERT_FALSE(files.empty()) << "no corpus at " << MONEYCALC_FUZZ_CORPUS;
    for (const std::filesystem::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        EXPECT_NO_THROW(fuzzing::RunExpression(Contents(file)));
    }
}

}  // namespace
