#pragma once
#include "ui/workflow/B.h"
