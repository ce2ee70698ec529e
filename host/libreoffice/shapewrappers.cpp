#include "shapewrappers.h"

#include "unoutil.h"

#include <algorithm>

using css::uno::Reference;

namespace libreoffice {

ShapeWrappers::Document &ShapeWrappers::documentOf(const Reference<css::frame::XModel> &model)
{
    for (Document &document : m_documents) {
        if (document.model.get() == model.get())
            return document;
    }
    // A document closed by the user is disposed: its calls throw.
    m_documents.erase(std::remove_if(m_documents.begin(), m_documents.end(),
                                     [](const Document &document) {
                                         return !unoGuard(false, [&] {
                                             document.model->getURL();
                                             return true;
                                         });
                                     }),
                      m_documents.end());
    m_documents.push_back({model, {}, {}});
    return m_documents.back();
}

void ShapeWrappers::hold(const Reference<css::frame::XModel> &model,
                         const Reference<css::drawing::XShape> &shape)
{
    if (!model.is() || !shape.is())
        return;
    Document &document = documentOf(model);
    if (document.known.insert(shape.get()).second)
        document.shapes.push_back(shape);
}

void ShapeWrappers::drop(const Reference<css::drawing::XShape> &shape)
{
    for (Document &document : m_documents) {
        if (document.known.erase(shape.get()) > 0) {
            document.shapes.erase(std::remove_if(document.shapes.begin(), document.shapes.end(),
                                                 [&](const Reference<css::drawing::XShape> &held) {
                                                     return held.get() == shape.get();
                                                 }),
                                  document.shapes.end());
            return;
        }
    }
}

void ShapeWrappers::dropDocument(const Reference<css::frame::XModel> &model)
{
    m_documents.erase(std::remove_if(m_documents.begin(), m_documents.end(),
                                     [&](const Document &document) {
                                         return document.model.get() == model.get();
                                     }),
                      m_documents.end());
}

} // namespace libreoffice
