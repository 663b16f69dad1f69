#pragma once

class QApplication;

// A held key presses a button once: on the first press of Return or the
// release of Space, never on repeats. Repeats of other keys reach the widgets
// as before, marked as repeats. Call once the application object stands.
void pressHeldKeysOnce(QApplication &application);

// On an X11 display (heldkeys_xcb.cpp); elsewhere Qt marks repeats itself.
void reportRepeatsAsPresses();
