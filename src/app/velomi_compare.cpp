// A profile or backup file against the pages: "Compare with profile..." takes
// chosen lines of a file, "Restore backup..." loads a whole backup. Both only
// change the pages; the technician then writes them.

#include "app/comparedialog.h"
#include "app/formsheetbuilder.h"
#include "app/messages.h"
#include "app/restorebackupdialog.h"
#include "app/velomi.h"
#include "profiles/backupstore.h"
#include "profiles/profilestore.h"

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
