#pragma once
// The application object: the window system's application with the components it owns, the
// main window, the message loop and the termination request.
#include "startup/TerminationPresenter.h"

#include <QApplication>
#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

class TApplication : public QApplication {
    Q_OBJECT

public:
    // `argc` and `argv` must outlive the object, as Qt requires. `exeName` is the full path
    // of the program file.
    TApplication(int& argc, char** argv, QString exeName);
    // Frees the components still owned, the most recently added first.
    ~TApplication() override;

    static TApplication& Instance();

    const QString& ExeName() const noexcept { return FExeName; }

    // Creates a component owned by the application and points `reference` at it; the
    // reference is cleared before the component is freed, unless it has moved on to
    // another object by then. The first window created becomes the main window.
    template <class T, class... Arguments>
    T* CreateForm(T*& reference, Arguments&&... arguments);
    void FreeComponent(const QObject* component);
    int ComponentCount() const noexcept { return static_cast<int>(FComponents.size()); }
    QObject* Components(int index) const { return FComponents.at(index).Object.get(); }
    QWidget* MainForm() const noexcept { return FMainForm; }

    // Asks the message loop to end, at once if it runs or at its first turn otherwise; the
    // program then ends with `exitCode`. Modal dialogs close at once from now on.
    void Terminate(int exitCode);
    bool Terminated() const noexcept { return FTerminated; }

    // Called once the main window has been shown by Run.
    std::function<void()> OnMainFormShown;

    // Shows the main window and runs the message loop until the main window closes or
    // termination is requested. Returns the program's exit status.
    int Run();

private:
    struct OwnedComponent {
        std::unique_ptr<QObject> Object;
        std::function<void()> ClearReference;
    };

    QString FExeName;
    std::vector<OwnedComponent> FComponents;
    QWidget* FMainForm = nullptr;
    bool FTerminated = false;
    int FExitCode = 0;
    TerminationPresenter FPresenter{*this};
};

template <class T, class... Arguments>
T* TApplication::CreateForm(T*& reference, Arguments&&... arguments)
{
    auto component = std::make_unique<T>(std::forward<Arguments>(arguments)...);
    T* const created = component.get();
    FComponents.push_back({std::move(component), [&reference, created] {
                               if (reference == created)
                                   reference = nullptr;
                           }});
    if constexpr (std::is_base_of_v<QWidget, T>) {
        if (!FMainForm)
            FMainForm = created;
    }
    reference = created;
    return created;
}
