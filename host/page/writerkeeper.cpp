#include "writerkeeper.h"

#include "automation/document.h"
#include "messages/messages.h"
#include "writerpage.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcKeeper, "quorvex.writer", QtInfoMsg)

namespace {

const QString kOpenFilter = QStringLiteral(
    "文档 (*.docx *.doc *.odt *.rtf *.wps *.txt);;Word 文档 (*.docx *.doc);;所有文件 (*)");

} // namespace

WriterKeeper::WriterKeeper(WriterPage *page)
    : QObject(page)
    , m_page(page)
{
}

bool WriterKeeper::writerAnswers()
{
    WriterClient *client = m_page->client();
    if (!client || !m_page->application() || m_restarting)
        return true;
    // Once the writer is known not to answer, the user hears it at once.
    if (client->waitForAnswer(m_notResponding ? 200 : answerWaitMs))
        return true;
    qCInfo(lcKeeper) << "writer did not answer";
    if (askToRestartWriter(QStringLiteral("写作区没有响应，命令没有执行。\n\n"
                                          "可以等待它恢复响应后再试，或者重新启动写作区："
                                          "文档会恢复到最近一次自动保存时的内容。"))) {
        restart(false);
    }
    return false;
}

void WriterKeeper::beginCommand()
{
    ++m_commands;
}

void WriterKeeper::endCommand()
{
    if (--m_commands > 0 || !m_restartPending)
        return;
    m_restartPending = false;
    WriterClient *client = m_page->client();
    restart(client && client->wasCutOff());
}

bool WriterKeeper::closeWriter()
{
    automation::ApplicationPtr application = m_page->application();
    WriterClient *client = m_page->client();
    if (!application || !client)
        return true;
    if (!client->waitForAnswer(answerWaitMs)
        && !askToConfirm(QStringLiteral("写作区没有响应。\n\n仍要关闭吗？"
                                        "未保存的修改保留在最近一次自动保存的恢复副本中，"
                                        "下次启动时恢复。"))) {
        return false;
    }
    application->quit();
    automation::DocumentsPtr documents = application->documents();
    return !documents || documents->count() == 0;
}

automation::SaveChangesPrompt WriterKeeper::savePrompt()
{
    automation::SaveChangesPrompt prompt;
    prompt.askToSave = [](const QString &name) {
        switch (askToSaveChanges(name)) {
        case QMessageBox::Save:
            return automation::SaveChangesPrompt::Save;
        case QMessageBox::Discard:
            return automation::SaveChangesPrompt::Discard;
        default:
            return automation::SaveChangesPrompt::Cancel;
        }
    };
    prompt.askWhereToSave = &WriterKeeper::askWhereToSave;
    return prompt;
}

QString WriterKeeper::askWhereToSave(const QString &documentName)
{
    QFileDialog dialog(nullptr, QStringLiteral("保存“%1”").arg(documentName),
                       QDir::homePath() + QLatin1Char('/') + documentName,
                       QStringLiteral("Word 文档 (*.docx);;Word 97-2003 文档 (*.doc);;"
                                      "ODF 文本文档 (*.odt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("docx"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

void WriterKeeper::writerStarted()
{
    WriterClient *client = m_page->client();
    const int recovered = client ? client->recoveredDocuments() : 0;
    if (m_restarting || recovered == 0)
        return;
    // Once the window is up.
    QTimer::singleShot(0, this, [recovered] {
        showInformation(QStringLiteral("恢复文档"),
                        QStringLiteral("上次运行没有正常结束。已恢复 %1 个文档（恢复到最近一次自动"
                                       "保存时的内容），请检查后保存。")
                            .arg(recovered));
    });
}

void WriterKeeper::writerEnded()
{
    m_endedAt.start();
    WriterClient *client = m_page->client();
    qCInfo(lcKeeper) << "writer ended" << (client && client->wasCutOff() ? "(cut off)" : "");
    if (m_commands > 0) {
        m_restartPending = true;
        return;
    }
    restart(client && client->wasCutOff());
}

void WriterKeeper::restart(bool wasCutOff)
{
    if (m_restarting)
        return;
    m_restarting = true;
    if (!m_endedAt.isValid())
        m_endedAt.start();
    m_page->restartWriter();
    WriterClient *client = m_page->client();
    const int recovered = client ? client->recoveredDocuments() : 0;
    const bool running = m_page->application() != nullptr;
    qCInfo(lcKeeper) << "writer restarted in" << m_endedAt.elapsed() << "ms with" << recovered
                     << "documents recovered";
    m_endedAt.invalidate();
    m_notResponding = false;
    m_restarting = false;

    const QString what = wasCutOff ? QStringLiteral("写作区长时间没有响应，正在执行的命令已中止。")
                                   : QStringLiteral("写作区意外退出。");
    QString text;
    if (!running)
        text = what + QStringLiteral("\n\n写作区无法重新启动。请保存工作后重新打开本软件。");
    else if (recovered > 0)
        text = what
            + QStringLiteral("\n\n写作区已重新启动，恢复了 %1 个文档（恢复到最近一次自动保存时的"
                             "内容），请检查后保存。")
                  .arg(recovered);
    else
        text = what + QStringLiteral("\n\n写作区已重新启动。没有需要恢复的文档。");
    showInformation(QStringLiteral("写作区已重新启动"), text);
    m_page->focusWriter();
}

void WriterKeeper::writerNotResponding()
{
    m_notResponding = true;
}

void WriterKeeper::writerRespondingAgain()
{
    m_notResponding = false;
}

void WriterKeeper::writerDocumentsChanged()
{
    m_page->refreshDocumentTabs();
}

void WriterKeeper::writerMadeDocument()
{
    m_page->startNewDocument();
}

void WriterKeeper::writerWantsFile()
{
    QFileDialog dialog(nullptr, QStringLiteral("打开文档"), QDir::homePath(), kOpenFilter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() == QDialog::Accepted)
        m_page->openDocuments(dialog.selectedFiles());
}

void WriterKeeper::writerWantsQuit()
{
    m_page->window()->close();
}
