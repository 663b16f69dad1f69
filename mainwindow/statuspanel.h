#pragma once

#include <QLabel>

namespace mainwindow {

// The status panel: a label whose every result screen readers speak, as they
// do a notification when it is shown; a label's change of text they ignore.
// Known by its type, so that no name given in Designer can silence it.
class StatusPanel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Call once, after the application's own factories and before any window
    // is shown: Qt keeps an interface once made.
    static void installAccessibility();
};

} // namespace mainwindow
