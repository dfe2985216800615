#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QTimer>

#include "app/velomi.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(images);
    QApplication::setApplicationName(QStringLiteral("Velomi"));
    QApplication::setOrganizationName(QStringLiteral("Calvorn"));
    QApplication::setApplicationVersion(QStringLiteral(VELOMI_VERSION));
    QFont font;
    font.setFamily(font.defaultFamily());
    QApplication::setFont(font);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configures the device over a serial port."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"),
        QStringLiteral("Adds the serial port PATH to the list and selects it."),
        QStringLiteral("PATH"));
    const QCommandLineOption profiles(QStringLiteral("profile-dir"),
        QStringLiteral("Keeps profiles in DIR (default: ./Profile when that folder exists, "
                       "else Profile in the per-user data folder)."),
        QStringLiteral("DIR"));
    const QCommandLineOption open(QStringLiteral("open"),
        QStringLiteral("Opens the port at start, as the Open button does."));
    parser.addOption(port);
    parser.addOption(profiles);
    parser.addOption(open);
    parser.process(app);

    Velomi::Options options;
    options.port = parser.value(port);
    options.profileDir = parser.value(profiles);
    Velomi window(options);
    window.show();
    if (parser.isSet(open))
        QTimer::singleShot(0, &window, &Velomi::on_pushButtonOpen_clicked);
    return app.exec();
}
