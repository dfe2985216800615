#pragma once
// Turns received chunks into the response text the dispatcher looks at.
// Bytes are taken one per character (Latin-1), so a chunk boundary never
// corrupts a character. A device that echoes commands sends the echo as a
// line "AT!XSMSC:" + body + "\r\n"; each complete echo line is dropped,
// however the chunks fall; an echo still without its line end is held back.
#include <QByteArray>
#include <QString>

class ResponseAssembler
{
public:
    // Upper bound of the collected text; noise beyond it is dropped from the
    // front so a chattering device cannot grow memory without limit.
    static constexpr int MaxLength = 64 * 1024;
    // An echoed command line holds this marker and ends with LineEnd.
    static inline const QString EchoMarker = QStringLiteral("!XSMSC:");
    static inline const QString LineEnd = QStringLiteral("\r\n");

    void append(const QByteArray &chunk);
    // The text ready for dispatch (never holds an incomplete echo line).
    const QString &text() const { return text_; }
    void clear();

private:
    QString text_;
    QString held_; // an echo line still waiting for its "\r\n"
};
