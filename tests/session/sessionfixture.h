#pragma once
// A session on a fake link with a scripted device, and a recorder of what
// the session told the window.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QStringList>
#include <QTest>

#include "fakelink.h"
#include "session/session.h"

// The answers of a well-behaved device of the given version, following the
// device's protocol: queries answered from a fixed configuration, writes
// acknowledged item by item.
inline QByteArray deviceAnswer(const QString &body, const QString &version)
{
    const auto reply = [](const QString &text) {
        return text.toLatin1() + "\r\n";
    };
    const auto arg = [&body](const char *prefix) {
        return body.mid(int(qstrlen(prefix)));
    };
    if (body == QLatin1String("VER?:"))
        return reply(QStringLiteral("<OK> VER?:%1;").arg(version));
    if (body == QLatin1String("XML?:"))
        return reply(QStringLiteral("<OK> XML?:xuser,xsecret;"));
    if (body == QLatin1String("APN?:"))
        return reply(QStringLiteral("<OK> APN?:internet,apnuser,apnpw;"));
    if (body == QLatin1String("CFG?:"))
        return reply(QStringLiteral("<OK> CFG?:KEYWD:KTVW;ACCES:1,4826;GUDT:5,10;TESTC:0,10,0;"
                                    "FSST:1,1;CBTI:0,1,0;SPKVL:1;SILENT:0;VOIEN:0;GEOTR:0,0,0;"
                                    "SNDCR:0,0;ANSIN:0,0;BTNEV:100;"));
    if (body == QLatin1String("CFG1?:"))
        return reply(QStringLiteral("<OK> CFG1?:KEYWD:KTVW;ACCES:1,4826;GUDT:5,10;TESTC:0,10,0;"
                                    "CBTI:0,1,0;GEOTR:0,0,0;SLEEP:0;LANG:0;RFIGN:0;RFGPS:0;"
                                    "FORBID:0;INACT:0,0,0,0,60;"));
    if (body == QLatin1String("CFG2?:"))
        return reply(QStringLiteral("<OK> CFG2?:SNDCR:0,0;ANSIN:0,0;CUTV:0;BTNEV:100;SILENT:0;"
                                    "VOIEN:0;FALDE:0;FSST:1,1;SPKVL:1;RPPRIO:0;TRACR:0;CGPS:0;"
                                    "RPACK:0;GSMNF:0;GEGPS:0,0;"));
    if (body.startsWith(QLatin1String("CAL?:")))
        return reply(QStringLiteral("<OK> CAL?:%1,+4912345;").arg(arg("CAL?:")));
    if (body.startsWith(QLatin1String("GEOFE?:")))
        return reply(QStringLiteral("<OK> GEOFE?:%1,1,0,500,10.5,-20.25;").arg(arg("GEOFE?:")));
    if (body == QLatin1String("DEV?:0"))
        return reply(QStringLiteral("<OK> DEV?:(1,4),(2,6);"));
    if (body == QLatin1String("DEV?:"))
        return reply(QStringLiteral("<OK> DEV?:2,(1,4),(2,6);"));
    if (body.startsWith(QLatin1String("DEV?:")))
        return reply(QStringLiteral("<OK> DEV?:;"));
    if (body == QLatin1String("CSQ:"))
        return reply(QStringLiteral("<OK> CSQ:23,99;"));
    if (body.startsWith(QLatin1String("RPT?:")))
        return reply(QStringLiteral("<OK> RPT?:%1,5551234,1,0,0,255;").arg(arg("RPT?:")));
    if (body == QLatin1String("INFO:"))
        return reply(QStringLiteral(
            "<OK> INFO:%1,\"10.0.0.1\",100,200,356938035643809,262011234567890,Telco,internet;")
                         .arg(version));
    if (body.startsWith(QLatin1String("INACTW?:")))
        return reply(QStringLiteral("<OK> INACTW?:%1,8,0,20,30,240;").arg(arg("INACTW?:")));
    // A write or one-shot: one acknowledgement per item.
    QString acks;
    for (const QString &item : body.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        acks += QStringLiteral("<OK> %1;").arg(item.section(QLatin1Char(':'), 0, 0));
    return reply(acks);
}

// Page values good enough for every writer.
inline FormValues sampleForm()
{
    FormValues v;
    v.setText(QStringLiteral("lineEdit_keywd"), QStringLiteral("KTVW"));
    v.setText(QStringLiteral("lineEdit_access"), QStringLiteral("4826"));
    v.setText(QStringLiteral("lineEdit_apn_internet"), QStringLiteral("internet"));
    v.setText(QStringLiteral("lineEdit_call_id1"), QStringLiteral("+4912345"));
    v.setText(QStringLiteral("lineEdit_call_id2"), QStringLiteral("5551234"));
    for (int row = 1; row <= 5; ++row) {
        v.setText(
            QStringLiteral("lineEdit_rpt_to_%1").arg(row), QStringLiteral("555000%1").arg(row));
        v.setChecked(QStringLiteral("radioButton_rpt_group_%1_1").arg(row), true);
        v.setText(QStringLiteral("comboBox_rpt_type_%1").arg(row), QStringLiteral("Speech"));
    }
    // Fence 1 a circle, fence 2 deleted, fence 3 a triangle.
    v.setIndex(QStringLiteral("comboBox_geo_type_1_0"), 1);
    v.setText(QStringLiteral("lineEdit_lat_1_0"), QStringLiteral("10.5"));
    v.setText(QStringLiteral("lineEdit_long_1_0"), QStringLiteral("-20.25"));
    v.setText(QStringLiteral("lineEdit_radius_1_0"), QStringLiteral("500"));
    v.setIndex(QStringLiteral("comboBox_geo_type_2_0"), 0);
    v.setIndex(QStringLiteral("comboBox_geo_type_3_0"), 2);
    v.setText(QStringLiteral("comboBox_geo_vertex_3_0"), QStringLiteral("3"));
    for (int i = 1; i <= 3; ++i) {
        v.setText(QStringLiteral("lineEdit_lat_3_%1").arg(i), QStringLiteral("1.%1").arg(i));
        v.setText(QStringLiteral("lineEdit_long_3_%1").arg(i), QStringLiteral("2.%1").arg(i));
    }
    return v;
}

struct SessionFixture
{
    FakeLink link;
    Session session {&link};
    FormValues form = sampleForm();
    QString version = QStringLiteral("T47_V1.05");

    QList<Notice> notices;
    QStringList log;
    QList<int> progress;
    QList<bool> pages; // pages unlocked
    QList<bool> areas; // the port and commands free (no restart)
    QList<ModelFlags> models;
    QList<FormValues> values;
    QList<QList<SensorCodec::SensorRow>> sensorLists;
    int readsFinished = 0;
    int reopenRequests = 0;
    int closeRequests = 0;
    std::function<void(const Notice &)> onNotice; // e.g. a modal box's event loop

    SessionFixture()
    {
        Session::Timings t;
        t.answerMs = 300;
        t.restartAnswerMs = 600;
        t.countdownTickMs = 1;
        t.elapsedTickMs = 5;
        t.upgradeSilenceMs = 300;
        session.setTimings(t);
        session.setFormSource([this] { return form; });
        link.setResponder([this](const QString &body) { return deviceAnswer(body, version); });
        QObject::connect(&session, &Session::noticeRaised, [this](const Notice &n) {
            notices << n;
            if (onNotice)
                onNotice(n);
        });
        QObject::connect(&session, &Session::logLine, [this](const QString &l) { log << l; });
        QObject::connect(&session, &Session::progressChanged, [this](int p) { progress << p; });
        QObject::connect(&session, &Session::pagesLocked, [this](bool l) { pages << !l; });
        QObject::connect(&session, &Session::restartingChanged, [this](bool r) { areas << !r; });
        QObject::connect(
            &session, &Session::modelDetected, [this](const ModelFlags &m) { models << m; });
        QObject::connect(
            &session, &Session::valuesDecoded, [this](const FormValues &v) { values << v; });
        QObject::connect(&session, &Session::sensorsListed,
            [this](const QList<SensorCodec::SensorRow> &rows) { sensorLists << rows; });
        QObject::connect(&session, &Session::readFinished, [this] { ++readsFinished; });
        QObject::connect(&session, &Session::reopenPortRequested, [this] { ++reopenRequests; });
        QObject::connect(&session, &Session::closePortRequested, [this] { ++closeRequests; });
    }

    QStringList noticeTexts() const
    {
        QStringList texts;
        for (const Notice &n : notices)
            texts << n.text;
        return texts;
    }

    // Lets the scripted device answer until the session is idle, the
    // condition holds or the time is up.
    bool settle(const std::function<bool()> &done = {}, int ms = 3000)
    {
        QElapsedTimer clock;
        clock.start();
        int idlePasses = 0;
        while (clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (done ? done() : !session.isBusy() && ++idlePasses > 3)
                return true;
        }
        return false;
    }

    // A whole read, so the model flags are those of `version`.
    void readAll()
    {
        session.startRead();
        settle();
        link.clearSent();
        notices.clear();
        progress.clear();
        pages.clear();
    }
};
