// Page writers, the report write chain and Write All.
#include "session.h"

#include "acknowledgement.h"
#include "answer.h"
#include "geofencecodec.h"
#include "inactivitycodec.h"
#include "reportcodec.h"
#include "sensorcodec.h"
#include "settingscodec.h"
#include "smscodec.h"

using Next = Session::WriteAllNext;

// One row of a Write All branch: when the answer holds `ack` (and the
// report/fence step matches), show `progress` and send the `next` write.
struct Session::WriteAllRow {
    const char *ack;
    int rptIndex;  // rptWriteIndex the row applies to, Any for every value
    int fenceStep; // geoFenceWriteStep the row applies to, Any for every value
    int progress;
    Next next;
    int arg; // report row or fence number
};

namespace
{
constexpr int Any = -1;
using Row = Session::WriteAllRow;

const Row BaseStationRows[] = {
    {"<OK> ACCES", Any, Any, 10, Next::Apn, 0},  {"<OK> APN", Any, Any, 10, Next::Report, 1},
    {"<OK> RPT", 1, Any, 20, Next::Report, 2},   {"<OK> RPT", 2, Any, 30, Next::Report, 3},
    {"<OK> RPT", 3, Any, 40, Next::Report, 4},   {"<OK> RPT", 4, Any, 50, Next::Report, 5},
    {"<OK> RPT", 5, Any, 60, Next::Xml, 0},      {"<OK> XML", Any, Any, 70, Next::Settings, 0},
    {"<OK> BTNEV", Any, Any, 100, Next::End, 0},
};

// T47, T37, T6_QX, T6_QX_P9, T35 and T9.
const Row T47FamilyRows[] = {
    {"<OK> ACCES", Any, Any, 10, Next::Apn, 0},
    {"<OK> APN", Any, Any, 7, Next::Report, 1},
    {"<OK> RPT", 1, Any, 14, Next::Report, 2},
    {"<OK> RPT", 2, Any, 21, Next::Report, 3},
    {"<OK> RPT", 3, Any, 28, Next::Report, 4},
    {"<OK> RPT", 4, Any, 35, Next::Report, 5},
    {"<OK> RPT", 5, Any, 42, Next::Xml, 0},
    {"<OK> XML", Any, Any, 70, Next::Settings, 0},
    {"<OK> BTNEV", Any, Any, 77, Next::GpsTracker, 0},
    {"<OK> GEOTR", Any, Any, 84, Next::CallerIds, 0},
    {"<OK> CALID", Any, Any, 100, Next::End, 0},
};

const Row T2Rows[] = {
    {"<OK> ACCES", Any, Any, 10, Next::Apn, 0},
    {"<OK> APN", Any, Any, 7, Next::Report, 1},
    {"<OK> RPT", 1, Any, 14, Next::Report, 2},
    {"<OK> RPT", 2, Any, 21, Next::Report, 3},
    {"<OK> RPT", 3, Any, 28, Next::Report, 4},
    {"<OK> RPT", 4, Any, 35, Next::Report, 5},
    {"<OK> RPT", 5, Any, 42, Next::Xml, 0},
    {"<OK> XML", Any, Any, 49, Next::Fence, 1},
    {"<OK> GEOFE", Any, 1, 56, Next::Fence, 2},
    {"<OK> GEOFE", Any, 2, 63, Next::Fence, 3},
    {"<OK> GEOFE", Any, 3, 70, Next::Settings, 0},
    {"<OK> BTNEV", Any, Any, 77, Next::GpsTracker, 0},
    {"<OK> GEOTR", Any, Any, 84, Next::CallerIds, 0},
    {"<OK> CALID", Any, Any, 100, Next::End, 0},
};

// Every other model, also a device whose version was never read.
const Row OtherRows[] = {
    {"<OK> ACCES", Any, Any, 10, Next::Apn, 0},
    {"<OK> APN", Any, Any, 11, Next::Report, 1},
    {"<OK> RPT", 1, Any, 22, Next::Report, 2},
    {"<OK> RPT", 2, Any, 33, Next::Report, 3},
    {"<OK> RPT", 3, Any, 44, Next::Report, 4},
    {"<OK> RPT", 4, Any, 55, Next::Fence, 1},
    {"<OK> GEOFE", Any, Any, 66, Next::Settings, 0},
    {"<OK> BTNEV", Any, Any, 77, Next::GpsTracker, 0},
    {"<OK> GEOTR", Any, Any, 88, Next::CallerIds, 0},
    {"<OK> CALID", Any, Any, 100, Next::End, 0},
};

struct Branch {
    const Row *begin;
    const Row *end;
};

Branch branchFor(const ModelFlags &m)
{
    if (m.baseStation)
        return {std::begin(BaseStationRows), std::end(BaseStationRows)};
    if (m.t47Family())
        return {std::begin(T47FamilyRows), std::end(T47FamilyRows)};
    if (m.modelT2)
        return {std::begin(T2Rows), std::end(T2Rows)};
    return {std::begin(OtherRows), std::end(OtherRows)};
}

// The tab that holds the values of each write, for the message when one is refused.
QString pageOf(Next next)
{
    switch (next) {
    case Next::Apn:
        return QStringLiteral("APN");
    case Next::Report:
        return QStringLiteral("Report");
    case Next::Xml:
        return QStringLiteral("Report2");
    case Next::Fence:
        return QStringLiteral("Geo-fence");
    default:
        return QStringLiteral("Settings");
    }
}

const QString SmsProgramPage = QStringLiteral("SMS Program");
} // namespace

