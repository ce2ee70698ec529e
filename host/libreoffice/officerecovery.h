#pragma once

#include <QString>

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace libreoffice {

// The recovery copies of the open documents, kept in a directory of the
// office's profile so that a new office can bring the documents back after
// the office (or this program) ended without closing them.
//
// The office's own AutoRecovery cannot be used for this: --norestore turns it
// off, and without that flag LibreOffice 7.4 in our window never wrote a
// backup (TimeIntervall 1 minute, three minutes of waiting), while a start
// after a crash would put up its own recovery dialog outside our window.
// The means it uses are open to us, though: XDocumentRecovery stores a
// document's copy without touching its file or its modified state, and
// rebuilds a document from such a copy as the document it was.
//
// While running, a thread of its own stores a copy of every document
// changed since its last copy, every interval, and writes the list of the
// documents (copy, original file, filter, title) after each round. That
// thread never touches Qt or the GUI thread's state, so a busy or frozen
// office only holds it. Documents that are unchanged and have a file are
// listed by their file only; untouched new documents are not listed.
class OfficeRecovery
{
public:
    struct Entry
    {
        // The recovery copy (ODF); empty when the document comes back from
        // its file as it is.
        QString copy;
        // The document's own file URL; empty for a document never saved.
        QString url;
        // The filter the document was loaded or last saved with.
        QString filter;
    };

    explicit OfficeRecovery(const QString &directory);
    ~OfficeRecovery();

    // The documents of the last office that used the directory, as of its
    // last round; empty after a clean end.
    std::vector<Entry> entries() const;

    // Starts the rounds: every intervalMs, on a thread of its own.
    void start(const css::uno::Reference<css::frame::XDesktop2> &desktop, int intervalMs);
    // Ends the rounds; a round waiting for the office returns once the
    // office answers or its bridge is gone.
    void stop();
    // Runs one round now, on the calling thread (tests, a clean save point).
    void saveNow();
    // The office ended on request with every document settled: nothing is
    // left to recover.
    void discard();

    QString directory() const { return m_directory; }

private:
    void run(int intervalMs);
    void round();

    QString m_directory;
    // Tells this office's copies from those of an office before it.
    QString m_prefix;
    css::uno::Reference<css::frame::XDesktop2> m_desktop;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    // One round at a time (the thread's and saveNow's).
    std::mutex m_roundMutex;
};

} // namespace libreoffice
