#include "startup/Application.h"

#include <QMetaObject>

#include <algorithm>
#include <cassert>

namespace {

TApplication* RunningApplication = nullptr;

}  // namespace

TApplication::TApplication(int& argc, char** argv, QString exeName)
    : QApplication(argc, argv), FExeName(std::move(exeName))
{
    RunningApplication = this;
}

TApplication::~TApplication()
{
    while (!FComponents.empty())
        FreeComponent(FComponents.back().Object.get());
    RunningApplication = nullptr;
}

TApplication& TApplication::Instance()
{
    assert(RunningApplication);
    return *RunningApplication;
}

void TApplication::FreeComponent(const QObject* component)
{
    const auto owned = std::ranges::find(FComponents, component,
                                         [](const OwnedComponent& entry) { return entry.Object.get(); });
    if (owned == FComponents.end())
        return;
    if (component == FMainForm)
        FMainForm = nullptr;
    OwnedComponent released = std::move(*owned);
    FComponents.erase(owned);
    released.ClearReference();
}

void TApplication::Terminate(int exitCode)
{
    // The first request decides the exit status.
    if (!FTerminated)
        FExitCode = exitCode;
    FTerminated = true;
    exit(FExitCode);  // ends a running loop; before the loop it does nothing, hence the flag
}

int TApplication::Run()
{
    if (FMainForm) {
        FMainForm->show();
        if (OnMainFormShown)
            OnMainFormShown();
    }
    // A pending termination ends the loop at its first turn. Otherwise closing the main
    // window ends it: outside a modal dialog it is the only window, so the last one closed.
    if (FTerminated)
        QMetaObject::invokeMethod(this, &QCoreApplication::quit, Qt::QueuedConnection);
    exec();
    return FExitCode;
}
