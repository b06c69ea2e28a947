// vu_Query: where the toolkit's position and size queries leave their answer.
#include "vu.h"

vu_QueryPair vu_Query = {0, 0};
