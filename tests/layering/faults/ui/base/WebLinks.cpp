#include "ui/web/frmAbout.h"
