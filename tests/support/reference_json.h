// The records as JSON under the names of their fields in the reference projects' files:
// the program's own mapping.
#pragma once

#include "app/projektjson.h"
