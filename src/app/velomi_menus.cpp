// The menu bar: File, Device, Settings and Help. The Device entries press the
// window's own buttons, so a menu entry or its key does exactly what the
// button does, and nothing while the button is disabled.
#include <QApplication>
#include <QFileDialog>
#include <QMenuBar>
#include <QPushButton>

#include "app/velomi.h"
#include "app/windowsettings.h"
#include "profiles/profilestore.h"

void Velomi::setupMenus()
{
    QMenuBar *bar = Ui::ZAROraz::menuBar;
    fileMenu_ = new QMenu(tr("&File"), bar);
    fileMenu_->setObjectName(QStringLiteral("menuFile"));
    deviceMenu_ = new QMenu(tr("&Device"), bar);
    deviceMenu_->setObjectName(QStringLiteral("menuDevice"));
    settingsMenu_ = new QMenu(tr("&Settings"), bar);
    settingsMenu_->setObjectName(QStringLiteral("menuSettings"));
    for (QMenu *menu : {fileMenu_, deviceMenu_, settingsMenu_})
        bar->insertMenu(menuHelp->menuAction(), menu);

    restoreBackupAction_ = fileMenu_->addAction(tr("Restore backup..."));
    restoreBackupAction_->setObjectName(QStringLiteral("actionRestoreBackup"));
    connect(restoreBackupAction_, &QAction::triggered, this, &Velomi::restoreBackup);
    fileMenuEnd_ = fileMenu_->addSeparator();
    QAction *quit = fileMenu_->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("actionQuit"));
    quit->setShortcut(QKeySequence::Quit);

    const struct
    {
        const char *text;
        QPushButton *button;
        QKeySequence keys;
        const char *name;
    } deviceEntries[] = {
        {QT_TR_NOOP("&Open port"), pushButtonOpen, QKeySequence(tr("Ctrl+O")), "actionOpenPort"},
        {QT_TR_NOOP("&Close port"), pushButtonClose, QKeySequence(tr("Ctrl+Shift+O")),
            "actionClosePort"},
        {QT_TR_NOOP("&Read"), pushButton_read, QKeySequence(tr("Ctrl+R")), "actionRead"},
        {QT_TR_NOOP("&Write All"), pushButton_writeAll, QKeySequence(tr("Ctrl+W")),
            "actionWriteAll"},
    };
    for (const auto &entry : deviceEntries) {
        QPushButton *button = entry.button;
        QAction *action = deviceMenu_->addAction(tr(entry.text), button, &QPushButton::click);
        action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(entry.keys);
    }
    // An entry is as available as its button.
    connect(deviceMenu_, &QMenu::aboutToShow, this, [this] {
        const QList<QAction *> actions = deviceMenu_->actions();
        const QPushButton *buttons[]
            = {pushButtonOpen, pushButtonClose, pushButton_read, pushButton_writeAll};
        for (int i = 0; i < 4 && i < actions.size(); ++i)
            actions[i]->setEnabled(buttons[i]->isEnabled() && buttons[i]->isVisible());
    });
    deviceMenu_->addSeparator();
    compareWithProfileAction_ = deviceMenu_->addAction(tr("Compare with profile..."));
    compareWithProfileAction_->setObjectName(QStringLiteral("actionCompareWithProfile"));
    connect(compareWithProfileAction_, &QAction::triggered, this, [this] {
        const QString path = chooseCompareFile
            ? chooseCompareFile()
            : QFileDialog::getOpenFileName(this, tr("Compare with profile"),
                profileStore_->directory(), tr("Profiles and backups (*.txt);;All files (*)"));
        if (!path.isEmpty())
            compareWithProfile(path);
    });
}

QAction *Velomi::addFileAction(const QString &text)
{
    auto *action = new QAction(text, fileMenu_);
    fileMenu_->insertAction(fileMenuEnd_, action);
    return action;
}

QAction *Velomi::addSettingAction(const QString &text, const QString &key, bool defaultOn)
{
    QAction *action = settingsMenu_->addAction(text);
    action->setCheckable(true);
    action->setChecked(WindowSettings().value(key, defaultOn).toBool());
    connect(
        action, &QAction::toggled, this, [key](bool on) { WindowSettings().setValue(key, on); });
    return action;
}
