#pragma once

#include <QString>

namespace scoring {

// `name` followed by what closes the embeddings, overrides and isolates it
// leaves open, innermost first, so that it cannot turn the direction of what
// follows. Nesting as in the Unicode bidi algorithm: a PDF closes nothing across
// an open isolate, a PDI also closes all opened within its isolate, and pops
// with nothing to close do nothing. With nothing left open, `name` itself.
QString closeDirectionalRuns(const QString &name);

} // namespace scoring
