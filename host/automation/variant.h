#pragma once

#include <QString>

#include <memory>

namespace automation {

class Range;

// A value passed to or returned by the writer's object model: nothing (the
// "missing argument" marker of optional parameters), a boolean, an integer, a
// floating-point number, a text or a range. Booleans and integers are distinct
// kinds, so a caller can tell "false" from "0" when the writer answers one.
class Variant
{
public:
    enum class Kind { Missing, Bool, Int, Double, String, Range };

    Variant() = default; // missing
    Variant(bool b)
        : m_kind(Kind::Bool)
        , m_int(b ? 1 : 0)
    {
    }
    Variant(int i)
        : m_kind(Kind::Int)
        , m_int(i)
    {
    }
    Variant(long i)
        : m_kind(Kind::Int)
        , m_int(i)
    {
    }
    Variant(double d)
        : m_kind(Kind::Double)
        , m_double(d)
    {
    }
    Variant(float d)
        : m_kind(Kind::Double)
        , m_double(d)
    {
    }
    Variant(const QString &s)
        : m_kind(Kind::String)
        , m_string(s)
    {
    }
    Variant(const char *s)
        : m_kind(Kind::String)
        , m_string(QString::fromUtf8(s))
    {
    }
    Variant(std::shared_ptr<Range> r)
        : m_kind(r ? Kind::Range : Kind::Missing)
        , m_range(std::move(r))
    {
    }

    static Variant missing() { return Variant(); }

    Kind kind() const { return m_kind; }
    bool isMissing() const { return m_kind == Kind::Missing; }
    bool isBool() const { return m_kind == Kind::Bool; }
    bool isInt() const { return m_kind == Kind::Int; }
    bool isString() const { return m_kind == Kind::String; }
    bool isRange() const { return m_kind == Kind::Range; }

    // Conversions are lenient, as the object model's own coercions are: a text
    // that is not a number converts to 0, a missing value to 0 or empty.
    bool toBool() const;
    long toInt() const;
    double toDouble() const;
    QString toString() const;
    std::shared_ptr<Range> toRange() const { return m_range; }

    // Same kind and same value (a range compares by identity).
    bool operator==(const Variant &o) const;
    bool operator!=(const Variant &o) const { return !(*this == o); }

private:
    Kind m_kind = Kind::Missing;
    long m_int = 0;
    double m_double = 0.0;
    QString m_string;
    std::shared_ptr<Range> m_range;
};

} // namespace automation
