#pragma once

#include "automation/application.h"

#include <memory>

namespace libreoffice {

class Office;

// Application bound to a LibreOffice Writer process.
class LoApplication : public automation::Application
{
public:
    explicit LoApplication(std::shared_ptr<Office> office);

    automation::DocumentsPtr documents() override;
    automation::DocumentPtr activeDocument() override;
    automation::SelectionPtr selection() override;
    automation::ApplicationExPtr applicationEx() override;
    void quit(const automation::Variant &saveChanges, const automation::Variant &originalFormat,
              const automation::Variant &routeDocument) override;

    // Gives the keyboard focus back to the embedded writer (see
    // libreoffice::focusWriter).
    void focusWriter();
    // The office's process id while it runs, else 0.
    qint64 processId() const;
    // The office behind the application, for the writer's own entry points
    // that the object model lacks (see lofiles.h).
    std::shared_ptr<Office> office() const { return m_office; }

private:
    std::shared_ptr<Office> m_office;
};

} // namespace libreoffice
