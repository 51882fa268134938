#pragma once
// Runs the program's whole start-up sequence in this process against a temporary program
// folder, and records what it saw while the window ran and in what order things were freed.
#include "../dialogs/RecordingPresenter.h"
#include "../platform/TemporaryFolder.h"
#include "../support/GuiTestEnvironment.h"

#include "startup/ProgramEntry.h"

#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What the program showed the user in one waiting report.
struct Report {
    QString Message;
    QString Details;
};

// The program's state once the main window is shown.
struct RunningState {
    bool Shown = false;
    std::vector<std::string> Components;  // the application object's, in order
    bool SecondModuleShared = false;      // dmPublic holds the last data module
    bool MainFormIsWindow = false;        // frmCalc is the application's main window
    int ConnectedModules = 0;
    int OpenDatabaseFiles = 0;
    std::string ComputerName;
    std::string AppPath;
    std::string ConnectionString;
};

// Creates the folder and a database of the program's format with `password`.
void CreateDatabaseAt(const std::filesystem::path& file, std::string_view password);
// How many of this process's descriptors are open on `file`.
int OpenDescriptorsOf(const std::filesystem::path& file);
// The names of the shared references that are set, or "(none)".
std::string SetReferences();

class StartupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { PrepareGuiTestEnvironment(); }
    StartupTest();

    std::filesystem::path ProgramFolder() const { return Folder.Path(); }
    std::filesystem::path DatabaseFile() const;
    void CreateDatabase(std::string_view password) const { CreateDatabaseAt(DatabaseFile(), password); }

    enum class Closing { ByTest, ByItself };
    // Runs the program from `exeName`, by default a file in the program folder. Closing
    // ByTest closes the main window as soon as it is shown; ByItself leaves the program to
    // end on its own. `whileRunning` runs once the window is shown.
    int RunProgram(Closing closing, const std::function<void()>& whileRunning = {},
                   QString exeName = {});

    TemporaryFolder Folder;
    RecordingPresenter Presenter;
    std::vector<Report> Reports;
    RunningState Running;
    std::vector<std::string> Releases;  // "<component> freed; still set: <references>"
    bool ClosedByHangGuard = false;

private:
    void Observe();
    void WatchReleases();
    void CloseWindowLater(Closing closing);
};

