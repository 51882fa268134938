#pragma once
// Runs the command-line calculator as a child process and collects what it wrote and returned.
#include "../platform/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

struct CliRun {
    int Status = -1;  // the exit status; -1 when the child did not exit normally
    std::string Output;
    std::string Errors;
};

inline std::string FileContents(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// The environment of this process with the C locale's separators, whatever the user's are.
inline std::vector<std::string> ChildEnvironment()
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable)
        if (!std::string_view(*variable).starts_with("LC_ALL="))
            variables.emplace_back(*variable);
    variables.emplace_back("LC_ALL=C");
    return variables;
}

inline std::vector<char*> PointerList(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Runs moneycalc-cli with the arguments and the input on its standard input. Its standard
// output goes to outputFile when one is given, and is then not collected.
inline CliRun RunCli(std::vector<std::string> arguments, const std::string& input = {},
                     const std::optional<std::filesystem::path>& outputFile = std::nullopt)
{
    const TemporaryFolder folder;
    const auto inputPath = folder.Path() / "input";
    const auto outputPath = outputFile.value_or(folder.Path() / "output");
    const auto errorsPath = folder.Path() / "errors";
    std::ofstream(inputPath, std::ios::binary) << input;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inputPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorsPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    arguments.insert(arguments.begin(), MONEYCALC_CLI);
    std::vector<std::string> environment = ChildEnvironment();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, MONEYCALC_CLI, &actions, nullptr,
                                    PointerList(arguments).data(), PointerList(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    CliRun run;
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << MONEYCALC_CLI;
        return run;
    }
    int status = 0;
    waitpid(child, &status, 0);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (!outputFile)
        run.Output = FileContents(outputPath);
    run.Errors = FileContents(errorsPath);
    return run;
}
