#include "numbercounter.h"

#include "optionsettings.h"
#include "templatestore.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QtGlobal>

#include <cstdio>
#include <memory>

namespace numbering {

namespace {

// How long a program waits for another that holds the template file; a
// number is taken in milliseconds.
const int kLockWaitMs = 10000;

bool isMinutes(const QString &kind)
{
    return kind == QLatin1String(TemplateKind::Minutes);
}

int currentYearIfUnset(int year)
{
    return year == 0 ? QDate::currentDate().year() : year;
}

QString minutesPrefix(const Counter &counter)
{
    return counter.prefix.isEmpty() ? QStringLiteral("（%1）第").arg(QDate::currentDate().year())
                                    : counter.prefix;
}

QString minutesSuffix(const Counter &counter)
{
    return counter.suffix.isEmpty() ? QStringLiteral("期") : counter.suffix;
}

// The counter of a template in an open file.
Counter counterIn(const QSettings &file, const QString &templateName)
{
    const auto value = [&](const char *key) {
        return file.value(templateName + QLatin1Char('/') + QLatin1String(key));
    };
    Counter counter;
    counter.prefix = OptionSettings::textOf(value(TemplateKey::NumberPrefix));
    counter.year = OptionSettings::integerOf(value(TemplateKey::NumberYear));
    counter.last = OptionSettings::integerOf(value(TemplateKey::Number));
    counter.suffix = OptionSettings::textOf(value(TemplateKey::NumberSuffix));
    return counter;
}

// The number the counter issued last, as the dialog would compose it again.
QString lastIssued(const QString &kind, const Counter &counter)
{
    if (isMinutes(kind))
        return composeIssueNumber({minutesPrefix(counter), counter.last, minutesSuffix(counter)});
    return composeBracketNumber({counter.prefix, currentYearIfUnset(counter.year), counter.last});
}

// The template file held for one read and write of a counter: locked, read
// and written through a copy, and replaced by the copy on commit.
class LockedTemplateFile
{
public:
    explicit LockedTemplateFile(const QString &kind)
        : m_path(TemplateStore::filePath(kind))
    {
        // A linked file is replaced where it lies.
        const QFileInfo info(m_path);
        if (info.isSymLink() && info.exists())
            m_path = info.canonicalFilePath();
        m_copyPath = m_path + QStringLiteral(".counter-%1").arg(QCoreApplication::applicationPid());
        m_lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
    }

    ~LockedTemplateFile()
    {
        m_settings.reset();
        if (!m_copyPath.isEmpty())
            QFile::remove(m_copyPath);
    }

    Status open()
    {
        if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
            return Status::Unwritable;
        if (!m_lock->tryLock(kLockWaitMs))
            return m_lock->error() == QLockFile::LockFailedError ? Status::Busy
                                                                 : Status::Unwritable;
        QFile::remove(m_copyPath);
        if (QFileInfo::exists(m_path) && !QFile::copy(m_path, m_copyPath))
            return Status::Unwritable;
        m_settings = std::make_unique<QSettings>(m_copyPath, QSettings::IniFormat);
        return Status::Recorded;
    }

    QVariant value(const QString &templateName, const QString &key) const
    {
        return m_settings->value(templateName + QLatin1Char('/') + key);
    }

    Counter counter(const QString &templateName) const
    {
        return counterIn(*m_settings, templateName);
    }

    // Sets the keys of a template; an invalid value removes its key.
    void set(const QString &templateName, const QVariantMap &values)
    {
        m_settings->beginGroup(templateName);
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (it.value().isValid())
                m_settings->setValue(it.key(), it.value());
            else
                m_settings->remove(it.key());
        }
        m_settings->endGroup();
    }

    void setLastUsed(const QString &templateName)
    {
        m_settings->setValue(QLatin1String(TemplateKey::LastUsed), templateName);
    }

