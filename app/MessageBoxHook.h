#pragma once
// Shared by the message boxes and the error box: one place that shows a box, through the
// test hook when one is installed.

#include "app/Seged.h"

// Returns true for Yes (or OK).
bool ShowBox(const BoxRequest& request);
