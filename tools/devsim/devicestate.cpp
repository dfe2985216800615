#include "devicestate.h"

#include "settingkeys.h"
#include "writes.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <algorithm>

namespace {

// The configuration a device leaves the factory with.
const QMap<QString, QString> FactorySettings = {
    {"BTNEV", "100"},
    {"GUDT", "10,10"},
    {"TESTC", "1440,60,0"},
    {"RPACK", "0"},
    {"SNDCR", "1,1"},
    {"ANSIN", "1,0"},
    {"CUTV", "1"},
    {"CBTI", "10,10,0"},
    {"SPKVL", "4"},
    {"SILENT", "0"},
    {"VOIEN", "1"},
    {"CGPS", "0"},
    {"FALDE", "1"},
    {"SLEEP", "0"},
    {"LANG", "0"},
    {"FSST", "3,3"},
    {"GEOTR", "1,0,0"},
    {"TRACR", "0"},
    {"RPPRIO", "0"},
    {"RFIGN", "0"},
    {"RFGPS", "0"},
    {"GEGPS", "0,0"},
    {"GSMNF", "0"},
    {"FORBID", "0"},
    {"INACT", "0,0,5,0,240"},
};

const QVector<QStringList> FactoryReports = {
    {"+4930123456", "1", "0", "0", "255"},
    {"203.0.113.10:5000", "2", "11", "0", "4"},
    {"", "1", "0", "0", "255"},
    {"", "1", "0", "0", "255"},
    {"", "1", "0", "0", "255"},
};

// Types given to the sensors of --sensors N, in turn.
const int SensorTypes[] = {4, 6, 5, 11, 34, 2, 13, 9, 20, 22};

Fence factoryFence()
{
    return Fence {Fence::Circle, true, QStringLiteral("500"), {{"52.520008", "13.404954"}}};
}

QJsonArray toArray(const QStringList &list) { return QJsonArray::fromStringList(list); }

QStringList toStrings(const QJsonValue &value)
{
    QStringList out;
    for (const QJsonValue &v : value.toArray())
        out << (v.isDouble() ? QString::number(v.toInt()) : v.toString());
    return out;
}

} // namespace

QJsonObject FirmwareRecord::toJson() const
{
    QJsonObject out {{"outcome", outcome}, {"announcedCrc", announcedCrc},
        {"announcedLength", announcedLength}, {"received", received},
        {"blocksAccepted", blocksAccepted}, {"refusals", refusals}, {"computedCrc", computedCrc}};
    if (outcome == QLatin1String("matched") || outcome == QLatin1String("mismatched"))
        out["matched"] = outcome == QLatin1String("matched");
    else
        out["matched"] = QJsonValue::Null;
    return out;
}

DeviceState DeviceState::factory(const QString &version, int sensorCount)
{
    DeviceState s;
    s.version = version;
    s.restoreFactorySettings();
    if (sensorCount < 0) {
        s.sensors = {{1, 4, "04a1b2c3"}, {2, 6, "06d4e5f6"}};
    } else {
        for (int i = 0; i < sensorCount; ++i) {
            const int type = SensorTypes[i % int(std::size(SensorTypes))];
            s.sensors.append({i + 1, type,
                QStringLiteral("%1%2")
                    .arg(type, 2, 16, QLatin1Char('0'))
                    .arg(0x100000 + i, 6, 16, QLatin1Char('0'))});
        }
    }
    s.status = {{"CSQ", "23,99"}, {"IP", "10.64.12.7"}, {"RX", "10240"}, {"TX", "20480"},
        {"IMEI", "356938035643809"}, {"IMSI", "262019876543210"}, {"OPERATOR", "DEVNET"}};
    return s;
}

void DeviceState::restoreFactorySettings()
{
    keyword = QStringLiteral("KTVW");
    access = QStringLiteral("4826");
    apn = QStringList {"internet", "", ""};
    xml = QStringList {"", ""};
    callerIds = QStringList {"", ""};
    reports = FactoryReports;
    inactivityWindows = {{"8", "0", "20", "0", "120"}, {"20", "0", "8", "0", "240"}};
    settings = FactorySettings;
    fences = Fences {factoryFence(), Fence {}, Fence {}};
}

int DeviceState::freeZone() const
{
    for (int zone = 1; zone <= MaxSensors; ++zone)
        if (std::none_of(
                sensors.begin(), sensors.end(), [zone](const Sensor &s) { return s.zone == zone; }))
            return zone;
    return 0;
}

void DeviceState::addSensor(const Sensor &sensor)
{
    const auto at = std::find_if(
        sensors.begin(), sensors.end(), [&](const Sensor &s) { return s.zone > sensor.zone; });
    sensors.insert(at, sensor);
}

