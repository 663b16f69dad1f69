#pragma once

class QApplication;

// A held key presses a button once: the button reacts to the first press of
// Return or the release of Space, never to the key's repeats, wherever they
// land. Repeats of every other key reach the widgets as before, marked as
// repeats. One call, once the application object stands.
void pressHeldKeysOnce(QApplication &application);

// The platform's part: where the windowing system can report a held key's
// repeats as presses only, it is asked to, so that no repeat looks like a
// release and a new press. Elsewhere nothing is done.
void reportRepeatsAsPresses();
