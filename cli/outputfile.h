#pragma once

#include <QString>

// The file a converted document goes to. The office writes a hidden
// temporary file beside it (same folder, same extension, so the same file
// system and format), which takes the final name only once complete: an
// output is never left half-written under its name, and an existing one is
// replaced, in one step, only when asked.
class OutputFile
{
public:
    OutputFile(const QString &path, bool replace);
    // Removes the temporary file unless it was committed.
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Creates the temporary file. False when the folder takes no file.
    bool open();
    QString temporaryPath() const { return m_temporary; }

    enum class Commit {
        Done,
        Exists, // the final file exists and may not be replaced
        Failed,
    };
    // Gives the temporary file the final name, with the permissions a new
    // file gets.
    Commit commit();

    // From now on an interrupt (SIGINT, SIGTERM, SIGHUP, or SIGPIPE when the
    // batch has gone) removes the temporary file of the output being written
    // before the process ends. One output at a time is covered: the one
    // opened last.
    static void removeOnSignals();

private:
    QString m_path;
    QString m_temporary;
    bool m_replace;
};
