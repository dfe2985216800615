#include "session.h"

#include "firmwareupgrade.h"
#include "link.h"

Session::Session(Link *link, QObject *parent)
    : QObject(parent), link_(link), upgrade_(std::make_unique<FirmwareUpgrade>())
{
}

Session::~Session() = default;

void Session::setFormSource(std::function<FormValues()> source) { formSource_ = std::move(source); }
void Session::setRadiusUndoSource(std::function<QString(int)> source)
{
    radiusUndoSource_ = std::move(source);
}
void Session::setTimings(const Timings &timings) { timings_ = timings; }
bool Session::isBusy() const { return false; }
bool Session::canWriteAll() const { return link_ && link_->isOpen(); }
void Session::sendCommand(const QString &) {}
void Session::signalStrength() {}
void Session::scream(int) {}
void Session::locate() {}
void Session::rebootDevice() {}
void Session::rebootGsm() {}
void Session::factoryReset() {}
void Session::setDebug(int) {}
void Session::omadm(bool) {}
void Session::loadInformation() {}
void Session::setGsmOnOff(int) {}
void Session::startRead() {}
void Session::writeKeywordAccess() {}
void Session::writeApn() {}
void Session::writeXml() {}
void Session::writeCallerIds() {}
void Session::writeSettings() {}
void Session::writeGpsTracker() {}
void Session::writeGeoAlert() {}
void Session::writeInactivity() {}
void Session::writeReports() {}
void Session::writeFence(int, int) {}
void Session::writeForbiddenZone() {}
void Session::addSensor(const QString &) {}
void Session::deleteSensor(const QString &) {}
void Session::startWriteAll() {}
bool Session::loadFirmware(const QByteArray &) { return false; }
bool Session::loadFirmwareFile(const QString &) { return false; }
void Session::startUpgrade() {}
bool Session::isUpgrading() const { return false; }
int Session::upgradeErrorTotal() const { return 0; }
void Session::portClosed() {}
void Session::onChunk(const QByteArray &) {}
void Session::dispatch() {}
