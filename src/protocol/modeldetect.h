#pragma once
// Model detection from the version answer, and the page layout that follows.
#include <QString>

#include "formvalues.h"
#include "modelflags.h"

// Decodes the version answer held in `received` ("<OK> VER?:T47_V1.05;\r\n").
// `previous` carries the sticky speech-acknowledgement flag over.
ModelFlags detectModel(const QString &received, const ModelFlags &previous = {});

// Visibility of every widget the version decode shows or hides for `flags`
// (widget objectName -> visible). Widgets it leaves alone are absent.
WidgetStates layoutVisibility(const ModelFlags &flags);
