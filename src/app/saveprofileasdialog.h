#pragma once
// "Save Profile As": asks for the name under which the current values are
// saved. Same rules for the name as a new profile.
#include <QDialog>
#include <memory>

#include "profilestore.h"

namespace Ui
{
class SaveProfileAsDialog;
}

class SaveProfileAsDialog : public QDialog
{
    Q_OBJECT
public:
    // `store` is the window's and outlives the dialog.
    explicit SaveProfileAsDialog(const ProfileStore &store, QWidget *parent = nullptr);
    ~SaveProfileAsDialog() override;

    bool isProfileNameUsed(const QString &name) const { return store_.isNameUsed(name); }

signals:
    void saveProfileNameas(QString name);

public slots:
    void ClickedOK();
    void on_pushButton_cancel_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::SaveProfileAsDialog> ui;
    const ProfileStore &store_;
};
