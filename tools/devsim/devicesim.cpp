#include "devicesim.h"

#include <cstdio>

namespace {

const QByteArray CommandHead = "AT!XSMSC=";
const QByteArray EchoHead = "AT!XSMSC:";
constexpr int MaxLineLength = 4096;

} // namespace

DeviceSim::DeviceSim(
    const Options &options, DeviceState &state, PtyLink &link, FrameLog &log, QObject *parent)
    : QObject(parent), m_options(options), m_state(state), m_link(link), m_log(log),
      m_processor(state, options.language, !options.noXml), m_firmware(options.failBlocks),
      m_random(options.seed)
{
    m_uptime.start();
    m_processor.forget(options.forget);
    connect(&m_link, &PtyLink::reappeared, this, [this](const QString &path) {
        m_log.note(QStringLiteral("back on %1").arg(path));
        std::printf("reappeared %s\n", qPrintable(path));
        std::fflush(stdout);
    });
    m_quietTimer.setSingleShot(true);
    connect(&m_quietTimer, &QTimer::timeout, this, [this] {
        m_firmware.quiet(m_state.firmware);
        m_log.note(QStringLiteral("firmware transfer ended: the link stayed quiet"));
    });
}

void DeviceSim::receive(const QByteArray &bytes)
{
    if (m_silentUntilMs >= 0 && m_uptime.elapsed() < m_silentUntilMs) {
        m_log.write("IN", "(silent, dropped) " + bytes);
        return;
    }
    int position = 0;
    while (position < bytes.size()) {
        if (m_firmware.busy()) {
            firmwareBytes(bytes, position);
            continue;
        }
        const int end = bytes.indexOf('\r', position);
        if (end < 0) {
            m_line += bytes.mid(position);
            if (m_line.size() > MaxLineLength) {
                m_log.note(QStringLiteral("dropped %1 bytes without a carriage return")
                               .arg(m_line.size()));
                m_line.clear();
            }
            return;
        }
        QByteArray line = m_line + bytes.mid(position, end - position);
        m_line.clear();
        position = end + 1;
        handleLine(line);
    }
}

void DeviceSim::firmwareBytes(const QByteArray &bytes, int &position)
{
    QVector<FirmwareReceiver::Answer> answers;
    const int used = m_firmware.feed(bytes.mid(position), answers, m_state.firmware);
    position += used;
    for (const FirmwareReceiver::Answer &a : answers) {
        m_log.note(a.event);
        answer(a.text, QByteArray(), false);
        if (a.restart) {
            goSilent("restarts with the new firmware");
            leaveBus();
        }
    }
    if (m_firmware.busy())
        m_quietTimer.start(
            int(m_firmware.quietLimitSeconds(m_options.upgradeTimeoutSeconds) * 1000));
    else
        m_quietTimer.stop();
}

void DeviceSim::handleLine(QByteArray line)
{
    m_log.write("IN", line + '\r');
    if (FirmwareReceiver::isAnnouncement(line)) {
        if (muted())
            return;
        answer(m_firmware.announce(line, m_state.firmware).text, QByteArray(), false);
        if (m_firmware.busy())
            m_quietTimer.start(int(m_options.upgradeTimeoutSeconds * 1000));
        return;
    }
    const int head = line.indexOf(CommandHead);
    if (head < 0)
        return; // not addressed to the device
    if (muted())
        return;
    const QByteArray body = line.mid(head + CommandHead.size());
    const Reply reply = m_processor.handle(QString::fromLatin1(body));
    answer(reply.text, EchoHead + body + "\r\n");
    if (reply.restart)
        goSilent("restarts");
    if (reply.reboots)
        leaveBus();
}

void DeviceSim::leaveBus()
{
    if (m_options.reenumerateSeconds < 0)
        return;
    m_line.clear();
    m_link.reenumerate(int(m_options.reenumerateSeconds * 1000));
    m_log.note(QStringLiteral("leaves the bus for %1 s").arg(m_options.reenumerateSeconds));
}

bool DeviceSim::muted()
{
    ++m_frames;
    const bool byCount = m_options.muteAfterFrames >= 0 && m_frames > m_options.muteAfterFrames;
    const bool byTime = m_options.muteAfterSeconds >= 0
        && m_uptime.elapsed() >= qint64(m_options.muteAfterSeconds * 1000);
    if (byCount || byTime)
        m_log.note(QStringLiteral("muted: no answer"));
    return byCount || byTime;
}

void DeviceSim::goSilent(const char *why)
{
    m_silentUntilMs = m_uptime.elapsed() + qint64(m_options.silentAfterResetSeconds * 1000);
    m_log.note(
        QStringLiteral("%1: silent for %2 s").arg(why).arg(m_options.silentAfterResetSeconds));
}

void DeviceSim::answer(const QByteArray &text, const QByteArray &echo, bool noise)
{
    m_log.write("OUT", text);
    std::vector<OutputPiece> pieces;
    if (noise && m_options.garbage)
        pieces.push_back({noiseBytes(), 0});
    if (m_options.echo && !echo.isEmpty()) {
        // Sometimes the echo and the answer leave in one write, sometimes apart.
        if (randomBetween(0, 1))
            pieces.push_back({echo + text, 0});
        else
            pieces.insert(pieces.end(), {{echo, 0}, {text, randomBetween(2, 20)}});
    } else {
        pieces.push_back({text, 0});
    }
    pieces.front().delayMs = m_options.latencyMs;
    if (m_options.chunks) {
        std::vector<OutputPiece> chunks;
        for (const OutputPiece &piece : pieces)
            for (const OutputPiece &chunk : split(piece))
                chunks.push_back(chunk);
        pieces.swap(chunks);
    }
    m_link.send(pieces);
}

std::vector<OutputPiece> DeviceSim::split(const OutputPiece &piece)
{
    std::vector<OutputPiece> out;
    int position = 0;
    while (position < piece.bytes.size()) {
        const int rest = int(piece.bytes.size()) - position;
        const int size = randomBetween(1, std::max(1, std::min(rest, 16)));
        const int gap = out.empty() ? piece.delayMs : randomBetween(1, 8);
        out.push_back({piece.bytes.mid(position, size), gap});
        position += size;
    }
    return out;
}

QByteArray DeviceSim::noiseBytes()
{
    // Line noise without any character the answers are made of.
    static const char noise[] = {'\0', '\0', '\xff', '\x7f', '\x11', '\x13', '\x80', '\xa5', '~'};
    QByteArray bytes;
    const int count = randomBetween(1, 6);
    for (int i = 0; i < count; ++i)
        bytes += noise[randomBetween(0, int(sizeof noise) - 1)];
    return bytes;
}

int DeviceSim::randomBetween(int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(m_random);
}
