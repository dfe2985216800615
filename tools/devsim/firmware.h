#pragma once
// The device's side of a firmware upgrade: the announcement, raw 256-byte blocks and the
// CRC-16/ARC check of the whole image.
#include "devicestate.h"

#include <QByteArray>
#include <QMap>
#include <QVector>

quint16 crc16Arc(const QByteArray &data);

class FirmwareReceiver
{
public:
    static constexpr int BlockSize = 256;
    static constexpr int MinLength = 100000;
    static constexpr int MaxLength = 262144;

    struct Answer
    {
        QByteArray text;
        bool restart = false; // the image matched: the device restarts after this answer
        QString event; // for the log: what the answer says about which block
    };

    // failBlocks: block number (1 = first) -> how many times to refuse it.
    explicit FirmwareReceiver(const QMap<int, int> &failBlocks);

    // True for a line (without its "\r") holding "AT!XUPGRADE,".
    static bool isAnnouncement(const QByteArray &line);
    Answer announce(const QByteArray &line, FirmwareRecord &record);

    // While busy, every byte from the link belongs to the image (or to a refused block).
    bool busy() const { return m_state != Idle; }
    // Takes raw bytes; returns how many it used (it stops where the image ends).
    int feed(const QByteArray &bytes, QVector<Answer> &answers, FirmwareRecord &record);
    // The link stayed quiet for the time given by quietLimitSeconds(): give up.
    void quiet(FirmwareRecord &record);
    double quietLimitSeconds(double upgradeTimeout) const;

private:
    enum State { Idle, Receiving, Rejecting };
    void finishBlock(QVector<Answer> &answers, FirmwareRecord &record);

    State m_state = Idle;
    QMap<int, int> m_failBlocks;
    QMap<int, int> m_refused; // block -> refusals so far in this image
    QByteArray m_image;
    QByteArray m_block;
    int m_length = 0;
    quint16 m_announcedCrc = 0;
    int m_lastBlockSize = 0; // size of the blocks answered "ERROR" after a refused image
};
