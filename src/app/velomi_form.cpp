// The generated form's setupUi is one function of several thousand lines.
// Optimising it took a minute of every build and gains nothing at run time
// (it runs once), so it is compiled here alone, without optimisation.
#include "app/velomi.h"

void Velomi::setupForm() { setupUi(this); }