// ---- page writers ----------------------------------------------------------

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
    const GeoFenceCodec::FenceWrite write =
        GeoFenceCodec::fenceBody(fence, page, formValues(), model_, lastGood);
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
    const int page = formValues().index(QStringLiteral("comboBox_geo_type_%1_0").arg(fence));
    if (page < 0 || page > 2)
        return Sent::Refused;
    return doFence(fence, page);
}

void Session::writeKeywordAccess()
{
    Scope scope(*this);
    doChecked(SmsCodec::keywordAccess(formValues()));
}

void Session::writeApn()
{
    Scope scope(*this);
    doChecked(SmsCodec::apn(formValues()));
}

void Session::writeXml()
{
    Scope scope(*this);
    doChecked(SmsCodec::xml(formValues()));
}

void Session::writeCallerIds()
{
    Scope scope(*this);
    doChecked(SmsCodec::callerIds(formValues()));
}

void Session::writeDeviceSettings()
{
    Scope scope(*this);
    doWrite(SettingsCodec::settingsFrameBody(formValues(), model_));
}

void Session::writeGpsTracker()
{
    Scope scope(*this);
    doWrite(SettingsCodec::gpsTrackerBody(formValues(), model_));
}

void Session::writeGeoAlert()
{
    Scope scope(*this);
    doWrite(SettingsCodec::geoAlertBody(formValues()));
}

void Session::writeInactivity()
{
    Scope scope(*this);
    doWrite(InactivityCodec::frameBody(formValues()));
}

void Session::writeForbiddenZone()
{
    Scope scope(*this);
    doWrite(GeoFenceCodec::forbiddenBody(formValues()));
}

void Session::writeFence(int fence, int page)
{
    if (fence < 1 || fence > 3 || page < 0 || page > 2)
        return;
    Scope scope(*this);
    doFence(fence, page);
}

void Session::addSensor(const QString &paddedId) { sendCommand(SensorCodec::addBody(paddedId)); }

void Session::deleteSensor(const QString &zone) { sendCommand(SensorCodec::removeBody(zone)); }

// ---- report write chain (code 24) ------------------------------------------

void Session::writeReports()
{
    Scope scope(*this);
    doReportRow(1);
}

