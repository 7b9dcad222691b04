#pragma once

#include "sim/frames.h"

namespace dorvane::sim {

// A small channel-data blob ("IRZ", an empty database packed with LZO1X-1):
// what the application sends when it was given none.
Bytes builtInChannelData();

// Whether a downloaded file is channel data (begins with "IRZ").
bool isChannelData(const Bytes& file);

// Channel data as a faulty STB keeps it: the first channel's name with one
// byte changed (data that does not unpack: one byte in its middle).
Bytes withOneByteChanged(const Bytes& channelData);

}  // namespace dorvane::sim
