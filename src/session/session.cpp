#include "session/session.h"

#include <utility>

#include "protocol/acknowledgement.h"
#include "protocol/answer.h"
#include "protocol/frame.h"
#include "serial/link.h"
#include "session/readchain.h"
#include "session/restartcountdown.h"
#include "session/upgradechain.h"
#include "session/writeallchain.h"

using Command = Session::Command;

namespace {
QString chainName(Session::Command code)
{
    switch (code) {
    case Command::WriteReport:
        return Session::tr("Report write");
    case Command::RefreshSensors:
        return Session::tr("Sensor list");
    case Command::WriteAll:
        return Session::tr("Write All");
    default:
        return Session::tr("Read");
    }
}

QString bodyOf(const QByteArray &frame)
{
    QString text = QString::fromLatin1(frame);
    if (text.startsWith(Frame::Head))
        text.remove(0, Frame::Head.size());
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}
} // namespace

Session::Session(Link *link, QObject *parent)
    : QObject(parent), link_(link), readChain_(std::make_unique<ReadChain>(*this)),
      writeAll_(std::make_unique<WriteAllChain>(*this)),
      upgrade_(std::make_unique<UpgradeChain>(*this)),
      restart_(std::make_unique<RestartCountdown>(*this))
{
    dispatchTimer_.setSingleShot(true);
    dispatchTimer_.setInterval(0);
    answerTimer_.setSingleShot(true);
    connect(&dispatchTimer_, &QTimer::timeout, this, &Session::dispatch);
    connect(&answerTimer_, &QTimer::timeout, this, &Session::onAnswerTimeout);
    if (link_) {
        connect(link_, &Link::chunkReceived, this, &Session::onChunk);
        connect(link_, &Link::linkLost, this, &Session::onLinkLost);
    }
}

Session::~Session() = default;

void Session::setFormSource(std::function<FormValues()> source) { formSource_ = std::move(source); }

void Session::setRadiusUndoSource(std::function<QString(int)> source)
{
    radiusUndoSource_ = std::move(source);
}

void Session::setTimings(const Timings &timings) { timings_ = timings; }

int Session::restartCountdown() const { return restart_->secondsLeft(); }

bool Session::isCountingDown() const { return restart_->isCounting(); }

bool Session::isRestarting() const { return restart_->isRestarting(); }

bool Session::isBusy() const { return chainWaits() || upgrade_->isActive(); }

bool Session::canWriteAll() const { return link_ && link_->isOpen(); }

QString Session::writeAllRunning()
{
    return Session::tr("Write All is still writing the device; wait until it has finished.");
}

QString Session::writeAllRefusal() const
{
    if (isWritingAll())
        return writeAllRunning();
    if (!canWriteAll())
        return Session::tr("Serial Port is not open! \"Write All\"");
    if (!pagesUnlocked_)
        return Session::tr("Read the configuration of a supported device first! \"Write All\"");
    return QString();
}

// A chain waits for an answer and gives up when none comes.
bool Session::chainWaits() const
{
    return isChainCode(pendingCommand_)
        || (pendingCommand_ == Command::Information && readChain_->awaits(Command::Information));
}

bool Session::isChainCode(Command code)
{
    switch (code) {
    case Command::ReadVersion:
    case Command::ReadApn:
    case Command::ReadInactivityWindow1:
    case Command::ReadInactivityWindow2:
    case Command::ReadXml:
    case Command::ReadCfg:
    case Command::ReadCfg1:
    case Command::ReadCfg2:
    case Command::ReadCallerId1:
    case Command::ReadCallerId2:
    case Command::ReadReport:
    case Command::ReadGeoFence:
    case Command::ReadSensorPage:
    case Command::ReadSignal:
    case Command::WriteReport:
    case Command::RefreshSensors:
    case Command::WriteAll:
        return true;
    default:
        return false;
    }
}

// ---- sending -------------------------------------------------------------

void Session::sendCommand(const QString &body)
{
    const QByteArray frame = Frame::command(body);
    emit logLine(QString::fromLatin1(frame));
    staleFilter_.commandSent(body);
    assembler_.clear();
    pageWriteAwaited_.clear(); // a page writer names its page after sending
    errorReported_ = false;
    if (link_)
        link_->send(frame); // a closed link drops the bytes
    lastCommandFrame_ = frame;
}

// Every code change goes through here so the answer timer follows the chains.
void Session::setPending(Command code)
{
    pendingCommand_ = code;
    // Another command took over from the read, or it ended.
    if (!readChain_->awaits(code))
        readChain_->abandon();
    if (!chainWaits()) {
        answerTimer_.stop();
        return;
    }
    lastChainBody_ = bodyOf(lastCommandFrame_);
    answerTimer_.start(restart_->isCounting() ? timings_.restartAnswerMs : timings_.answerMs);
}

