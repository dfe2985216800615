#pragma once
// The window against the simulated device on a pseudo-terminal: what a
// technician sees, with message boxes recorded instead of shown.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/formbinder.h"
#include "app/messages.h"
#include "app/velomi.h"
#include "devsimprocess.h"
#include "session/session.h"
#include "testsettings.h"

// The window's success messages that most tests wait for.
inline const QString ReadDone = QStringLiteral("Read configuration success!");
inline const QString WriteAllDone = QStringLiteral("Write all configuration success!");

struct WindowUnderTest
{
    QTemporaryDir dir; // the profile folder lives here
    DevSimProcess sim;
    Messages::Recorder recorder;
    std::unique_ptr<Velomi> window;

    WindowUnderTest()
    {
        // Settings of this window alone: another test program running at the
        // same time may switch on a Settings menu choice in a shared store.
        keepSettingsIn(dir.path() + QStringLiteral("/config"));
        Messages::setRecorder(&recorder);
    }
    ~WindowUnderTest()
    {
        window.reset();
        Messages::setRecorder(nullptr);
    }

    // Starts the device with `simArgs` and a fresh window pointed at it.
    bool start(const QStringList &simArgs = {})
    {
        if (!sim.isRunning() && !sim.start(simArgs))
            return false;
        return newWindow();
    }
    // The same, the device starting from `state` (the dump schema; missing
    // keys keep their factory values).
    bool startWithState(const QJsonObject &state, const QStringList &simArgs = {})
    {
        QFile file(dir.filePath(QStringLiteral("state.json")));
        if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(state).toJson()) < 0)
            return false;
        file.close();
        return start(simArgs + QStringList {QStringLiteral("--state"), file.fileName()});
    }
    bool newWindow()
    {
        window.reset();
        Velomi::Options options;
        options.port = sim.portPath();
        options.profileDir = dir.path() + QStringLiteral("/Profile");
        options.backupDir = backupDir();
        window = std::make_unique<Velomi>(options);
        window->show();
        return true;
    }

    // The window's backups go here, not to the user's data folder.
    QString backupDir() const { return dir.path() + QStringLiteral("/backups"); }

    bool saw(const QString &text) const { return recorder.texts().contains(text); }
    int count(const QString &text) const { return int(recorder.texts().count(text)); }

    // Open the port; the read starts by itself. True once it succeeded.
    bool openAndRead(int timeoutMs = 20000)
    {
        const int before = count(QStringLiteral("Read configuration success!"));
        window->pushButtonOpen->click();
        return QTest::qWaitFor(
            [&] { return count(QStringLiteral("Read configuration success!")) > before; },
            timeoutMs);
    }
    bool read(int timeoutMs = 20000)
    {
        const int before = count(QStringLiteral("Read configuration success!"));
        window->pushButton_read->click();
        return QTest::qWaitFor(
            [&] { return count(QStringLiteral("Read configuration success!")) > before; },
            timeoutMs);
    }
    // Presses "Write All" (the question is answered with recorder.answer). True
    // once "Write all configuration success!" was shown.
    bool writeAll(int timeoutMs = 20000)
    {
        const int before = count(QStringLiteral("Write all configuration success!"));
        window->pushButton_writeAll->click();
        return QTest::qWaitFor(
            [&] { return count(QStringLiteral("Write all configuration success!")) > before; },
            timeoutMs);
    }
    // Waits until `text` has been shown `times` times in all.
    bool waitFor(const QString &text, int times = 1, int timeoutMs = 15000)
    {
        return QTest::qWaitFor([&] { return count(text) >= times; }, timeoutMs);
    }
    FormValues pages() const { return window->pageValues(); }
    // A widget of the window by its objectName (null when there is none).
    template <class T = QWidget> T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
};
