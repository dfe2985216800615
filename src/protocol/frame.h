#pragma once
// The command frame: "AT!XSMSC=" + body + "\r", one byte per character.
#include <QByteArray>
#include <QString>

namespace Frame {
inline const QString Head = QStringLiteral("AT!XSMSC=");
QByteArray command(const QString &body); // Latin-1 bytes of Head + body + "\r"
}
