// The firmware upgrade: the session carries out what FirmwareUpgrade decides
// and owns its two timers (elapsed time, device silence).
#include "session/session.h"

#include "firmware/firmwareupgrade.h"
#include "serial/link.h"

bool Session::loadFirmware(const QByteArray &image)
{
    Scope scope(*this);
    return afterLoad(upgrade_->loadImage(image));
}

bool Session::loadFirmwareFile(const QString &path)
{
    Scope scope(*this);
    return afterLoad(upgrade_->loadFile(path));
}

// A refused load keeps the previous image; an accepted one shows its
// length and checksum, from which the announcement is built.
bool Session::afterLoad(const FirmwareStep &step)
{
    applyFirmwareStep(step);
    if (step.refused)
        return false;
    FormValues shown;
    shown.setText(QStringLiteral("lineEdit_fw_file_length"), upgrade_->lengthText());
    shown.setText(QStringLiteral("lineEdit_CRC_input"), upgrade_->checksumText());
    shown.setText(QStringLiteral("label_index"), QStringLiteral("0"));
    emit valuesDecoded(shown);
    return true;
}

void Session::startUpgrade()
{
    Scope scope(*this);
    applyFirmwareStep(upgrade_->start(link_ && link_->isOpen()));
}

bool Session::isUpgrading() const { return upgrade_->isActive(); }

int Session::upgradeErrorTotal() const { return upgrade_->upgradeErrorTotal(); }

bool Session::stepUpgrade()
{
    const QString text = assembler_.text();
    // Waiting for acceptance acts only on a whole answer; during the
    // transfer anything else is logged as a wait.
    if (pendingCommand_ == Command::UpgradeAnnounce && !FirmwareUpgrade::isAnswerComplete(text))
        return false;
    const FirmwareStep step = upgrade_->onAnswer(text);
    applyFirmwareStep(step);
    return step.endsDispatch;
}

void Session::applyFirmwareStep(const FirmwareStep &step)
{
    const bool wasActive
        = pendingCommand_ == Command::UpgradeAnnounce || pendingCommand_ == Command::UpgradeBlock;
    if (step.clearReceived)
        assembler_.clear();
    if (!step.send.isEmpty() && link_)
        link_->send(step.send);
    for (const QString &line : step.log)
        emit logLine(line);
    if (step.progress >= 0)
        emit progressChanged(step.progress);
    if (step.errorTotal >= 0) {
        FormValues total;
        total.setText(
            QStringLiteral("lineEdit_total_upgrade_error"), QString::number(step.errorTotal));
        emit valuesDecoded(total);
    }
    if (step.startElapsedTimer)
        elapsedTimer_.start(timings_.elapsedTickMs);
    if (step.stopElapsedTimer)
        elapsedTimer_.stop();

    switch (upgrade_->state()) {
    case FirmwareUpgrade::State::WaitingAcceptance:
        setPending(Command::UpgradeAnnounce);
        break;
    case FirmwareUpgrade::State::Transferring:
        setPending(Command::UpgradeBlock);
        break;
    case FirmwareUpgrade::State::Idle:
        if (wasActive)
            setPending(Command::None);
        break;
    }
    if (upgrade_->isActive()) {
        if (!step.send.isEmpty())
            silenceTimer_.start(timings_.upgradeSilenceMs);
    } else {
        silenceTimer_.stop();
    }
    if (step.closePort) {
        // The tool closes the port itself, not the user: the device stays
        // the one that was read, and the countdown end gives the pages back.
        const bool unlocked = pagesUnlocked_;
        emit closePortRequested();
        pagesUnlocked_ = unlocked;
        setRestarting(true);
        emit pagesLocked(true);
    }
    // A refused start ends too: what was locked for it comes back.
    if (wasActive != upgrade_->isActive() || step.enablePages)
        emit upgradingChanged(upgrade_->isActive());
    if (step.enablePages)
        emit pagesLocked(false);
    if (step.finished)
        afterUpgrade_ = true;

    // The restart countdown starts once the last message was seen.
    std::function<void()> countdown;
    if (step.restartCountdown >= 0) {
        const int seconds = step.restartCountdown;
        countdown = [this, seconds] {
            startCountdown(seconds);
        };
    }
    for (int i = 0; i < step.notices.size(); ++i)
        notify(step.notices.at(i), i + 1 == step.notices.size() ? countdown : nullptr);
    if (step.notices.isEmpty() && countdown)
        countdown();
}

void Session::onElapsedTick() { emit elapsedTextChanged(upgrade_->tick()); }

void Session::onUpgradeSilence()
{
    Scope scope(*this);
    applyFirmwareStep(upgrade_->onSilence());
}
