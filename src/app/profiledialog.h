#pragma once
// "Profile Manager": lists every profile file of the window's profile folder,
// whatever its module, and deletes the chosen one after a question.
#include <QDialog>
#include <memory>

#include "profiles/profilestore.h"

namespace Ui {
class ProfileDialog;
}

class ProfileDialog : public QDialog
{
    Q_OBJECT
public:
    // `store` is the window's and outlives the dialog.
    explicit ProfileDialog(const ProfileStore &store, QWidget *parent = nullptr);
    ~ProfileDialog() override;

    // Lists the store's folder again.
    void fillProfileTable();

    // Signal and slot names are the dialog's fixed interface: the window and
    // on_<objectName>_<signal> bind them by name.
signals:
    // After a deletion: the removed file's name, "<module>_<profile>.txt".
    void sendDeleteStr(QString fileName);

public slots:
    void ClickedOK();
    void on_tableWidget_cellClicked(int row, int column);
    void on_pushButton_deleteProfile_clicked();
    // Shows the profile folder in the file manager.
    void on_pushButton_openFolder_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::ProfileDialog> ui;
    const ProfileStore &store_;
};
