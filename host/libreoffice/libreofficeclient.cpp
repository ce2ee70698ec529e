#include "libreofficeclient.h"

#include "loapplication.h"
#include "officeclient.h"

#include <QFileInfo>

namespace libreoffice {

std::unique_ptr<WriterClient> makeClient()
{
    return makeClient(ClientOptions());
}

std::unique_ptr<WriterClient> makeClient(const ClientOptions &options)
{
    auto client = std::make_unique<OfficeClient>(options);
    if (!QFileInfo(client->defaultProcessPath()).isExecutable())
        return nullptr;
    return client;
}

bool focusWriter(const automation::ApplicationPtr &application)
{
    auto ours = std::dynamic_pointer_cast<LoApplication>(application);
    if (!ours || ours->processId() == 0)
        return false;
    ours->focusWriter();
    return true;
}

qint64 officeProcessId(const automation::ApplicationPtr &application)
{
    auto ours = std::dynamic_pointer_cast<LoApplication>(application);
    return ours ? ours->processId() : 0;
}

} // namespace libreoffice
