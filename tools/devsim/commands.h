#pragma once
// The device's answer to one command body (the text between "AT!XSMSC=" and "\r").
#include "devicestate.h"

#include <QByteArray>
#include <QString>

struct Reply
{
    QByteArray text; // one line ended by "\r\n"
    bool restart = false; // RESET/RSTG: the device goes quiet for a while after answering
    bool reboots = false; // RESET/RSTG/FTSET: the device restarts after answering
};

class CommandProcessor
{
public:
    // language: "en", "de", "fr" or "nl" (the error word); xml: the model has the XML function.
    CommandProcessor(DeviceState &state, const QString &language, bool xml);

    Reply handle(const QString &body);
    // Writes of these setting keys are acknowledged, and the old value kept.
    void forget(const QStringList &keys) { m_forget = keys; }

private:
    using Handler = Reply (CommandProcessor::*)(const QString &argument);
    struct Command
    {
        const char *keyword;
        Handler handler;
        bool oneShot; // recorded in the state's history
    };
    static const Command *findCommand(const QString &keyword);
    static const Command Commands[];

    QByteArray error(const QString &key) const;
    static QByteArray ok(const QString &body);

    Reply version(const QString &);
    Reply xmlQuery(const QString &);
    Reply apnQuery(const QString &);
    Reply cfgQuery(const QString &);
    Reply cfg1Query(const QString &);
    Reply cfg2Query(const QString &);
    Reply callerIdQuery(const QString &argument);
    Reply fenceQuery(const QString &argument);
    Reply sensorQuery(const QString &argument);
    Reply signalQuery(const QString &argument);
    Reply reportQuery(const QString &argument);
    Reply inactivityQuery(const QString &argument);
    Reply infoQuery(const QString &argument);
    Reply scream(const QString &argument);
    Reply locate(const QString &argument);
    Reply debugLevel(const QString &argument);
    Reply omadm(const QString &argument);
    Reply reset(const QString &argument);
    Reply resetGsm(const QString &argument);
    Reply factoryReset(const QString &argument);
    Reply addSensor(const QString &argument);
    Reply removeSensor(const QString &argument);

    QByteArray settingsAnswer(const char *query, const QStringList &keys) const;
    Reply oneShotInRange(const char *key, const QString &argument, int lo, int hi);
    Reply writes(const QStringList &items);

    DeviceState &m_state;
    QString m_language;
    bool m_xml;
    QStringList m_forget;
};
