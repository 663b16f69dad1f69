#pragma once

#include <QString>

namespace mainwindow {

// The per-user settings store: text values by section and key under the
// program's name. Tests point the real store at a temporary folder.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the key is missing.
    virtual QString read(const QString &section, const QString &key,
                         const QString &fallback) const = 0;
    // Stores the text. A store that cannot be written keeps its old values
    // and raises no error: a lost position is no reason to stop the program.
    virtual void write(const QString &section, const QString &key, const QString &text) = 0;
};

} // namespace mainwindow
