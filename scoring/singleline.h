#pragma once

#include <QString>

namespace scoring {

// The edit field holds one line. When an edit leaves line breaks in `text`
// (a paste or drop of several lines, which ends at `cursor`), only the first
// line of what was inserted is kept: everything from the first break up to the
// cursor, or to the last break if that lies further on, is removed and the
// cursor is set where the cut began. Returns false if there was no break.
bool keepFirstLine(QString &text, int &cursor);

} // namespace scoring