void Session::sendQuery(const QString &body, Command code)
{
    sendCommand(body);
    setPending(code);
}

bool Session::portGuard()
{
    if (link_ && link_->isOpen())
        return true;
    notify(Notice::info(Session::tr("Port not opened!")));
    return false;
}

bool Session::sendGuarded(const QString &body)
{
    if (!portGuard())
        return false;
    sendCommand(body);
    return true;
}

FormValues Session::formValues() const
{
    FormValues values = formSource_ ? formSource_() : FormValues();
    if (depth_ > 0) {
        if (!formReads_)
            formReads_ = std::make_shared<QSet<QString>>();
        values.logReadsTo(formReads_);
    }
    return values;
}

void Session::emitDecoded(const FormValues &values, const QList<Notice> &notices)
{
    if (!values.isEmpty())
        emit valuesDecoded(values);
    for (const Notice &n : notices)
        notify(n);
}

void Session::notify(const Notice &notice, std::function<void()> after)
{
    queued_.append({notice, std::move(after)});
    if (depth_ == 0)
        flushNotices();
}

void Session::flushNotices()
{
    // A nested flush (from a modal box's event loop) takes over the rest of
    // the queue, so every notice is shown once and in order.
    while (!queued_.isEmpty()) {
        const Queued item = queued_.takeFirst();
        if (!item.notice.text.isEmpty())
            emit noticeRaised(item.notice);
        if (item.after) {
            Scope scope(*this);
            item.after();
        }
    }
}

// ---- reception and dispatch ----------------------------------------------

void Session::onChunk(const QByteArray &chunk)
{
    emit logLine(QString::fromLatin1(chunk));
    upgrade_->onBytes();
    const QByteArray fresh = staleFilter_.filter(chunk);
    if (fresh.isEmpty())
        return;
    assembler_.append(fresh);
    // Every answer ends its line: a chunk that ends one is acted on at once,
    // so the next command leaves without waiting for another pass of the
    // event loop. Pieces of a line wait for that pass, as several chunks
    // arriving in one pass did.
    if (fresh.endsWith('\n') && !dispatching_) {
        dispatchTimer_.stop();
        dispatch();
        return;
    }
    dispatchTimer_.start();
}

void Session::dispatch()
{
    if (dispatching_) {
        dispatchAgain_ = true;
        return;
    }
    Scope scope(*this);
    dispatching_ = true;
    // Every answer is one line: an acknowledgement is acted on once its line
    // is whole, or the tail of a multi-item acknowledgement arriving later
    // would be taken for a second one.
    if (!runStep() && assembler_.text().contains(QLatin1String("\r\n")))
        handleAcknowledgement();
    dispatching_ = false;
    if (dispatchAgain_) {
        dispatchAgain_ = false;
        dispatchTimer_.start();
    }
}

bool Session::runStep()
{
    switch (pendingCommand_) {
    case Command::UpgradeAnnounce:
    case Command::UpgradeBlock:
        return upgrade_->onAnswer();
    case Command::WriteReport:
        stepReportWrite();
        return false;
    case Command::RefreshSensors:
        stepSensorRefresh();
        return false;
    case Command::WriteAll:
        writeAll_->onAnswer();
        // The chain acts on whole answer lines only; the table must not take
        // an acknowledgement still arriving in pieces and empty it first.
        return pendingCommand_ == Command::WriteAll
            && !assembler_.text().contains(QLatin1String("\r\n"));
    case Command::SignalStrength:
        stepSignalStrength();
        return false;
    case Command::Information:
        if (readChain_->awaits(Command::Information))
            break;
        stepInformation();
        return false;
    default:
        break;
    }
    return readChain_->awaits(pendingCommand_) && readChain_->onAnswer();
}

