#include "defaultwriter.h"

WriterClientFactory defaultWriterClientFactory()
{
    // No writer is installed behind the host yet: the factory makes no client,
    // so the page stays empty and the commands find no application.
    return []() -> std::unique_ptr<WriterClient> { return nullptr; };
}
