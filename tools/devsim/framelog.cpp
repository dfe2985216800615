#include "framelog.h"

#include <QDateTime>

bool FrameLog::open(const QString &path, QString &error)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        error = QStringLiteral("cannot write the log %1: %2").arg(path, m_file.errorString());
        return false;
    }
    return true;
}

QString FrameLog::printable(const QByteArray &bytes)
{
    QString out;
    for (const char c : bytes) {
        const auto byte = quint8(c);
        if (c == '\r')
            out += QLatin1String("\\r");
        else if (c == '\n')
            out += QLatin1String("\\n");
        else if (c == '\\')
            out += QLatin1String("\\\\");
        else if (byte < 0x20 || byte >= 0x7F)
            out += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else
            out += QLatin1Char(c);
    }
    return out;
}

void FrameLog::write(const char *direction, const QByteArray &bytes)
{
    if (!m_file.isOpen())
        return;
    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz"));
    m_file.write(QStringLiteral("%1 %2 %3\n")
                     .arg(time, QString::fromLatin1(direction).leftJustified(3), printable(bytes))
                     .toUtf8());
    m_file.flush();
}

void FrameLog::note(const QString &text) { write("--", text.toUtf8()); }
