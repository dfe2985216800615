#pragma once
// The window's value widgets without the widgets: for each one its name,
// kind, page, caption, combo items, length limit and radio group, and the
// values the window starts with. A tool without a window (the command line)
// turns answers into the same profile bytes as the window, and compares two
// sets of values in the widgets' own terms. The window's form is the source:
// the sheet is taken from it (see FormSheetBuilder), never written by hand.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "protocol/formvalues.h"
#include "protocol/modelflags.h"

class FormSheet
{
public:
    struct Field
    {
        QString name;
        WidgetKind kind = WidgetKind::LineEdit;
        QString page; // the title of the tab that holds it
        QString caption; // the label beside it, or its own text
        QStringList items; // combo boxes: the item texts
        int maxLength = 32767; // line edits
        // Radio buttons that exclude each other share a group; empty for
        // a button that stands alone.
        QString group;
    };

    // One setting whose two values differ.
    struct Difference
    {
        QString name;
        QString page;
        QString caption;
        QString left; // e.g. what the device holds
        QString right; // e.g. what the profile says
    };

    const QList<Field> &fields() const { return fields_; }
    const FormValues &startValues() const { return start_; }
    void addField(const Field &field, const QVariant &startValue);
    const Field *field(const QString &name) const;
    // Value widgets in the window's order, for ProfileFormat.
    QList<WidgetRef> widgets() const;

    // The sheet as the window has it once the version answer named a
    // supported `model`: the report types of that model, and the report
    // destinations' length limit.
    FormSheet forModel(const ModelFlags &model) const;
    // What the window then sets: each report type at its first item.
    FormValues resetForModel(const ModelFlags &model) const;

    // `current` after the window put `decoded` into its widgets: names of
    // no value widget are skipped, a combo index outside its items leaves
    // no selection, a line edit keeps at most its limit, a radio button of
    // a group is only ever checked (its group unchecks the others).
    FormValues apply(const FormValues &current, const FormValues &decoded) const;

    // The value as a technician reads it: the text, "Checked"/"Unchecked",
    // a combo's item text (or its index when it has no such item).
    QString displayText(const Field &field, const FormValues &values) const;

    // Every value widget whose value differs, in the window's order; the
    // values are taken as a profile holds them (a combo without a selection
    // is its first item).
    QList<Difference> compare(const FormValues &left, const FormValues &right) const;

    // A sheet survives a file: the build keeps it as JSON.
    QByteArray toJson() const;
    // False with `error` when the bytes are no sheet.
    static bool fromJson(const QByteArray &json, FormSheet &sheet, QString *error = nullptr);

private:
    QList<Field> fields_;
    FormValues start_;
};
