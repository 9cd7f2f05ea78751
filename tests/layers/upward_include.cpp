// The design-flow layer reaching up into the report module: the build must
// refuse it, because the design flow does not link the report.
#include "report/modfile.h"
