#pragma once

#include <QString>

// The main window's texts that neither its layout nor scoring/ holds.
namespace mainwindow::texts {

inline const QString NewQuizTitle = QStringLiteral("Neues Quiz");
inline const QString NewQuizQuestion =
    QStringLiteral("Wirklich neu anfangen?\r\nAlle Kandidaten und Punktestände werden gelöscht!");

inline const QString NoHelp = QStringLiteral("Keine Hilfe verfügbar.");

inline const QString CandidateField = QStringLiteral("Kandidat");
inline const QString CandidateList = QStringLiteral("Kandidaten");

} // namespace mainwindow::texts
