#include "startup/ProgramEntry.h"

#include "startup/Application.h"
#include "startup/SharedReferences.h"
#include "startup/SysInitialization.h"
#include "startup/dmPublicU.h"

#include "calculator/untCalc.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>

namespace startup {
namespace {

// Runs Finalize and frees PublicObject however the guarded part of the sequence ends.
class ShutdownGuard {
public:
    ShutdownGuard() = default;
    ~ShutdownGuard()
    {
        TSysInitialization::Finalize();
        PublicObject.reset();
    }
    ShutdownGuard(const ShutdownGuard&) = delete;
    ShutdownGuard& operator=(const ShutdownGuard&) = delete;
};

int RunSequence(const ProgramSite& site)
{
    // The program reads no command line: the window system sees the program name only.
    char programName[] = "moneycalc";
    char* arguments[] = {programName, nullptr};
    int argumentCount = 1;
    TApplication application(argumentCount, arguments, site.ExeName);
    application.OnMainFormShown = site.MainFormShown;

    PublicObject = std::make_unique<TPublicClass>();
    TSysInitialization::Initialize();
    const ShutdownGuard shutdown;
    application.CreateForm(frmCalc, QString::fromStdString(PublicObject->AppPath));
    application.CreateForm(dmPublic);
    return application.Run();
    // Leaving the scope runs the guard, then the application object frees the main window
    // and the first data module.
}

}  // namespace

QString RunningProgramFile()
{
    std::error_code unreadable;
    const std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", unreadable);
    return QString::fromStdString(file.string());
}

int RunProgram(const ProgramSite& site)
{
    try {
        return RunSequence(site);
    } catch (const std::exception& error) {
        std::cerr << "moneycalc: " << error.what() << '\n';
        return EXIT_FAILURE;
    }
}

}  // namespace startup