    // Writes the copy and puts it in the file's place, all at once.
    bool commit()
    {
        if (!OptionSettings::writeOut(*m_settings))
            return false;
        m_settings.reset();
        return std::rename(QFile::encodeName(m_copyPath).constData(),
                           QFile::encodeName(m_path).constData())
            == 0;
    }

private:
    QString m_path;
    QString m_copyPath;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QSettings> m_settings;
};

QVariantMap currentValues(const LockedTemplateFile &file, const QString &templateName,
                          const QVariantMap &keys)
{
    QVariantMap values;
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        values.insert(it.key(), file.value(templateName, it.key()));
    return values;
}

// The number and counter keys of a document, as the dialog's fields hold
// them after its prefill (and after typing the given number).
struct Fields
{
    QString number;
    QVariantMap counter;
    bool valid = true;
};

Fields bracketFields(const Counter &counter, const QString &stored, const QString &given)
{
    BracketNumber parts = nextBracketNumber(counter);
    Fields fields;
    if (!given.isEmpty()) {
        fields.valid = parseBracketNumber(given, &parts) && parts.year >= kFirstNumberYear
            && parts.year <= kLastNumberYear && parts.number >= kFirstRunningNumber
            && parts.number <= kLastRunningNumber;
    } else if (parseBracketNumber(stored, &parts)) {
        // The fields keep a stored number within their ranges.
        parts.year = qBound(kFirstNumberYear, parts.year, kLastNumberYear);
        parts.number = qBound(kFirstRunningNumber, parts.number, kLastRunningNumber);
    }
    fields.number = composeBracketNumber(parts);
    fields.counter = {{TemplateKey::NumberPrefix, parts.code},
                      {TemplateKey::NumberYear, parts.year},
                      {TemplateKey::Number, parts.number}};
    return fields;
}

Fields issueFields(const Counter &counter, const QString &stored, const QString &given)
{
    IssueNumber parts = nextIssueNumber(counter);
    Fields fields;
    if (!given.isEmpty()) {
        parts = splitIssueNumber(given);
        fields.valid = parts.number >= kFirstRunningNumber && parts.number <= kLastRunningNumber;
    } else if (!stored.isEmpty()) {
        parts = splitIssueNumber(stored);
        parts.number = qBound(kFirstRunningNumber, parts.number, kLastRunningNumber);
    }
    fields.number = composeIssueNumber(parts);
    fields.counter = {{TemplateKey::NumberPrefix, parts.before},
                      {TemplateKey::NumberSuffix, parts.after},
                      {TemplateKey::Number, parts.number}};
    return fields;
}

// Checks a number against the counter and stores it, the file held.
Status store(LockedTemplateFile &file, const Confirmation &confirmation, QVariantMap *before)
{
    QVariantMap values = confirmation.always;
    if (confirmation.number != confirmation.storedNumber) {
        // Mended: at its end the counter proposes its last number again, and
        // confirming would silently give a second document the same number.
        const Counter counter = file.counter(confirmation.templateName);
        if (counter.last >= kLastRunningNumber
            && confirmation.number == lastIssued(confirmation.kind, counter))
            return Status::CounterAtEnd;
        if (before)
            *before = currentValues(file, confirmation.templateName, confirmation.counter);
        for (auto it = confirmation.counter.cbegin(); it != confirmation.counter.cend(); ++it)
            values.insert(it.key(), it.value());
    }
    file.setLastUsed(confirmation.templateName);
    file.set(confirmation.templateName, values);
    return file.commit() ? Status::Recorded : Status::Unwritable;
}

} // namespace

Counter readCounter(const QString &kind, const QString &templateName)
{
    return counterIn(QSettings(TemplateStore::filePath(kind), QSettings::IniFormat), templateName);
}

BracketNumber nextBracketNumber(const Counter &counter)
{
    return {counter.prefix, currentYearIfUnset(counter.year), nextRunningNumber(counter.last)};
}

IssueNumber nextIssueNumber(const Counter &counter)
{
    return {minutesPrefix(counter), nextRunningNumber(counter.last), minutesSuffix(counter)};
}

Status record(const Confirmation &confirmation)
{
    // Mended: the empty name used to be stored as the last used template
    // before the check, so the next opening lost the template confirmed last.
    if (confirmation.templateName.isEmpty())
        return Status::NoTemplate;
    LockedTemplateFile file(confirmation.kind);
    const Status opened = file.open();
    if (opened != Status::Recorded)
        return opened;
    return store(file, confirmation, nullptr);
}

Taken take(const Request &request)
{
    Taken taken;
    taken.kind = request.kind;
    taken.templateName = request.templateName;
    if (request.templateName.isEmpty())
        return taken;
    LockedTemplateFile file(request.kind);
    taken.status = file.open();
    if (taken.status != Status::Recorded)
        return taken;

    const Counter counter = file.counter(request.templateName);
    const Fields fields = isMinutes(request.kind)
        ? issueFields(counter, request.storedNumber, request.givenNumber)
        : bracketFields(counter, request.storedNumber, request.givenNumber);
    if (!fields.valid) {
        taken.status = Status::InvalidNumber;
        return taken;
    }
    Confirmation confirmation;
    confirmation.kind = request.kind;
    confirmation.templateName = request.templateName;
    confirmation.number = fields.number;
    confirmation.storedNumber = request.storedNumber;
    confirmation.counter = fields.counter;
    if (isMinutes(request.kind)) {
        // The minutes dialog stores the number line's font and the compiling
        // unit on every confirmation, as its fields show them.
        const QString font
            = OptionSettings::textOf(file.value(request.templateName, TemplateKey::NumberFont));
        const QString unit
            = OptionSettings::textOf(file.value(request.templateName, TemplateKey::CompilingUnit));
        confirmation.always
            = {{TemplateKey::NumberFont, font.isEmpty() ? OptionSettings::bodyFont() : font},
               {TemplateKey::CompilingUnit, unit.isEmpty() ? OptionSettings::organName() : unit}};
    }
    taken.status = store(file, confirmation, &taken.before);
    taken.number = fields.number;
    if (taken.status == Status::Recorded && !taken.before.isEmpty())
        taken.after = fields.counter;
    return taken;
}

bool giveBack(const Taken &taken)
{
    if (taken.status != Status::Recorded || taken.after.isEmpty())
        return false;
    LockedTemplateFile file(taken.kind);
    if (file.open() != Status::Recorded)
        return false;
    // Another number taken since has moved the counter on: this one stays
    // used rather than being issued twice.
    const QVariantMap now = currentValues(file, taken.templateName, taken.after);
    for (auto it = taken.after.cbegin(); it != taken.after.cend(); ++it) {
        if (now.value(it.key()).toString() != it.value().toString())
            return false;
    }
    file.set(taken.templateName, taken.before);
    return file.commit();
}

} // namespace numbering
