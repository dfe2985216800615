#pragma once
// Command-line options of the simulated device, parsed from one table.
#include <QMap>
#include <QString>
#include <QStringList>

struct Options
{
    QString linkPath; // --link: symbolic link to the pseudo-terminal
    QString statePath; // --state: starting configuration (JSON)
    QString dumpPath; // --dump: final configuration (JSON), on exit and on SIGUSR1
    QString logPath; // --log: every frame in and answer out, with times
    QString version = QStringLiteral("T47_V1.05");
    bool versionGiven = false;
    bool noXml = false;
    int sensors = -1; // -1: the factory pair
    QString language = QStringLiteral("en");

    // Misbehaviour on request.
    bool chunks = false;
    bool echo = false;
    bool garbage = false;
    quint32 seed = 1;
    QMap<int, int> failBlocks; // block number (1 = first) -> refusals
    double silentAfterResetSeconds = 3.0;
    int latencyMs = 0;
    int baud = 0; // 0: unpaced
    int muteAfterFrames = -1; // -1: never
    double muteAfterSeconds = -1;
    double upgradeTimeoutSeconds = 10.0;
    // Like a native USB device, leave the bus on a restart and come back this many seconds
    // later on a new terminal; -1: stay on the terminal.
    double reenumerateSeconds = -1;
    QStringList forget; // setting keys acknowledged but not stored
};

// Parses the arguments (without the program name). Returns false with a message on bad input;
// sets helpRequested for --help.
bool parseOptions(const QStringList &args, Options &options, QString &error, bool &helpRequested);
QString usageText();
