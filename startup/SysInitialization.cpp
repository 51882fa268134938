#include "startup/SysInitialization.h"

#include "startup/Application.h"
#include "startup/SharedReferences.h"
#include "startup/dmPublicU.h"

#include <unistd.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace {

constexpr std::string_view ProviderPiece = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
constexpr std::string_view DatabasePiece = "database\\DefaultProject.wqtz";
constexpr std::string_view PasswordPiece = ";Jet OLEDB:Database Password=5K7W2MQ0X;";

// A name that does not fit, or a failing call, leaves the buffer empty rather than
// unterminated.
void ReadComputerName(TPublicClass::ComputerNameBuffer& name)
{
    if (gethostname(name.data(), name.size()) != 0)
        name.front() = '\0';
    name.back() = '\0';
}

// The folder part of a full path, with its trailing separator.
std::string FolderOf(const std::string& fileName)
{
    return fileName.substr(0, fileName.rfind('/') + 1);
}

std::string JoinConnectionString(std::string_view appPath)
{
    std::string connection;
    for (const std::string_view piece : {ProviderPiece, appPath, DatabasePiece, PasswordPiece})
        connection += piece;
    return connection;
}

}  // namespace

void TSysInitialization::Initialize()
{
    TApplication& application = TApplication::Instance();
    ReadComputerName(PublicObject->ComputerName);
    PublicObject->AppPath = FolderOf(application.ExeName().toStdString());
    PublicObject->ConnectionString = JoinConnectionString(PublicObject->AppPath);
    MiddleObject = std::make_unique<TMiddleClass>();
    application.CreateForm(dmPublic);
    CdsObject = std::make_unique<TObjCds>();
    AccessObject = std::make_unique<TObjAccess>();
}

void TSysInitialization::Finalize() noexcept
{
    TApplication::Instance().FreeComponent(std::exchange(dmPublic, nullptr));
    AccessObject.reset();
    CdsObject.reset();
    MiddleObject.reset();
}
