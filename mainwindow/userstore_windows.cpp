// In the registry, as Windows programs keep their settings; values as text (REG_SZ).
#include "mainwindow/windowposition.h"

#include <QSettings>

namespace mainwindow::windowposition {

std::unique_ptr<QSettings> openUserStore(const QString &program)
{
    // Named by its key, QSettings reads no machine-wide fallbacks.
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + program,
                                       QSettings::NativeFormat);
}

void write(QSettings &settings, const QList<std::pair<QString, QString>> &values)
{
    for (const auto &[key, value] : values)
        settings.setValue(key, value);
    settings.sync();
}

} // namespace mainwindow::windowposition
