#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

// Where an exported page's texts and marks are, in points from its top left
// corner, as poppler's pdftotext (text boxes) and pdftoppm (pixels) see them.
namespace pdfmeasure {

constexpr double pointsPerCm = 72.0 / 2.54;
inline double cm(double points)
{
    return points / pointsPerCm;
}
inline double mm(double points)
{
    return 10.0 * points / pointsPerCm;
}

struct Word
{
    QRectF box;
    QString text;
};

// A line of text as pdftotext groups it.
struct Line
{
    QRectF box;
    QList<Word> words;
    // The words' texts joined without spaces.
    QString text() const;
};

using InkTest = std::function<bool(QRgb)>;
bool isRed(QRgb pixel); // the red of the header and its rules
bool isDark(QRgb pixel); // black text and rules, anti-aliased edges excluded
bool isInk(QRgb pixel); // anything that is not the white paper

class PdfFile
{
public:
    // Reads the page sizes; `error()` tells why a file is unusable.
    explicit PdfFile(const QString &path);

    bool isValid() const { return m_pages > 0; }
    QString error() const { return m_error; }
    int pageCount() const { return m_pages; }

    // Pages count from 1.
    QSizeF pageSize(int page) const;
    QList<Line> lines(int page) const;
    // The plain text of a page, in reading order, without white space.
    QString compactText(int page) const;
    // The box of the first `text` (white space ignored) within one line, empty
    // when absent; a match inside a word is cut in proportion to its characters.
    QRectF find(int page, const QString &text) const;

    // The page rendered at `dpi` (cached), also written to `pngPath` if given.
    QImage render(int page, int dpi = 300, const QString &pngPath = QString()) const;

private:
    QString run(const QStringList &arguments, const QString &program = QStringLiteral("pdftotext"),
                bool *ok = nullptr) const;

    QString m_path;
    QString m_error;
    int m_pages = 0;
    QList<QSizeF> m_sizes;
    mutable QHash<int, QList<Line>> m_lines;
    mutable QHash<QPair<int, int>, QImage> m_images;
};

// Pixel measurements of a rendered page; rectangles in points.
class PageImage
{
public:
    PageImage(QImage image, int dpi);

    double toPoints(int pixels) const { return pixels * 72.0 / m_dpi; }
    int toPixels(double points) const { return int(points * m_dpi / 72.0 + 0.5); }

    // The bounding box of the ink inside `region` (empty: the whole page).
    QRectF inkBox(const InkTest &ink, const QRectF &region = QRectF()) const;
    // Bands of pixel rows each holding an ink run of at least `minLength`
    // points, top to bottom; a double rule is two bands.
    QList<QRectF> horizontalRules(const InkTest &ink, double minLength,
                                  const QRectF &region = QRectF()) const;
    int inkCount(const InkTest &ink, const QRectF &region = QRectF()) const;

private:
    QRect pixelRegion(const QRectF &region) const;

    QImage m_image;
    int m_dpi;
};

} // namespace pdfmeasure
