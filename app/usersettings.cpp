#include "app/usersettings.h"

UserSettings::UserSettings(const QString &program)
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, program)
{
}

QString UserSettings::read(const QString &section, const QString &key,
                           const QString &fallback) const
{
    return m_settings.value(section + u'/' + key, fallback).toString();
}

// Written at once: the session may end the process right after the window
// closes. QSettings reports a failed write only through its status, which
// costs nothing but the stored value.
void UserSettings::write(const QString &section, const QString &key, const QString &text)
{
    m_settings.setValue(section + u'/' + key, text);
    m_settings.sync();
}
