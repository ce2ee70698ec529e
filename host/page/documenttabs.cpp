#include "documenttabs.h"

#include "automation/application.h"
#include "automation/document.h"

DocumentTabs::DocumentTabs(QWidget *parent)
    : QTabBar(parent)
{
    setDocumentMode(true);
    setExpanding(false);
    setFocusPolicy(Qt::NoFocus);
    // Long names shrink and scroll rather than widen the page.
    setElideMode(Qt::ElideMiddle);
    setUsesScrollButtons(true);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    hide();
    connect(this, &QTabBar::currentChanged, this, &DocumentTabs::activate);
}

void DocumentTabs::refresh(const automation::ApplicationPtr &application)
{
    m_application = application;
    m_refreshing = true;
    automation::DocumentsPtr documents = application ? application->documents() : nullptr;
    const long count = documents ? documents->count() : 0;
    automation::DocumentPtr active = count > 0 ? application->activeDocument() : nullptr;
    const QString activeKey
        = active ? active->fullName() + QLatin1Char('|') + active->name() : QString();
    int current = -1;
    for (long i = 1; i <= count; ++i) {
        automation::DocumentPtr document = documents->item(i);
        const QString name = document ? document->name() : QString();
        const QString label = document && !document->saved() ? name + QStringLiteral(" *") : name;
        const int index = int(i - 1);
        if (index < this->count())
            setTabText(index, label);
        else
            addTab(label);
        setTabToolTip(index, document ? document->fullName() : QString());
        if (document && document->fullName() + QLatin1Char('|') + name == activeKey)
            current = index;
    }
    while (this->count() > int(count))
        removeTab(this->count() - 1);
    if (current >= 0)
        setCurrentIndex(current);
    setVisible(count > 0);
    m_refreshing = false;
}

void DocumentTabs::activate(int index)
{
    if (m_refreshing || index < 0 || !m_application)
        return;
    automation::DocumentsPtr documents = m_application->documents();
    if (automation::DocumentPtr document = documents ? documents->item(index + 1) : nullptr)
        document->activate();
}
