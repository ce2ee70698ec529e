#pragma once

#include "automation/automation.h"
#include "libreoffice/libreofficeclient.h"
#include "officetestsupport.h"

#include <QTemporaryDir>

#include <memory>

// One headless office for a whole test executable. The applications it hands
// out forward to it, except that Quit only closes their documents, so that
// every test case can start from a fresh document without a fresh office.
class SharedOffice
{
public:
    SharedOffice()
        : m_application(officetest::startOffice(m_profile.path(), &m_client))
    {
    }

    ~SharedOffice()
    {
        if (m_application)
            m_application->quit(automation::Variant(), automation::Variant(),
                                automation::Variant());
    }

    automation::ApplicationPtr application() const
    {
        return m_application ? std::make_shared<DocumentsOnlyQuit>(m_application) : nullptr;
    }

    // The office's own, for libreoffice/lofiles.h; never quit it.
    automation::ApplicationPtr officeApplication() const { return m_application; }

private:
    class DocumentsOnlyQuit : public automation::Application
    {
    public:
        explicit DocumentsOnlyQuit(automation::ApplicationPtr inner)
            : m_inner(std::move(inner))
        {
        }
        automation::DocumentsPtr documents() override { return m_inner->documents(); }
        automation::DocumentPtr activeDocument() override { return m_inner->activeDocument(); }
        automation::SelectionPtr selection() override { return m_inner->selection(); }
        automation::ApplicationExPtr applicationEx() override { return m_inner->applicationEx(); }
        void quit(const automation::Variant &, const automation::Variant &,
                  const automation::Variant &) override
        {
            while (automation::DocumentPtr document = m_inner->activeDocument())
                document->close(automation::Variant(false));
        }

    private:
        automation::ApplicationPtr m_inner;
    };

    QTemporaryDir m_profile;
    std::unique_ptr<WriterClient> m_client;
    automation::ApplicationPtr m_application;
};
