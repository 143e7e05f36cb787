#pragma once
#include "text/Text.h"

// The 740 × 400 JPEG the banner shows until the server's pictures arrive.
Bytes BuiltInBannerPicture();
