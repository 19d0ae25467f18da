#pragma once
// Pictures named outside the room records, each with its leading backslash: the start dialog's, and the
// close-ups the Action rules put on the picture control and the screen finds among the painted pictures.

namespace brackenhollow {

// The start dialog's picture.
inline constexpr char kTitlePicture[] = "\\title.gif";

// The close-ups that actions put on the picture control themselves.
inline constexpr char kTrashCanInsidePicture[] = "\\alleywithtrashcaninside.gif";
inline constexpr char kScarecrowCloseUpPicture[] = "\\scarecrowcloseup.gif";
inline constexpr char kDrawerInsidePicture[] = "\\drawer inside.gif";
inline constexpr char kNestWithEggsPicture[] = "\\nest with eggs.gif";
inline constexpr char kAmuletPicture[] = "\\amulet.gif";
inline constexpr const char* kCloseUpPictures[] = {kTrashCanInsidePicture, kScarecrowCloseUpPicture,
                                                   kDrawerInsidePicture, kNestWithEggsPicture, kAmuletPicture};

}  // namespace brackenhollow
