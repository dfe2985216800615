#include "testsettings.h"

#include <QSettings>
#include <QStandardPaths>

QString keepSettingsIn(const QString &folder)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    const QSettings probe(QStringLiteral("Calvorn"), QStringLiteral("Velomi"));
    if (!probe.fileName().startsWith(folder + QLatin1Char('/')))
        return QStringLiteral("settings still go to %1").arg(probe.fileName());
    return {};
}
