// Capture of bill documents: the bar code read by a scanner or the digit line typed in blocks, its check,
// the bar-code query and the loop over further documents.
#pragma once

#include "frame/Modelolumo.h"
