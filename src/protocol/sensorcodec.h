#pragma once
// The Device page: paired sensors.
#include <QList>
#include <QString>

#include "protocol/notice.h"

namespace SensorCodec {

struct SensorRow
{
    QString zone;
    QString typeName;
    bool operator==(const SensorRow &o) const { return zone == o.zone && typeName == o.typeName; }
};

struct SensorList
{
    QList<SensorRow> rows;
    QList<Notice> notices;
};

QString typeName(const QString &typeCode); // "UNKNOWN" for unknown codes

// Whole list in one answer "<OK> DEV?:count,(z,t),...;\r\n".
SensorList fromSingleAnswer(const QString &received);
// A known model lists its sensors in pages of five, "DEV?:0" to "DEV?:15".
constexpr int PageSize = 5;
constexpr int LastPageOffset = 15;
// Entries of one page answer "<OK> DEV?:(z,t),...;\r\n" ("" for an empty page).
QString pageEntries(const QString &received);
// The collected pages ",(1,4),(2,6),..."; a repeated zone shows once.
SensorList fromPages(const QString &sensorListText);

// The Add Sensor ID check. ok: `id` is the padded ID to send.
struct IdCheck
{
    bool ok = false;
    bool empty = false; // nothing typed: nothing to check
    QString id;
    Notice notice;
};
IdCheck checkSensorId(const QString &typed);

QString addBody(const QString &sensorId); // "DEVAD:" + the checked ID
QString removeBody(const QString &zone); // "DEVRM:" + zone

} // namespace SensorCodec
