#include "wizard/ScaleAddress.h"

// Recovery mode's fixed address until the operator chooses another operation.
char g_szScaleAddress[16] = "192.168.10.1";
