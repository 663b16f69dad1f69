#include "app/endsignals.h"

// Windows ends a session through window messages, which Qt turns into closing
// the window.
void closeOnEndSignals(QWidget &) {}
