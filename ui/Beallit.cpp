// STUB: replaced by the real dialog.
#include "ui/Beallit.h"
void ShowSettingsDialog() {}
