#pragma once
// The window's settings: size and place, the port, the language and the
// Settings menu's choices, all in one group of the per-user settings file
// (~/.config/Calvorn/Velomi.conf, honouring XDG_CONFIG_HOME).
#include <QSettings>

class WindowSettings : public QSettings
{
public:
    WindowSettings() : QSettings(QStringLiteral("Calvorn"), QStringLiteral("Velomi"))
    {
        beginGroup(QStringLiteral("Velomi"));
    }
};
