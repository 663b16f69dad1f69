#pragma once

#include "mainwindow/settingsstore.h"

#include <QSettings>

// The user's own settings of the program, where the desktop keeps them
// (on Linux the file ~/.config/<program>.conf).
class UserSettings : public mainwindow::SettingsStore
{
public:
    explicit UserSettings(const QString &program);

    QString read(const QString &section, const QString &key,
                 const QString &fallback) const override;
    void write(const QString &section, const QString &key, const QString &text) override;

private:
    QSettings m_settings;
};
