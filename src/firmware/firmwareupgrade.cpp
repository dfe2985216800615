#include "firmware/firmwareupgrade.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "firmware/crc16.h"

namespace {

Notice readFileWarning(const QString &what)
{
    return Notice::warning(
        QCoreApplication::translate("FirmwareUpgrade", "<h2> Read file !</h2><p> ") + what,
        QCoreApplication::translate("FirmwareUpgrade", "Hint"));
}

Notice tooLargeWarning(qint64 size)
{
    return readFileWarning(QCoreApplication::translate(
        "FirmwareUpgrade", "File too large! %1 bytes, at most %2 bytes.")
                               .arg(size)
                               .arg(FirmwareUpgrade::MaxImageSize));
}

bool containsWord(const QString &text, const char *word)
{
    return text.contains(QLatin1String(word), Qt::CaseInsensitive);
}

QString hexDump(const QByteArray &block)
{
    QString dump;
    dump.reserve(block.size() * 3);
    for (const char byte : block)
        dump += QStringLiteral("%1 ").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
    return dump;
}

} // namespace

FirmwareStep FirmwareUpgrade::loadFile(const QString &path)
{
    FirmwareStep step;
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        step.refused = true;
        step.notices << readFileWarning(
            QCoreApplication::translate("FirmwareUpgrade", "Cannot open the file!"));
        return step;
    }
    if (file.size() > MaxImageSize) {
        step.refused = true;
        step.notices << tooLargeWarning(file.size());
        return step;
    }
    // Read one byte past the limit: a device file may report size 0 and
    // never end, and must not be swallowed whole.
    const QByteArray bytes = file.read(MaxImageSize + 1);
    if (bytes.size() > MaxImageSize) {
        step.refused = true;
        step.notices << tooLargeWarning(bytes.size());
        return step;
    }
    return loadImage(bytes);
}

FirmwareStep FirmwareUpgrade::loadImage(const QByteArray &image)
{
    FirmwareStep step;
    if (image.size() > MaxImageSize) {
        step.refused = true;
        step.notices << tooLargeWarning(image.size());
        return step;
    }
    image_ = image;
    remaining_ = image;
    checksum_ = crcText(crc16Arc(image));
    // Rounded up to whole 64-byte units; an empty image counts as one unit.
    paddedLength_ = (int(image.size()) - 1) / 64 * 64 + 64;
    elapsedSeconds_ = 0;
    step.log << QStringLiteral("Binary file open!");
    return step;
}

FirmwareStep FirmwareUpgrade::start(bool portOpen)
{
    FirmwareStep step;
    const QByteArray frame = announcement(checksum_, lengthText());
    if (!portOpen || frame.isEmpty()) {
        // Nothing went out: do not wait for an answer that cannot come.
        state_ = State::Idle;
        step.refused = true;
        step.stopElapsedTimer = true;
        step.enablePages = true;
        step.notices << (portOpen
                ? readFileWarning(
                    QCoreApplication::translate("FirmwareUpgrade", "File Length Error!"))
                : Notice::info(QCoreApplication::translate("FirmwareUpgrade", "Port not opened!")));
        return step;
    }
    retries_ = 0;
    remaining_ = image_;
    state_ = State::WaitingAcceptance;
    step.send = frame;
    step.clearReceived = true;
    step.log << QString::fromLatin1(frame);
    step.startElapsedTimer = true;
    return step;
}

