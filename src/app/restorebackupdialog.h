#pragma once
// "Restore backup...": the automatic backups newest first, what the chosen
// one would change on the pages, and Load to put it there (the technician
// then writes it). Nothing here deletes or changes a backup.
#include <QDateTime>
#include <QDialog>
#include <QList>

#include "profiles/formsheet.h"

class DifferenceList;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class RestoreBackupDialog : public QDialog
{
    Q_OBJECT
public:
    struct Backup
    {
        QString path;
        QDateTime time;
        QString device;
        QString reason;
    };
    // The backups in `directory`, newest first; files whose name is not
    // "<device>_<yyyyMMdd-HHmmss>_<reason>.txt" (the sensor lists beside
    // them among them) are left out.
    static QList<Backup> list(const QString &directory);
    // A backup's reason as the window's language says it ("write" -> Write All).
    static QString shownReason(const QString &reason);

    RestoreBackupDialog(const QString &directory, const FormSheet &sheet, const FormValues &pages,
        QWidget *parent = nullptr);

    QTreeWidget *backupTree() const { return backups_; }
    QLineEdit *deviceFilter() const { return filter_; }
    DifferenceList *preview() const { return preview_; }
    QPushButton *loadButton() const { return load_; }

signals:
    // Every value of the chosen backup.
    void loadRequested(const FormValues &values);

private:
    void applyFilter();
    void showChosen();

    FormSheet sheet_;
    FormValues pages_;
    FormValues chosenValues_;
    QTreeWidget *backups_;
    QLineEdit *filter_;
    QLabel *status_;
    DifferenceList *preview_;
    QPushButton *load_;
};
