#pragma once
// The picture as assistive technology finds it: an image with the room's name and the picture's
// description, and one child per hotspot named after the thing (or the way out), which can be pressed.

namespace brackenhollow {

class PointerPicture;

// Makes the accessibility of every PointerPicture the one below; once per process.
void InstallPictureAccessibility();
// Tells assistive technology that picture's hotspots were replaced.
void TargetsChanged(PointerPicture* picture);
// Tells assistive technology that the keyboard moved to the hotspot index of picture.
void TargetFocused(PointerPicture* picture, int index);

}  // namespace brackenhollow
