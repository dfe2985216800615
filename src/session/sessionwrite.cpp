// Page writers and the report write chain.
#include "session/session.h"
#include "session/writeallchain.h"

#include "protocol/acknowledgement.h"
#include "protocol/answer.h"
#include "protocol/geofencecodec.h"
#include "protocol/inactivitycodec.h"
#include "protocol/reportcodec.h"
#include "protocol/sensorcodec.h"
#include "protocol/settingscodec.h"
#include "protocol/smscodec.h"
#include "protocol/widgetnames.h"

// ---- page writers ----------------------------------------------------------

namespace {
// The tab whose values each page writer sends, by the form's titles.
const QString PageWriteSmsProgram = QStringLiteral("SMS Program");
const QString PageWriteApn = QStringLiteral("APN");
const QString PageWriteReport = QStringLiteral("Report");
const QString PageWriteReport2 = QStringLiteral("Report2");
const QString PageWriteGeoFence = QStringLiteral("Geo-fence");
const QString PageWriteSettings = QStringLiteral("Settings");
const QString PageWriteMobility = QStringLiteral("Mobility");
} // namespace

void Session::pageWriteDone(Sent sent, const QString &page)
{
    if (sent != Sent::Yes)
        return;
    pageWriteAwaited_ = page;
    QStringList fields = formReads_ ? formReads_->values() : QStringList();
    fields.sort();
    emit pageWriteSent(page, fields);
}

Session::Sent Session::doWrite(const QString &body)
{
    return sendGuarded(body) ? Sent::Yes : Sent::PortClosed;
}

Session::Sent Session::doChecked(const SmsCodec::WriteCheck &check)
{
    if (!portGuard())
        return Sent::PortClosed;
    if (check.send) {
        sendCommand(check.body);
        return Sent::Yes;
    }
    if (!check.corrections.isEmpty())
        emit valuesDecoded(check.corrections);
    if (check.reenablePages) {
        emit pagesLocked(false);
        emit progressChanged(0);
    }
    for (const Notice &n : check.notices)
        notify(n);
    return Sent::Refused;
}

Session::Sent Session::doReportRow(int row)
{
    if (!portGuard())
        return Sent::PortClosed;
    const ReportCodec::RowWrite write = ReportCodec::rowBody(row, formValues(), model_);
    if (!write.ok) {
        notify(write.notice);
        return Sent::Refused;
    }
    rptWriteIndex_ = row;
    sendQuery(write.body, Command::WriteReport);
    return Sent::Yes;
}

Session::Sent Session::doFence(int fence, int page)
{
    if (!portGuard())
        return Sent::PortClosed;
    const QString lastGood = radiusUndoSource_ ? radiusUndoSource_(fence) : QString();
    const GeoFenceCodec::FenceWrite write
        = GeoFenceCodec::fenceBody(fence, page, formValues(), model_, lastGood);
    if (!write.ok) {
        if (!write.corrections.isEmpty())
            emit valuesDecoded(write.corrections);
        notify(write.notice);
        return Sent::Refused;
    }
    sendCommand(write.body);
    return Sent::Yes;
}

// The writer behind the fence's type selector: 0 delete, 1 circle, 2 polygon.
Session::Sent Session::doFenceByType(int fence)
{
    const int page = formValues().index(WidgetNames::fenceType(fence));
    if (page < 0 || page > 2)
        return Sent::Refused;
    return doFence(fence, page);
}

void Session::writeKeywordAccess()
{
    Scope scope(*this);
    pageWriteDone(doChecked(SmsCodec::keywordAccess(formValues())), PageWriteSmsProgram);
}

void Session::writeApn()
{
    Scope scope(*this);
    pageWriteDone(doChecked(SmsCodec::apn(formValues())), PageWriteApn);
}

void Session::writeXml()
{
    Scope scope(*this);
    pageWriteDone(doChecked(SmsCodec::xml(formValues())), PageWriteReport2);
}

void Session::writeCallerIds()
{
    Scope scope(*this);
    pageWriteDone(doChecked(SmsCodec::callerIds(formValues())), PageWriteSettings);
}

void Session::writeDeviceSettings()
{
    Scope scope(*this);
    pageWriteDone(
        doWrite(SettingsCodec::settingsFrameBody(formValues(), model_)), PageWriteSettings);
}

void Session::writeGpsTracker()
{
    Scope scope(*this);
    pageWriteDone(doWrite(SettingsCodec::gpsTrackerBody(formValues(), model_)), PageWriteSettings);
}

void Session::writeGeoAlert()
{
    Scope scope(*this);
    pageWriteDone(doWrite(SettingsCodec::geoAlertBody(formValues())), PageWriteSettings);
}

void Session::writeInactivity()
{
    Scope scope(*this);
    pageWriteDone(doWrite(InactivityCodec::frameBody(formValues())), PageWriteMobility);
}

void Session::writeForbiddenZone()
{
    Scope scope(*this);
    pageWriteDone(doWrite(GeoFenceCodec::forbiddenBody(formValues())), PageWriteGeoFence);
}

void Session::writeFence(int fence, int page)
{
    if (fence < 1 || fence > 3 || page < 0 || page > 2)
        return;
    Scope scope(*this);
    pageWriteDone(doFence(fence, page), PageWriteGeoFence);
}

void Session::addSensor(const QString &paddedId) { sendCommand(SensorCodec::addBody(paddedId)); }

void Session::deleteSensor(const QString &zone) { sendCommand(SensorCodec::removeBody(zone)); }

// ---- report write chain (code 24) ------------------------------------------

void Session::writeReports()
{
    Scope scope(*this);
    // The rows go one per acknowledgement: the page's write ends with the
    // last, and it sends the whole page.
    if (doReportRow(1) == Sent::Yes)
        emit pageWriteSent(PageWriteReport, {});
}

void Session::stepReportWrite()
{
    if (!Answer::isComplete(assembler_.text(), QStringLiteral("<OK> RPT;")))
        return;
    if (++rptWriteIndex_ > model_.destinationCount) {
        rptWriteIndex_ = 0;
        setPending(Command::None);
        notify(Notice::info(Session::tr("Write command success!  ")));
        notify(Notice {}, [this] { emit pageWriteSucceeded(PageWriteReport); });
        return;
    }
    if (doReportRow(rptWriteIndex_) != Sent::Yes) {
        rptWriteIndex_ = 0;
        setPending(Command::None);
    }
}

// ---- Write All (code 38): writeallchain.cpp ----------------------------------

void Session::startWriteAll()
{
    Scope scope(*this);
    writeAll_->start();
}

QStringList Session::writeAllPages() const { return WriteAllChain::pages(model_); }