void Session::stepReportWrite()
{
    if (!Answer::isComplete(assembler_.text(), QStringLiteral("<OK> RPT;")))
        return;
    if (++rptWriteIndex_ > model_.destinationCount) {
        rptWriteIndex_ = 0;
        setPending(Command::None);
        notify(Notice::info(QStringLiteral("Write command success!  ")));
        return;
    }
    if (doReportRow(rptWriteIndex_) != Sent::Yes) {
        rptWriteIndex_ = 0;
        setPending(Command::None);
    }
}

// ---- Write All (code 38) -----------------------------------------------------

void Session::startWriteAll()
{
    Scope scope(*this);
    const QString refusal = writeAllRefusal();
    if (!refusal.isEmpty()) {
        notify(Notice::info(refusal));
        return;
    }
    emit pagesLocked(true);
    rptWriteIndex_ = 0;
    geoFenceWriteStep_ = 0;
    const Sent sent = doChecked(SmsCodec::keywordAccess(formValues()));
    if (sent != Sent::Yes) {
        stopWriteAll(sent, SmsProgramPage);
        return;
    }
    setPending(Command::WriteAll);
}

void Session::stepWriteAll()
{
    const QString text = assembler_.text();
    if (!text.contains(Answer::Terminator))
        return;
    // An answer that refuses any item is no success, even when it also
    // acknowledges the item a row waits for: the acknowledgement table ends
    // the chain with the error warning.
    const AckKind kind = classifyAcknowledgement(text, lastCommandFrame_).kind;
    if (kind == AckKind::WriteError || kind == AckKind::GeoFenceRange)
        return;
    const Branch branch = branchFor(model_);
    for (const Row *row = branch.begin; row != branch.end; ++row) {
        if (text.contains(QLatin1String(row->ack)) &&
            (row->rptIndex == Any || row->rptIndex == rptWriteIndex_) &&
            (row->fenceStep == Any || row->fenceStep == geoFenceWriteStep_)) {
            runWriteAllRow(*row);
            return;
        }
    }
}

void Session::runWriteAllRow(const WriteAllRow &row)
{
    assembler_.clear();
    emit progressChanged(row.progress);
    if (row.next != Next::Report)
        rptWriteIndex_ = 0;
    geoFenceWriteStep_ = row.next == Next::Fence ? row.arg : 0;

    const FormValues v = formValues();
    Sent sent = Sent::Yes;
    switch (row.next) {
    case Next::Apn:
        sent = doChecked(SmsCodec::apn(v));
        break;
    case Next::Report:
        sent = doReportRow(row.arg);
        break;
    case Next::Xml:
        sent = doChecked(SmsCodec::xml(v));
        break;
    case Next::Fence:
        sent = doFenceByType(row.arg);
        break;
    case Next::Settings:
        sent = doWrite(SettingsCodec::settingsFrameBody(v, model_));
        break;
    case Next::GpsTracker:
        sent = doWrite(SettingsCodec::gpsTrackerBody(v, model_));
        break;
    case Next::CallerIds:
        sent = doChecked(SmsCodec::callerIds(v));
        break;
    case Next::End:
        setPending(Command::None);
        emit pagesLocked(false);
        notify(Notice::info(QStringLiteral("Write all configuration success!")));
        return;
    }
    if (sent == Sent::Yes)
        setPending(Command::WriteAll);
    else
        stopWriteAll(sent, pageOf(row.next));
}

// A write that could not go out ends Write All instead of leaving it waiting
// with the pages locked.
void Session::stopWriteAll(Sent why, const QString &page)
{
    rptWriteIndex_ = 0;
    geoFenceWriteStep_ = 0;
    setPending(Command::None);
    emit pagesLocked(false);
    if (why == Sent::Refused)
        notify(Notice::info(
            QStringLiteral("Write All stopped: check the value on the \"%1\" page.").arg(page)));
}
