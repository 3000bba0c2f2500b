#pragma once

// The sound cue: one fixed sequence of writes to a multimedia device that has a command
// property and a file-name property. The device decides what the commands mean; PlayCue only
// guarantees the order, and returns as soon as the last command has been given.

#include <string_view>

namespace quindle {

class MciDevice
{
public:
    virtual ~MciDevice() = default;
    virtual void setCommand(std::string_view command) = 0;
    virtual void setFileName(std::string_view fileName) = 0;
};

// Stop and close whatever played before, then open the named wave file and start it playing.
void PlayCue(MciDevice &device, std::string_view fileName);

inline constexpr std::string_view kPinponCue = "pinpon.wav";
inline constexpr std::string_view kEndPinponCue = "endpinpon.wav";

} // namespace quindle