QJsonObject DeviceState::toJson() const
{
    QJsonObject cfg;
    for (auto it = settings.begin(); it != settings.end(); ++it)
        cfg[it.key()] = it.value();
    QJsonArray rpt;
    for (const QStringList &row : reports)
        rpt.append(toArray(row));
    QJsonArray windows;
    for (const QStringList &window : inactivityWindows)
        windows.append(toArray(window));
    QJsonArray fenceArray;
    for (const Fence &fence : fences)
        fenceArray.append(fence.toJson());
    QJsonArray dev;
    for (const Sensor &sensor : sensors)
        dev.append(QJsonArray {sensor.zone, sensor.type, sensor.id});
    QJsonObject statusObject;
    for (auto it = status.begin(); it != status.end(); ++it)
        statusObject[it.key()] = it.value();
    return QJsonObject {{"VER", version}, {"KEYWD", keyword}, {"ACCES", access},
        {"APN", toArray(apn)}, {"XML", toArray(xml)}, {"CAL", toArray(callerIds)}, {"RPT", rpt},
        {"INACTW", windows}, {"GEOFE", fenceArray}, {"CFG", cfg}, {"DEV", dev},
        {"status", statusObject}, {"oneShots", toArray(oneShots)}, {"firmware", firmware.toJson()}};
}

bool DeviceState::loadJson(const QJsonObject &object, QString &error)
{
    // Every configuration value goes through the same checks as a write over the link.
    QVector<WriteItem> items;
    auto add = [&items](const char *key, const QString &value) {
        items.append({key, value});
    };
    if (object.contains("KEYWD"))
        add("KEYWD", object.value("KEYWD").toString());
    if (object.contains("ACCES"))
        add("ACCES", "1," + object.value("ACCES").toString());
    if (object.contains("APN"))
        add("APN", toStrings(object.value("APN")).join(','));
    if (object.contains("XML"))
        add("XML", toStrings(object.value("XML")).join(','));
    const QStringList cal = toStrings(object.value("CAL"));
    for (int i = 0; i < cal.size(); ++i)
        add("CALID", QStringLiteral("%1,%2").arg(i + 1).arg(cal[i]));
    const QJsonArray rpt = object.value("RPT").toArray();
    for (int i = 0; i < rpt.size(); ++i)
        add("RPT", QStringLiteral("%1,%2").arg(i + 1).arg(toStrings(rpt[i]).join(',')));
    const QJsonArray windows = object.value("INACTW").toArray();
    for (int i = 0; i < windows.size(); ++i)
        add("INACTW", QStringLiteral("%1,%2").arg(i + 1).arg(toStrings(windows[i]).join(',')));
    const QJsonObject cfg = object.value("CFG").toObject();
    for (auto it = cfg.begin(); it != cfg.end(); ++it)
        items.append({it.key(),
            it.value().isDouble() ? QString::number(it.value().toInt()) : it.value().toString()});
    QString failedKey;
    if (applyWrites(*this, items, failedKey) != WriteResult::Stored) {
        error = QStringLiteral("the value of %1 is not one the device takes").arg(failedKey);
        return false;
    }

    const QJsonArray fenceArray = object.value("GEOFE").toArray();
    if (fenceArray.size() > int(fences.size())) {
        error = QStringLiteral("GEOFE holds at most 3 fences");
        return false;
    }
    for (int i = 0; i < fenceArray.size(); ++i)
        if (!Fence::fromJson(fenceArray[i].toObject(), fences[size_t(i)], error)) {
            error = QStringLiteral("GEOFE %1: %2").arg(i + 1).arg(error);
            return false;
        }

    if (object.contains("DEV")) {
        sensors.clear();
        for (const QJsonValue &entry : object.value("DEV").toArray()) {
            const QJsonArray fields = entry.toArray();
            const Sensor sensor {
                fields.at(0).toInt(), fields.at(1).toInt(), fields.at(2).toString()};
            const bool taken = std::any_of(sensors.begin(), sensors.end(),
                [&](const Sensor &s) { return s.zone == sensor.zone; });
            if (sensor.zone < 1 || sensor.zone > MaxSensors || sensor.type < 0 || taken) {
                error = QStringLiteral("DEV entries are [zone 1..20, type, \"id\"] with distinct "
                                       "zones");
                return false;
            }
            addSensor(sensor);
        }
    }

    // Texts that end up inside answers may not hold the answer's separators.
    static const QRegularExpression separators(QStringLiteral("[;:\\x00-\\x1f]"));
    if (object.contains("VER")) {
        const QString text = object.value("VER").toString();
        if (text.isEmpty() || text.contains(separators) || text.contains(QLatin1Char(','))) {
            error = QStringLiteral("VER must be a non-empty text without ';', ',' or ':'");
            return false;
        }
        version = text;
    }
    const QJsonObject statusObject = object.value("status").toObject();
    for (auto it = statusObject.begin(); it != statusObject.end(); ++it) {
        const QString text = it.value().toString();
        if (text.contains(separators)) {
            error = QStringLiteral("status %1 may not hold ';' or ':'").arg(it.key());
            return false;
        }
        status[it.key()] = text;
    }
    return true;
}
