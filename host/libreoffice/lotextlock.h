#pragma once

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

namespace libreoffice {

class Office;

// Keeps the document's views from following every step of an edit made of
// many calls (paragraph by paragraph formatting, text with many breaks):
// over the pipe bridge this about halves such edits. A null model is fine.
// The office's held writes go before the lock and before the unlock, so that
// they are made while the views stand still.
class LoTextLock
{
public:
    LoTextLock(const Office &office, css::uno::Reference<css::frame::XModel> model);
    ~LoTextLock();

    LoTextLock(const LoTextLock &) = delete;
    LoTextLock &operator=(const LoTextLock &) = delete;

private:
    const Office &m_office;
    css::uno::Reference<css::frame::XModel> m_model;
};

} // namespace libreoffice
