#include "progressreport.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

// A path as the user would type it from here.
QString shown(const QString &path)
{
    const QString relative = QDir::current().relativeFilePath(path);
    return relative.startsWith(QLatin1String("../../")) ? path : relative;
}

void write(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

} // namespace

ProgressReport::ProgressReport(int documents)
    : m_documents(documents)
    , m_bar(documents > 1 && isatty(STDERR_FILENO))
    , m_quietSuccess(m_bar && isatty(STDOUT_FILENO))
{
    m_clock.start();
}

void ProgressReport::refused(const ConvertJob &job, const QString &why)
{
    ++m_done;
    ++m_failed;
    line(QStringLiteral("失败  %1：%2")
             .arg(shown(job.input.isEmpty() ? QStringLiteral("（无）") : job.input), why),
         true);
}

void ProgressReport::started(const ConvertJob &job)
{
    m_current = QFileInfo(job.input).fileName();
    drawBar();
}

void ProgressReport::finished(const ConvertJob &job, const JobResult &result)
{
    ++m_done;
    if (result.converted) {
        line(QStringLiteral("完成  %1 → %2%3")
                 .arg(shown(job.input), shown(job.output),
                      result.number.isEmpty() ? QString() : QStringLiteral("  ") + result.number),
             !m_quietSuccess);
        return;
    }
    ++m_failed;
    QString text = QStringLiteral("失败  %1：%2").arg(shown(job.input), result.message);
    if (result.numberLost)
        text += QStringLiteral("（文号“%1”已记入模板，不能再用）").arg(result.number);
    line(text, true);
}

int ProgressReport::summarise()
{
    clearBar();
    const double seconds = m_clock.elapsed() / 1000.0;
    const int converted = m_documents - m_failed;
    QString text = QStringLiteral("共 %1 个文档：%2 个转换成功").arg(m_documents).arg(converted);
    if (m_failed > 0)
        text += QStringLiteral("，%1 个失败").arg(m_failed);
    text += QStringLiteral("；用时 %1 秒").arg(seconds, 0, 'f', 1);
    if (converted > 0 && seconds > 0)
        text += QStringLiteral("，每秒 %1 个").arg(converted / seconds, 0, 'f', 2);
    write(stdout, text + QLatin1Char('\n'));
    return m_failed;
}

void ProgressReport::line(const QString &text, bool always)
{
    if (!always) {
        drawBar();
        return;
    }
    clearBar();
    write(stdout, text + QLatin1Char('\n'));
    drawBar();
}

void ProgressReport::drawBar()
{
    if (!m_bar)
        return;
    const int width = 30;
    const int filled = m_documents > 0 ? m_done * width / m_documents : width;
    QString bar
        = QStringLiteral("\r[%1%2] %3/%4")
              .arg(QString(filled, QLatin1Char('#')), QString(width - filled, QLatin1Char('.')))
              .arg(m_done)
              .arg(m_documents);
    if (m_failed > 0)
        bar += QStringLiteral("  失败 %1").arg(m_failed);
    if (m_done < m_documents && !m_current.isEmpty())
        bar += QStringLiteral("  ") + m_current;
    write(stderr, bar + QStringLiteral("\033[K"));
}

void ProgressReport::clearBar()
{
    if (m_bar)
        write(stderr, QStringLiteral("\r\033[K"));
}
