#include "platform/Server.h"

#include "settings/Keys.h"
#include "settings/SettingsStore.h"

#include <QUrl>
#include <QtGlobal>

namespace {
constexpr const char* kBuiltInServer = "https://orba.example.org";
}

std::string serverAddress(const SettingsStore& settings)
{
    std::string address = qEnvironmentVariable("ORBA_SERVER").toStdString();
    if (address.empty())
        address = settings.get(keys::Settings, keys::Server, kBuiltInServer);
    while (!address.empty() && address.back() == '/')
        address.pop_back();
    return address.empty() ? kBuiltInServer : address;
}

std::string serverSiteName(const std::string& address)
{
    const QUrl url(QString::fromStdString(address));
    const QString host = url.host();
    return host.isEmpty() ? address : host.toStdString();
}
