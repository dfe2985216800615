#pragma once
// The firmware block transfer as a state machine driven by the device's
// answers. It owns the image and the counters but no timer, port or widget:
// every call returns a FirmwareStep that the session carries out.
//
// Exchange: "AT!XUPGRADE,<crc4>,<len6>\r" announces the image; each answer
// holding "OK" (any case) sends the next raw 256-byte block; "ERROR" resends
// the same block up to five times; the OK to the last block finishes.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "protocol/notice.h"

// What the session has to do after one call, in this order: empty the
// received text if asked, send `send`, append `log` to the log pane, update
// the progress bar, stop/start the elapsed timer, close the port, show the
// notices, then start the restart countdown.
struct FirmwareStep
{
    QByteArray send; // raw bytes for the link; empty: nothing goes out
    bool clearReceived = false; // empty the collected answer text
    QStringList log; // lines for the log pane, in order
    int progress = -1; // new progress-bar value; -1 leaves it
    bool enableProgress = false;
    int errorTotal = -1; // new value for the total-error field; -1 unchanged
    QList<Notice> notices;
    bool startElapsedTimer = false;
    bool stopElapsedTimer = false;
    // Close the port as the Close button does and disable the port and
    // phone widgets and the pages until the restart countdown ends.
    bool closePort = false;
    // Re-enable the phone widget and the pages (a start that sent nothing).
    bool enablePages = false;
    int restartCountdown = -1; // >= 0: start the restart countdown at this count
    // Set for the answer that starts the transfer and the one that ends it:
    // the acknowledgement table must not see that answer.
    bool endsDispatch = false;
    bool finished = false; // the device took the whole image
    bool gaveUp = false; // too many errors or a silent device
    bool refused = false; // load or start refused; nothing was sent
};

class FirmwareUpgrade
{
public:
    static constexpr int MaxImageSize = 262144;
    static constexpr int BlockSize = 256;
    static constexpr int MaxRetries = 5; // the sixth ERROR in a row gives up
    static constexpr int SilenceTimeoutMs = 10000; // see onSilence()
    static constexpr int LengthDigits = 6; // length field of the announcement
    static constexpr int AnnouncementSize = 24;

    enum class State { Idle, WaitingAcceptance, Transferring };

    // Reads the image file. A file that cannot be read or is larger than
    // MaxImageSize is refused with a "Hint" warning and the previous image
    // is kept; the caller must not start after a refusal.
    FirmwareStep loadFile(const QString &path);
    // The same for bytes already in memory.
    FirmwareStep loadImage(const QByteArray &image);

    // Announces the loaded image. Refused (state Idle, pages re-enabled,
    // elapsed timer stopped) when the port is closed or the image length is
    // not six decimal digits.
    FirmwareStep start(bool portOpen);
    // One collected answer while waiting for acceptance or transferring;
    // an empty step when idle.
    FirmwareStep onAnswer(const QString &receivedText);
    // No answer for SilenceTimeoutMs during the exchange: give up. The
    // session restarts its timer whenever bytes go out or a chunk arrives
    // while isActive(), and stops it otherwise.
    FirmwareStep onSilence();
    // One second of the elapsed-time label: the text for the current count,
    // then the count advances (the first tick reads 00:00).
    QString tick();

    // "Total elapsed timer MM:SS " (minutes wrap at 60, no hours).
    static QString elapsedText(int seconds);
    // The 24-byte announcement, or empty when `crc` is not four characters
    // or `length` not six.
    static QByteArray announcement(const QString &crc, const QString &length);
    // An answer the upgrade can act on: holds "OK" or "ERROR" in any case.
    static bool isAnswerComplete(const QString &receivedText);

    State state() const { return state_; }
    bool isActive() const { return state_ != State::Idle; }
    // start() on an open port would announce the image loaded.
    bool canAnnounce() const { return !announcement(checksum_, lengthText()).isEmpty(); }
    int imageSize() const { return int(image_.size()); }
    int remainingBytes() const { return int(remaining_.size()); }
    int paddedImageLength() const { return paddedLength_; }
    QString lengthText() const { return QString::number(image_.size()); }
    QString checksumText() const { return checksum_; }
    int retryCount() const { return retries_; }
    int upgradeErrorTotal() const { return errorTotal_; }
    int elapsedSeconds() const { return elapsedSeconds_; }

private:
    void sendBlock(FirmwareStep &step) const;
    void endExchange(FirmwareStep &step);
    FirmwareStep giveUp(const QString &message);
    int progress() const;

    State state_ = State::Idle;
    QByteArray image_; // the whole image as loaded
    QByteArray remaining_; // the part not yet acknowledged
    QString checksum_ = QStringLiteral("0000");
    int paddedLength_ = 64;
    int retries_ = 0;
    int errorTotal_ = 0; // every block ERROR since the program started
    int elapsedSeconds_ = 0;
};
