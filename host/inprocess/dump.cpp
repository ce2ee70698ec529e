#include "objects.h"

#include <QTextStream>

using namespace automation;

namespace inprocess {

DocModel modelOf(const DocumentPtr &document);

namespace {

QString num(double v)
{
    return QString::number(v, 'g', 7);
}

QString fontText(const model::Document &doc, const model::CharFormat &f)
{
    const model::ResolvedFont r = doc.resolve(f);
    return QStringLiteral("[%1|%2 %3pt b%4 i%5 c%6 s%7]")
        .arg(r.ascii, r.farEast, num(r.size))
        .arg(r.bold)
        .arg(r.italic)
        .arg(r.color)
        .arg(r.scaling);
}

QString paraFormatText(const model::ParaFormat &f)
{
    const model::ParaFormat d;
    QStringList parts;
    auto add = [&](const char *name, double value, double def) {
        if (value != def)
            parts << QStringLiteral("%1=%2").arg(QLatin1String(name), num(value));
    };
    add("align", f.alignment, d.alignment);
    add("rule", f.rule, d.rule);
    add("spacing", f.spacing, d.spacing);
    add("first", f.firstIndent, d.firstIndent);
    add("left", f.leftIndent, d.leftIndent);
    add("right", f.rightIndent, d.rightIndent);
    add("cu-first", f.cuFirst, d.cuFirst);
    add("cu-left", f.cuLeft, d.cuLeft);
    add("cu-right", f.cuRight, d.cuRight);
    return QLatin1Char('{') + parts.join(QLatin1Char(' ')) + QLatin1Char('}');
}

QString bordersText(const model::BorderSet &set)
{
    QStringList parts;
    for (const auto &[index, b] : set)
        parts << QStringLiteral("%1:%2/%3").arg(index).arg(b.style).arg(b.width);
    return QLatin1Char('{') + parts.join(QLatin1Char(' ')) + QLatin1Char('}');
}

class Dumper
{
public:
    explicit Dumper(const model::Document &doc)
        : m_doc(doc)
        , m_out(&m_text)
    {
    }

    QString run()
    {
        m_out << "Document " << m_doc.name << "\n";
        const auto sections = m_doc.sections();
        for (size_t i = 0; i < sections.size(); ++i)
            section(int(i), *sections[i]);
        m_out << "Body\n";
        story(*m_doc.body, 1);
        if (!m_doc.shapes.empty()) {
            m_out << "Shapes\n";
            shapes(m_doc.shapes, 1);
        }
        if (!m_doc.properties.empty()) {
            m_out << "Properties\n";
            for (const auto &p : m_doc.properties)
                m_out << "  " << p.name << " (" << p.type << ") = \"" << p.value.toString()
                      << "\"\n";
        }
        m_out.flush();
        return m_text;
    }

private:
    QString indent(int level) const { return QString(level * 2, QLatin1Char(' ')); }

    void section(int index, const model::Section &s)
    {
        const model::PageSetup &p = s.pageSetup;
        m_out << "Section " << index + 1 << " [page " << num(p.width) << "x" << num(p.height)
              << " orientation " << p.orientation << "; margins t" << num(p.top) << " b"
              << num(p.bottom) << " l" << num(p.left) << " r" << num(p.right) << "; footer "
              << num(p.footerDistance) << "; mirror " << p.mirror << "; grid " << p.layoutMode
              << " " << num(p.linesPage) << "x" << num(p.charsLine) << "; odd/even " << p.oddEven
              << "; first page " << p.differentFirst << "; restart " << (s.restartNumbering ? 1 : 0)
              << "]\n";
        for (const auto &[item, hf] : s.footers) {
            const bool empty = hf.story->length() == 1 && hf.shapes.empty();
            if (hf.linkToPrevious) {
                m_out << "  Footer " << item << ": linked\n";
                continue;
            }
            if (empty)
                continue;
            m_out << "  Footer " << item << ":\n";
            story(*hf.story, 2);
            shapes(hf.shapes, 2);
        }
    }

