// The formatting and page-layout commands of the page: each reads the
// settings afresh, works on the active document or the selection through the
// layout library, reports a missing document, and gives the keyboard focus
// back to the writer.
#include "page/messages.h"
#include "page/wpsmainwindow.h"

#include "automation/application.h"
#include "format/headermarks.h"
#include "format/landscapepage.h"
#include "format/linespacing.h"
#include "format/newdocument.h"
#include "format/pageadaptation.h"
#include "format/rolestyles.h"
#include "format/setpage_window.h"

namespace {

const QString kNoDocument = QStringLiteral("请确认是否已打开文档!");
const QString kNoSelection = QStringLiteral("请确认是否已打开文档并选中文字!");

// Every command applies the defaults of unset values (LayoutSettings::read):
// the style commands too, so that on a fresh install (no settings file yet)
// "设大标题" does not send an empty font and a spacing of 0, which would take
// the title off the page.

} // namespace

void WPSMainWindow::applyRole(int role)
{
    if (format::applyRole(m_application, format::Role(role), format::LayoutSettings::read())
        == format::Outcome::NoDocument)
        showError(kNoSelection);
    focusWriter();
}

void WPSMainWindow::startNewDocument()
{
    if (m_application)
        format::startAsOfficialBody(m_application->activeDocument(),
                                    format::LayoutSettings::read());
}

void WPSMainWindow::setBT()
{
    applyRole(int(format::Role::BigTitle));
}

void WPSMainWindow::setIBT()
{
    applyRole(int(format::Role::FirstHeading));
}

void WPSMainWindow::setIIBT()
{
    applyRole(int(format::Role::SecondHeading));
}

void WPSMainWindow::setZW()
{
    applyRole(int(format::Role::Body));
}

void WPSMainWindow::setZWB()
{
    applyRole(int(format::Role::BoldBody));
}

void WPSMainWindow::setLine()
{
    if (format::setExactSpacing(m_application, 15.6f) == format::Outcome::NoDocument)
        showError(kNoSelection);
    focusWriter();
}

void WPSMainWindow::setLine2()
{
    if (format::setExactSpacing(m_application, 45.0f) == format::Outcome::NoDocument)
        showError(kNoSelection);
    focusWriter();
}

void WPSMainWindow::incSpace()
{
    if (format::stepExactSpacing(m_application, 1.0f) == format::Outcome::NoDocument)
        showError(kNoDocument);
    focusWriter();
}

void WPSMainWindow::decSpace()
{
    if (format::stepExactSpacing(m_application, -1.0f) == format::Outcome::NoDocument)
        showError(kNoDocument);
    focusWriter();
}

void WPSMainWindow::setPageOption()
{
    m_setPageWindow->setWindowModality(Qt::ApplicationModal);
    m_setPageWindow->show();
}

void WPSMainWindow::setPageOptionExc(bool formatBody, bool recogniseHeadings)
{
    const format::Outcome outcome = format::adaptPages(
        m_application, format::LayoutSettings::read(), formatBody, recogniseHeadings);
    if (outcome == format::Outcome::NoApplication)
        return;
    if (outcome == format::Outcome::NoDocument)
        showError(kNoDocument);
    focusWriter();
}

void WPSMainWindow::insertHPpage()
{
    const format::Outcome outcome
        = format::insertLandscapePage(m_application, format::LayoutSettings::read());
    if (outcome == format::Outcome::NoApplication)
        return;
    if (outcome == format::Outcome::NoDocument)
        showError(kNoDocument);
    focusWriter();
}

namespace {

// The toggles on the red header, the page-number cover and the positioning
// lines (format/headermarks.h) report a missing document; without a writer
// they do nothing.
void reportToggle(WPSMainWindow *page, format::Outcome outcome)
{
    if (outcome == format::Outcome::NoApplication)
        return;
    if (outcome == format::Outcome::NoDocument)
        showError(kNoDocument);
    page->focusWriter();
}

} // namespace

void WPSMainWindow::hideHongTou()
{
    reportToggle(this, format::toggleRedHeader(m_application));
}

void WPSMainWindow::hidePageNumber()
{
    reportToggle(this, format::togglePageNumberCover(m_application));
}

void WPSMainWindow::inserTestLine()
{
    reportToggle(this, format::togglePositioningLines(m_application));
}
