#pragma once
// The public object: what describes the running installation.
#include <array>
#include <string>

class TPublicClass {
public:
    using ComputerNameBuffer = std::array<char, 260>;

    ComputerNameBuffer ComputerName{};  // zero-terminated
    std::string ConnectionString;
    std::string AppPath;  // the program's folder, ending with the path separator
};
