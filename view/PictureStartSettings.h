#pragma once

#include "view/CS309PictureBox.h"

namespace brackenhollow {

// The start settings both dialogs give their picture control, in this order: shown, then the three
// settings the control keeps for itself.
inline void ApplyPictureStartSettings(CS309PictureBox& picture) {
  picture.SetPictureShown(true);
  picture.PutStartSetting(5, 0);
  picture.PutStartSetting(21, 4096);
  picture.PutStartSetting(4, 1);
}

}  // namespace brackenhollow
