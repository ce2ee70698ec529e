#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// While it exists, every local file the program asks the desktop to open is
// recorded here instead of being opened.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    explicit UrlRecorder(QObject *parent = nullptr);
    ~UrlRecorder() override;

    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl &url);
};
