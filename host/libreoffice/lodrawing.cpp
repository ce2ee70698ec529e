#include "lodrawing.h"

#include "losectionmap.h"
#include "lotext.h"
#include "lotextstory.h"
#include "unoutil.h"

#include <QMutex>
#include <QMutexLocker>

#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/drawing/XDrawPageSupplier.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice::drawing {

namespace {

struct ObjectNotes
{
    bool textBox = false;
    QString alias;
};

struct NoteRegistry
{
    QMutex mutex;
    std::map<std::pair<const void *, QString>, ObjectNotes> notes;
};

NoteRegistry &registry()
{
    static NoteRegistry r;
    return r;
}

const int maxSuffix = 1000;

const void *keyOf(const Reference<frame::XModel> &model)
{
    return Reference<uno::XInterface>(model, UNO_QUERY).get();
}

} // namespace

Reference<text::XText> bodyOf(const Reference<frame::XModel> &model)
{
    const Reference<text::XTextDocument> document(model, UNO_QUERY);
    return document.is() ? document->getText() : nullptr;
}

Reference<css::drawing::XDrawPage> drawPageOf(const Reference<frame::XModel> &model)
{
    const Reference<css::drawing::XDrawPageSupplier> supplier(model, UNO_QUERY);
    if (!supplier.is())
        return nullptr;
        // Writer offers its one draw page only through this interface, which the
        // API marks deprecated in favour of XDrawPagesSupplier (Draw, Impress).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return supplier->getDrawPage();
#pragma GCC diagnostic pop
}

Reference<text::XText> storyOf(const Reference<frame::XModel> &model,
                               const automation::Range *range)
{
    if (range) {
        const Reference<text::XText> remembered = SectionMap::storyOf(range);
        if (remembered.is())
            return remembered;
    }
    return bodyOf(model);
}

automation::RangePtr rangeOf(const std::shared_ptr<Office> &office,
                             const Reference<frame::XModel> &model,
                             const Reference<text::XText> &text, long start, long end)
{
    if (!text.is())
        return nullptr;
    if (text == bodyOf(model))
        return makeBodyRange(office, model, start, end);
    automation::RangePtr range = makeTextRange(office, text, start, end);
    SectionMap::rememberStory(range, text);
    return range;
}

Reference<text::XTextRange> paragraphStartAt(const Reference<frame::XModel> &model,
                                             const Reference<text::XText> &text, long offset)
{
    const Reference<text::XTextCursor> cursor = textstory::cursorAt(model, text, offset, offset);
    const Reference<text::XParagraphCursor> paragraph(cursor, UNO_QUERY_THROW);
    paragraph->gotoStartOfParagraph(false);
    return cursor->getStart();
}

void markTextBox(const Reference<frame::XModel> &model, const QString &officeName)
{
    NoteRegistry &r = registry();
    QMutexLocker lock(&r.mutex);
    r.notes[{keyOf(model), officeName}].textBox = true;
}

bool isMarkedTextBox(const Reference<frame::XModel> &model, const QString &officeName)
{
    NoteRegistry &r = registry();
    QMutexLocker lock(&r.mutex);
    auto it = r.notes.find({keyOf(model), officeName});
    return it != r.notes.end() && it->second.textBox;
}

QString rename(const Reference<frame::XModel> &model, const Reference<uno::XInterface> &object,
               const QString &name)
{
    const Reference<container::XNamed> named(object, UNO_QUERY_THROW);
    const QString before = toQString(named->getName());
    auto tryName = [&](const QString &candidate) {
        unoGuardVoid([&] { named->setName(toOUString(candidate)); });
        return toQString(named->getName()) == candidate;
    };
    QString officeName = name;
    if (!tryName(name)) {
        // Taken (or refused): the first free "name (n)" becomes the office's.
        officeName = before;
        for (int i = 2; i <= maxSuffix; ++i) {
            const QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(i);
            if (tryName(candidate)) {
                officeName = candidate;
                break;
            }
        }
    }
    NoteRegistry &r = registry();
    QMutexLocker lock(&r.mutex);
    ObjectNotes notes;
    auto it = r.notes.find({keyOf(model), before});
    if (it != r.notes.end()) {
        notes = it->second;
        r.notes.erase(it);
    }
    notes.alias = officeName == name ? QString() : name;
    r.notes[{keyOf(model), officeName}] = notes;
    return officeName;
}

QString nameOf(const Reference<frame::XModel> &model, const Reference<uno::XInterface> &object)
{
    const QString officeName
        = toQString(Reference<container::XNamed>(object, UNO_QUERY_THROW)->getName());
    NoteRegistry &r = registry();
    QMutexLocker lock(&r.mutex);
    auto it = r.notes.find({keyOf(model), officeName});
    return it != r.notes.end() && !it->second.alias.isEmpty() ? it->second.alias : officeName;
}

sal_Int32 swapRedBlue(sal_Int32 color)
{
    return ((color & 0xff) << 16) | (color & 0xff00) | ((color >> 16) & 0xff);
}

} // namespace libreoffice::drawing
