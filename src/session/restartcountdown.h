#pragma once
// The device restarts after it acknowledged a reboot, a GSM reboot or a
// factory reset, and after a firmware upgrade: a countdown logs each second,
// and at its end the pages come back and what the restart called for runs
// (a read, or the request to reopen the port the upgrade closed).
#include <QTimer>

class Session;

class RestartCountdown
{
public:
    enum class Then { Read, ReopenPort };

    explicit RestartCountdown(Session &session);

    void start(int seconds);
    // What runs when the countdown ends.
    void expect(Then then);
    bool isCounting() const { return timer_.isActive(); }
    int secondsLeft() const { return seconds_; }
    // From the acknowledgement (or the closing of the port for an upgrade)
    // until the countdown ends: the port and the commands wait.
    bool isRestarting() const { return restarting_; }
    void setRestarting(bool restarting);

    // A device on a native USB port leaves the bus while it restarts. While
    // it is away the restart does not end: what it calls for waits until the
    // device is back, or until the window gives up on it.
    void deviceLeft() { deviceAway_ = true; }
    bool isDeviceAway() const { return deviceAway_; }
    void deviceBack();
    // The device stays away: the restart ends without what it called for.
    void giveUp();

private:
    void tick();
    void finish();

    Session &s_;
    QTimer timer_;
    int seconds_ = 0;
    bool restarting_ = false;
    bool readAfter_ = false;
    bool reopenAfter_ = false;
    bool deviceAway_ = false;
};
