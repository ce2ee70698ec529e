#include "lobookmarks.h"

#include "automation/text.h"

#include "lodrawing.h"
#include "lotext.h"
#include "lotextstory.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/text/XBookmarksSupplier.hpp>
#include <com/sun/star/text/XTextContent.hpp>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

Reference<container::XNameAccess> bookmarksOf(const Reference<frame::XModel> &model)
{
    return Reference<text::XBookmarksSupplier>(model, UNO_QUERY_THROW)->getBookmarks();
}

// The bookmark's content, null when there is none of that name.
Reference<text::XTextContent> bookmarkNamed(const Reference<frame::XModel> &model,
                                            const QString &name)
{
    const Reference<container::XNameAccess> marks = bookmarksOf(model);
    const rtl::OUString key = toOUString(name);
    if (!marks->hasByName(key))
        return nullptr;
    return Reference<text::XTextContent>(marks->getByName(key), UNO_QUERY);
}

} // namespace

LoBookmarks::LoBookmarks(std::shared_ptr<Office> office, Reference<frame::XModel> model)
    : m_office(std::move(office))
    , m_model(std::move(model))
{
}

long LoBookmarks::count() const
{
    return officeCall(*m_office, 0L,
                      [this] { return long(bookmarksOf(m_model)->getElementNames().getLength()); });
}

automation::BookmarkPtr LoBookmarks::item(const automation::Variant &index)
{
    if (!m_office->isAlive())
        return nullptr;
    const QString name = officeCall(*m_office, QString(), [&] {
        if (index.isString())
            return bookmarkNamed(m_model, index.toString()).is() ? index.toString() : QString();
        const auto names = bookmarksOf(m_model)->getElementNames();
        const long i = index.isMissing() ? 0 : index.toInt();
        return i >= 1 && i <= names.getLength() ? toQString(names[i - 1]) : QString();
    });
    if (name.isEmpty())
        return nullptr;
    return std::make_shared<LoBookmark>(m_office, m_model, name);
}

bool LoBookmarks::exists(const QString &name) const
{
    return officeCall(*m_office, false, [&] { return bookmarkNamed(m_model, name).is(); });
}

automation::BookmarkPtr LoBookmarks::add(const QString &name, const automation::RangePtr &range)
{
    if (!m_office->isAlive() || !range || name.isEmpty())
        return nullptr;
    const long start = range->start();
    const long end = std::max(start, range->end());
    const bool added = officeCall(*m_office, false, [&] {
        const Reference<text::XText> body = bodyOf(m_model);
        if (drawing::storyOf(m_office->document(m_model), range.get()) != body)
            return false;
        const Reference<text::XTextContent> old = bookmarkNamed(m_model, name);
        if (old.is())
            old->getAnchor()->getText()->removeTextContent(old);
        const Reference<text::XTextContent> mark(
            Reference<lang::XMultiServiceFactory>(m_model, UNO_QUERY_THROW)
                ->createInstance(unoName("com.sun.star.text.Bookmark")),
            UNO_QUERY_THROW);
        Reference<container::XNamed>(mark, UNO_QUERY_THROW)->setName(toOUString(name));
        // Absorbing the span makes it the bookmark's: its text stays.
        const Reference<text::XTextCursor> cursor
            = m_office->document(m_model).stories.cursorAt(body, start, end);
        cursor->getText()->insertTextContent(Reference<text::XTextRange>(cursor.get()), mark, true);
        return true;
    });
    return added ? std::make_shared<LoBookmark>(m_office, m_model, name) : nullptr;
}

LoBookmark::LoBookmark(std::shared_ptr<Office> office, Reference<frame::XModel> model, QString name)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_name(std::move(name))
{
}

automation::RangePtr LoBookmark::range()
{
    if (!m_office->isAlive())
        return nullptr;
    long start = -1;
    long end = -1;
    officeCall(*m_office, [&] {
        const Reference<text::XTextContent> mark = bookmarkNamed(m_model, m_name);
        const Reference<text::XText> body = bodyOf(m_model);
        if (!mark.is() || mark->getAnchor()->getText() != body)
            return;
        const Reference<text::XTextRange> anchor = mark->getAnchor();
        textstory::TextStories &stories = m_office->document(m_model).stories;
        start = stories.offsetOf(body, anchor->getStart());
        end = stories.offsetOf(body, anchor->getEnd());
    });
    if (start < 0)
        return nullptr;
    return makeBodyRange(m_office, m_model, start, std::max(start, end));
}

void LoBookmark::remove()
{
    officeCall(*m_office, [&] {
        const Reference<text::XTextContent> mark = bookmarkNamed(m_model, m_name);
        if (mark.is())
            mark->getAnchor()->getText()->removeTextContent(mark);
    });
}

} // namespace libreoffice