    void story(const model::Story &st, int level)
    {
        long pos = 0;
        for (size_t i = 0; i < st.paragraphs.size(); ++i) {
            const model::Paragraph &p = *st.paragraphs[i];
            m_out << indent(level) << "P" << i + 1;
            if (p.cell)
                m_out << " (cell " << cellName(st, p.cell) << ")";
            m_out << " " << paraFormatText(p.format) << " \"" << display(st, p, pos) << "\"";
            if (p.sectionBreak)
                m_out << " <section break>";
            m_out << "\n";
            runs(p, level + 2);
            pos += p.length();
        }
        for (size_t t = 0; t < st.tables.size(); ++t) {
            const model::Table &table = *st.tables[t];
            m_out << indent(level) << "Table " << t + 1 << " rows-align " << table.rowsAlignment
                  << " padding t" << num(table.topPadding) << " b" << num(table.bottomPadding)
                  << " l" << num(table.leftPadding) << " r" << num(table.rightPadding)
                  << " borders " << bordersText(table.borders) << "\n";
            for (size_t r = 0; r < table.rows.size(); ++r) {
                for (size_t c = 0; c < table.rows[r]->cells.size(); ++c) {
                    const model::Cell &cell = *table.rows[r]->cells[c];
                    m_out << indent(level + 1) << "Cell(" << r + 1 << "," << c + 1 << ") width "
                          << num(cell.width) << " height " << num(cell.height) << " valign "
                          << cell.verticalAlignment << " borders " << bordersText(cell.borders)
                          << "\n";
                }
            }
        }
    }

    QString cellName(const model::Story &st, const std::shared_ptr<model::Cell> &cell) const
    {
        for (size_t t = 0; t < st.tables.size(); ++t) {
            const auto &rows = st.tables[t]->rows;
            for (size_t r = 0; r < rows.size(); ++r) {
                for (size_t c = 0; c < rows[r]->cells.size(); ++c) {
                    if (rows[r]->cells[c] == cell)
                        return QStringLiteral("T%1 %2,%3").arg(t + 1).arg(r + 1).arg(c + 1);
                }
            }
        }
        return QStringLiteral("?");
    }

    QString display(const model::Story &st, const model::Paragraph &p, long start) const
    {
        Q_UNUSED(st);
        Q_UNUSED(start);
        QString out;
        for (int k = 0; k < p.text.size(); ++k)
            out += p.chars[k].field ? QStringLiteral("{PAGE}") : QString(p.text.at(k));
        return out;
    }

    void runs(const model::Paragraph &p, int level)
    {
        QStringList parts;
        int k = 0;
        while (k < p.text.size()) {
            int e = k + 1;
            while (e < p.text.size() && p.chars[e].format == p.chars[k].format)
                ++e;
            parts
                << QStringLiteral("%1-%2 %3").arg(k).arg(e).arg(fontText(m_doc, p.chars[k].format));
            k = e;
        }
        parts << QStringLiteral("mark %1").arg(fontText(m_doc, p.markFormat));
        m_out << indent(level) << parts.join(QStringLiteral("; ")) << "\n";
    }

    void shapes(const model::ShapeList &list, int level)
    {
        for (size_t i = 0; i < list.size(); ++i) {
            const model::Shape &s = *list[i];
            const char *kind = s.kind == model::Shape::Kind::Line
                ? "line"
                : (s.kind == model::Shape::Kind::TextBox ? "textbox" : "rectangle");
            m_out << indent(level) << "Shape " << i + 1 << " \"" << s.name << "\" " << kind
                  << " left " << num(s.left) << " top " << num(s.top) << " width " << num(s.width)
                  << " height " << num(s.height) << " visible " << s.visible << " rel-v "
                  << s.relativeVertical << " rel-h " << s.relativeHorizontal << " anchor "
                  << (s.anchor ? s.anchor->start : -1) << "\n";
            m_out << indent(level + 1) << "fill visible " << s.fillVisible << " rgb " << s.fillColor
                  << "; line visible " << s.lineVisible << " weight " << num(s.lineWeight)
                  << " style " << s.lineStyle << " dash " << s.lineDash << " rgb " << s.lineColor;
            if (s.kind == model::Shape::Kind::Line)
                m_out << " from " << num(s.beginX) << "," << num(s.beginY) << " to " << num(s.endX)
                      << "," << num(s.endY);
            m_out << "\n";
            if (s.frame.story) {
                const model::FrameModel &f = s.frame;
                m_out << indent(level + 1) << "frame auto-size " << f.autoSize << " margins t"
                      << num(f.marginTop) << " b" << num(f.marginBottom) << " l"
                      << num(f.marginLeft) << " r" << num(f.marginRight) << " orientation "
                      << f.orientation << "\n";
                story(*f.story, level + 2);
            }
        }
    }

    const model::Document &m_doc;
    QString m_text;
    QTextStream m_out;
};

} // namespace

QString InProcessApplication::dumpDocument(const DocumentPtr &document)
{
    const DocModel doc = modelOf(document);
    if (!doc)
        return QString();
    return Dumper(*doc).run();
}

} // namespace inprocess
