#include "session/restartcountdown.h"

#include "session/session.h"

RestartCountdown::RestartCountdown(Session &session) : s_(session)
{
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, &s_, [this] { tick(); });
}

void RestartCountdown::start(int seconds)
{
    seconds_ = seconds;
    timer_.start(s_.timings_.countdownTickMs);
    s_.restartStarted();
}

void RestartCountdown::expect(Then then)
{
    (then == Then::Read ? readAfter_ : reopenAfter_) = true;
}

void RestartCountdown::setRestarting(bool restarting)
{
    restarting_ = restarting;
    emit s_.restartingChanged(restarting);
}

void RestartCountdown::tick()
{
    Session::Scope scope(s_);
    emit s_.logLine(QStringLiteral("%1 sec").arg(seconds_));
    if (--seconds_ >= 0) {
        timer_.start(s_.timings_.countdownTickMs);
        return;
    }
    seconds_ = 0;
    if (deviceAway_)
        return; // the restart ends when the device is back
    finish();
}

void RestartCountdown::finish()
{
    setRestarting(false);
    s_.givePagesBack();
    if (readAfter_) {
        readAfter_ = false;
        s_.startRead();
    }
    if (reopenAfter_) {
        reopenAfter_ = false;
        s_.notify(Notice::info(Session::tr("Countdown finish. Read Configuration!")),
            [this] { emit s_.reopenPortRequested(); });
    }
}

void RestartCountdown::deviceBack()
{
    if (!deviceAway_)
        return;
    deviceAway_ = false;
    // Back after the countdown: the restart ends now. Back before it: the
    // countdown's end runs as usual, on the reopened port.
    if (restarting_ && !timer_.isActive())
        finish();
}

void RestartCountdown::giveUp()
{
    deviceAway_ = false;
    readAfter_ = false;
    reopenAfter_ = false;
    timer_.stop();
    seconds_ = 0;
    if (restarting_)
        setRestarting(false);
    s_.givePagesBack();
}
