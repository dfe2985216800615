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
    setRestarting(false);
    s_.givePagesBack();
    seconds_ = 0;
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
