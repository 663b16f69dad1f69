#pragma once

class QWidget;

// What the desktop session asks of the program at its start and its end, one
// source file per platform.

// The session's end closes `window` as its close box does, so that its
// position is still stored: on Windows logging off or shutting down, on Unix
// SIGTERM (which a session without session management sends its programs),
// SIGHUP and SIGINT, unless they were ignored when the program started.
void closeAtSessionEnd(QWidget &window);

// Tells the user in one German line, where a user of the platform reads it,
// that the program finds no graphical display, and ends it with exit code 1.
[[noreturn]] void failForWantOfDisplay();

// Where Qt shows a box of its own, in English, before that fatal message (on
// Windows), no box may open while `quiet`; the German line stays the only one.
void quietStartupBoxes(bool quiet);
