#include "loviewselection.h"

#include "unoutil.h"

#include <QCoreApplication>
#include <QTimer>

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/text/XTextRangeCompare.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice::textstory {

namespace {

Reference<text::XTextViewCursor> viewCursorOf(const Reference<frame::XModel> &model)
{
    const Reference<text::XTextViewCursorSupplier> supplier(model->getCurrentController(),
                                                            UNO_QUERY_THROW);
    return supplier->getViewCursor();
}

} // namespace

ViewSelection::ViewSelection(TextStories &stories)
    : m_stories(stories)
{
}

void ViewSelection::select(const Reference<text::XText> &text, long start, long end)
{
    const Reference<text::XTextCursor> cursor = m_stories.cursorAt(text, start, end);
    remember(text, Reference<text::XTextRange>(cursor.get()), start, end);
}

void ViewSelection::selectParagraph(const Reference<text::XText> &text,
                                    const Reference<text::XTextRange> &paragraph, long start,
                                    long end)
{
    remember(text, paragraph, start, end);
}

void ViewSelection::remember(const Reference<text::XText> &text,
                             const Reference<text::XTextRange> &shown, long start, long end)
{
    m_span = std::make_shared<Span>(Span {start, end});
    m_stories.track(text, m_span);
    m_text = text;
    m_shown = shown;
    m_inView = false;
    if (!m_scheduled && QCoreApplication::instance()) {
        m_scheduled = std::make_shared<bool>(true);
        const std::weak_ptr<bool> scheduled = m_scheduled;
        QTimer::singleShot(0, [this, scheduled] {
            if (scheduled.expired())
                return;
            m_scheduled.reset();
            show();
        });
    }
}

void ViewSelection::show()
{
    if (m_inView)
        return;
    m_inView = true;
    try {
        const Reference<view::XSelectionSupplier> selection(
            m_stories.model()->getCurrentController(), UNO_QUERY_THROW);
        selection->select(uno::Any(m_shown));
    } catch (const uno::Exception &) {
    }
}

// A range of another text than the view's cannot be compared and is not
// shown.
bool ViewSelection::stillShown() const
{
    if (!m_shown.is())
        return false;
    try {
        const Reference<text::XTextViewCursor> view = viewCursorOf(m_stories.model());
        const Reference<text::XTextRangeCompare> compare(m_shown->getText(), UNO_QUERY_THROW);
        const Reference<text::XTextRange> at(view.get());
        return compare->compareRegionStarts(at, m_shown) == 0
            && compare->compareRegionEnds(at, m_shown) == 0;
    } catch (const uno::Exception &) {
        return false;
    }
}

bool ViewSelection::offsets(Reference<text::XText> *text, long *start, long *end)
{
    // What was selected through the object model and is (or is about to
    // be) shown answers the offsets asked for: the view cannot select a
    // text's last mark, and working the offsets out again takes a walk over
    // the text.
    if (m_text.is() && (!m_inView || stillShown())) {
        *text = m_text;
        *start = m_span->start;
        *end = m_span->end;
        return true;
    }
    const Reference<frame::XModel> &model = m_stories.model();
    const Reference<text::XTextViewCursor> view = viewCursorOf(model);
    *text = view->getText();
    if (!text->is())
        return false;
    // In a table the view's text is the cell: offsets are those of the text
    // holding the table.
    if (Reference<table::XCell>(*text, UNO_QUERY).is()) {
        const Reference<text::XTextTable> table(
            Reference<beans::XPropertySet>(view, UNO_QUERY_THROW)
                ->getPropertyValue(unoName("TextTable")),
            UNO_QUERY);
        Reference<text::XText> holder;
        TableSpan span;
        if (table.is() && m_stories.placeOfTable(table, &holder, &span))
            *text = holder;
    }
    *start = m_stories.offsetOf(*text, view->getStart());
    *end = m_stories.offsetOf(*text, view->getEnd());
    if (*end < *start)
        std::swap(*start, *end);
    return true;
}

long ViewSelection::pageOf(const Reference<text::XTextRange> &position)
{
    show();
    const Reference<text::XTextViewCursor> view = viewCursorOf(m_stories.model());
    const Reference<text::XTextCursor> saved
        = view->getText()->createTextCursorByRange(Reference<text::XTextRange>(view.get()));
    view->gotoRange(position->getEnd(), false);
    const long page = Reference<text::XPageCursor>(view, UNO_QUERY_THROW)->getPage();
    view->gotoRange(saved->getStart(), false);
    view->gotoRange(saved->getEnd(), true);
    return page;
}

} // namespace libreoffice::textstory
