#include "session/upgradechain.h"

#include "firmware/firmwareupgrade.h"
#include "serial/link.h"
#include "session/restartcountdown.h"
#include "session/session.h"

using Command = Session::Command;

UpgradeChain::UpgradeChain(Session &session)
    : s_(session), upgrade_(std::make_unique<FirmwareUpgrade>())
{
    silenceTimer_.setSingleShot(true);
    QObject::connect(&elapsedTimer_, &QTimer::timeout, &s_,
        [this] { emit s_.elapsedTextChanged(upgrade_->tick()); });
    QObject::connect(&silenceTimer_, &QTimer::timeout, &s_, [this] {
        Session::Scope scope(s_);
        apply(upgrade_->onSilence());
    });
}

UpgradeChain::~UpgradeChain() = default;

bool UpgradeChain::loadImage(const QByteArray &image)
{
    Session::Scope scope(s_);
    return afterLoad(upgrade_->loadImage(image));
}

bool UpgradeChain::loadFile(const QString &path)
{
    Session::Scope scope(s_);
    return afterLoad(upgrade_->loadFile(path));
}

// A refused load keeps the previous image; an accepted one shows its
// length and checksum, from which the announcement is built.
bool UpgradeChain::afterLoad(const FirmwareStep &step)
{
    apply(step);
    if (step.refused)
        return false;
    FormValues shown;
    shown.setText(QStringLiteral("lineEdit_fw_file_length"), upgrade_->lengthText());
    shown.setText(QStringLiteral("lineEdit_CRC_input"), upgrade_->checksumText());
    shown.setText(QStringLiteral("label_index"), QStringLiteral("0"));
    emit s_.valuesDecoded(shown);
    return true;
}

void UpgradeChain::start()
{
    Session::Scope scope(s_);
    apply(upgrade_->start(s_.link_ && s_.link_->isOpen()));
}

bool UpgradeChain::isActive() const { return upgrade_->isActive(); }

bool UpgradeChain::canStart() const
{
    return !upgrade_->isActive() && s_.link_ && s_.link_->isOpen() && upgrade_->canAnnounce();
}

int UpgradeChain::errorTotal() const { return upgrade_->upgradeErrorTotal(); }

void UpgradeChain::onBytes()
{
    if (upgrade_->isActive())
        silenceTimer_.start(s_.timings_.upgradeSilenceMs);
}

bool UpgradeChain::onAnswer()
{
    const QString text = s_.assembler_.text();
    // Waiting for acceptance acts only on a whole answer; during the
    // transfer anything else is logged as a wait.
    if (s_.pendingCommand_ == Command::UpgradeAnnounce && !FirmwareUpgrade::isAnswerComplete(text))
        return false;
    const FirmwareStep step = upgrade_->onAnswer(text);
    apply(step);
    return step.endsDispatch;
}

void UpgradeChain::portClosed()
{
    elapsedTimer_.stop();
    if (!upgrade_->isActive())
        return;
    FirmwareStep step = upgrade_->onSilence();
    // The port is already closed and the window locks the pages itself.
    step.closePort = false;
    step.restartCountdown = -1;
    step.notices = {Notice::warning(Session::tr("MG Upgrade Failure!\r\nThe port was closed."))};
    apply(step);
}

void UpgradeChain::apply(const FirmwareStep &step)
{
    const bool wasActive = s_.pendingCommand_ == Command::UpgradeAnnounce
        || s_.pendingCommand_ == Command::UpgradeBlock;
    if (step.clearReceived)
        s_.assembler_.clear();
    if (!step.send.isEmpty() && s_.link_)
        s_.link_->send(step.send);
    for (const QString &line : step.log)
        emit s_.logLine(line);
    if (step.progress >= 0)
        emit s_.progressChanged(step.progress);
    if (step.errorTotal >= 0) {
        FormValues total;
        total.setText(
            QStringLiteral("lineEdit_total_upgrade_error"), QString::number(step.errorTotal));
        emit s_.valuesDecoded(total);
    }
    if (step.startElapsedTimer)
        elapsedTimer_.start(s_.timings_.elapsedTickMs);
    if (step.stopElapsedTimer)
        elapsedTimer_.stop();

    switch (upgrade_->state()) {
    case FirmwareUpgrade::State::WaitingAcceptance:
        s_.setPending(Command::UpgradeAnnounce);
        break;
    case FirmwareUpgrade::State::Transferring:
        s_.setPending(Command::UpgradeBlock);
        break;
    case FirmwareUpgrade::State::Idle:
        if (wasActive)
            s_.setPending(Command::None);
        break;
    }
    if (upgrade_->isActive()) {
        if (!step.send.isEmpty())
            silenceTimer_.start(s_.timings_.upgradeSilenceMs);
    } else {
        silenceTimer_.stop();
    }
    if (step.closePort) {
        // The tool closes the port itself, not the user: the device stays
        // the one that was read, and the countdown end gives the pages back.
        const bool unlocked = s_.pagesUnlocked_;
        emit s_.closePortRequested();
        s_.pagesUnlocked_ = unlocked;
        s_.restart_->setRestarting(true);
        emit s_.pagesLocked(true);
    }
    // A refused start ends too: what was locked for it comes back.
    if (wasActive != upgrade_->isActive() || step.enablePages)
        emit s_.upgradingChanged(upgrade_->isActive());
    if (step.enablePages)
        emit s_.pagesLocked(false);
    if (step.finished)
        s_.restart_->expect(RestartCountdown::Then::ReopenPort);

    // The restart countdown starts once the last message was seen.
    std::function<void()> countdown;
    if (step.restartCountdown >= 0) {
        const int seconds = step.restartCountdown;
        countdown = [this, seconds] {
            s_.restart_->start(seconds);
        };
    }
    for (int i = 0; i < step.notices.size(); ++i)
        s_.notify(step.notices.at(i), i + 1 == step.notices.size() ? countdown : nullptr);
    if (step.notices.isEmpty() && countdown)
        countdown();
}
