#include "switches.h"

int ignoreActivate;
int allowSipInSearch = 1;
int fullScreen;
