#include "urlrecorder.h"

#include <QDesktopServices>

UrlRecorder::UrlRecorder(QObject *parent)
    : QObject(parent)
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
}

UrlRecorder::~UrlRecorder()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void UrlRecorder::openUrl(const QUrl &url)
{
    urls << url;
}
