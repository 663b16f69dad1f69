// In the registry, as Windows programs keep their settings; values as text (REG_SZ).
#include "mainwindow/windowposition.h"

#include <QSettings>

namespace mainwindow::windowposition {

std::unique_ptr<QSettings> openUserStore(const QString &program)
{
    auto settings = std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\") + program, QSettings::NativeFormat);
    settings->setFallbacksEnabled(false);
    return settings;
}

void write(QSettings &settings, const QList<std::pair<QString, QString>> &values)
{
    for (const auto &[key, value] : values)
        settings.setValue(key, value);
    settings.sync();
}

} // namespace mainwindow::windowposition
