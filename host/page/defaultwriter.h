#pragma once

#include "writerclient.h"

// The factory of the writer client that the program uses when none is given.
WriterClientFactory defaultWriterClientFactory();
