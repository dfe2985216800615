#include "app/profiledialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QUrl>

#include "app/messages.h"
#include "ui_profiledialog.h"

namespace {
QString managerTitle() { return ProfileDialog::tr("Profile Manager"); }
const QString DeleteQuestionTitle = QStringLiteral("ROD Ozezadoviv");
} // namespace

ProfileDialog::ProfileDialog(const ProfileStore &store, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ProfileDialog>()), store_(store)
{
    ui->setupUi(this);
    connect(ui->pushButton_ok, &QPushButton::clicked, this, &ProfileDialog::ClickedOK);
    ui->label_profileFolder->setText(QDir::toNativeSeparators(store_.directory()));
    fillProfileTable();
}

ProfileDialog::~ProfileDialog() = default;

void ProfileDialog::fillProfileTable()
{
    QTableWidget *table = ui->tableWidget;
    table->setRowCount(0);
    const QList<ProfileStore::Entry> entries = store_.allProfiles();
    for (int row = 0; row < entries.size(); ++row) {
        table->insertRow(row);
        table->setItem(row, 0, new QTableWidgetItem(entries[row].module));
        table->setItem(row, 1, new QTableWidgetItem(entries[row].profile));
    }
    if (!entries.isEmpty())
        table->setCurrentCell(0, 0);
}

void ProfileDialog::ClickedOK() { accept(); }

void ProfileDialog::on_tableWidget_cellClicked(int, int) { }

void ProfileDialog::on_pushButton_deleteProfile_clicked()
{
    const int row = ui->tableWidget->currentRow();
    if (row < 0)
        return; // no profile files, nothing chosen
    const auto cellText = [&](int column) {
        const QTableWidgetItem *item = ui->tableWidget->item(row, column);
        return item ? item->text() : QString();
    };
    const QString module = cellText(0);
    const QString profile = cellText(1);
    const QString shown = tr("Module:") + module + tr("\r\nProfile:") + profile;

    if (!Messages::ask(this, DeleteQuestionTitle,
            tr("Do you want to delete \r\n") + shown + tr("\r\nAre you sure? \r\n")))
        return;

    const ProfileStore::Outcome removed = store_.remove(module, profile);
    if (!removed.ok) {
        Messages::warning(this, tr("Delete \r\n") + shown + tr("\r\n failed !\r\n") + removed.error,
            managerTitle());
        return;
    }
    ui->tableWidget->removeRow(row);
    emit sendDeleteStr(module + QLatin1Char('_') + profile + QStringLiteral(".txt"));
    Messages::information(this, tr("Delete \r\n") + shown + tr("\r\n success !"), managerTitle());
}

void ProfileDialog::on_pushButton_openFolder_clicked()
{
    const QString folder = store_.directory();
    // The folder is made on first use; showing it is a use.
    if (!QDir().mkpath(folder) || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        Messages::warning(this,
            tr("The folder %1 could not be opened in the file manager.")
                .arg(QDir::toNativeSeparators(folder)));
}

void ProfileDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
