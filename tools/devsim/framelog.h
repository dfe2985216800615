#pragma once
// A log of every frame in and every answer out, one line each with the time.
#include <QElapsedTimer>
#include <QFile>
#include <QString>

class FrameLog
{
public:
    bool open(const QString &path, QString &error);
    // direction: "IN", "OUT" or "--" (an event of the device's own).
    void write(const char *direction, const QByteArray &bytes);
    void note(const QString &text);

    // Control bytes as \r, \n or \xNN, so every entry stays on one line.
    static QString printable(const QByteArray &bytes);

private:
    QFile m_file;
};
