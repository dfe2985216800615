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

using Command = Session::Command;

namespace
{
// The prefix that, together with the terminator, makes an answer complete.
struct AnswerPrefix {
    Session::Command code;
    const char *prefix;
};
const AnswerPrefix AnswerPrefixes[] = {
    {Command::ReadVersion, "<OK> VER?"},
    {Command::ReadApn, "<OK> APN?"},
    {Command::ReadInactivityWindow1, "<OK> INACTW?"},
    {Command::ReadInactivityWindow2, "<OK> INACTW?"},
    {Command::ReadXml, "<OK> XML?"},
    {Command::ReadCfg, "<OK> CFG?"},
    {Command::ReadCfg1, "<OK> CFG1?"},
    {Command::ReadCfg2, "<OK> CFG2?"},
    {Command::ReadCallerId1, "<OK> CAL?:1,"},
    {Command::ReadCallerId2, "<OK> CAL?:2,"},
    {Command::ReadReport, "<OK> RPT"},
    {Command::Information, "<OK> INFO:"},
    {Command::ReadGeoFence, "<OK> GEOFE?"},
    {Command::ReadSensorPage, "<OK> DEV?"},
    {Command::ReadSignal, "<OK> CSQ"},
    {Command::SignalStrength, "<OK> CSQ"},
    {Command::RefreshSensors, "<OK> DEV?"},
};

// A device without the XML function refuses the query; the read goes on.
const QString XmlRefused = QStringLiteral("<ERROR> XML?");

bool isComplete(const QString &text, Session::Command code)
{
    for (const AnswerPrefix &p : AnswerPrefixes) {
        if (p.code == code)
            return Answer::isComplete(text, QLatin1String(p.prefix))
                || (code == Command::ReadXml && Answer::isComplete(text, XmlRefused));
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
    sendQuery(QStringLiteral("VER?:"), Command::ReadVersion);
    geoFenceReadIndex_ = 1;
    rptReadIndex_ = 1;
}

bool Session::stepQuery()
{
    if (!isComplete(assembler_.text(), pendingCommand_))
        return false;
    switch (pendingCommand_) {
    case Command::ReadVersion:
        return onVersion();
    case Command::ReadXml:
        onXml();
        break;
    case Command::ReadApn:
        onApn();
        break;
    case Command::ReadCfg:
        onCfg(QStringLiteral("CFG?:"), CfgKeys, false);
        break;
    case Command::ReadCfg1:
        onCfg(QStringLiteral("CFG1?:"), Cfg1Keys, false);
        break;
    case Command::ReadCfg2:
        onCfg(QStringLiteral("CFG2?:"), Cfg2Keys, true);
        break;
    case Command::ReadCallerId1:
        onCallerId(1);
        break;
    case Command::ReadCallerId2:
        onCallerId(2);
        break;
    case Command::ReadGeoFence:
        onGeoFence();
        break;
    case Command::ReadSensorPage:
        onSensorPage(Command::ReadSensorPage);
        break;
    case Command::ReadSignal:
    case Command::SignalStrength:
        onSignal(pendingCommand_);
        break;
    case Command::ReadReport:
        onReportRow();
        break;
    case Command::ReadInactivityWindow1:
        onInactivityWindow(0);
        break;
    case Command::ReadInactivityWindow2:
        onInactivityWindow(1);
        break;
    case Command::Information:
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
        setPending(Command::None);
        // The pages and type lists hold another model's values: no writer
        // may use them until a supported model has been read.
        pagesUnlocked_ = false;
        emit pagesLocked(true);
        emit reportTypesLocked(true);
        notify(Notice::info(QStringLiteral("T9_W5 or T47 or T41 or T68 only!")));
        return true;
    }
    if (model_.t47Family() || model_.modelT2)
        sendQuery(QStringLiteral("XML?:"), Command::ReadXml);
    else
        sendQuery(QStringLiteral("APN?:"), Command::ReadApn);
    return false;
}

void Session::onXml()
{
    const QString text = assembler_.text();
    if (Answer::isComplete(text, QStringLiteral("<OK> XML?")))
        emitDecoded(SmsCodec::decodeXml(text));
    sendQuery(QStringLiteral("APN?:"), Command::ReadApn);
}

void Session::onApn()
{
    emitDecoded(SmsCodec::decodeApn(assembler_.text()));
    if (model_.extendedFormat)
        sendQuery(QStringLiteral("CFG1?:"), Command::ReadCfg1);
    else
        sendQuery(QStringLiteral("CFG?:"), Command::ReadCfg);
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
        sendQuery(QStringLiteral("CFG2?:"), Command::ReadCfg2);
    else
        sendQuery(QStringLiteral("CAL?:1"), Command::ReadCallerId1);
}

void Session::onCallerId(int which)
{
    emitDecoded(SmsCodec::decodeCallerId(assembler_.text(), which));
    if (which == 1) {
        sendQuery(QStringLiteral("CAL?:2"), Command::ReadCallerId2);
        return;
    }
    sendQuery(QStringLiteral("GEOFE?:%1").arg(geoFenceReadIndex_), Command::ReadGeoFence);
}

void Session::onGeoFence()
{
    const DecodeResult fence = GeoFenceCodec::decodeFence(assembler_.text(), model_);
    emitDecoded(fence.values, fence.notices);
    if (++geoFenceReadIndex_ <= model_.geoFenceCount) {
        sendQuery(QStringLiteral("GEOFE?:%1").arg(geoFenceReadIndex_), Command::ReadGeoFence);
        return;
    }
    sensorPageOffset_ = 0;
    sensorListText_.clear();
    sendQuery(QStringLiteral("DEV?:0"), Command::ReadSensorPage);
}

void Session::appendSensorPage()
{
    const QString entries = SensorCodec::pageEntries(assembler_.text());
    if (!entries.isEmpty())
        sensorListText_ += QLatin1Char(',') + entries;
}

// One page of the paged sensor list, during a read (33) or after an added
// or removed sensor (36). After the last page the list is shown.
void Session::onSensorPage(Command code)
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
    if (code == Command::ReadSensorPage)
        sendQuery(QStringLiteral("CSQ:"), Command::ReadSignal);
    else
        setPending(Command::None);
}

void Session::onSignal(Command code)
{
    FormValues csq;
    csq.setText(QStringLiteral("label_csq"), InfoCodec::signalDisplay(assembler_.text()));
    emit valuesDecoded(csq);
    assembler_.clear();
    if (code == Command::SignalStrength)
        setPending(Command::None);
    else
        sendQuery(QStringLiteral("RPT?:%1").arg(rptReadIndex_), Command::ReadReport);
}

void Session::onReportRow()
{
    const ReportCodec::RowDecode row =
        ReportCodec::decodeRow(assembler_.text(), rptReadIndex_, model_);
    emitDecoded(row.values);
    if (row.rowNumber == 0) {
        // The answer names no row: stop, and say so instead of waiting silently.
        setPending(Command::None);
        notify(Notice::warning(
            QStringLiteral("Read stopped: the answer to \"RPT?:%1\" names no destination.")
                .arg(rptReadIndex_)));
        return;
    }
    if (++rptReadIndex_ <= model_.destinationCount) {
        sendQuery(QStringLiteral("RPT?:%1").arg(rptReadIndex_), Command::ReadReport);
        return;
    }
    endRead();
}

void Session::endRead()
{
    setPending(Command::None);
    pagesUnlocked_ = true;
    emit pagesLocked(false);
    ++completedReads_;
    if (model_.variantQO || model_.variantKAL)
        emit variantPagesRequested(model_.variantQO, model_.variantKAL);
    if (model_.variantKAL) {
        // The read ends after the second schedule window. The information
        // query goes first when the variant has one too: the device answers
        // one command at a time.
        windowsAfterInformation_ = model_.variantQO;
        if (model_.variantQO)
            sendQuery(QStringLiteral("INFO:"), Command::Information);
        else
            sendQuery(QStringLiteral("INACTW?:1"), Command::ReadInactivityWindow1);
        return;
    }
    if (model_.variantQO) {
        sendCommand(QStringLiteral("INFO:"));
        setPending(Command::Information);
    }
    finishRead();
}

void Session::finishRead()
{
    emit pagesLocked(false);
    emit reportTypesLocked(false);
    emit readFinished();
    notify(Notice::info(QStringLiteral("Read configuration success!")));
}

void Session::onInactivityWindow(int set)
{
    emitDecoded(InactivityCodec::decodeWindow(assembler_.text(), set));
    if (set == 0) {
        sendQuery(QStringLiteral("INACTW?:2"), Command::ReadInactivityWindow2);
        return;
    }
    setPending(Command::None);
    finishRead();
}

void Session::onInformation()
{
    emitDecoded(InfoCodec::decodeInformation(assembler_.text()));
    assembler_.clear(); // the code stays: a later INFO answer fills the page again
    if (windowsAfterInformation_)
        sendQuery(QStringLiteral("INACTW?:1"), Command::ReadInactivityWindow1);
}

// ---- sensor list after an added or removed sensor --------------------------

void Session::restartSensorList()
{
    if (model_.knownDevice()) {
        sensorPageOffset_ = 0;
        sendQuery(QStringLiteral("DEV?:0"), Command::RefreshSensors);
    } else {
        sendQuery(QStringLiteral("DEV?:"), Command::RefreshSensors); // the whole list at once
    }
    sensorListText_.clear();
}

void Session::stepSensorRefresh()
{
    if (!isComplete(assembler_.text(), Command::RefreshSensors))
        return;
    if (model_.knownDevice()) {
        onSensorPage(Command::RefreshSensors);
        return;
    }
    const SensorCodec::SensorList list = SensorCodec::fromSingleAnswer(assembler_.text());
    setPending(Command::None);
    emit sensorsListed(list.rows);
    for (const Notice &n : list.notices)
        notify(n);
}
