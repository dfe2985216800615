// The one-shot commands of the maintenance and information pages.
#include "session/session.h"

#include "protocol/oneshot.h"

void Session::signalStrength()
{
    Scope scope(*this);
    if (sendGuarded(OneShot::SignalStrength))
        setPending(Command::SignalStrength);
}

void Session::scream(int index)
{
    Scope scope(*this);
    sendGuarded(OneShot::scream(index));
}

void Session::locate()
{
    Scope scope(*this);
    sendGuarded(OneShot::Location);
}

void Session::rebootDevice()
{
    Scope scope(*this);
    sendGuarded(OneShot::RebootDevice);
}

void Session::rebootGsm()
{
    Scope scope(*this);
    sendGuarded(OneShot::RebootGsm);
}

void Session::factoryReset()
{
    Scope scope(*this);
    sendGuarded(OneShot::FactoryReset);
}

void Session::setDebug(int index)
{
    Scope scope(*this);
    sendGuarded(OneShot::debug(index));
}

void Session::omadm(bool start) { sendCommand(start ? OneShot::OmadmStart : OneShot::OmadmEnd); }

void Session::loadInformation()
{
    sendCommand(OneShot::Information);
    setPending(Command::Information);
}

void Session::setGsmOnOff(int index)
{
    Scope scope(*this);
    if (!sendGuarded(OneShot::gsmOnOff(index)))
        return;
    emit valuesDecoded(OneShot::gsmOnOffMirror(index));
}
