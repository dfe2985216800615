#include "cli/devicejob.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "profiles/backupstore.h"
#include "profiles/profileformat.h"
#include "protocol/widgetnames.h"
#include "serial/manageserialport.h"
#include "serial/portnames.h"
#include "session/session.h"

namespace Cli {
namespace {

const QString ReadSuccess = QStringLiteral("Read configuration success!");
const QString WriteAllSuccess = QStringLiteral("Write all configuration success!");
const QString UpgradeFinished = QStringLiteral("MG Upgrade Finish. Please wait 30 seconds!");
const QString SignalName = QStringLiteral("label_csq");
// Roughly the answers of a read, for the progress line.
constexpr int AnswersOfARead = 16;

const QRegularExpression &errorAnswer()
{
    static const QRegularExpression re(
        QStringLiteral("<(?:ERROR|ERREUR|Fehler|FOUT)>\\s*([A-Za-z0-9?]+)"));
    return re;
}

QString oneLine(QString text)
{
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("; "));
    text.replace(QLatin1Char('\n'), QStringLiteral("; "));
    text.remove(QLatin1Char('\r'));
    return text.trimmed();
}

// A notice's text without the markup of its message box.
QString plain(const Notice &notice)
{
    static const QRegularExpression markup(QStringLiteral("</?(?:h\\d|p|br|b|i)\\s*/?>"));
    QString text = notice.text;
    text.replace(markup, QStringLiteral(" "));
    return oneLine(text).simplified();
}

} // namespace

DeviceJob::DeviceJob(const Request &request, const QString &port, const FormSheet &sheet,
    const FormValues &profile, QObject *parent)
    : QObject(parent), request_(request), port_(port), baseSheet_(sheet), sheet_(sheet),
      profile_(profile)
{
    link_ = new ManageSerialPort(this);
    // Before the session's own: a refused answer is known when its notice comes.
    connect(link_, &Link::chunkReceived, this, &DeviceJob::onChunk);
    session_ = new Session(link_, this);
    Session::Timings timings = session_->timings();
    timings.answerMs = request.timeoutMs;
    session_->setTimings(timings);
    session_->setFormSource([this] { return written_; });
    connect(session_, &Session::logLine, this, [this](const QString &text) {
        if (echoes_ > 0) {
            --echoes_; // the chunk itself, logged already
            return;
        }
        emit traffic(true, text);
    });
    connect(session_, &Session::noticeRaised, this, &DeviceJob::onNotice);
    connect(session_, &Session::valuesDecoded, this, &DeviceJob::onDecoded);
    connect(session_, &Session::modelDetected, this, [this](const ModelFlags &model) {
        model_ = model;
        outcome_.version = model.versionText.mid(1).trimmed();
        sheet_ = baseSheet_.forModel(model);
        values_ = sheet_.apply(values_, sheet_.resetForModel(model));
    });
    connect(session_, &Session::readFinished, this, [this] {
        readFinished_ = true;
        // On some versions the INFO answer follows the read; the window
        // shows it when it comes, so wait for it a little.
        if (session_->pendingCommand() == Session::Command::Information) {
            watchdog_.start(request_.timeoutMs);
            return;
        }
        later([this] { readDone(); });
    });
    connect(session_, &Session::progressChanged, this, [this](int percent) {
        if (phase_ == Phase::Writing)
            emit progress(QStringLiteral("writing"), percent);
        else if (phase_ == Phase::Upgrading)
            emit progress(QStringLiteral("upgrading"), percent);
    });
    connect(session_, &Session::closePortRequested, this, [this] { link_->closePort(); });
    connect(link_, &Link::linkLost, this, [this](const QString &reason) {
        if (phase_ != Phase::Done && phase_ != Phase::Upgrading)
            fail(DeviceFailed, QStringLiteral("the device was disconnected: %1").arg(reason));
    });
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, [this] {
        if (phase_ == Phase::Reading && readFinished_)
            readDone(); // no INFO answer: the read itself is complete
        else if (phase_ == Phase::Command)
            fail(DeviceFailed, QStringLiteral("the device did not answer"));
    });
}

DeviceJob::~DeviceJob()
{
    session_->disconnect(this);
    session_->portClosed();
    delete session_;
    delete link_; // writes what is queued, then closes
}

void DeviceJob::later(std::function<void()> step)
{
    QTimer::singleShot(0, this, [this, step] {
        if (!finished_)
            step();
    });
}

void DeviceJob::start()
{
    clock_.start();
    if (!openPort())
        return;
    switch (request_.command) {
    case Command::Read:
        read([this] {
            outcome_.profileBytes = ProfileFormat::write(sheet_.widgets(), values_);
            succeed();
        });
        break;
    case Command::Diff:
        read([this] {
            const FormValues profile = sheet_.apply(values_, profile_);
            for (const auto &d : sheet_.compare(values_, profile))
                if (decoded_.contains(d.name))
                    outcome_.differences << d;
            succeed(outcome_.differences.isEmpty() ? Success : Differs);
        });
        break;
    case Command::Write:
    case Command::Upgrade:
        read([this] { afterFirstRead(); });
        break;
    case Command::OneShot:
        if (request_.oneShot == OneShot::FactoryReset)
            read([this] { afterFirstRead(); });
        else
            startCommand();
        break;
    case Command::Ports:
    case Command::Sheet: // no device: the runner makes the sheet
        succeed();
        break;
    }
}

