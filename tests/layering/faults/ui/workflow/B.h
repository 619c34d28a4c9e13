#pragma once
#include "ui/workflow/A.h"
