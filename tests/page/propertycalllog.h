#pragma once

#include <QStringList>

// The custom-property calls that reached the writer, one line each, e.g.
// "item MiJi 6001", "value 6001", "setValue 秘密 6001",
// "add MiJi link=0 type=4 value=String:秘密 source=Int:0 6001".
struct PropertyCallLog
{
    QStringList calls;
};
