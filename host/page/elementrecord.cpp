#include "wpsmainwindow.h"

// The element record of the active document (assembly/elementrecord.h).

QString WPSMainWindow::readgwinfo(long id, const QString &name)
{
    return assembly::readElement(m_application, id, name);
}

void WPSMainWindow::writegwinfo(long id, const QString &name, const QString &value)
{
    assembly::writeElement(m_application, id, name, value);
}
