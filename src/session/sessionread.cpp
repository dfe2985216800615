// The read chain, the answers routed by the outstanding query, and the
// sensor list that follows an added or removed sensor.
#include "session.h"

#include "answer.h"
#include "cfgextract.h"
#include "geofencecodec.h"
#include "inactivitycodec.h"
#include "infocodec.h"
#include "link.h"
#include "modeldetect.h"
#include "reportcodec.h"
#include "sensorcodec.h"
#include "settingscodec.h"
#include "smscodec.h"

namespace
{
// The prefix that, together with the terminator, makes an answer complete.
struct AnswerPrefix {
    int code;
    const char *prefix;
};
const AnswerPrefix AnswerPrefixes[] = {
    {Session::ReadVersion, "<OK> VER?"},
    {Session::ReadApn, "<OK> APN?"},
    {Session::ReadInactivityWindow1, "<OK> INACTW?"},
    {Session::ReadInactivityWindow2, "<OK> INACTW?"},
    {Session::ReadXml, "<OK> XML?"},
    {Session::ReadCfg, "<OK> CFG?"},
    {Session::ReadCfg1, "<OK> CFG1?"},
    {Session::ReadCfg2, "<OK> CFG2?"},
    {Session::ReadCallerId1, "<OK> CAL?:1,"},
    {Session::ReadCallerId2, "<OK> CAL?:2,"},
    {Session::ReadReport, "<OK> RPT"},
    {Session::Information, "<OK> INFO:"},
    {Session::ReadGeoFence, "<OK> GEOFE?"},
    {Session::ReadSensorPage, "<OK> DEV?"},
    {Session::ReadSignal, "<OK> CSQ"},
    {Session::SignalStrength, "<OK> CSQ"},
    {Session::RefreshSensors, "<OK> DEV?"},
};

// A device without the XML function refuses the query; the read goes on.
const QString XmlRefused = QStringLiteral("<ERROR> XML?");

bool isComplete(const QString &text, int code)
{
    for (const AnswerPrefix &p : AnswerPrefixes) {
        if (p.code == code)
            return Answer::isComplete(text, QLatin1String(p.prefix)) ||
                   (code == Session::ReadXml && Answer::isComplete(text, XmlRefused));
    }
    return false;
}

constexpr int LastSensorPageOffset = 15;
constexpr int SensorPageSize = 5;
} // namespace

void Session::startRead()
{
    Scope scope(*this);
    if (!link_ || !link_->isOpen()) {
        notify(Notice::info(QStringLiteral("Serial Port is not open! \"Read\"")));
        return;
    }
    sensorListText_.clear();
    configurationRead_ = true;
    sendQuery(QStringLiteral("VER?:"), ReadVersion);
    geoFenceReadIndex_ = 1;
    rptReadIndex_ = 1;
}

bool Session::stepQuery()
{
    if (!isComplete(assembler_.text(), pendingCommand_))
        return false;
    switch (pendingCommand_) {
    case ReadVersion:
        return onVersion();
    case ReadXml:
        onXml();
        break;
    case ReadApn:
        onApn();
        break;
    case ReadCfg:
        onCfg(QStringLiteral("CFG?:"), CfgKeys, false);
        break;
    case ReadCfg1:
        onCfg(QStringLiteral("CFG1?:"), Cfg1Keys, false);
        break;
    case ReadCfg2:
        onCfg(QStringLiteral("CFG2?:"), Cfg2Keys, true);
        break;
    case ReadCallerId1:
        onCallerId(1);
        break;
    case ReadCallerId2:
        onCallerId(2);
        break;
    case ReadGeoFence:
        onGeoFence();
        break;
    case ReadSensorPage:
        onSensorPage(ReadSensorPage);
        break;
    case ReadSignal:
    case SignalStrength:
        onSignal(pendingCommand_);
        break;
    case ReadReport:
        onReportRow();
        break;
    case ReadInactivityWindow1:
        onInactivityWindow(0);
        break;
    case ReadInactivityWindow2:
        onInactivityWindow(1);
        break;
    case Information:
        onInformation();
        break;
    default:
        break;
    }
    return false;
}

