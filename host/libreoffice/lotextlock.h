#pragma once

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

namespace libreoffice {

// Keeps the document's views from following every step of an edit made of
// many calls (paragraph by paragraph formatting, text with many breaks):
// over the pipe bridge this about halves such edits. A null model is fine.
class LoTextLock
{
public:
    explicit LoTextLock(css::uno::Reference<css::frame::XModel> model);
    ~LoTextLock();

    LoTextLock(const LoTextLock &) = delete;
    LoTextLock &operator=(const LoTextLock &) = delete;

private:
    css::uno::Reference<css::frame::XModel> m_model;
};

} // namespace libreoffice
