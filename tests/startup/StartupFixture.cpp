#include "StartupFixture.h"

#include "platform/DatabaseFile.h"
#include "startup/Application.h"
#include "startup/SharedReferences.h"
#include "startup/dmPublicU.h"

#include "calculator/untCalc.h"
#include "dialogs/MessageForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include <chrono>

namespace fs = std::filesystem;

namespace {

// Long enough never to fire in a working program; it only keeps a broken one from hanging.
constexpr std::chrono::seconds HangGuard{20};

std::string ComponentName(QObject* component)
{
    if (component == frmCalc)
        return "main window";
    if (qobject_cast<TdmPublic*>(component))
        return component == dmPublic ? "second data module" : "first data module";
    return "unknown component";
}

}  // namespace

void CreateDatabaseAt(const fs::path& file, std::string_view password)
{
    fs::create_directories(file.parent_path());
    platform::CreateDatabaseFile(file, password, platform::DatabaseFormatSchema());
}

int OpenDescriptorsOf(const fs::path& file)
{
    std::error_code missing;
    const fs::path target = fs::weakly_canonical(file, missing);
    int count = 0;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        std::error_code closed;
        count += fs::read_symlink(entry.path(), closed) == target ? 1 : 0;
    }
    return count;
}

std::string SetReferences()
{
    std::string names;
    const auto note = [&names](bool set, const char* name) {
        if (set)
            names += names.empty() ? name : std::string(" ") + name;
    };
    note(PublicObject != nullptr, "PublicObject");
    note(MiddleObject != nullptr, "MiddleObject");
    note(CdsObject != nullptr, "CdsObject");
    note(AccessObject != nullptr, "AccessObject");
    note(dmPublic != nullptr, "dmPublic");
    note(frmCalc != nullptr, "frmCalc");
    return names.empty() ? "(none)" : names;
}

StartupTest::StartupTest()
{
    Presenter.OnModal = [this](QDialog& dialog) {
        const auto& form = dynamic_cast<dialogs::TMessageForm&>(dialog);
        Reports.push_back({form.findChild<QLabel*>(QStringLiteral("Message"))->text(),
                           form.DetailsMemo->toPlainText()});
        return QDialog::Accepted;
    };
}

fs::path StartupTest::DatabaseFile() const
{
    return ProgramFolder() / "database" / "DefaultProject.wqtz";
}


int StartupTest::RunProgram(Closing closing, const std::function<void()>& whileRunning,
                            QString exeName)
{
    if (exeName.isEmpty())
        exeName = QString::fromStdString((ProgramFolder() / "moneycalc").string());
    return startup::RunProgram({
        .ExeName = exeName,
        .MainFormShown =
            [this, closing, whileRunning] {
                Observe();
                WatchReleases();
                CloseWindowLater(closing);
                if (whileRunning)
                    whileRunning();
            },
    });
}

void StartupTest::CloseWindowLater(Closing closing)
{
    const bool byTest = closing == Closing::ByTest;
    QWidget* window = frmCalc;
    QTimer::singleShot(byTest ? std::chrono::seconds(0) : HangGuard, window,
                       [this, byTest, window] {
                           ClosedByHangGuard = !byTest;
                           window->close();
                       });
}

void StartupTest::Observe()
{
    const TApplication& application = TApplication::Instance();
    Running.Shown = true;
    for (int i = 0; i < application.ComponentCount(); ++i) {
        QObject* component = application.Components(i);
        Running.Components.push_back(ComponentName(component));
        if (const auto* module = qobject_cast<TdmPublic*>(component))
            Running.ConnectedModules += module->ADOConnection.Connected() ? 1 : 0;
    }
    Running.SecondModuleShared = application.Components(application.ComponentCount() - 1) == dmPublic;
    Running.MainFormIsWindow = application.MainForm() == frmCalc && frmCalc->isVisible();
    Running.OpenDatabaseFiles = OpenDescriptorsOf(DatabaseFile());
    Running.ComputerName = PublicObject->ComputerName.data();
    Running.AppPath = PublicObject->AppPath;
    Running.ConnectionString = PublicObject->ConnectionString;
}

void StartupTest::WatchReleases()
{
    const TApplication& application = TApplication::Instance();
    for (int i = 0; i < application.ComponentCount(); ++i) {
        QObject* component = application.Components(i);
        QObject::connect(component, &QObject::destroyed,
                         [this, name = ComponentName(component)] {
                             Releases.push_back(name + " freed; still set: " + SetReferences());
                         });
    }
}
