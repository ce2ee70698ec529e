#include "defaultwriter.h"

#include "libreoffice/libreofficeclient.h"

WriterClientFactory defaultWriterClientFactory()
{
    // LibreOffice Writer, embedded; no client when it is not installed.
    return []() -> std::unique_ptr<WriterClient> { return libreoffice::makeClient(); };
}
