#pragma once

#include <QString>

namespace mainwindow {

// What the edit field lets in, however the text arrives: one line without
// control characters. A line break would split the standings line in the
// chat; control characters would read there as formatting codes, or end the
// name early for a screen reader.
//
// Of what the edit inserted, only the first line is kept. The insertion ends at
// `cursor`, or, where the whole text was set (cursor at an end), where the end
// shared with `before` begins. Then U+0000-U+001F and U+007F-U+009F are
// dropped and a tab becomes a space; `cursor` stays after the same character.
void keepOneLine(const QString &before, QString &text, int &cursor);

} // namespace mainwindow
