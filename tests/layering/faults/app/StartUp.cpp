#include "app/StartUp.h"

#include "ui/workflow/A.h"
