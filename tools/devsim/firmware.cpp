#include "firmware.h"

#include <QRegularExpression>
#include <array>

namespace {

const QByteArray Ok = "OK\r\n";
const QByteArray Error = "ERROR\r\n";

std::array<quint16, 256> arcTable()
{
    std::array<quint16, 256> table {};
    for (int i = 0; i < 256; ++i) {
        quint16 value = quint16(i);
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? quint16((value >> 1) ^ 0xA001) : quint16(value >> 1);
        table[size_t(i)] = value;
    }
    return table;
}

} // namespace

quint16 crc16Arc(const QByteArray &data)
{
    static const std::array<quint16, 256> table = arcTable();
    quint16 crc = 0;
    for (const char byte : data)
        crc = quint16((crc >> 8) ^ table[(crc ^ quint8(byte)) & 0xFF]);
    return crc;
}

FirmwareReceiver::FirmwareReceiver(const QMap<int, int> &failBlocks) : m_failBlocks(failBlocks) { }

bool FirmwareReceiver::isAnnouncement(const QByteArray &line)
{
    return line.contains("AT!XUPGRADE,");
}

FirmwareReceiver::Answer FirmwareReceiver::announce(const QByteArray &line, FirmwareRecord &record)
{
    static const QRegularExpression shape(
        QStringLiteral("AT!XUPGRADE,([0-9A-Fa-f]{4}),([0-9]{6})$"));
    const QRegularExpressionMatch match = shape.match(QString::fromLatin1(line));
    const int length = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (length < MinLength || length > MaxLength)
        return {Error, false, QString()};
    m_state = Receiving;
    m_length = length;
    m_announcedCrc = quint16(match.captured(1).toUInt(nullptr, 16));
    m_image.clear();
    m_block.clear();
    m_refused.clear();
    record = FirmwareRecord {};
    record.outcome = QStringLiteral("receiving");
    record.announcedCrc = match.captured(1).toLower();
    record.announcedLength = length;
    return {Ok, false, QString()};
}

int FirmwareReceiver::feed(
    const QByteArray &bytes, QVector<Answer> &answers, FirmwareRecord &record)
{
    int used = 0;
    while (used < bytes.size() && m_state != Idle) {
        const int blockSize = m_state == Receiving
            ? std::min(BlockSize, m_length - int(m_image.size()))
            : m_lastBlockSize;
        const int take = std::min(int(bytes.size()) - used, blockSize - int(m_block.size()));
        m_block.append(bytes.constData() + used, take);
        used += take;
        if (m_block.size() < blockSize)
            break;
        if (m_state == Rejecting) {
            answers.append({Error, false, "resent block of a refused image"});
            m_block.clear();
        } else {
            finishBlock(answers, record);
        }
    }
    return used;
}

void FirmwareReceiver::finishBlock(QVector<Answer> &answers, FirmwareRecord &record)
{
    const int number = record.blocksAccepted + 1;
    if (m_refused.value(number) < m_failBlocks.value(number)) {
        ++m_refused[number];
        ++record.refusals;
        m_block.clear();
        answers.append({Error, false, QStringLiteral("block %1 refused on purpose").arg(number)});
        return;
    }
    m_image += m_block;
    ++record.blocksAccepted;
    record.received = int(m_image.size());
    const int lastSize = int(m_block.size());
    m_block.clear();
    if (m_image.size() < m_length) {
        answers.append({Ok, false, QStringLiteral("block %1 taken").arg(number)});
        return;
    }
    const quint16 crc = crc16Arc(m_image);
    record.computedCrc = QStringLiteral("%1").arg(crc, 4, 16, QLatin1Char('0'));
    m_image.clear();
    if (crc == m_announcedCrc) {
        record.outcome = QStringLiteral("matched");
        m_state = Idle;
        answers.append({Ok, true, "image complete, CRC " + record.computedCrc + " matches"});
    } else {
        record.outcome = QStringLiteral("mismatched");
        m_state = Rejecting;
        m_lastBlockSize = lastSize;
        answers.append(
            {Error, false, "image complete, CRC " + record.computedCrc + " does not match"});
    }
}

void FirmwareReceiver::quiet(FirmwareRecord &record)
{
    if (m_state == Receiving)
        record.outcome = QStringLiteral("abandoned");
    m_state = Idle;
    m_image.clear();
    m_block.clear();
}

double FirmwareReceiver::quietLimitSeconds(double upgradeTimeout) const
{
    // A refused image is only resent right away; a transfer may pause while the tool thinks.
    return m_state == Rejecting ? std::min(2.0, upgradeTimeout) : upgradeTimeout;
}
