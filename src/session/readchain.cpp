#include "session/readchain.h"

#include "protocol/answer.h"
#include "protocol/cfgextract.h"
#include "protocol/geofencecodec.h"
#include "protocol/inactivitycodec.h"
#include "protocol/infocodec.h"
#include "protocol/modeldetect.h"
#include "protocol/oneshot.h"
#include "protocol/reportcodec.h"
#include "protocol/sensorcodec.h"
#include "protocol/settingscodec.h"
#include "protocol/smscodec.h"
#include "protocol/widgetnames.h"

using Command = Session::Command;

namespace {
bool always(const ModelFlags &) { return true; }
bool hasXml(const ModelFlags &m) { return m.t47Family() || m.modelT2; }
bool shortFormat(const ModelFlags &m) { return !m.extendedFormat; }
bool extendedFormat(const ModelFlags &m) { return m.extendedFormat; }
bool variantQO(const ModelFlags &m) { return m.variantQO; }
bool variantKAL(const ModelFlags &m) { return m.variantKAL; }
} // namespace

struct ReadChain::Step
{
    Command code;
    const char *query; // nullptr: no query, the decoder runs at once
    const char *answer; // with the terminator it makes the answer whole
    bool (ReadChain::*decode)(int n);
    Repeat repeat;
    bool (*when)(const ModelFlags &); // for which models the step runs
};

// The read, in order. The version answer decides which rows follow.
const ReadChain::Step ReadChain::Steps[] = {
    // clang-format off
    // command                        query         answer          decoder                         repeat                for
    {Command::ReadVersion,           "VER?:",      "<OK> VER?",    &ReadChain::version,            Repeat::Once,         always},
    {Command::ReadXml,               "XML?:",      "<OK> XML?",    &ReadChain::xml,                Repeat::Once,         hasXml},
    {Command::ReadApn,               "APN?:",      "<OK> APN?",    &ReadChain::apn,                Repeat::Once,         always},
    {Command::ReadCfg,               "CFG?:",      "<OK> CFG?",    &ReadChain::cfg,                Repeat::Once,         shortFormat},
    {Command::ReadCfg1,              "CFG1?:",     "<OK> CFG1?",   &ReadChain::cfg1,               Repeat::Once,         extendedFormat},
    {Command::ReadCfg2,              "CFG2?:",     "<OK> CFG2?",   &ReadChain::cfg2,               Repeat::Once,         extendedFormat},
    {Command::ReadCallerId1,         "CAL?:1",     "<OK> CAL?:1,", &ReadChain::callerId1,          Repeat::Once,         always},
    {Command::ReadCallerId2,         "CAL?:2",     "<OK> CAL?:2,", &ReadChain::callerId2,          Repeat::Once,         always},
    {Command::ReadGeoFence,          "GEOFE?:%1",  "<OK> GEOFE?",  &ReadChain::geoFence,           Repeat::Fences,       always},
    {Command::ReadSensorPage,        "DEV?:%1",    "<OK> DEV?",    &ReadChain::sensorPage,         Repeat::SensorPages,  always},
    {Command::ReadSignal,            "CSQ:",       "<OK> CSQ",     &ReadChain::signal,             Repeat::Once,         always},
    {Command::ReadReport,            "RPT?:%1",    "<OK> RPT",     &ReadChain::reportRow,          Repeat::Destinations, always},
    {Command::None,                  nullptr,      nullptr,        &ReadChain::configurationRead,  Repeat::Once,         always},
    // Last, the INFO answer is not awaited: it fills the page whenever it comes.
    {Command::Information,           "INFO:",      "<OK> INFO:",   &ReadChain::information,        Repeat::Once,         variantQO},
    {Command::ReadInactivityWindow1, "INACTW?:1",  "<OK> INACTW?", &ReadChain::inactivityWindow1,  Repeat::Once,         variantKAL},
    {Command::ReadInactivityWindow2, "INACTW?:2",  "<OK> INACTW?", &ReadChain::inactivityWindow2,  Repeat::Once,         variantKAL},
    // clang-format on
};

namespace {
// A device without the XML function refuses the query; the read goes on.
const QString XmlRefused = QStringLiteral("<ERROR> XML?");

bool isWhole(const ReadChain::Step &step, const QString &text)
{
    return Answer::isComplete(text, QLatin1String(step.answer))
        || (step.code == Command::ReadXml && Answer::isComplete(text, XmlRefused));
}
} // namespace

