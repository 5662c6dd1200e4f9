#include "game/Results.h"

TBeall Results;
