#pragma once

class QApplication;

// A held key presses a button once: the button reacts to the first press of
// Return or the release of Space, never to the key's repeats, wherever they
// land. Repeats of every other key reach the widgets as before, marked as
// repeats. One call, once the application object stands.
void pressHeldKeysOnce(QApplication &application);

// X11's part, where Qt has X11 support (heldkeys_xcb.cpp): on an X11
// display the X server is asked to report a held key's repeats as presses
// only, so that no repeat looks like a release and a new press. Elsewhere Qt
// marks repeats itself.
void reportRepeatsAsPresses();
