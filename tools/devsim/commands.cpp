#include "commands.h"

#include "settingkeys.h"
#include "writes.h"

#include <QMap>
#include <QRegularExpression>

namespace {

const QMap<QString, QString> ErrorWords
    = {{"en", "<ERROR> "}, {"de", "<Fehler> "}, {"fr", "<ERREUR> "}, {"nl", "<FOUT> "}};

// "n" from 1 to last, or 0.
int indexArgument(const QString &argument, int last)
{
    int index = 0;
    return parseDecimal(argument, index) && index >= 1 && index <= last ? index : 0;
}

// The sensor's type comes from the first byte of its radio ID; a panic button when that
// byte names no sensor type.
int sensorTypeFromId(const QString &id)
{
    const int type = id.size() >= 8 ? id.left(2).toInt(nullptr, 16) : 0;
    return type >= 1 && type <= 69 ? type : 6;
}

} // namespace

const CommandProcessor::Command CommandProcessor::Commands[] = {
    {"VER?", &CommandProcessor::version, false},
    {"XML?", &CommandProcessor::xmlQuery, false},
    {"APN?", &CommandProcessor::apnQuery, false},
    {"CFG?", &CommandProcessor::cfgQuery, false},
    {"CFG1?", &CommandProcessor::cfg1Query, false},
    {"CFG2?", &CommandProcessor::cfg2Query, false},
    {"CAL?", &CommandProcessor::callerIdQuery, false},
    {"GEOFE?", &CommandProcessor::fenceQuery, false},
    {"DEV?", &CommandProcessor::sensorQuery, false},
    {"CSQ", &CommandProcessor::signalQuery, false},
    {"RPT?", &CommandProcessor::reportQuery, false},
    {"INACTW?", &CommandProcessor::inactivityQuery, false},
    {"INFO", &CommandProcessor::infoQuery, false},
    {"SCREAM", &CommandProcessor::scream, true},
    {"LOC", &CommandProcessor::locate, true},
    {"DEBUG", &CommandProcessor::debugLevel, true},
    {"OMADM", &CommandProcessor::omadm, true},
    {"RESET", &CommandProcessor::reset, true},
    {"RSTG", &CommandProcessor::resetGsm, true},
    {"FTSET", &CommandProcessor::factoryReset, true},
    {"DEVAD", &CommandProcessor::addSensor, true},
    {"DEVRM", &CommandProcessor::removeSensor, true},
};

CommandProcessor::CommandProcessor(DeviceState &state, const QString &language, bool xml)
    : m_state(state), m_language(language), m_xml(xml)
{
}

const CommandProcessor::Command *CommandProcessor::findCommand(const QString &keyword)
{
    for (const Command &command : Commands)
        if (keyword == QLatin1String(command.keyword))
            return &command;
    return nullptr;
}

QByteArray CommandProcessor::error(const QString &key) const
{
    return (ErrorWords.value(m_language, ErrorWords["en"]) + key + ";\r\n").toLatin1();
}

QByteArray CommandProcessor::ok(const QString &body)
{
    return ("<OK> " + body + ";\r\n").toLatin1();
}

Reply CommandProcessor::handle(const QString &body)
{
    QStringList items = body.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (items.isEmpty())
        return {error(QString())};
    const QString first = items.first();
    const QString keyword = first.section(QLatin1Char(':'), 0, 0);
    const Command *command = findCommand(keyword);
    if (!command)
        return writes(items);
    // A query or one-shot stands alone in its frame.
    if (items.size() > 1 || !first.contains(QLatin1Char(':')))
        return {error(keyword)};
    Reply reply = (this->*command->handler)(first.section(QLatin1Char(':'), 1));
    if (command->oneShot && reply.text.startsWith("<OK>"))
        m_state.oneShots.append(first);
    return reply;
}

