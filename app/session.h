#pragma once

class QWidget;

// What the desktop session asks at the start and the end; one file per platform.

// The session's end closes `window` like its close box, so that its position
// is stored: on Windows log-off or shutdown; on Unix SIGTERM (sent without
// session management), SIGHUP and SIGINT, unless ignored at the start.
void closeAtSessionEnd(QWidget &window);

// Tells the user in one German line, where a user of the platform reads it,
// that the program finds no graphical display, and ends it with exit code 1.
[[noreturn]] void failForWantOfDisplay();

// Where Qt shows a box of its own, in English, before that fatal message (on
// Windows), no box may open while `quiet`; the German line stays the only one.
void quietStartupBoxes(bool quiet);
