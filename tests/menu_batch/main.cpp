#include "support/TestMain.h"

VORNA_TEST_MAIN()
