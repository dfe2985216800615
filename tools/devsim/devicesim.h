#pragma once
// The device at work: reads command lines and firmware bytes from the link, answers them, and
// misbehaves as the options ask (echo, pieces, noise, think time, silence).
#include "commands.h"
#include "devicestate.h"
#include "firmware.h"
#include "framelog.h"
#include "options.h"
#include "ptylink.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <random>

class DeviceSim : public QObject
{
    Q_OBJECT
public:
    DeviceSim(const Options &options, DeviceState &state, PtyLink &link, FrameLog &log,
        QObject *parent = nullptr);

    void receive(const QByteArray &bytes);

private:
    void handleLine(QByteArray line);
    void firmwareBytes(const QByteArray &bytes, int &position);
    bool muted();
    void goSilent(const char *why);
    void leaveBus(); // --reenumerate: a restart takes the device off the bus for a while
    void answer(const QByteArray &text, const QByteArray &echo = QByteArray(), bool noise = true);
    std::vector<OutputPiece> split(const OutputPiece &piece);
    QByteArray noiseBytes();
    int randomBetween(int lo, int hi);

    const Options &m_options;
    DeviceState &m_state;
    PtyLink &m_link;
    FrameLog &m_log;
    CommandProcessor m_processor;
    FirmwareReceiver m_firmware;
    std::mt19937 m_random;
    QElapsedTimer m_uptime;
    qint64 m_silentUntilMs = -1;
    int m_frames = 0;
    QByteArray m_line;
    QTimer m_quietTimer; // gives up a firmware image when the link stays quiet
};
