#pragma once
// The firmware upgrade as the session runs it: FirmwareUpgrade decides each
// step (what to send, log, show and ask); this class carries the step out on
// the session and owns the upgrade's two timers (elapsed time shown, device
// silence that fails the transfer).
#include <QByteArray>
#include <QString>
#include <QTimer>

#include <memory>

class FirmwareUpgrade;
class Session;
struct FirmwareStep;

class UpgradeChain
{
public:
    explicit UpgradeChain(Session &session);
    ~UpgradeChain();

    // A refused load keeps the previous image and returns false.
    bool loadImage(const QByteArray &image);
    bool loadFile(const QString &path);
    void start();
    bool isActive() const;
    bool canStart() const;
    int errorTotal() const;

    // An answer arrived while the upgrade awaits one. True when the
    // acknowledgement table must not see it.
    bool onAnswer();
    // Bytes arrived: the device is not silent.
    void onBytes();
    // The port was closed under the running upgrade.
    void portClosed();

private:
    bool afterLoad(const FirmwareStep &step);
    void apply(const FirmwareStep &step);

    Session &s_;
    std::unique_ptr<FirmwareUpgrade> upgrade_;
    QTimer elapsedTimer_;
    QTimer silenceTimer_;
};