// Open as the window's Open button does: the one line setting the device takes.
bool DeviceJob::openPort()
{
    emit progress(QStringLiteral("opening"), -1);
    ManageSerialPort::PortSettings settings;
    // A bare name is a device under /dev, as the window takes it; one that
    // is only a file here (a simulated device's link) is opened as that.
    QString name = port_;
    if (!name.contains(QLatin1Char('/')) && !QFileInfo::exists(QStringLiteral("/dev/") + name)
        && QFileInfo::exists(name))
        name.prepend(QStringLiteral("./"));
    settings.portName = portNameForOpen(name);
    link_->setPortSettings(settings);
    link_->setTimeouts(0, 10);
    link_->enableSending();
    link_->enableReceiving();
    if (!link_->openPort()) {
        fail(DeviceFailed,
            oneLine(openFailureText(port_, link_->lastError(), link_->lastErrorString())));
        return false;
    }
    link_->startReceiving();
    return true;
}

void DeviceJob::read(std::function<void()> then)
{
    phase_ = Phase::Reading;
    afterRead_ = std::move(then);
    readFinished_ = false;
    answers_ = 0;
    decoded_.clear();
    values_ = sheet_.startValues();
    emit progress(QStringLiteral("reading"), 0);
    session_->startRead();
}

void DeviceJob::readDone()
{
    if (phase_ != Phase::Reading || !afterRead_)
        return;
    watchdog_.stop();
    emit progress(QStringLiteral("reading"), 100);
    const auto then = std::move(afterRead_);
    afterRead_ = nullptr;
    then();
}

void DeviceJob::afterFirstRead()
{
    const QString reason = request_.command == Command::Write ? QStringLiteral("write")
        : request_.command == Command::Upgrade                ? QStringLiteral("upgrade")
                                                              : QStringLiteral("factory-reset");
    if (!backUp(reason))
        return;
    if (request_.command == Command::Write)
        startWrite();
    else if (request_.command == Command::Upgrade)
        startUpgrade();
    else
        startCommand();
}

bool DeviceJob::backUp(const QString &reason)
{
    const QString device = BackupStore::deviceName(outcome_.imei, outcome_.version, port_);
    const BackupStore::Saved saved
        = BackupStore().save(device, reason, ProfileFormat::write(sheet_.widgets(), values_));
    if (!saved.ok) {
        // Without its backup nothing is changed on the device.
        fail(DeviceFailed, saved.error);
        return false;
    }
    outcome_.backup = saved.path;
    return true;
}

void DeviceJob::startWrite()
{
    phase_ = Phase::Writing;
    // As the window does: the profile loaded into the pages that show the device.
    written_ = sheet_.apply(values_, profile_);
    emit progress(QStringLiteral("writing"), 0);
    session_->startWriteAll();
}

void DeviceJob::verify()
{
    if (!request_.verify) {
        succeed();
        return;
    }
    const FormValues written = written_;
    read([this, written] {
        // Only what Write All sends for this model counts: a page it does
        // not write (the fences of the T47 family) keeps the device's values.
        const QStringList pages = session_->writeAllPages();
        for (const auto &d : sheet_.compare(values_, written))
            if (decoded_.contains(d.name) && pages.contains(d.page))
                outcome_.differences << d;
        if (outcome_.differences.isEmpty())
            succeed();
        else
            fail(Differs,
                QStringLiteral("the device does not hold %1 of the settings written")
                    .arg(outcome_.differences.size()));
    });
}

void DeviceJob::startUpgrade()
{
    phase_ = Phase::Upgrading;
    emit progress(QStringLiteral("upgrading"), 0);
    loadingImage_ = true;
    const bool loaded = session_->loadFirmwareFile(request_.image);
    loadingImage_ = false;
    if (!loaded) {
        fail(
            Usage, QStringLiteral("the image %1 was refused: %2").arg(request_.image, lastNotice_));
        return;
    }
    // What the start refuses before sending anything is the image's fault.
    loadingImage_ = true;
    session_->startUpgrade();
    loadingImage_ = false;
    if (!session_->isUpgrading())
        fail(
            Usage, QStringLiteral("the image %1 was refused: %2").arg(request_.image, lastNotice_));
}

