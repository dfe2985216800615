#include "app/comparedialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "profiles/profileformat.h"

namespace {
// Profiles are a few KB; a larger file is no profile and is not read whole.
constexpr qint64 MaxComparedFileBytes = 1 << 20;
} // namespace

DifferenceList::DifferenceList(bool checkable, QWidget *parent)
    : QWidget(parent), checkable_(checkable), tree_(new QTreeWidget(this))
{
    tree_->setObjectName(QStringLiteral("treeWidget_differences"));
    tree_->setRootIsDecorated(false);
    tree_->setHeaderLabels({tr("Page"), tr("Setting"), tr("Pages"), tr("File")});
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
}

void DifferenceList::setValues(
    const FormSheet &sheet, const FormValues &pages, const FormValues &file)
{
    sheet_ = sheet;
    pages_ = pages;
    file_ = file;
    differences_ = sheet_.compare(pages_, file_);
    rebuild();
}

void DifferenceList::clear()
{
    sheet_ = FormSheet();
    differences_.clear();
    rebuild();
}

void DifferenceList::setShowEqual(bool show)
{
    showEqual_ = show;
    rebuild();
}

FormValues DifferenceList::checkedValues() const
{
    FormValues chosen;
    for (int row = 0; row < tree_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = tree_->topLevelItem(row);
        if (!(item->flags() & Qt::ItemIsUserCheckable) || item->checkState(0) != Qt::Checked)
            continue;
        const QString name = item->data(0, Qt::UserRole).toString();
        const FormSheet::Field *field = sheet_.field(name);
        if (!field || !file_.contains(name))
            continue;
        if (field->kind == WidgetKind::ComboBox)
            chosen.setIndex(name, file_.index(name));
        else if (field->kind == WidgetKind::LineEdit)
            chosen.setText(name, file_.text(name));
        else
            chosen.setChecked(name, file_.checked(name));
    }
    return chosen;
}

void DifferenceList::rebuild()
{
    // Ticks survive a toggle of the equal lines.
    QSet<QString> ticked;
    for (int row = 0; row < tree_->topLevelItemCount(); ++row)
        if (tree_->topLevelItem(row)->checkState(0) == Qt::Checked)
            ticked << tree_->topLevelItem(row)->data(0, Qt::UserRole).toString();
    tree_->clear();

    QHash<QString, const FormSheet::Difference *> differing;
    for (const auto &d : differences_)
        differing.insert(d.name, &d);
    for (const FormSheet::Field &field : sheet_.fields()) {
        const FormSheet::Difference *d = differing.value(field.name);
        if (!d && !showEqual_)
            continue;
        auto *item = new QTreeWidgetItem(tree_);
        item->setData(0, Qt::UserRole, field.name);
        if (d) {
            item->setText(PageColumn, d->page);
            item->setText(CaptionColumn, d->caption);
            item->setText(PagesColumn, d->left);
            item->setText(FileColumn, d->right);
            if (checkable_) {
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(0, ticked.contains(field.name) ? Qt::Checked : Qt::Unchecked);
            }
        } else {
            const QString value = sheet_.displayText(field, pages_);
            item->setText(PageColumn, field.page);
            item->setText(CaptionColumn, field.caption);
            item->setText(PagesColumn, value);
            item->setText(FileColumn, value);
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        }
    }
}

bool CompareFile::read(
    const QString &path, const FormSheet &sheet, FormValues &values, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QObject::tr("Cannot read %1: %2")
                    .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    const QByteArray bytes = file.read(MaxComparedFileBytes + 1);
    if (bytes.size() > MaxComparedFileBytes) {
        error = QObject::tr("%1 is too large for a profile").arg(QDir::toNativeSeparators(path));
        return false;
    }
    // A missing line checks a check box, so a file that names no setting
    // at all would seem to differ everywhere: it is no profile.
    bool namesASetting = false;
    for (const QByteArray &line : bytes.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0 && sheet.field(QString::fromLatin1(line.left(colon)))) {
            namesASetting = true;
            break;
        }
    }
    if (!namesASetting) {
        error = QObject::tr("%1 is not a profile: no line names a setting of the pages.")
                    .arg(QDir::toNativeSeparators(path));
        return false;
    }
    values = ProfileFormat::read(bytes, sheet.widgets());
    return true;
}

CompareDialog::CompareDialog(const QString &path, const FormSheet &sheet, const FormValues &pages,
    const FormValues &file, QWidget *parent)
    : QDialog(parent), list_(new DifferenceList(true, this)),
      showEqual_(new QCheckBox(tr("Show equal settings"), this)),
      apply_(new QPushButton(tr("Apply selected"), this))
{
    setWindowTitle(tr("Compare with profile"));
    list_->setValues(sheet, pages, file);
    auto *summary = new QLabel(this);
    summary->setWordWrap(true);
    const int count = list_->differenceCount();
    const QString shownPath = QDir::toNativeSeparators(path);
    summary->setText(count == 0 ? tr("%1 holds what the pages hold.").arg(shownPath)
            : count == 1
            ? tr("1 setting of %1 differs from the pages.").arg(shownPath)
            : tr("%1 settings of %2 differ from the pages.").arg(count).arg(shownPath));
    showEqual_->setObjectName(QStringLiteral("checkBox_showEqual"));
    apply_->setObjectName(QStringLiteral("pushButton_applySelected"));
    // Enabled once a line is ticked.
    apply_->setEnabled(false);
    connect(list_->tree(), &QTreeWidget::itemChanged, this,
        [this] { apply_->setEnabled(!list_->checkedValues().isEmpty()); });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(apply_, QDialogButtonBox::ApplyRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(list_);
    layout->addWidget(showEqual_);
    layout->addWidget(buttons);
    resize(760, 420);

    connect(showEqual_, &QCheckBox::toggled, list_, &DifferenceList::setShowEqual);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, [this] {
        emit applyRequested(list_->checkedValues());
        accept();
    });
}
