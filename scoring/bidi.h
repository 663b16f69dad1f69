#pragma once

#include <QString>

namespace scoring {

// A name as it must stand beside other text: followed by what closes the
// directional embeddings and overrides (U+202A, U+202B, U+202D, U+202E) and
// isolates (U+2066 to U+2068) that it leaves open, innermost first, so that
// it cannot turn the direction of what comes after it. Follows the nesting
// of the Unicode bidirectional algorithm: a POP DIRECTIONAL FORMATTING closes
// the innermost embedding or override unless an isolate is open inside it; a
// POP DIRECTIONAL ISOLATE closes the innermost isolate and all opened within
// it; pops with nothing to close do nothing. A name without these characters
// comes back unchanged, without a copy.
QString closeDirectionalRuns(const QString &name);

} // namespace scoring
