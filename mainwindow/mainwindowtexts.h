#pragma once

#include <QString>

// The texts the main window shows that neither its layout nor the scoring
// commands hold: the questions and answers of its menus, and the names
// screen readers say for the parts of the candidate box.
namespace mainwindow::texts {

inline const QString NewQuizTitle = QStringLiteral("Neues Quiz");
inline const QString NewQuizQuestion =
    QStringLiteral("Wirklich neu anfangen?\r\nAlle Kandidaten und Punktestände werden gelöscht!");

inline const QString NoHelp = QStringLiteral("Keine Hilfe verfügbar.");

inline const QString CandidateField = QStringLiteral("Kandidat");
inline const QString CandidateList = QStringLiteral("Kandidaten");

} // namespace mainwindow::texts