Reply CommandProcessor::writes(const QStringList &items)
{
    QVector<WriteItem> parsed;
    QByteArray acknowledgement;
    for (const QString &item : items) {
        const QString key = item.section(QLatin1Char(':'), 0, 0);
        if (!item.contains(QLatin1Char(':')) || !isWriteKey(key))
            return {error(key)};
        parsed.append({key, item.section(QLatin1Char(':'), 1)});
        acknowledgement += "<OK> " + key.toLatin1() + ";";
    }
    QString failedKey;
    const QMap<QString, QString> before = m_state.settings;
    switch (applyWrites(m_state, parsed, failedKey)) {
    case WriteResult::Stored:
        for (const WriteItem &item : parsed)
            if (m_forget.contains(item.key))
                m_state.settings[item.key] = before.value(item.key);
        return {acknowledgement + "\r\n"};
    case WriteResult::BadCoordinate:
        return {"<Fehler> GEOFE;\r\n"}; // this answer is German on every device
    case WriteResult::Refused:
        break;
    }
    return {error(failedKey)};
}

// ---- queries ---------------------------------------------------------------------------------

Reply CommandProcessor::version(const QString &argument)
{
    return {argument.isEmpty() ? ok("VER?:" + m_state.version) : error("VER?")};
}

Reply CommandProcessor::xmlQuery(const QString &argument)
{
    if (!m_xml || !argument.isEmpty())
        return {"<ERROR> XML?;\r\n"}; // the tool reads this exact answer as "no XML function"
    return {ok("XML?:" + m_state.xml.join(QLatin1Char(',')))};
}

Reply CommandProcessor::apnQuery(const QString &argument)
{
    return {argument.isEmpty() ? ok("APN?:" + m_state.apn.join(QLatin1Char(','))) : error("APN?")};
}

QByteArray CommandProcessor::settingsAnswer(const char *query, const QStringList &keys) const
{
    QStringList items;
    for (const QString &key : keys) {
        if (key == QLatin1String("KEYWD"))
            items << "KEYWD:" + m_state.keyword;
        else if (key == QLatin1String("ACCES"))
            items << "ACCES:1," + m_state.access;
        else
            items << key + ":" + m_state.settings.value(key);
    }
    return ok(QLatin1String(query) + items.join(QLatin1Char(';')));
}

Reply CommandProcessor::cfgQuery(const QString &a)
{
    return {a.isEmpty() ? settingsAnswer("CFG?:", CfgAnswerKeys) : error("CFG?")};
}

Reply CommandProcessor::cfg1Query(const QString &a)
{
    return {a.isEmpty() ? settingsAnswer("CFG1?:", Cfg1AnswerKeys) : error("CFG1?")};
}

Reply CommandProcessor::cfg2Query(const QString &a)
{
    return {a.isEmpty() ? settingsAnswer("CFG2?:", Cfg2AnswerKeys) : error("CFG2?")};
}

Reply CommandProcessor::callerIdQuery(const QString &argument)
{
    const int index = indexArgument(argument, 2);
    if (!index)
        return {error("CAL?")};
    return {ok(QStringLiteral("CAL?:%1,%2").arg(index).arg(m_state.callerIds[index - 1]))};
}

Reply CommandProcessor::fenceQuery(const QString &argument)
{
    const int index = indexArgument(argument, int(m_state.fences.size()));
    if (!index)
        return {error("GEOFE?")};
    return {ok("GEOFE?:" + fenceAnswer(index, m_state.fences[size_t(index - 1)]))};
}

Reply CommandProcessor::sensorQuery(const QString &argument)
{
    QStringList entries;
    for (const Sensor &sensor : m_state.sensors)
        entries << QStringLiteral("(%1,%2)").arg(sensor.zone).arg(sensor.type);
    if (argument.isEmpty()) // the whole list: count, then the entries
        return {ok(QStringLiteral("DEV?:%1,%2").arg(entries.size()).arg(entries.join(',')))};
    int offset = 0;
    if (!parseDecimal(argument, offset) || offset < 0)
        return {error("DEV?")};
    return {ok("DEV?:" + entries.mid(offset, 5).join(QLatin1Char(',')))};
}

