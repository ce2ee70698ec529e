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
    return text.replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&apos;", "'")
        .replace("&amp;", "&");
}

QString withoutSpace(QString text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.remove(space);
}

// Calls `inkAt(x, y)` for each pixel of `area` that is ink.
template<class F>
void forEachInk(const QImage &image, const QRect &area, const InkTest &ink, F inkAt)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (ink(row[x]))
                inkAt(x, y);
        }
    }
}

// Whole pixels as a rectangle in points.
QRectF pointRect(const PageImage &page, const QRect &pixels)
{
    return QRectF(QPointF(page.toPoints(pixels.left()), page.toPoints(pixels.top())),
                  QPointF(page.toPoints(pixels.right() + 1), page.toPoints(pixels.bottom() + 1)));
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
    const QString info
        = run(QStringLiteral("-f 1 -l 9999").split(' ') << path, QStringLiteral("pdfinfo"), &ok);
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
    if (m_lines.contains(page))
        return m_lines.value(page);

    const QString html
        = run(QStringLiteral("-bbox-layout -f %1 -l %1").arg(page).split(' ') << m_path << "-");
    const QString box = QStringLiteral(
        "xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">");
    static const QRegularExpression lineRx("<line " + box + "(.*?)</line>",
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression wordRx("<word " + box + "([^<]*)</word>");
    QList<Line> result;
    for (auto it = lineRx.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        Line line {boxOf(m), {}};
        for (auto wit = wordRx.globalMatch(m.captured(5)); wit.hasNext();) {
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
        QString joined;
        for (const Word &word : line.words)
            joined += withoutSpace(word.text);
        const int at = joined.indexOf(wanted);
        if (at < 0)
            continue;
        QRectF box;
        int start = 0; // of the word in the joined line
        for (const Word &word : line.words) {
            const int length = withoutSpace(word.text).size();
            const int from = qMax(at - start, 0), to = qMin(at + wanted.size() - start, length);
            if (from < to) {
                const double step = word.box.width() / length;
                box |= QRectF(word.box.left() + from * step, word.box.top(), (to - from) * step,
                              word.box.height());
            }
            start += length;
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
        run(QStringLiteral("-r %1 -png -f %2 -l %2 -singlefile").arg(dpi).arg(page).split(' ')
                << m_path << stem,
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
    QRect box;
    forEachInk(m_image, pixelRegion(region), ink, [&](int x, int y) { box |= QRect(x, y, 1, 1); });
    return box.isNull() ? QRectF() : pointRect(*this, box);
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
            rules.append(pointRect(*this, band));
        band = QRect();
    };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
        QRect line; // the row's runs of at least minRun pixels
        for (int x = area.left(), start = -1; x <= area.right() + 1; ++x) {
            const bool on = x <= area.right() && ink(row[x]);
            if (on && start < 0)
                start = x;
            if (!on && start >= 0 && x - start >= minRun)
                line |= QRect(QPoint(start, y), QPoint(x - 1, y));
            if (!on)
                start = -1;
        }
        if (line.isNull())
            closeBand();
        else
            band |= line;
    }
    closeBand();
    return rules;
}

int PageImage::inkCount(const InkTest &ink, const QRectF &region) const
{
    int count = 0;
    forEachInk(m_image, pixelRegion(region), ink, [&](int, int) { ++count; });
    return count;
}

} // namespace pdfmeasure
