// Builds the Debian package into a temporary folder and checks what it would install and
// what it pulls in. Nothing is installed.
#include "../platform/TemporaryFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct CommandResult {
    int Status;
    std::string Output;
};

CommandResult RunCommand(const std::string& command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
    std::string output;
    std::array<char, 4096> chunk{};
    while (const size_t read = fread(chunk.data(), 1, chunk.size(), pipe.get()))
        output.append(chunk.data(), read);
    return {pclose(pipe.release()), output};
}

std::string Quoted(const fs::path& path)
{
    std::ostringstream quoted;
    quoted << '\'' << path.string() << '\'';
    return quoted.str();
}

// "mode path" for every file and link, e.g. "-rwxr-xr-x ./usr/lib/moneycalc/moneycalc".
std::set<std::string> PackagedFiles(const std::string& listing)
{
    std::set<std::string> files;
    std::istringstream lines(listing);
    for (std::string mode, owner, size, date, time, rest; lines >> mode >> owner >> size >> date >> time;) {
        std::getline(lines, rest);
        if (mode.front() != 'd')
            files.insert(mode + rest);
    }
    return files;
}

// The package is built once for all its tests.
class PackageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Output = std::make_unique<TemporaryFolder>();
        const CommandResult built = RunCommand("cpack --config " + Quoted(MONEYCALC_BUILD_DIR "/CPackConfig.cmake")
                                               + " -G DEB -B " + Quoted(Output->Path()));
        BuildLog = built.Output;
        for (const auto& entry : fs::directory_iterator(Output->Path()))
            if (built.Status == 0 && entry.path().extension() == ".deb")
                Package = entry.path();
    }
    static void TearDownTestSuite() { Output.reset(); }

    void SetUp() override { ASSERT_FALSE(Package.empty()) << BuildLog; }

    static inline std::unique_ptr<TemporaryFolder> Output;
    static inline std::string BuildLog;
    static inline fs::path Package;
};

TEST_F(PackageTest, LaysOutTheProgramFolderWithACommandADesktopEntryAndAnIcon)
{
    const CommandResult listing = RunCommand("dpkg-deb -c " + Quoted(Package));
    ASSERT_EQ(listing.Status, 0) << listing.Output;

    std::set<std::string> expected = {
        "lrwxrwxrwx ./usr/bin/moneycalc -> ../lib/moneycalc/moneycalc",
        "-rwxr-xr-x ./usr/lib/moneycalc/moneycalc",
        "-rwxr-xr-x ./usr/lib/moneycalc/calc.exe",
        "-rw-r--r-- ./usr/lib/moneycalc/database/DefaultProject.wqtz",
        "-rw-r--r-- ./usr/share/applications/moneycalc.desktop",
        "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/moneycalc.svg",
    };
#ifdef MONEYCALC_HAS_CLI
    expected.insert("lrwxrwxrwx ./usr/bin/moneycalc-cli -> ../lib/moneycalc/moneycalc-cli");
    expected.insert("-rwxr-xr-x ./usr/lib/moneycalc/moneycalc-cli");
#endif
    EXPECT_EQ(PackagedFiles(listing.Output), expected);
}

TEST_F(PackageTest, DependsOnTheQtRuntimeSqlCipherAndTheChineseFont)
{
    const CommandResult fields = RunCommand("dpkg-deb -f " + Quoted(Package) + " Package Depends");
    ASSERT_EQ(fields.Status, 0) << fields.Output;

    EXPECT_THAT(fields.Output, HasSubstr("Package: moneycalc\n"));
    for (const char* dependency : {"libqt6widgets6", "libqt6printsupport6", "qt6-qpa-plugins",
                                   "libsqlcipher0", "fonts-wqy-microhei"})
        EXPECT_THAT(fields.Output, HasSubstr(dependency));
}

}  // namespace
