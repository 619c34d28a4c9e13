#include "tests/support/FakeServices.h"
