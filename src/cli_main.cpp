// velomi-cli: reads, compares, writes and upgrades devices from the command
// line, several at once, through the same session as the window.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "cli/cliargs.h"
#include "cli/runner.h"

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Cli::Request request;
    const Cli::Parsed parsed = Cli::parse(arguments, request);

    // Only the sheet's PDF needs fonts and so a GUI application; it shows no
    // window, so it needs no display either. The other commands keep their
    // quick start.
    std::unique_ptr<QCoreApplication> app;
    if (parsed.kind == Cli::Parsed::Run && request.command == Cli::Command::Sheet) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The same names as the window: its data folder holds the backups.
    QCoreApplication::setApplicationName(QStringLiteral("Velomi"));
    QCoreApplication::setOrganizationName(QStringLiteral("Calvorn"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELOMI_VERSION));

    switch (parsed.kind) {
    case Cli::Parsed::Help:
        std::fputs(qPrintable(Cli::helpText()), stdout);
        return Cli::Success;
    case Cli::Parsed::Version:
        std::printf("velomi-cli %s\n", VELOMI_VERSION);
        return Cli::Success;
    case Cli::Parsed::Error:
        std::fprintf(stderr, "velomi-cli: %s\nTry velomi-cli --help.\n", qPrintable(parsed.error));
        return Cli::Usage;
    case Cli::Parsed::Run:
        break;
    }
    Cli::Runner runner(request);
    QTimer::singleShot(0, &runner, &Cli::Runner::start);
    return app->exec();
}
