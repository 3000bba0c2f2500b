#include "play_cue.h"

namespace quindle {

void PlayCue(MciDevice &device, std::string_view fileName)
{
    device.setCommand("Stop");
    device.setCommand("Close");
    device.setFileName(fileName);
    device.setCommand("Open");
    device.setCommand("Sound");
}

} // namespace quindle
