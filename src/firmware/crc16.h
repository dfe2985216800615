#pragma once
// The checksum the device verifies over a firmware image: CRC-16/ARC
// (polynomial 0x8005 reflected as 0xA001, initial value 0, no final XOR).
#include <QByteArray>
#include <QString>

quint16 crc16Arc(const QByteArray &data);

// Four lowercase hex digits, zero-padded: 0x0a1f -> "0a1f".
QString crcText(quint16 crc);
