#pragma once

// The writer's Word-compatible object model: everything the system does to a
// document goes through these interfaces.
#include "application.h"
#include "constants.h"
#include "document.h"
#include "measures.h"
#include "sections.h"
#include "shapes.h"
#include "tables.h"
#include "text.h"
#include "variant.h"