void ReadChain::start(bool readBack)
{
    readBack_ = readBack;
    if (readBack)
        emit s_.pagesLocked(true);
    plan_ = {{&Steps[0], 0}};
    setRunning(true);
    s_.sensorListText_.clear();
    s_.configurationRead_ = true;
    sendCurrent();
}

// A read started again while it runs is the same read to the listeners.
void ReadChain::setRunning(bool running)
{
    if (running_ == running)
        return;
    running_ = running;
    emit s_.readingChanged(running);
}

bool ReadChain::awaits(Command code) const
{
    return !plan_.isEmpty() && plan_.first().step->code == code;
}

bool ReadChain::onAnswer()
{
    if (plan_.isEmpty())
        return false;
    const Planned current = plan_.first();
    if (!isWhole(*current.step, s_.assembler_.text()))
        return false;
    if (!(this->*current.step->decode)(current.n)) {
        plan_.clear();
        setRunning(false);
        if (readBack_)
            s_.givePagesBack(); // a plain read never locked them
        // The answer of an unsupported model is no acknowledgement either.
        return current.step->code == Command::ReadVersion;
    }
    plan_.removeFirst();
    if (current.step == &Steps[0])
        planAfterVersion();
    advance();
    return false;
}

// Every row after the version that applies to the model, repeats unrolled.
void ReadChain::planAfterVersion()
{
    const ModelFlags &m = s_.model_;
    for (const Step &step : Steps) {
        if (&step == &Steps[0] || !step.when(m))
            continue;
        switch (step.repeat) {
        case Repeat::Once:
            plan_.append({&step, 0});
            break;
        case Repeat::Fences:
            for (int fence = 1; fence == 1 || fence <= m.geoFenceCount; ++fence)
                plan_.append({&step, fence});
            break;
        case Repeat::SensorPages:
            for (int offset = 0; offset <= SensorCodec::LastPageOffset;
                 offset += SensorCodec::PageSize)
                plan_.append({&step, offset});
            break;
        case Repeat::Destinations:
            for (int row = 1; row == 1 || row <= m.destinationCount; ++row)
                plan_.append({&step, row});
            break;
        }
    }
}

void ReadChain::advance()
{
    while (!plan_.isEmpty() && !plan_.first().step->query) {
        const Planned now = plan_.takeFirst();
        (this->*now.step->decode)(now.n);
    }
    if (plan_.isEmpty()) {
        s_.setPending(Command::None);
        finish();
        return;
    }
    if (plan_.size() == 1 && plan_.first().step->code == Command::Information) {
        plan_.clear();
        s_.sendCommand(OneShot::Information);
        s_.setPending(Command::Information);
        finish();
        return;
    }
    sendCurrent();
}

void ReadChain::sendCurrent()
{
    const Planned &current = plan_.first();
    QString query = QLatin1String(current.step->query);
    if (current.step->repeat != Repeat::Once)
        query = query.arg(current.n);
    s_.sendQuery(query, current.step->code);
}

void ReadChain::finish()
{
    emit s_.pagesLocked(false);
    emit s_.reportTypesLocked(false);
    emit s_.readFinished();
    if (!readBack_)
        s_.notify(Notice::info(Session::tr("Read configuration success!")));
}

// ---- decoders ---------------------------------------------------------------

bool ReadChain::version(int)
{
    s_.model_ = detectModel(s_.assembler_.text(), s_.model_);
    emit s_.modelDetected(s_.model_);
    if (s_.model_.supportedModel)
        return true;
    s_.setPending(Command::None);
    // The pages and type lists hold another model's values: no writer may
    // use them until a supported model has been read.
    s_.pagesUnlocked_ = false;
    emit s_.pagesLocked(true);
    emit s_.reportTypesLocked(true);
    s_.notify(Notice::info(Session::tr("T9_W5 or T47 or T41 or T68 only!")));
    return false;
}

bool ReadChain::xml(int)
{
    const QString text = s_.assembler_.text();
    if (Answer::isComplete(text, QStringLiteral("<OK> XML?")))
        s_.emitDecoded(SmsCodec::decodeXml(text));
    return true;
}

