// The clock of the port. It is kept with the calendar in the data layer,
// because the year ledger asks it for today's date; this header is where the
// layers above look for it.
#pragma once

#include "data/calendar.h"