bool Session::onVersion()
{
    model_ = detectModel(assembler_.text(), model_);
    emit modelDetected(model_);
    if (!model_.supportedModel) {
        setPending(NoCommand);
        // The pages and type lists hold another model's values: no writer
        // may use them until a supported model has been read.
        pagesUnlocked_ = false;
        emit pagesEnabled(false);
        emit reportTypesEnabled(false);
        notify(Notice::info(QStringLiteral("T9_W5 or T47 or T41 or T68 only!")));
        return true;
    }
    if (model_.t47Family() || model_.modelT2)
        sendQuery(QStringLiteral("XML?:"), ReadXml);
    else
        sendQuery(QStringLiteral("APN?:"), ReadApn);
    return false;
}

void Session::onXml()
{
    const QString text = assembler_.text();
    if (Answer::isComplete(text, QStringLiteral("<OK> XML?")))
        emitDecoded(SmsCodec::decodeXml(text));
    sendQuery(QStringLiteral("APN?:"), ReadApn);
}

void Session::onApn()
{
    emitDecoded(SmsCodec::decodeApn(assembler_.text()));
    if (model_.extendedFormat)
        sendQuery(QStringLiteral("CFG1?:"), ReadCfg1);
    else
        sendQuery(QStringLiteral("CFG?:"), ReadCfg);
}

void Session::onCfg(const QString &keyword, const QStringList &keys, bool fromCfg2)
{
    DecodeResult all;
    const auto take = [&all](const DecodeResult &r) {
        all.values.merge(r.values);
        all.notices += r.notices;
    };
    for (const auto &[key, value] : extractCfgKeys(assembler_.text(), keyword, keys)) {
        if (key == QLatin1String("KEYWD")) {
            all.values.merge(SmsCodec::decodeKeyword(value));
        } else if (key == QLatin1String("ACCES")) {
            all.values.merge(SmsCodec::decodeAccessCode(value));
        } else if (key == QLatin1String("INACT")) {
            if (!value.isEmpty())
                take(InactivityCodec::decodeItem(value));
        } else if (key == QLatin1String("FORBID")) {
            if (model_.variantXA) {
                all.values.merge(GeoFenceCodec::decodeForbidden(value));
            } else {
                for (const char *label : {"label_GF_1", "label_GF_2", "label_GF_3"})
                    all.values.setText(QLatin1String(label), QStringLiteral("Geo fence:"));
            }
        } else {
            take(SettingsCodec::decodeKey(key, value, model_, fromCfg2));
        }
    }
    emitDecoded(all.values, all.notices);
    if (keyword == QLatin1String("CFG1?:"))
        sendQuery(QStringLiteral("CFG2?:"), ReadCfg2);
    else
        sendQuery(QStringLiteral("CAL?:1"), ReadCallerId1);
}

void Session::onCallerId(int which)
{
    emitDecoded(SmsCodec::decodeCallerId(assembler_.text(), which));
    if (which == 1) {
        sendQuery(QStringLiteral("CAL?:2"), ReadCallerId2);
        return;
    }
    sendQuery(QStringLiteral("GEOFE?:%1").arg(geoFenceReadIndex_), ReadGeoFence);
}

void Session::onGeoFence()
{
    const DecodeResult fence = GeoFenceCodec::decodeFence(assembler_.text(), model_);
    emitDecoded(fence.values, fence.notices);
    if (++geoFenceReadIndex_ <= model_.geoFenceCount) {
        sendQuery(QStringLiteral("GEOFE?:%1").arg(geoFenceReadIndex_), ReadGeoFence);
        return;
    }
    sensorPageOffset_ = 0;
    sensorListText_.clear();
    sendQuery(QStringLiteral("DEV?:0"), ReadSensorPage);
}

void Session::appendSensorPage()
{
    const QString entries = SensorCodec::pageEntries(assembler_.text());
    if (!entries.isEmpty())
        sensorListText_ += QLatin1Char(',') + entries;
}