bool ReadChain::apn(int)
{
    s_.emitDecoded(SmsCodec::decodeApn(s_.assembler_.text()));
    return true;
}

bool ReadChain::cfg(int) { return cfgKeys(QStringLiteral("CFG?:"), CfgKeys, false); }
bool ReadChain::cfg1(int) { return cfgKeys(QStringLiteral("CFG1?:"), Cfg1Keys, false); }
bool ReadChain::cfg2(int) { return cfgKeys(QStringLiteral("CFG2?:"), Cfg2Keys, true); }

bool ReadChain::cfgKeys(const QString &keyword, const QStringList &keys, bool fromCfg2)
{
    DecodeResult all;
    const auto take = [&all](const DecodeResult &r) {
        all.values.merge(r.values);
        all.notices += r.notices;
    };
    for (const auto &[key, value] : extractCfgKeys(s_.assembler_.text(), keyword, keys)) {
        if (key == QLatin1String("KEYWD")) {
            all.values.merge(SmsCodec::decodeKeyword(value));
        } else if (key == QLatin1String("ACCES")) {
            all.values.merge(SmsCodec::decodeAccessCode(value));
        } else if (key == QLatin1String("INACT")) {
            if (!value.isEmpty())
                take(InactivityCodec::decodeItem(value));
        } else if (key == QLatin1String("FORBID")) {
            if (s_.model_.variantXA) {
                all.values.merge(GeoFenceCodec::decodeForbidden(value));
            } else {
                for (int fence = 1; fence <= WidgetNames::FenceCount; ++fence)
                    all.values.setText(WidgetNames::fenceCaption(fence), Session::tr("Geo fence:"));
            }
        } else {
            take(SettingsCodec::decodeKey(key, value, s_.model_, fromCfg2));
        }
    }
    s_.emitDecoded(all.values, all.notices);
    return true;
}

bool ReadChain::callerId1(int) { return callerId(1); }
bool ReadChain::callerId2(int) { return callerId(2); }

bool ReadChain::callerId(int which)
{
    s_.emitDecoded(SmsCodec::decodeCallerId(s_.assembler_.text(), which));
    return true;
}

bool ReadChain::geoFence(int)
{
    const DecodeResult fence = GeoFenceCodec::decodeFence(s_.assembler_.text(), s_.model_);
    s_.emitDecoded(fence.values, fence.notices);
    return true;
}

// The pages are collected behind a ","; after the last one the list is shown.
bool ReadChain::sensorPage(int offset)
{
    if (offset == 0)
        s_.sensorListText_.clear();
    s_.appendSensorPage();
    if (offset == SensorCodec::LastPageOffset)
        s_.showSensorList(SensorCodec::fromPages(s_.sensorListText_));
    return true;
}

bool ReadChain::signal(int)
{
    s_.showSignal();
    return true;
}

bool ReadChain::reportRow(int row)
{
    const ReportCodec::RowDecode decoded
        = ReportCodec::decodeRow(s_.assembler_.text(), row, s_.model_);
    s_.emitDecoded(decoded.values);
    if (decoded.rowNumber != 0)
        return true;
    // The answer names no row: stop, and say so instead of waiting silently.
    s_.setPending(Command::None);
    s_.notify(Notice::warning(
        Session::tr("Read stopped: the answer to \"RPT?:%1\" names no destination.").arg(row)));
    return false;
}

// Every page is read: the pages are the device's now. What follows (the
// variant pages) comes on top.
bool ReadChain::configurationRead(int)
{
    s_.pagesUnlocked_ = true;
    if (!readBack_)
        emit s_.pagesLocked(false);
    ++s_.completedReads_;
    const ModelFlags &m = s_.model_;
    if (m.variantQO || m.variantKAL)
        emit s_.variantPagesRequested(m.variantQO, m.variantKAL);
    return true;
}

bool ReadChain::information(int)
{
    s_.showInformation();
    return true;
}

bool ReadChain::inactivityWindow1(int) { return inactivityWindow(0); }
bool ReadChain::inactivityWindow2(int) { return inactivityWindow(1); }

bool ReadChain::inactivityWindow(int set)
{
    s_.emitDecoded(InactivityCodec::decodeWindow(s_.assembler_.text(), set));
    return true;
}
