#pragma once
// The pictures of the options, recorder and about windows, drawn in code. Each has a transparent background
// colour, for an image control that leaves it out.

namespace framework {
class TPicture;
}

enum class OptionsTabPicture { Output, Mp3, Drive };

// 32 by 32: a folder, a note over a wave, a disc in its drive.
void DrawOptionsTabPicture(framework::TPicture& picture, OptionsTabPicture tab);
// 18 by 18: a small red record dot on a disc, for the recorder's start button.
void DrawStartButtonPicture(framework::TPicture& picture);
// 73 by 49: a disc beside a sound wave, for the about window.
void DrawAboutPicture(framework::TPicture& picture);
