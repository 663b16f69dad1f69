#pragma once

class QWidget;

// SIGTERM, SIGHUP and SIGINT close `window` as its close box does: a desktop
// session without session management ends its programs with SIGTERM, and
// the position must still be stored. Where the platform has no such
// signals, nothing is done.
void closeOnEndSignals(QWidget &window);