void Session::handleAcknowledgement()
{
    const AckOutcome outcome = classifyAcknowledgement(assembler_.text(), lastCommandFrame_);
    switch (outcome.kind) {
    case AckKind::None:
    case AckKind::SignalStrength: // shown by the CSQ step
        return;
    case AckKind::DeviceAdded:
    case AckKind::DeviceRemoved:
        restartSensorList();
        notify(outcome.notice);
        break;
    case AckKind::RebootDevice:
    case AckKind::RebootGsm:
    case AckKind::FactoryReset:
    case AckKind::FactoryMode: {
        restart_->setRestarting(true);
        emit pagesLocked(true);
        assembler_.clear();
        restart_->expect(RestartCountdown::Then::Read);
        restart_->start(CountdownSeconds);
        notify(outcome.notice);
        break;
    }
    case AckKind::GeoFenceRange:
    case AckKind::WriteError:
        // More text behind an error already shown must not show it again.
        if (errorReported_)
            return;
        errorReported_ = true;
        pageWriteAwaited_.clear();
        // A refused write ends the write chains.
        if (pendingCommand_ == Command::WriteAll) {
            rptWriteIndex_ = 0;
            setPending(Command::None);
            givePagesBack();
        } else if (pendingCommand_ == Command::WriteReport) {
            rptWriteIndex_ = 0;
            setPending(Command::None);
        } else if (chainWaits()) {
            // A refused query ends its chain at once: no answer follows, and
            // no write failed.
            const Command code = pendingCommand_;
            const QString body = lastChainBody_;
            setPending(Command::None);
            givePagesBack();
            notify(Notice::warning(
                Session::tr("The device refused \"%1\". %2 stopped.").arg(body, chainName(code))));
            break;
        }
        notify(outcome.notice);
        break;
    case AckKind::ForbiddenZone:
        emit valuesDecoded(outcome.values);
        if (const QString page = std::exchange(pageWriteAwaited_, QString()); !page.isEmpty())
            emit pageWriteSucceeded(page);
        break;
    case AckKind::WriteSuccess:
        if (const QString page = std::exchange(pageWriteAwaited_, QString()); !page.isEmpty())
            notify(outcome.notice, [this, page] { emit pageWriteSucceeded(page); });
        else
            notify(outcome.notice);
        break;
    }
    if (outcome.clearReceived)
        assembler_.clear();
}

// ---- time-outs -------------------------------------------------------------

// The device restarts: a chain still waiting gets the longer patience.
void Session::restartStarted()
{
    if (answerTimer_.isActive())
        answerTimer_.start(timings_.restartAnswerMs);
}

void Session::onAnswerTimeout()
{
    if (!chainWaits())
        return;
    Scope scope(*this);
    const Command code = pendingCommand_;
    const QString body = lastChainBody_;
    stopWaitingChain();
    // Pages locked by Write All come back; pages that no read has unlocked
    // stay locked.
    givePagesBack();
    notify(Notice::warning(
        Session::tr("The device did not answer \"%1\". %2 stopped.").arg(body, chainName(code))));
}

// Ends the chain that waits for an answer; its answer, should it still come,
// is dropped instead of being taken for the next command's answer.
void Session::stopWaitingChain()
{
    if (!chainWaits())
        return;
    staleFilter_.arm(lastChainBody_);
    rptWriteIndex_ = 0;
    setPending(Command::None);
}

// The pages and the report type selectors, unless no read has unlocked them
// or a restart still holds them.
void Session::givePagesBack()
{
    if (!pagesUnlocked_ || restart_->isCounting())
        return;
    emit pagesLocked(false);
    emit reportTypesLocked(false);
}

void Session::portClosed()
{
    Scope scope(*this);
    // The next device on this port may be another model.
    pagesUnlocked_ = false;
    stopWaitingChain();
    upgrade_->portClosed();
    if (restart_->isDeviceAway())
        restart_->giveUp(); // the user gave up waiting for it
}

void Session::onLinkLost()
{
    // An acknowledgement still waiting for its dispatch decides whether the
    // device restarts: it leaves the bus right after sending it.
    if (dispatchTimer_.isActive()) {
        dispatchTimer_.stop();
        dispatch();
    }
    if (!restart_->isRestarting() || upgrade_->isActive()) {
        portClosed();
        return;
    }
    // The same device comes back: the model read stays, the pages stay locked
    // by the restart.
    Scope scope(*this);
    stopWaitingChain();
    restart_->deviceLeft();
}

bool Session::awaitsDeviceBack() const { return restart_->isDeviceAway(); }

void Session::linkReopened()
{
    Scope scope(*this);
    restart_->deviceBack();
}

void Session::deviceStayedAway()
{
    Scope scope(*this);
    restart_->giveUp();
    pagesUnlocked_ = false; // the port is closed; the next open reads afresh
}

// ---- firmware upgrade: upgradechain.cpp -----------------------------------

bool Session::loadFirmware(const QByteArray &image) { return upgrade_->loadImage(image); }

bool Session::loadFirmwareFile(const QString &path) { return upgrade_->loadFile(path); }

void Session::startUpgrade() { upgrade_->start(); }

bool Session::isUpgrading() const { return upgrade_->isActive(); }

bool Session::canStartUpgrade() const { return upgrade_->canStart(); }

int Session::upgradeErrorTotal() const { return upgrade_->errorTotal(); }
