#pragma once
// The program from start to end: start-up, the message loop, shutdown.
#include <QString>

#include <functional>

namespace startup {

// Where the program runs from, and who watches it run.
struct ProgramSite {
    QString ExeName;                      // the program file's full path
    std::function<void()> MainFormShown;  // called once the main window is shown
};

// The full path of the running program file.
QString RunningProgramFile();

// Runs the program and returns its exit status. An error that escapes the sequence is
// reported on the standard error stream once everything has been released.
int RunProgram(const ProgramSite& site);

}  // namespace startup
