#include "ui/workflow/frmMain.h"
