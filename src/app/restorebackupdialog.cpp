#include "app/restorebackupdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/comparedialog.h"

QList<RestoreBackupDialog::Backup> RestoreBackupDialog::list(const QString &directory)
{
    // The reason may carry "-2" when two backups fell in the same second.
    static const QRegularExpression backupName(QStringLiteral("^(.+)_(\\d{8}-\\d{6})_(.+)\\.txt$"));
    QList<Backup> backups;
    const QStringList names = QDir(directory).entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString &name : names) {
        if (name.endsWith(QLatin1String(".sensors.txt")))
            continue; // the sensor list beside a backup
        const QRegularExpressionMatch m = backupName.match(name);
        if (!m.hasMatch())
            continue;
        const QDateTime time
            = QDateTime::fromString(m.captured(2), QStringLiteral("yyyyMMdd-HHmmss"));
        if (!time.isValid())
            continue;
        backups.append({QDir(directory).filePath(name), time, m.captured(1), m.captured(3)});
    }
    std::stable_sort(backups.begin(), backups.end(), [](const Backup &a, const Backup &b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    return backups;
}

QString RestoreBackupDialog::shownReason(const QString &reason)
{
    // The names' reasons, as the window and velomi-cli write them.
    static const struct
    {
        const char *inName;
        const char *shown;
    } reasons[] = {
        {"write", QT_TR_NOOP("Write All")},
        {"upgrade", QT_TR_NOOP("Firmware upgrade")},
        {"factory-reset", QT_TR_NOOP("Factory Reset")},
    };
    static const QRegularExpression sameSecond(QStringLiteral("-\\d+$"));
    const QString base = QString(reason).remove(sameSecond);
    for (const auto &r : reasons)
        if (base == QLatin1String(r.inName))
            return tr(r.shown);
    return reason;
}

RestoreBackupDialog::RestoreBackupDialog(
    const QString &directory, const FormSheet &sheet, const FormValues &pages, QWidget *parent)
    : QDialog(parent), sheet_(sheet), pages_(pages), backups_(new QTreeWidget(this)),
      filter_(new QLineEdit(this)), status_(new QLabel(this)),
      preview_(new DifferenceList(false, this)), load_(new QPushButton(tr("Load"), this))
{
    setWindowTitle(tr("Restore backup"));
    backups_->setObjectName(QStringLiteral("treeWidget_backups"));
    backups_->setRootIsDecorated(false);
    backups_->setHeaderLabels({tr("Time"), tr("Device"), tr("Reason")});
    backups_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const Backup &b : list(directory)) {
        auto *item = new QTreeWidgetItem(backups_,
            {QLocale().toString(b.time, QLocale::ShortFormat), b.device, shownReason(b.reason)});
        item->setData(0, Qt::UserRole, b.path);
        item->setToolTip(0, QDir::toNativeSeparators(b.path));
    }
    filter_->setObjectName(QStringLiteral("lineEdit_deviceFilter"));
    filter_->setPlaceholderText(tr("Filter by device"));
    filter_->setClearButtonEnabled(true);
    status_->setWordWrap(true);
    load_->setObjectName(QStringLiteral("pushButton_loadBackup"));
    load_->setEnabled(false);

    auto *filterLabel = new QLabel(tr("&Device:"), this);
    filterLabel->setBuddy(filter_);
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(load_, QDialogButtonBox::AcceptRole);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(backups_);
    split->addWidget(preview_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Backups in %1").arg(QDir::toNativeSeparators(directory)), this));
    layout->addLayout(filterRow);
    layout->addWidget(split, 1);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    resize(760, 520);

    connect(filter_, &QLineEdit::textChanged, this, &RestoreBackupDialog::applyFilter);
    connect(backups_, &QTreeWidget::currentItemChanged, this, &RestoreBackupDialog::showChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(load_, &QPushButton::clicked, this, [this] {
        emit loadRequested(chosenValues_);
        accept();
    });

    if (backups_->topLevelItemCount() == 0)
        status_->setText(tr("There are no backups yet."));
    else
        backups_->setCurrentItem(backups_->topLevelItem(0));
}

void RestoreBackupDialog::applyFilter()
{
    const QString device = filter_->text().trimmed();
    for (int row = 0; row < backups_->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = backups_->topLevelItem(row);
        item->setHidden(!item->text(1).contains(device, Qt::CaseInsensitive));
    }
    // A hidden backup is not the one to load: the first one shown is.
    QTreeWidgetItem *current = backups_->currentItem();
    if (current && !current->isHidden())
        return;
    QTreeWidgetItem *firstShown = nullptr;
    for (int row = 0; row < backups_->topLevelItemCount() && !firstShown; ++row)
        if (!backups_->topLevelItem(row)->isHidden())
            firstShown = backups_->topLevelItem(row);
    if (firstShown == current)
        showChosen(); // no signal: the preview must still follow the filter
    else
        backups_->setCurrentItem(firstShown);
}

void RestoreBackupDialog::showChosen()
{
    chosenValues_ = FormValues();
    load_->setEnabled(false);
    preview_->clear();
    const QTreeWidgetItem *item = backups_->currentItem();
    if (!item || item->isHidden()) {
        if (backups_->topLevelItemCount() > 0)
            status_->setText(tr("No backup of such a device."));
        return;
    }
    QString error;
    FormValues values;
    if (!CompareFile::read(item->data(0, Qt::UserRole).toString(), sheet_, values, error)) {
        status_->setText(error);
        return;
    }
    chosenValues_ = values;
    preview_->setValues(sheet_, pages_, values);
    status_->setText(preview_->differenceCount() == 0 ? tr("The pages hold what this backup holds.")
            : preview_->differenceCount() == 1
            ? tr("1 setting differs from the pages.")
            : tr("%1 settings differ from the pages.").arg(preview_->differenceCount()));
    load_->setEnabled(true);
}
