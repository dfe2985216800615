#pragma once
// Everything the simulated device holds, its factory values and its JSON form.
#include "geofence.h"

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

struct Sensor
{
    int zone = 0;
    int type = 0;
    QString id; // radio ID in hex, as paired
};

// What happened to the last firmware image.
struct FirmwareRecord
{
    QString outcome = QStringLiteral("none"); // none, receiving, matched, mismatched, abandoned
    QString announcedCrc;
    int announcedLength = 0;
    int received = 0; // image bytes taken (accepted blocks)
    int blocksAccepted = 0;
    int refusals = 0; // blocks answered "ERROR" on purpose
    QString computedCrc;

    QJsonObject toJson() const;
};

struct DeviceState
{
    static constexpr int MaxSensors = 20;
    static constexpr int Destinations = 5;

    QString version;
    QString keyword;
    QString access;
    QStringList apn; // name, user, password
    QStringList xml; // user, password
    QStringList callerIds; // 1, 2
    QVector<QStringList> reports; // per destination: to, group, type, option, event
    QVector<QStringList> inactivityWindows; // per window: from h, from m, to h, to m, interval
    QMap<QString, QString> settings; // setting key -> "a,b,..." (see settingkeys.h)
    Fences fences;
    QVector<Sensor> sensors; // ordered by zone
    QMap<QString, QString> status; // CSQ, IP, RX, TX, IMEI, IMSI, OPERATOR
    QStringList oneShots; // bodies of the one-shot commands received, in order
    FirmwareRecord firmware;

    // Factory configuration; `sensorCount` < 0 gives the factory pair.
    static DeviceState factory(const QString &version, int sensorCount);
    // Puts every setting back to its factory value; keeps version, sensors, status and history.
    void restoreFactorySettings();

    QJsonObject toJson() const;
    // Overlays the keys present in `object` on this state; a bad value gives false and a message.
    bool loadJson(const QJsonObject &object, QString &error);

    // The lowest zone from 1 up that no sensor holds, or 0 when full.
    int freeZone() const;
    void addSensor(const Sensor &sensor);
};
