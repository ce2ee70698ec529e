#include "pdfmeasure.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace pdfmeasure {

namespace {

QRectF boxOf(const QRegularExpressionMatch &m)
{
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}

QString unescaped(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

QString withoutSpace(QString text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.remove(space);
}

} // namespace

QString Line::text() const
{
    QString joined;
    for (const Word &word : words)
        joined += word.text;
    return joined;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 110;
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 235;
}

PdfFile::PdfFile(const QString &path)
    : m_path(path)
{
    for (const char *tool : {"pdftotext", "pdftoppm", "pdfinfo"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
            m_error = QStringLiteral("%1 (poppler-utils) is not installed").arg(tool);
            return;
        }
    }
    if (!QFileInfo(path).isFile()) {
        m_error = QStringLiteral("no file %1").arg(path);
        return;
    }
    bool ok = false;
    const QString info = run({QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                              QStringLiteral("9999"), path},
                             QStringLiteral("pdfinfo"), &ok);
    static const QRegularExpression pageSize(
        QStringLiteral("Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    for (auto it = pageSize.globalMatch(info); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        m_sizes.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    }
    m_pages = m_sizes.size();
    if (!ok || m_pages == 0)
        m_error = QStringLiteral("pdfinfo cannot read %1: %2").arg(path, info);
}

QSizeF PdfFile::pageSize(int page) const
{
    return page >= 1 && page <= m_pages ? m_sizes.at(page - 1) : QSizeF();
}

QList<Line> PdfFile::lines(int page) const
{
    if (page < 1 || page > m_pages)
        return {};
    auto cached = m_lines.constFind(page);
    if (cached != m_lines.constEnd())
        return *cached;

    const QString html
        = run({QStringLiteral("-bbox-layout"), QStringLiteral("-f"), QString::number(page),
               QStringLiteral("-l"), QString::number(page), m_path, QStringLiteral("-")});
    static const QRegularExpression lineRx(
        QStringLiteral("<line xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" "
                       "yMax=\"([-\\d.]+)\">(.*?)</line>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression wordRx(
        QStringLiteral("<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" "
                       "yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    QList<Line> result;
    for (auto it = lineRx.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        Line line;
        line.box = boxOf(m);
        const QString words = m.captured(5);
        for (auto wit = wordRx.globalMatch(words); wit.hasNext();) {
            const QRegularExpressionMatch w = wit.next();
            line.words.append({boxOf(w), unescaped(w.captured(5))});
        }
        result.append(line);
    }
    m_lines.insert(page, result);
    return result;
}

QString PdfFile::compactText(int page) const
{
    QString text;
    for (const Line &line : lines(page))
        text += line.text();
    return withoutSpace(text);
}

QRectF PdfFile::find(int page, const QString &text) const
{
    const QString wanted = withoutSpace(text);
    if (wanted.isEmpty())
        return QRectF();
    for (const Line &line : lines(page)) {
        // Character i of the joined line belongs to word owner[i], at
        // position offset[i] within it.
        QString joined;
        QList<int> owner;
        QList<int> offset;
        for (int w = 0; w < line.words.size(); ++w) {
            const QString word = withoutSpace(line.words.at(w).text);
            for (int c = 0; c < word.size(); ++c) {
                owner.append(w);
                offset.append(c);
            }
            joined += word;
        }
        const int at = joined.indexOf(wanted);
        if (at < 0)
            continue;
        const int last = at + wanted.size() - 1;
        QRectF box;
        for (int w = owner.at(at); w <= owner.at(last); ++w) {
            const Word &word = line.words.at(w);
            const int length = withoutSpace(word.text).size();
            const int from = w == owner.at(at) ? offset.at(at) : 0;
            const int to = w == owner.at(last) ? offset.at(last) + 1 : length;
            const double step = word.box.width() / length;
            const QRectF part(word.box.left() + from * step, word.box.top(), (to - from) * step,
                              word.box.height());
            box = box.isNull() ? part : box.united(part);
        }
        return box;
    }
    return QRectF();
}

QImage PdfFile::render(int page, int dpi, const QString &pngPath) const
{
    if (page < 1 || page > m_pages)
        return QImage();
    const QPair<int, int> key(page, dpi);
    QImage image = m_images.value(key);
    if (image.isNull()) {
        QTemporaryDir dir;
        const QString stem = dir.filePath(QStringLiteral("page"));
        bool ok = false;
        run({QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
             QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
             QString::number(page), QStringLiteral("-singlefile"), m_path, stem},
            QStringLiteral("pdftoppm"), &ok);
        if (!ok)
            return QImage();
        image = QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
        m_images.insert(key, image);
    }
    if (!pngPath.isEmpty())
        image.save(pngPath);
    return image;
}

QString PdfFile::run(const QStringList &arguments, const QString &program, bool *ok) const
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput())
        + QString::fromUtf8(process.readAllStandardError());
}

PageImage::PageImage(QImage image, int dpi)
    : m_image(std::move(image))
    , m_dpi(dpi)
{
}

QRect PageImage::pixelRegion(const QRectF &region) const
{
    if (region.isEmpty())
        return m_image.rect();
    const QRect pixels(QPoint(toPixels(region.left()), toPixels(region.top())),
                       QPoint(toPixels(region.right()), toPixels(region.bottom())));
    return pixels.intersected(m_image.rect());
}

QRectF PageImage::inkBox(const InkTest &ink, const QRectF &region) const
{
    const QRect area = pixelRegion(region);
    int left = area.right() + 1, right = area.left() - 1;
    int top = area.bottom() + 1, bottom = area.top() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (ink(row[x])) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    if (right < left)
        return QRectF();
    return QRectF(QPointF(toPoints(left), toPoints(top)),
                  QPointF(toPoints(right + 1), toPoints(bottom + 1)));
}

QList<QRectF> PageImage::horizontalRules(const InkTest &ink, double minLength,
                                         const QRectF &region) const
{
    const QRect area = pixelRegion(region);
    const int minRun = toPixels(minLength);
    QList<QRectF> rules;
    QRect band; // pixels of the band being collected
    auto closeBand = [&] {
        if (!band.isNull())
            rules.append(QRectF(QPointF(toPoints(band.left()), toPoints(band.top())),
                                QPointF(toPoints(band.right() + 1), toPoints(band.bottom() + 1))));
        band = QRect();
    };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
        int runStart = -1, bestStart = -1, bestEnd = -1;
        for (int x = area.left(); x <= area.right() + 1; ++x) {
            const bool on = x <= area.right() && ink(row[x]);
            if (on && runStart < 0)
                runStart = x;
            if (!on && runStart >= 0) {
                if (x - runStart > bestEnd - bestStart) {
                    bestStart = runStart;
                    bestEnd = x;
                }
                runStart = -1;
            }
        }
        if (bestStart >= 0 && bestEnd - bestStart >= minRun) {
            const QRect line(QPoint(bestStart, y), QPoint(bestEnd - 1, y));
            band = band.isNull() ? line : band.united(line);
        } else {
            closeBand();
        }
    }
    closeBand();
    return rules;
}

int PageImage::inkCount(const InkTest &ink, const QRectF &region) const
{
    const QRect area = pixelRegion(region);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            count += ink(row[x]) ? 1 : 0;
    }
    return count;
}

} // namespace pdfmeasure
