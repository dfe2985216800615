#pragma once
// "New Profile" and "Save Profile As": the same question for a profile name
// under two titles. A new profile starts as a copy of the module's default
// profile; Save As saves the current values under the name.
#include <QDialog>
#include <memory>

#include "profiles/profilestore.h"

namespace Ui {
class ProfileNameDialog;
}

class ProfileNameDialog : public QDialog
{
    Q_OBJECT
public:
    enum Purpose { NewProfile, SaveProfileAs };

    // `store` is the window's and outlives the dialog.
    ProfileNameDialog(Purpose purpose, const ProfileStore &store, QWidget *parent = nullptr);
    ~ProfileNameDialog() override;

    Purpose purpose() const { return purpose_; }
    bool isProfileNameUsed(const QString &name) const { return store_.isNameUsed(name); }

    // The signal and slot names are the dialogs' fixed interface: the window
    // connects to them by these names. Each dialog emits the one of its purpose.
signals:
    void newProfileName(QString name); // New Profile
    void saveProfileNameas(QString name); // Save Profile As

public slots:
    void ClickedOK();
    void on_pushButton_cancel_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showPurposeTexts();

    std::unique_ptr<Ui::ProfileNameDialog> ui;
    const Purpose purpose_;
    const ProfileStore &store_;
};
