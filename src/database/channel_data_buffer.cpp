#include "database/channel_data_buffer.h"

namespace dorvane {

ChannelDataBuffer& channelDataBuffer() {
    static ChannelDataBuffer buffer;
    return buffer;
}

}  // namespace dorvane
