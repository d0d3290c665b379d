#include "bryzas_kod.h"
