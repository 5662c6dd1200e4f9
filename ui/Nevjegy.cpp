// STUB: replaced by the real dialog.
#include "ui/Nevjegy.h"
void ShowAboutDialog() {}
