// Answers outside the read chain (readchain.cpp): the signal strength and
// information queries, and the sensor list that follows an added or removed
// sensor.
#include "session/session.h"

#include "protocol/answer.h"
#include "protocol/infocodec.h"
#include "protocol/sensorcodec.h"
#include "serial/link.h"
#include "session/readchain.h"

void Session::startRead()
{
    Scope scope(*this);
    if (!link_ || !link_->isOpen()) {
        notify(Notice::info(Session::tr("Serial Port is not open! \"Read\"")));
        return;
    }
    if (isWritingAll()) {
        notify(Notice::info(writeAllRunning()));
        return;
    }
    // Starting over would drop the check of what was just written; the
    // read-back fills the pages all the same.
    if (readChain_->isRunning() && readChain_->isReadBack()) {
        notify(Notice::info(Session::tr("The device is being read back to check what was "
                                        "written; wait until it has finished.")));
        return;
    }
    readChain_->start(false);
}

void Session::startReadBack()
{
    Scope scope(*this);
    if (!link_ || !link_->isOpen()) {
        notify(Notice::info(Session::tr("Serial Port is not open! \"Read\"")));
        return;
    }
    readChain_->start(true);
}

bool Session::isReadBack() const { return readChain_->isReadBack(); }

void Session::showSignal()
{
    FormValues csq;
    csq.setText(QStringLiteral("label_csq"), InfoCodec::signalDisplay(assembler_.text()));
    emit valuesDecoded(csq);
    assembler_.clear();
}

void Session::stepSignalStrength()
{
    if (!Answer::isComplete(assembler_.text(), QStringLiteral("<OK> CSQ")))
        return;
    showSignal();
    setPending(Command::None);
}

void Session::showInformation()
{
    emitDecoded(InfoCodec::decodeInformation(assembler_.text()));
    assembler_.clear(); // the code stays: a later INFO answer fills the page again
}

void Session::stepInformation()
{
    if (Answer::isComplete(assembler_.text(), QStringLiteral("<OK> INFO:")))
        showInformation();
}

// ---- sensor list after an added or removed sensor --------------------------

void Session::appendSensorPage()
{
    const QString entries = SensorCodec::pageEntries(assembler_.text());
    if (!entries.isEmpty())
        sensorListText_ += QLatin1Char(',') + entries;
}

void Session::showSensorList(const SensorCodec::SensorList &list)
{
    emit sensorsListed(list.rows);
    for (const Notice &n : list.notices)
        notify(n);
}

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
    if (!Answer::isComplete(assembler_.text(), QStringLiteral("<OK> DEV?")))
        return;
    if (!model_.knownDevice()) {
        const SensorCodec::SensorList list = SensorCodec::fromSingleAnswer(assembler_.text());
        setPending(Command::None);
        showSensorList(list);
        return;
    }
    appendSensorPage();
    sensorPageOffset_ += SensorCodec::PageSize;
    if (sensorPageOffset_ <= SensorCodec::LastPageOffset) {
        sendQuery(QStringLiteral("DEV?:%1").arg(sensorPageOffset_), Command::RefreshSensors);
        return;
    }
    showSensorList(SensorCodec::fromPages(sensorListText_));
    setPending(Command::None);
}