FirmwareStep FirmwareUpgrade::onAnswer(const QString &receivedText)
{
    FirmwareStep step;
    const bool ok = containsWord(receivedText, "OK");
    if (state_ == State::WaitingAcceptance) {
        step.progress = 0;
        step.enableProgress = true;
        if (!ok) {
            step.notices << Notice::info(
                QCoreApplication::translate("FirmwareUpgrade", "Upgrade error!"));
            return step;
        }
        step.clearReceived = true;
        step.log << QStringLiteral("send bin MG");
        retries_ = 0;
        if (remaining_.size() < BlockSize) {
            step.notices << Notice::info(
                QCoreApplication::translate("FirmwareUpgrade", "Upgrade File Length Error!"));
            return step;
        }
        sendBlock(step);
        state_ = State::Transferring;
        step.endsDispatch = true;
        return step;
    }
    if (state_ != State::Transferring)
        return step;

    if (ok) {
        retries_ = 0;
        remaining_.remove(0, BlockSize);
        step.log << QStringLiteral("remove send_bin_2_64()");
        sendBlock(step);
        if (remaining_.isEmpty()) {
            endExchange(step);
            step.finished = true;
            step.endsDispatch = true;
            step.notices << Notice::info(QCoreApplication::translate(
                "FirmwareUpgrade", "MG Upgrade Finish. Please wait 30 seconds!"));
            step.restartCountdown = 30;
        }
        return step;
    }
    if (containsWord(receivedText, "ERROR")) {
        ++retries_;
        ++errorTotal_;
        if (retries_ > MaxRetries) {
            FirmwareStep failed
                = giveUp(QCoreApplication::translate("FirmwareUpgrade", "MG Upgrade Failure!"));
            failed.errorTotal = errorTotal_;
            return failed;
        }
        step.errorTotal = errorTotal_;
        step.log << QStringLiteral("Re-send send_bin_2_64()");
        sendBlock(step);
        return step;
    }
    step.log << QStringLiteral("wo.....");
    return step;
}

FirmwareStep FirmwareUpgrade::onSilence()
{
    if (!isActive())
        return {};
    return giveUp(QCoreApplication::translate(
        "FirmwareUpgrade", "MG Upgrade Failure!\r\nThe device stopped answering for %1 seconds.")
                      .arg(SilenceTimeoutMs / 1000));
}

QString FirmwareUpgrade::tick() { return elapsedText(elapsedSeconds_++); }

QString FirmwareUpgrade::elapsedText(int seconds)
{
    const auto twoDigits = [](int n) {
        return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    };
    return QCoreApplication::translate("FirmwareUpgrade", "Total elapsed timer %1:%2 ")
        .arg(twoDigits(seconds / 60 % 60), twoDigits(seconds % 60));
}

QByteArray FirmwareUpgrade::announcement(const QString &crc, const QString &length)
{
    if (crc.size() != 4 || length.size() != LengthDigits)
        return {};
    const QByteArray frame = "AT!XUPGRADE," + crc.toLatin1() + "," + length.toLatin1() + "\r";
    return frame.size() == AnnouncementSize ? frame : QByteArray();
}

bool FirmwareUpgrade::isAnswerComplete(const QString &receivedText)
{
    return containsWord(receivedText, "OK") || containsWord(receivedText, "ERROR");
}

// Logs the front block and hands it to the link; an empty block sends nothing.
void FirmwareUpgrade::sendBlock(FirmwareStep &step) const
{
    const QByteArray block = remaining_.left(BlockSize);
    const int zero = int(block.indexOf('\0'));
    step.log << QStringLiteral("send_bin_2_64()") << QStringLiteral("content_start")
             << QStringLiteral("Binary") << QString::fromLatin1(zero < 0 ? block : block.left(zero))
             << QStringLiteral("Content Data") << hexDump(block) << QStringLiteral("content_end");
    step.send = block;
    step.clearReceived = true;
    step.progress = progress();
}

void FirmwareUpgrade::endExchange(FirmwareStep &step)
{
    state_ = State::Idle;
    step.stopElapsedTimer = true;
    step.closePort = true;
}

FirmwareStep FirmwareUpgrade::giveUp(const QString &message)
{
    FirmwareStep step;
    endExchange(step);
    step.gaveUp = true;
    step.restartCountdown = 0;
    step.notices << Notice::warning(message);
    return step;
}

int FirmwareUpgrade::progress() const { return 100 - int(remaining_.size()) * 100 / paddedLength_; }
