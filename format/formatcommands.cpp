#include "formatcommands.h"

#include "automation/application.h"
#include "format/headermarks.h"
#include "format/landscapepage.h"
#include "format/linespacing.h"
#include "format/pageadaptation.h"
#include "format/rolestyles.h"
#include "format/setpage_window.h"
#include "messages/messages.h"
#include "page/writerpage.h"

namespace {

const QString kNoDocument = QStringLiteral("请确认是否已打开文档!");
const QString kNoSelection = QStringLiteral("请确认是否已打开文档并选中文字!");

// Every command applies the defaults of unset values (LayoutSettings::read):
// the style commands too, so that on a fresh install (no settings file yet)
// "设大标题" does not send an empty font and a spacing of 0, which would take
// the title off the page.

// The commands that work on the whole document say so when there is none;
// without a writer they do nothing.
void report(WriterPage *page, format::Outcome outcome)
{
    if (outcome == format::Outcome::NoApplication)
        return;
    if (outcome == format::Outcome::NoDocument)
        showError(kNoDocument);
    page->focusWriter();
}

} // namespace

FormatCommands::FormatCommands(WriterPage *page)
    : QObject(page)
    , m_page(page)
    , m_setPageWindow(new setPage_window)
{
    connect(m_setPageWindow, &setPage_window::sendSettings, this,
            &FormatCommands::setPageOptionExc);
}

void FormatCommands::applyRole(int role)
{
    if (format::applyRole(m_page->application(), format::Role(role), format::LayoutSettings::read())
        == format::Outcome::NoDocument)
        showError(kNoSelection);
    m_page->focusWriter();
}

void FormatCommands::setBT()
{
    applyRole(int(format::Role::BigTitle));
}

void FormatCommands::setIBT()
{
    applyRole(int(format::Role::FirstHeading));
}

void FormatCommands::setIIBT()
{
    applyRole(int(format::Role::SecondHeading));
}

void FormatCommands::setZW()
{
    applyRole(int(format::Role::Body));
}

void FormatCommands::setZWB()
{
    applyRole(int(format::Role::BoldBody));
}

void FormatCommands::setLine()
{
    if (format::setExactSpacing(m_page->application(), format::kOneLineSpacing)
        == format::Outcome::NoDocument)
        showError(kNoSelection);
    m_page->focusWriter();
}

void FormatCommands::setLine2()
{
    if (format::setExactSpacing(m_page->application(), format::kTwoLineSpacing)
        == format::Outcome::NoDocument)
        showError(kNoSelection);
    m_page->focusWriter();
}

void FormatCommands::incSpace()
{
    if (format::stepExactSpacing(m_page->application(), 1.0f) == format::Outcome::NoDocument)
        showError(kNoDocument);
    m_page->focusWriter();
}

void FormatCommands::decSpace()
{
    if (format::stepExactSpacing(m_page->application(), -1.0f) == format::Outcome::NoDocument)
        showError(kNoDocument);
    m_page->focusWriter();
}

void FormatCommands::setPageOption()
{
    m_setPageWindow->setWindowModality(Qt::ApplicationModal);
    m_setPageWindow->show();
}

void FormatCommands::setPageOptionExc(bool formatBody, bool recogniseHeadings)
{
    report(m_page,
           format::adaptPages(m_page->application(), format::LayoutSettings::read(), formatBody,
                              recogniseHeadings));
}

void FormatCommands::insertHPpage()
{
    report(m_page,
           format::insertLandscapePage(m_page->application(), format::LayoutSettings::read()));
}

void FormatCommands::hideHongTou()
{
    report(m_page, format::toggleRedHeader(m_page->application()));
}

void FormatCommands::hidePageNumber()
{
    report(m_page, format::togglePageNumberCover(m_page->application()));
}

void FormatCommands::inserTestLine()
{
    report(m_page, format::togglePositioningLines(m_page->application()));
}
