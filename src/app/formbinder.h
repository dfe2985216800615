#pragma once
// Copies values between the widgets and FormValues, by objectName. The same
// walk serves the page writers, the decoders' results and the profile files.
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include "protocol/formvalues.h"

namespace FormBinder {

// The widgets below a root, found once. The form creates no widgets after
// setup, so a window keeps one Index and every answer of a read or step of
// a Write All is spared a walk over several hundred widgets. A widget
// deleted later is skipped.
class Index
{
public:
    explicit Index(QWidget *root);

    // The line edits, check boxes, combo boxes and radio buttons below the
    // root, kind by kind in that order, each kind in depth-first creation order.
    QList<WidgetRef> valueWidgets() const;
    // Current values of those widgets.
    FormValues collect() const;
    // Puts each value into the widget of that name (line edits and labels
    // take text, combo boxes and stacked widgets an index, check boxes and
    // radio buttons a state; an exclusive radio button is only ever checked,
    // so its group keeps a choice). Setters emit their usual change signals.
    // Names that match no widget are skipped. Returns the names applied.
    QStringList apply(const FormValues &values) const;
    // Sets the enabled (or visible) state of named widgets.
    void setEnabled(const WidgetStates &states) const;
    void setVisible(const WidgetStates &states) const;

private:
    struct Found
    {
        WidgetRef ref;
        QPointer<QWidget> widget;
    };
    QList<Found> valueWidgets_;
    QHash<QString, QPointer<QWidget>> byName_; // the first widget of each name
};

} // namespace FormBinder
