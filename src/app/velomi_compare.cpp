// A profile or backup file against the pages: "Compare with profile..." takes
// chosen lines of a file, "Restore backup..." loads a whole backup. Both only
// change the pages; the technician then writes them.
#include <QFileDialog>
#include <QMenuBar>

#include "app/comparedialog.h"
#include "app/formsheetbuilder.h"
#include "app/messages.h"
#include "app/restorebackupdialog.h"
#include "app/velomi.h"
#include "profiles/backupstore.h"
#include "profiles/profilestore.h"

void Velomi::setupCompareMenu()
{
    auto *menu = new QMenu(tr("&Profiles"), Ui::ZAROraz::menuBar);
    menu->setObjectName(QStringLiteral("menuProfiles"));
    Ui::ZAROraz::menuBar->insertMenu(menuHelp->menuAction(), menu);
    compareWithProfileAction_ = menu->addAction(tr("Compare with profile..."));
    compareWithProfileAction_->setObjectName(QStringLiteral("actionCompareWithProfile"));
    restoreBackupAction_ = menu->addAction(tr("Restore backup..."));
    restoreBackupAction_->setObjectName(QStringLiteral("actionRestoreBackup"));

    connect(compareWithProfileAction_, &QAction::triggered, this, [this] {
        const QString path = chooseCompareFile
            ? chooseCompareFile()
            : QFileDialog::getOpenFileName(this, tr("Compare with profile"),
                profileStore_->directory(), tr("Profiles and backups (*.txt);;All files (*)"));
        if (!path.isEmpty())
            compareWithProfile(path);
    });
    connect(restoreBackupAction_, &QAction::triggered, this, &Velomi::restoreBackup);
}

QString Velomi::backupDirectory() const
{
    return options_.backupDir.isEmpty() ? BackupStore::defaultDirectory() : options_.backupDir;
}

void Velomi::compareWithProfile(const QString &path)
{
    const FormSheet sheet = FormSheetBuilder::build(tabWidget_velomi, pageTitles_);
    FormValues file;
    QString error;
    if (!CompareFile::read(path, sheet, file, error)) {
        Messages::warning(this, error, tr("Compare with profile"));
        return;
    }
    auto *dialog = new CompareDialog(path, sheet, pageValues(), file, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &CompareDialog::applyRequested, this, &Velomi::applyValues);
    dialog->open();
}

void Velomi::restoreBackup()
{
    const FormSheet sheet = FormSheetBuilder::build(tabWidget_velomi, pageTitles_);
    auto *dialog = new RestoreBackupDialog(backupDirectory(), sheet, pageValues(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &RestoreBackupDialog::loadRequested, this, &Velomi::applyValues);
    dialog->open();
}
