#pragma once
// Model detection from the version answer, and the page layout that follows.
#include <QString>

#include "protocol/formvalues.h"
#include "protocol/modelflags.h"

// Decodes the version answer held in `received` ("<OK> VER?:T47_V1.05;\r\n").
// `previous` carries the sticky speech-acknowledgement flag over, and the
// counts and read format when the version names no supported model.
ModelFlags detectModel(const QString &received, const ModelFlags &previous = {});

// The window title after a version answer: the tool title, a blank and the
// version text.
QString windowTitleFor(const ModelFlags &flags);

// Maximum length of the report destination fields once a supported model
// was read.
constexpr int ReportDestinationMaxLength = 99;

// Visibility of every widget the version decode shows or hides for `flags`
// (widget objectName -> visible). Widgets it leaves alone are absent.
WidgetStates layoutVisibility(const ModelFlags &flags);

// Visibility of the widgets the window shows or hides at start, before any
// version answer (widget objectName -> visible).
WidgetStates startVisibility();