void DeviceJob::startCommand()
{
    phase_ = Phase::Command;
    answer_.clear();
    emit progress(commandName(request_), -1);
    watchdog_.start(request_.timeoutMs);
    switch (request_.oneShot) {
    case OneShot::Signal:
        session_->signalStrength();
        break;
    case OneShot::Locate:
        session_->locate();
        break;
    case OneShot::Scream:
        // The device takes the seconds; the window's selector starts at 5.
        session_->scream(request_.oneShotArgument - 5);
        break;
    case OneShot::Reboot:
        session_->rebootDevice();
        break;
    case OneShot::RebootGsm:
        session_->rebootGsm();
        break;
    case OneShot::FactoryReset:
        session_->factoryReset();
        break;
    case OneShot::Debug:
        session_->setDebug(request_.oneShotArgument);
        break;
    }
}

void DeviceJob::onChunk(const QByteArray &chunk)
{
    ++echoes_;
    const QString text = QString::fromLatin1(chunk);
    emit traffic(false, text);
    if (answer_.endsWith(QLatin1Char('\n')))
        answer_.clear();
    answer_ += text;
    if (answer_.size() > 4096)
        answer_ = answer_.right(4096);
    if (phase_ == Phase::Command)
        later([this] { checkCommandAnswer(); });
}

// A one-shot is done once its answer line is whole: the window's
// acknowledgement table shows some of them and says nothing of others.
void DeviceJob::checkCommandAnswer()
{
    if (phase_ != Phase::Command || !answer_.contains(QLatin1String("\r\n")))
        return;
    if (request_.oneShot == OneShot::Signal && !answer_.contains(errorAnswer()))
        return; // the decoded strength ends it
    if (answer_.contains(errorAnswer())) {
        fail(DeviceFailed, QStringLiteral("the device refused %1").arg(refusedKey()));
        return;
    }
    if (answer_.contains(QLatin1String("<OK>"))) {
        outcome_.detail = oneLine(answer_);
        succeed();
    }
}

QString DeviceJob::refusedKey() const
{
    const QRegularExpressionMatch m = errorAnswer().match(answer_);
    return m.hasMatch() ? m.captured(1) : oneLine(answer_);
}

void DeviceJob::onDecoded(const FormValues &values)
{
    if (values.contains(WidgetNames::imei()))
        outcome_.imei = values.text(WidgetNames::imei());
    if (phase_ == Phase::Command && values.contains(SignalName)) {
        outcome_.detail = oneLine(values.text(SignalName));
        later([this] { succeed(); });
        return;
    }
    if (phase_ != Phase::Reading)
        return;
    values_ = sheet_.apply(values_, values);
    for (const QString &name : values.names())
        decoded_.insert(name);
    emit progress(QStringLiteral("reading"), qMin(99, ++answers_ * 100 / AnswersOfARead));
    // The INFO answer after the read: the read is whole now.
    if (readFinished_ && values.contains(WidgetNames::imei()))
        later([this] { readDone(); });
}

void DeviceJob::onNotice(const Notice &notice)
{
    lastNotice_ = plain(notice);
    switch (phase_) {
    case Phase::Reading:
        // Decoders tell of odd values while the read goes on; the read failed
        // only when its chain stopped without finishing.
        if (!readFinished_ && !session_->isBusy() && notice.text != ReadSuccess)
            fail(DeviceFailed, lastNotice_);
        return;
    case Phase::Writing:
        if (notice.text == WriteAllSuccess) {
            emit progress(QStringLiteral("writing"), 100);
            later([this] { verify(); });
        } else if (session_->pendingCommand() != Session::Command::WriteAll) {
            if (answer_.contains(errorAnswer()))
                fail(DeviceFailed,
                    QStringLiteral("the device refused the setting %1 (%2)")
                        .arg(refusedKey(), lastNotice_));
            else if (!link_->isOpen() || notice.kind == Notice::Warning)
                fail(DeviceFailed, lastNotice_);
            else
                fail(Usage,
                    QStringLiteral("the profile's values were not sent: %1").arg(lastNotice_));
        }
        return;
    case Phase::Upgrading:
        if (notice.text == UpgradeFinished) {
            emit progress(QStringLiteral("upgrading"), 100);
            later([this] { succeed(); });
        } else if (!loadingImage_ && !session_->isUpgrading()) {
            fail(DeviceFailed, lastNotice_);
        }
        return;
    case Phase::Command:
        if (notice.kind == Notice::Warning) {
            if (answer_.contains(errorAnswer()))
                fail(DeviceFailed, QStringLiteral("the device refused %1").arg(refusedKey()));
            else
                fail(DeviceFailed, lastNotice_);
        } else if (!link_->isOpen()) {
            fail(DeviceFailed, lastNotice_);
        }
        return;
    case Phase::Idle:
    case Phase::Done:
        return;
    }
}

void DeviceJob::fail(int exit, const QString &reason)
{
    if (finished_)
        return;
    outcome_.reason = reason;
    succeed(exit);
}

void DeviceJob::succeed(int exit)
{
    if (finished_)
        return;
    finished_ = true;
    phase_ = Phase::Done;
    watchdog_.stop();
    outcome_.exit = exit;
    outcome_.elapsedMs = clock_.elapsed();
    session_->portClosed();
    link_->closePort();
    emit finished();
}

} // namespace Cli
