#pragma once
// Which buttons of the recorder's player are enabled in each of its states; step and back never are.
#include "platform/framework/mediaplayer/MediaPlayer.h"

namespace recorder_buttons {

using framework::MPButton;

inline constexpr framework::TMPBtnTypes New = MPButton(framework::btRecord);
inline constexpr framework::TMPBtnTypes Loaded =
    MPButton(framework::btPlay) | MPButton(framework::btNext) | MPButton(framework::btRecord);
inline constexpr framework::TMPBtnTypes Playing = MPButton(framework::btPause) | MPButton(framework::btStop) |
                                                  MPButton(framework::btNext) | MPButton(framework::btPrev);
inline constexpr framework::TMPBtnTypes Recording = MPButton(framework::btStop);
inline constexpr framework::TMPBtnTypes Stopped = MPButton(framework::btPlay) | MPButton(framework::btNext) |
                                                  MPButton(framework::btPrev) | MPButton(framework::btRecord);
inline constexpr framework::TMPBtnTypes AtEnd =
    MPButton(framework::btPlay) | MPButton(framework::btPrev) | MPButton(framework::btRecord);
inline constexpr framework::TMPBtnTypes AtStart = Loaded;

}  // namespace recorder_buttons
