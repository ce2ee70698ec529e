#include "lorange.h"

#include "office.h"
#include "unoutil.h"

#include <QRegularExpression>

#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/XTextCursor.hpp>

using namespace css;
using css::uno::Reference;

namespace libreoffice {

namespace {

// Paragraphs of a text given with "\r", "\n" or "\r\n" as paragraph marks.
QStringList paragraphsOf(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("\r\n|\r|\n"));
    return text.split(mark);
}

// Inserts the text at the cursor, a paragraph break for every mark.
void insertParagraphs(const Reference<text::XText> &story,
                      const Reference<text::XTextCursor> &cursor, const QString &text)
{
    const QStringList parts = paragraphsOf(text);
    const Reference<text::XTextRange> range(cursor.get());
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            story->insertControlCharacter(range, text::ControlCharacter::PARAGRAPH_BREAK, false);
        if (!parts[i].isEmpty())
            story->insertString(range, toOUString(parts[i]), false);
    }
}

} // namespace

LoRange::LoRange(std::shared_ptr<Office> office, Reference<text::XText> story)
    : m_office(std::move(office))
    , m_story(std::move(story))
{
}

QString LoRange::text() const
{
    if (!m_office->isAlive())
        return QString();
    return unoGuard(QString(), [this] {
        // The office separates paragraphs with "\n"; the story's last mark
        // is part of the range as well.
        QString text = toQString(m_story->getString());
        text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
        return text + QLatin1Char('\r');
    });
}

void LoRange::setText(const QString &text)
{
    if (!m_office->isAlive())
        return;
    unoGuardVoid([&] {
        // The story's last mark stays: a text ending in a mark leaves an
        // empty last paragraph.
        m_story->setString(rtl::OUString());
        insertParagraphs(m_story, m_story->createTextCursor(), text);
    });
}

long LoRange::start() const
{
    return 0;
}

long LoRange::end() const
{
    return text().size();
}

void LoRange::setRange(long, long) { }

void LoRange::select() { }

void LoRange::insertBefore(const QString &text)
{
    insertAt(true, text);
}

void LoRange::insertAfter(const QString &text)
{
    // After the story's last mark means just before it.
    insertAt(false, text);
}

void LoRange::insertAt(bool atStart, const QString &text)
{
    if (!m_office->isAlive())
        return;
    unoGuardVoid([&] {
        Reference<text::XTextCursor> cursor
            = m_story->createTextCursorByRange(atStart ? m_story->getStart() : m_story->getEnd());
        insertParagraphs(m_story, cursor, text);
    });
}

automation::FontPtr LoRange::font()
{
    return nullptr;
}

automation::ParagraphFormatPtr LoRange::paragraphFormat()
{
    return nullptr;
}

automation::ParagraphsPtr LoRange::paragraphs()
{
    return nullptr;
}

automation::Variant LoRange::information(int)
{
    return automation::Variant();
}

} // namespace libreoffice
