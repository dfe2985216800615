#include "firmware/crc16.h"

#include <array>

namespace {

constexpr std::array<quint16, 256> makeTable()
{
    std::array<quint16, 256> table {};
    for (int i = 0; i < 256; ++i) {
        quint16 crc = quint16(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
        table[i] = crc;
    }
    return table;
}

constexpr std::array<quint16, 256> Table = makeTable();

} // namespace

quint16 crc16Arc(const QByteArray &data)
{
    quint16 crc = 0;
    for (const char byte : data)
        crc = quint16((crc >> 8) ^ Table[(crc ^ quint8(byte)) & 0xFF]);
    return crc;
}

QString crcText(quint16 crc) { return QStringLiteral("%1").arg(crc, 4, 16, QLatin1Char('0')); }
