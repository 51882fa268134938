#include "startup/dmPublicU.h"

#include "startup/Application.h"
#include "startup/SharedReferences.h"

#include "dialogs/DialogEx.h"
#include "platform/Exceptions.h"

#include <cstdlib>

TdmPublic::TdmPublic()
{
    ADOConnection.SetLoginPrompt(false);
    DataModuleCreate(this);
}

TdmPublic::~TdmPublic()
{
    DataModuleDestroy(this);
}

void TdmPublic::DataModuleCreate(QObject* /*Sender*/)
{
    ConnectDatabase();
}

void TdmPublic::DataModuleDestroy(QObject* /*Sender*/)
{
    ADOConnection.Close();
}

bool TdmPublic::ConnectDatabase()
{
    try {
        ADOConnection.Close();
        ADOConnection.SetConnectionString(PublicObject->ConnectionString);
        ADOConnection.Open();
        return true;
    } catch (const platform::Exception& error) {
        dialogs::ShowErrorDetails(QStringLiteral("数据库连接失败，程序将自动关闭。"),
                                  QString::fromStdString(error.what()));
        ADOConnection.Close();
        // A start without its database has failed, and the exit status says so.
        TApplication::Instance().Terminate(EXIT_FAILURE);
        return false;
    }
}
