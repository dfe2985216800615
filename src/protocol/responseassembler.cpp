#include "protocol/responseassembler.h"

#include <algorithm>

namespace {

const QString EchoLineStart = QStringLiteral("AT!XSMSC:");
const QString LeftoverMarker = QStringLiteral("!XSMSC");

// Length of the longest tail of `text` that may still grow into an echo
// line start once the next chunk arrives ("A", "AT!X", "!XSM", ...).
int partialMarkerLength(QStringView text)
{
    int longest = 0;
    for (const QString &start : {EchoLineStart, ResponseAssembler::EchoMarker}) {
        for (int length = std::min<int>(start.size() - 1, int(text.size())); length > longest;
             --length) {
            if (text.endsWith(QStringView(start).left(length))) {
                longest = length;
                break;
            }
        }
    }
    return longest;
}

} // namespace

void ResponseAssembler::append(const QByteArray &chunk)
{
    // One byte is one character: a chunk boundary never splits a character.
    const QString pending = held_ + QString::fromLatin1(chunk);
    held_.clear();

    auto release = [this](QString piece) {
        // An echoed command frame ("AT!XSMSC=...") keeps only "AT" and its body.
        piece.remove(LeftoverMarker);
        text_ += piece;
    };

    int pos = 0;
    for (;;) {
        const int marker = pending.indexOf(EchoMarker, pos);
        if (marker < 0) {
            const int keep = partialMarkerLength(QStringView(pending).mid(pos));
            release(pending.mid(pos, pending.size() - pos - keep));
            held_ = pending.right(keep);
            break;
        }
        int lineStart = marker;
        if (marker - 2 >= pos && QStringView(pending).mid(marker - 2, 2) == QLatin1String("AT"))
            lineStart -= 2;
        release(pending.mid(pos, lineStart - pos));

        const int lineEnd = pending.indexOf(LineEnd, marker + EchoMarker.size());
        if (lineEnd < 0) {
            held_ = pending.mid(lineStart); // the echo line is not whole yet
            break;
        }
        pos = lineEnd + LineEnd.size(); // the whole echo line is dropped
    }

    // An echo line that never ends is noise; it must not block nor grow.
    if (held_.size() > MaxLength)
        held_.clear();
    if (text_.size() > MaxLength)
        text_.remove(0, text_.size() - MaxLength);
}

void ResponseAssembler::clear()
{
    text_.clear();
    held_.clear();
}
