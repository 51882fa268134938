#include "../dialogs/RecordingPresenter.h"
#include "../support/GuiTestEnvironment.h"

#include "startup/Application.h"

#include "dialogs/DialogEx.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A message box, a save-file dialog and a message dialog.
void MakeEveryModalRequest()
{
    dialogs::ErrorBox(QStringLiteral("box"));
    dialogs::SaveFileDialog save;
    dialogs::CurrentPresenter().ExecSaveDialog(save);
    dialogs::ShowErrorDetails(QStringLiteral("message"), QStringLiteral("details"));
}

TEST(TerminationPresenterTest, ModalRequestsReachTheUserUntilTerminationIsRequested)
{
    PrepareGuiTestEnvironment();
    RecordingPresenter presenter;
    std::size_t dialogsShown = 0;
    presenter.OnModal = [&dialogsShown](QDialog&) {
        ++dialogsShown;
        return int(QDialog::Accepted);
    };
    const auto requestsAnswered = [&] {
        return presenter.MessageBoxes.size() + presenter.SaveDialogsOffered.size() + dialogsShown;
    };
    char name[] = "moneycalc";
    char* arguments[] = {name, nullptr};
    int argumentCount = 1;
    TApplication application(argumentCount, arguments, QStringLiteral("/opt/x/moneycalc"));

    MakeEveryModalRequest();
    EXPECT_EQ(requestsAnswered(), 3u);

    application.Terminate(EXIT_FAILURE);
    MakeEveryModalRequest();
    EXPECT_EQ(requestsAnswered(), 3u);
    EXPECT_EQ(application.Run(), EXIT_FAILURE);
}

}  // namespace
