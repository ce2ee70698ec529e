#include "variant.h"

namespace automation {

bool Variant::toBool() const
{
    switch (m_kind) {
    case Kind::Bool:
    case Kind::Int:
        return m_int != 0;
    case Kind::Double:
        return m_double != 0.0;
    case Kind::String:
        return !m_string.isEmpty() && m_string != QLatin1String("0")
            && m_string.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
    case Kind::Range:
        return true;
    case Kind::Missing:
        break;
    }
    return false;
}

long Variant::toInt() const
{
    switch (m_kind) {
    case Kind::Bool:
    case Kind::Int:
        return m_int;
    case Kind::Double:
        return static_cast<long>(m_double);
    case Kind::String:
        return m_string.trimmed().toLong();
    default:
        return 0;
    }
}

double Variant::toDouble() const
{
    switch (m_kind) {
    case Kind::Bool:
    case Kind::Int:
        return static_cast<double>(m_int);
    case Kind::Double:
        return m_double;
    case Kind::String:
        return m_string.trimmed().toDouble();
    default:
        return 0.0;
    }
}

QString Variant::toString() const
{
    switch (m_kind) {
    case Kind::Bool:
        return m_int ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Int:
        return QString::number(m_int);
    case Kind::Double:
        return QString::number(m_double);
    case Kind::String:
        return m_string;
    default:
        return QString();
    }
}

bool Variant::operator==(const Variant &o) const
{
    if (m_kind != o.m_kind)
        return false;
    switch (m_kind) {
    case Kind::Missing:
        return true;
    case Kind::Bool:
    case Kind::Int:
        return m_int == o.m_int;
    case Kind::Double:
        return m_double == o.m_double;
    case Kind::String:
        return m_string == o.m_string;
    case Kind::Range:
        return m_range == o.m_range;
    }
    return false;
}

} // namespace automation
