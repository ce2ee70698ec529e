#pragma once

#include "automation/forward.h"

#include <QStringList>

// What LibreOffice itself needs for the benchmark's workloads when it is told
// everything at once, through its own API rather than the object model: the
// floors the writer's times are measured against. Each answers seconds, or a
// negative value when the application is not LibreOffice or the office fails.
namespace officefloors {

// Waits until the office has laid out the active document's pages (asking
// for the page of its end), so that the times hold the layout too.
void settle(const automation::ApplicationPtr &application);

// The office's own import of the paragraphs: a text file of them, loaded as a
// new document.
double importText(const automation::ApplicationPtr &application, const QStringList &paragraphs);

// Page adaptation of the active document told at once: the page style in one
// call, the two page-number footers, one property set over the whole body,
// then the East Asian font of each heading's lead sentence. `headings` gives
// the paragraphs (0-based) and their lead lengths.
double adaptPages(const automation::ApplicationPtr &application, const QStringList &paragraphs,
                  const QList<QPair<int, int>> &headings);

} // namespace officefloors
