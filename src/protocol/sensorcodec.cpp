#include "protocol/sensorcodec.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QStringList>

namespace SensorCodec {
namespace {

const QString Unknown = QStringLiteral("UNKNOWN");
QString shortTitle() { return QCoreApplication::translate("SensorCodec", "Velomi Tool"); }
const QString Keyword = QStringLiteral("DEV?:");

// The named type codes; every other code is unknown.
// clang-format off
const QHash<int, QString> TypeNames = {
    {1, "PANEL"},            {2, "Remote Controller"},   {3, "Away/Home Button"},
    {4, "Door Contact"},     {5, "Water Sensor"},        {6, "Panic Button"},
    {7, "Panic Button"},     {8, "WTR"},                 {9, "IR"},
    {10, "IR"},              {11, "Smoke Detector"},     {12, "GAS"},
    {13, "CO"},              {14, "Heater"},             {15, "Keypad"},
    {16, "Tag Reader"},      {17, "Keypad"},             {18, "Keypad"},
    {20, "Temperature Sensor"},                          {21, "WTR"},
    {22, "Siren"},           {23, "Siren"},              {24, "Power Switch"},
    {25, "Power Switch"},    {31, "Remote Controller"},  {32, "PCU"},
    {33, "Door Contact"},    {34, "Fall Sensor"},        {37, "Keypad"},
    {38, "Tag Reader"},      {40, "Temperature Sensor"}, {41, "Temperature Sensor"},
    {42, "Temperature Sensor"},                          {45, "Siren"},
    {46, "Siren"},           {49, "WTRV"},               {58, "Heater Detector"},
    {59, "Fall Sensor"},     {60, "Fall Sensor"},        {65, "515 KQ"},
    {69, "IP Camera"},
};
// clang-format on

struct Entry
{
    QString zone;
    QString type;
};

// The answer's body: after "DEV?:" up to its closing ";".
QString answerBody(const QString &received)
{
    const int start = received.indexOf(Keyword);
    if (start < 0)
        return QString();
    const QString body = received.mid(start + Keyword.size());
    return body.left(body.indexOf(';'));
}

// Every "(zone,type[,more])" in the text, in order. Reading the entries by
// their parentheses keeps counts of any width and extra fields harmless.
QList<Entry> entries(const QString &text)
{
    QList<Entry> result;
    int open = text.indexOf('(');
    while (open >= 0) {
        const int close = text.indexOf(')', open);
        const QStringList fields = text.mid(open + 1, close < 0 ? -1 : close - open - 1).split(',');
        result << Entry {fields.value(0).trimmed(), fields.value(1).trimmed()};
        if (close < 0)
            break;
        open = text.indexOf('(', close);
    }
    return result;
}

bool isNonZero(const QString &number) { return number.toInt() != 0; }

void addRow(SensorList &list, const Entry &entry)
{
    if (entry.type.isEmpty()) {
        const Notice readAgain = Notice::info(QCoreApplication::translate("SensorCodec",
                                                  "Device type str is NULL ! Please read again !"),
            shortTitle());
        if (!list.notices.contains(readAgain))
            list.notices << readAgain;
    }
    list.rows << SensorRow {entry.zone, typeName(entry.type)};
}

} // namespace

QString typeName(const QString &typeCode)
{
    bool isNumber = false;
    const int code = typeCode.trimmed().toInt(&isNumber);
    return isNumber ? TypeNames.value(code, Unknown) : Unknown;
}

SensorList fromSingleAnswer(const QString &received)
{
    SensorList list;
    const QString body = answerBody(received);
    // The count and its comma come first, whatever the count's width.
    const int comma = body.indexOf(',');
    const int count = body.left(comma).trimmed().toInt();
    const QList<Entry> all = comma < 0 ? QList<Entry>() : entries(body.mid(comma + 1));
    for (int i = 0; i < qMin(count, int(all.size())); ++i)
        if (isNonZero(all.at(i).zone) || isNonZero(all.at(i).type))
            addRow(list, all.at(i));
    return list;
}

QString pageEntries(const QString &received) { return answerBody(received).trimmed(); }

SensorList fromPages(const QString &sensorListText)
{
    SensorList list;
    QSet<QString> seenZones;
    for (const Entry &entry : entries(sensorListText)) {
        if (!isNonZero(entry.zone) || seenZones.contains(entry.zone))
            continue;
        seenZones.insert(entry.zone);
        addRow(list, entry);
    }
    return list;
}

IdCheck checkSensorId(const QString &typed)
{
    IdCheck check;
    if (typed.isEmpty()) {
        check.empty = true;
        return check;
    }
    const QString padded = typed.rightJustified(8, '0');
    for (const QChar c : padded) {
        const bool hexDigit
            = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hexDigit) {
            check.notice = Notice::warning(
                QCoreApplication::translate("SensorCodec", "Sensor ID error!(format1)"),
                shortTitle());
            return check;
        }
    }
    bool readable = false;
    padded.toULongLong(&readable, 16);
    if (!readable) {
        check.notice = Notice::warning(
            QCoreApplication::translate("SensorCodec", "Sensor ID error!(format2)"), shortTitle());
        return check;
    }
    check.ok = true;
    check.id = padded;
    return check;
}

QString addBody(const QString &sensorId) { return "DEVAD:" + sensorId; }
QString removeBody(const QString &zone) { return "DEVRM:" + zone; }

} // namespace SensorCodec
