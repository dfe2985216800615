#pragma once
// Secrets in a saved log: the SMS programming keyword ("KEYWD:" value), the
// access code ("ACCES:1," code), the APN password (third field of "APN:" and
// "APN?:") and the XML function's password (second field of "XML:" and
// "XML?:"), wherever they appear: frames sent, the device's echo of them and
// its answers. Each value becomes Hidden; everything else stays as it was.
// The log pane itself shows what went over the link unmasked.
#include <QString>

namespace LogMask {

inline const QString Hidden = QStringLiteral("****");

// `text` with every secret value replaced; a value cut off by the end of the
// text is masked up to there.
QString mask(const QString &text);

// The device's answers arrive in pieces that may cut a value in two: the
// part after the cut carries no keyword of its own. This masks each piece
// with what came before it on the same line. Frames the tool sent are whole
// and are masked alone.
class Stream
{
public:
    // One frame or one received piece, masked.
    QString feed(const QString &text);
    // The piece fed last ended its line (its line end is not in the text).
    void endLine() { line_.clear(); }

private:
    QString line_; // the received line so far, bounded
};

} // namespace LogMask
