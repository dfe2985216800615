#pragma once
// "Profile Manager": lists every profile file of the folder, whatever its
// module, and deletes the chosen one after a question.
#include <QDialog>
#include <memory>

#include "profilestore.h"

namespace Ui
{
class ProfileDialog;
}

class ProfileDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ProfileDialog(const QString &directory = ProfileStore::defaultDirectory(),
                           QWidget *parent = nullptr);
    ~ProfileDialog() override;

    // Rebinds to QDir::currentPath() + path ("/Profile") and refills.
    void fillProfileTable(const QString &path);
    // Refills from the folder the dialog is bound to.
    void fillProfileTable();
    ProfileStore &store() { return store_; }

signals:
    // After a deletion: the removed file's name, "<module>_<profile>.txt".
    void sendDeleteStr(QString fileName);

public slots:
    void ClickedOK();
    void on_tableWidget_cellClicked(int row, int column);
    void on_pushButton_deleteProfile_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::ProfileDialog> ui;
    ProfileStore store_;
};