// One page of the paged sensor list, during a read (33) or after an added
// or removed sensor (36). After the last page the list is shown.
void Session::onSensorPage(int code)
{
    appendSensorPage();
    sensorPageOffset_ += SensorPageSize;
    if (sensorPageOffset_ <= LastSensorPageOffset) {
        sendQuery(QStringLiteral("DEV?:%1").arg(sensorPageOffset_), code);
        return;
    }
    const SensorCodec::SensorList list = SensorCodec::fromPages(sensorListText_);
    emit sensorsListed(list.rows);
    for (const Notice &n : list.notices)
        notify(n);
    if (code == ReadSensorPage)
        sendQuery(QStringLiteral("CSQ:"), ReadSignal);
    else
        setPending(NoCommand);
}

void Session::onSignal(int code)
{
    FormValues csq;
    csq.setText(QStringLiteral("label_csq"), InfoCodec::signalDisplay(assembler_.text()));
    emit valuesDecoded(csq);
    assembler_.clear();
    if (code == SignalStrength)
        setPending(NoCommand);
    else
        sendQuery(QStringLiteral("RPT?:%1").arg(rptReadIndex_), ReadReport);
}

void Session::onReportRow()
{
    const ReportCodec::RowDecode row =
        ReportCodec::decodeRow(assembler_.text(), rptReadIndex_, model_);
    emitDecoded(row.values);
    if (row.rowNumber == 0) {
        // The answer names no row: stop, and say so instead of waiting silently.
        setPending(NoCommand);
        notify(Notice::warning(
            QStringLiteral("Read stopped: the answer to \"RPT?:%1\" names no destination.")
                .arg(rptReadIndex_)));
        return;
    }
    if (++rptReadIndex_ <= model_.destinationCount) {
        sendQuery(QStringLiteral("RPT?:%1").arg(rptReadIndex_), ReadReport);
        return;
    }
    endRead();
}

void Session::endRead()
{
    setPending(NoCommand);
    pagesUnlocked_ = true;
    emit pagesEnabled(true);
    ++completedReads_;
    if (model_.variantQO || model_.variantKAL)
        emit variantPagesRequested(model_.variantQO, model_.variantKAL);
    if (model_.variantKAL) {
        // The read ends after the second schedule window. The information
        // query goes first when the variant has one too: the device answers
        // one command at a time.
        windowsAfterInformation_ = model_.variantQO;
        if (model_.variantQO)
            sendQuery(QStringLiteral("INFO:"), Information);
        else
            sendQuery(QStringLiteral("INACTW?:1"), ReadInactivityWindow1);
        return;
    }
    if (model_.variantQO) {
        sendCommand(QStringLiteral("INFO:"));
        setPending(Information);
    }
    finishRead();
}

void Session::finishRead()
{
    emit pagesEnabled(true);
    emit reportTypesEnabled(true);
    emit readFinished();
    notify(Notice::info(QStringLiteral("Read configuration success!")));
}

void Session::onInactivityWindow(int set)
{
    emitDecoded(InactivityCodec::decodeWindow(assembler_.text(), set));
    if (set == 0) {
        sendQuery(QStringLiteral("INACTW?:2"), ReadInactivityWindow2);
        return;
    }
    setPending(NoCommand);
    finishRead();
}

void Session::onInformation()
{
    emitDecoded(InfoCodec::decodeInformation(assembler_.text()));
    assembler_.clear(); // the code stays: a later INFO answer fills the page again
    if (windowsAfterInformation_)
        sendQuery(QStringLiteral("INACTW?:1"), ReadInactivityWindow1);
}

// ---- sensor list after an added or removed sensor --------------------------

void Session::restartSensorList()
{
    if (model_.knownDevice()) {
        sensorPageOffset_ = 0;
        sendQuery(QStringLiteral("DEV?:0"), RefreshSensors);
    } else {
        sendQuery(QStringLiteral("DEV?:"), RefreshSensors); // the whole list at once
    }
    sensorListText_.clear();
}

void Session::stepSensorRefresh()
{
    if (!isComplete(assembler_.text(), RefreshSensors))
        return;
    if (model_.knownDevice()) {
        onSensorPage(RefreshSensors);
        return;
    }
    const SensorCodec::SensorList list = SensorCodec::fromSingleAnswer(assembler_.text());
    setPending(NoCommand);
    emit sensorsListed(list.rows);
    for (const Notice &n : list.notices)
        notify(n);
}