Reply CommandProcessor::signalQuery(const QString &argument)
{
    return {argument.isEmpty() ? ok("CSQ:" + m_state.status.value("CSQ")) : error("CSQ")};
}

Reply CommandProcessor::reportQuery(const QString &argument)
{
    const int index = indexArgument(argument, DeviceState::Destinations);
    if (!index)
        return {error("RPT?")};
    return {ok(QStringLiteral("RPT?:%1,%2").arg(index).arg(m_state.reports[index - 1].join(',')))};
}

Reply CommandProcessor::inactivityQuery(const QString &argument)
{
    const int index = indexArgument(argument, 2);
    if (!index)
        return {error("INACTW?")};
    const QString fields = m_state.inactivityWindows[index - 1].join(QLatin1Char(','));
    return {ok(QStringLiteral("INACTW?:%1,%2").arg(index).arg(fields))};
}

Reply CommandProcessor::infoQuery(const QString &argument)
{
    if (!argument.isEmpty())
        return {error("INFO")};
    const auto &s = m_state.status;
    const QStringList fields = {m_state.version, "\"" + s.value("IP") + "\"", s.value("RX"),
        s.value("TX"), s.value("IMEI"), s.value("IMSI"), s.value("OPERATOR"), m_state.apn.value(0)};
    return {ok("INFO:" + fields.join(QLatin1Char(',')))};
}

// ---- one-shot commands -----------------------------------------------------------------------

Reply CommandProcessor::oneShotInRange(const char *key, const QString &argument, int lo, int hi)
{
    int value = 0;
    const bool valid = parseDecimal(argument, value) && value >= lo && value <= hi;
    return {valid ? ok(QLatin1String(key)) : error(QLatin1String(key))};
}

Reply CommandProcessor::scream(const QString &a) { return oneShotInRange("SCREAM", a, 5, 60); }
Reply CommandProcessor::locate(const QString &a) { return oneShotInRange("LOC", a, 0, 1); }
Reply CommandProcessor::debugLevel(const QString &a) { return oneShotInRange("DEBUG", a, 0, 2); }
Reply CommandProcessor::omadm(const QString &a) { return oneShotInRange("OMADM", a, 0, 1); }

Reply CommandProcessor::reset(const QString &argument)
{
    return argument.isEmpty() ? Reply {ok("RESET"), true, true} : Reply {error("RESET")};
}

Reply CommandProcessor::resetGsm(const QString &argument)
{
    return argument.isEmpty() ? Reply {ok("RSTG"), true, true} : Reply {error("RSTG")};
}

Reply CommandProcessor::factoryReset(const QString &argument)
{
    if (!argument.isEmpty())
        return {error("FTSET")};
    m_state.restoreFactorySettings();
    return {ok("FTSET"), false, true};
}

Reply CommandProcessor::addSensor(const QString &argument)
{
    static const QRegularExpression hexId(QStringLiteral("^[0-9A-Fa-f]{1,10}$"));
    if (!hexId.match(argument).hasMatch())
        return {error("DEVAD")};
    for (const Sensor &sensor : m_state.sensors)
        if (sensor.id.compare(argument, Qt::CaseInsensitive) == 0)
            return {ok("DEVAD")}; // paired already: it keeps its zone
    const int zone = m_state.freeZone();
    if (!zone)
        return {error("DEVAD")};
    m_state.addSensor({zone, sensorTypeFromId(argument), argument});
    return {ok("DEVAD")};
}

Reply CommandProcessor::removeSensor(const QString &argument)
{
    int zone = 0;
    if (!parseDecimal(argument, zone))
        return {error("DEVRM")};
    for (int i = 0; i < m_state.sensors.size(); ++i)
        if (m_state.sensors[i].zone == zone) {
            m_state.sensors.removeAt(i);
            return {ok("DEVRM")};
        }
    return {error("DEVRM")};
}
