#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

// Measuring an exported page: where its texts and its drawn marks are, in
// points from the top left corner of the page, as poppler's tools see them
// (pdftotext for text boxes, pdftoppm for pixels). The layout tests compare
// these positions with the centimetres the settings and templates configure.
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
    // Reads the file's page count; every other question runs a tool on
    // demand. `error()` tells why a file is unusable (missing tools, no file).
    explicit PdfFile(const QString &path);

    bool isValid() const { return m_pages > 0; }
    QString error() const { return m_error; }
    QString path() const { return m_path; }
    int pageCount() const { return m_pages; }

    // Pages count from 1.
    QSizeF pageSize(int page) const;
    QList<Line> lines(int page) const;
    // The plain text of a page, in reading order, without white space.
    QString compactText(int page) const;
    // The box of the first occurrence of `text` (white space ignored) within
    // one line of the page; an empty box when it is not there. A match that
    // starts or ends inside a word is narrowed in proportion to the
    // characters, which is exact for the monospaced CJK text of the body.
    QRectF find(int page, const QString &text) const;

    // The page rendered at `dpi` (cached per page and resolution), and the
    // same image written to `pngPath` when one is given.
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

    const QImage &image() const { return m_image; }
    double toPoints(int pixels) const { return pixels * 72.0 / m_dpi; }
    int toPixels(double points) const { return int(points * m_dpi / 72.0 + 0.5); }

    // The bounding box of the ink inside `region` (the whole page when
    // empty); an empty box when there is none.
    QRectF inkBox(const InkTest &ink, const QRectF &region = QRectF()) const;
    // Horizontal rules: bands of consecutive pixel rows that each hold a run
    // of ink at least `minLength` points long, each band as its bounding box
    // (top to bottom). Two rules of a double rule are two bands when paper
    // shows between them.
    QList<QRectF> horizontalRules(const InkTest &ink, double minLength,
                                  const QRectF &region = QRectF()) const;
    // Ink pixels in a region.
    int inkCount(const InkTest &ink, const QRectF &region = QRectF()) const;

private:
    QRect pixelRegion(const QRectF &region) const;

    QImage m_image;
    int m_dpi;
};

} // namespace pdfmeasure
