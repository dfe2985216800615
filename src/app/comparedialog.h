#pragma once
// "Compare with profile...": the settings of a profile or backup file against
// the pages, so the technician sees what a file would change before any of
// it reaches the pages, and takes only the lines ticked.
#include <QDialog>
#include <QList>

#include "profiles/formsheet.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// One line per setting: page, caption, the pages' value, the file's value.
// Equal settings are hidden unless shown on purpose; differing lines may
// carry a check box.
class DifferenceList : public QWidget
{
    Q_OBJECT
public:
    enum Column { PageColumn, CaptionColumn, PagesColumn, FileColumn };
    explicit DifferenceList(bool checkable, QWidget *parent = nullptr);

    void setValues(const FormSheet &sheet, const FormValues &pages, const FormValues &file);
    void clear();
    void setShowEqual(bool show);
    int differenceCount() const { return differences_.size(); }
    // The file's values of the ticked lines.
    FormValues checkedValues() const;
    QTreeWidget *tree() const { return tree_; }

private:
    void rebuild();

    bool checkable_;
    bool showEqual_ = false;
    QTreeWidget *tree_;
    FormSheet sheet_;
    FormValues pages_, file_;
    QList<FormSheet::Difference> differences_;
};

namespace CompareFile {
// The values a profile or backup file holds for the sheet's widgets, as
// loading it would put them on the pages; false with `error` (for the user)
// when the file cannot be read or names no setting of the pages.
bool read(const QString &path, const FormSheet &sheet, FormValues &values, QString &error);
} // namespace CompareFile

class CompareDialog : public QDialog
{
    Q_OBJECT
public:
    CompareDialog(const QString &path, const FormSheet &sheet, const FormValues &pages,
        const FormValues &file, QWidget *parent = nullptr);

    DifferenceList *list() const { return list_; }
    QCheckBox *showEqualBox() const { return showEqual_; }
    QPushButton *applyButton() const { return apply_; }

signals:
    // The file's values of the lines the user ticked.
    void applyRequested(const FormValues &values);

private:
    DifferenceList *list_;
    QCheckBox *showEqual_;
    QPushButton *apply_;
};
