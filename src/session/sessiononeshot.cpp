// The one-shot commands of the maintenance and information pages.
#include "session.h"

#include "infocodec.h"

void Session::signalStrength()
{
    Scope scope(*this);
    if (sendGuarded(QStringLiteral("CSQ:")))
        setPending(SignalStrength);
}

void Session::scream(int index)
{
    Scope scope(*this);
    sendGuarded(OneShot::scream(index));
}

void Session::locate()
{
    Scope scope(*this);
    sendGuarded(QStringLiteral("LOC:1"));
}

void Session::rebootDevice()
{
    Scope scope(*this);
    sendGuarded(QStringLiteral("RESET:"));
}

void Session::rebootGsm()
{
    Scope scope(*this);
    sendGuarded(QStringLiteral("RSTG:"));
}

void Session::factoryReset()
{
    Scope scope(*this);
    sendGuarded(QStringLiteral("FTSET:"));
}

void Session::setDebug(int index)
{
    Scope scope(*this);
    sendGuarded(OneShot::debug(index));
}

void Session::omadm(bool start)
{
    sendCommand(start ? QStringLiteral("OMADM:1;") : QStringLiteral("OMADM:0;"));
}

void Session::loadInformation()
{
    sendCommand(QStringLiteral("INFO:"));
    setPending(Information);
}

void Session::setGsmOnOff(int index)
{
    Scope scope(*this);
    if (!sendGuarded(OneShot::gsmOnOff(index)))
        return;
    FormValues second;
    second.setIndex(QStringLiteral("comboBox_gsm_on_off_function2"), index == 1 ? 1 : 0);
    emit valuesDecoded(second);
}
