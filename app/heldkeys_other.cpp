#include "app/heldkeys.h"

// Elsewhere Qt marks a held key's repeats as such itself.
void reportRepeatsAsPresses() {}
