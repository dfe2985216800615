// The generated form's setupUi is one function of several thousand lines.
// Optimising or instrumenting it took a minute of every build and gains
// nothing at run time (it runs once), so it is compiled here alone, plain.
#include "app/velomi.h"

void Velomi::setupForm() { setupUi(this); }
