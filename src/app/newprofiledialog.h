#pragma once
// "New Profile": asks for the name of a profile that starts as a copy of
// the module's default profile.
#include <QDialog>
#include <memory>
#include <optional>

#include "profilestore.h"

class QLineEdit;

namespace Ui
{
class NewProfileDialog;
}

// The name typed into `edit` when it may name a new profile. Otherwise the
// reason is shown in a "File name" box and nothing is returned; a name some
// module already uses is also cleared from the field. Shared with the
// Save-As dialog.
std::optional<QString> takeNewProfileName(QWidget *dialog, QLineEdit *edit,
                                          const ProfileStore &store);

class NewProfileDialog : public QDialog
{
    Q_OBJECT
public:
    // `store` is the window's and outlives the dialog.
    explicit NewProfileDialog(const ProfileStore &store, QWidget *parent = nullptr);
    ~NewProfileDialog() override;

    bool isProfileNameUsed(const QString &name) const { return store_.isNameUsed(name); }

signals:
    void newProfileName(QString name);

public slots:
    void ClickedOK();
    void on_pushButton_cancel_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::NewProfileDialog> ui;
    const ProfileStore &store_;
};
