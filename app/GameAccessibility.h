#pragma once
// What the game's own widgets tell a screen reader beyond Qt's defaults: a list names itself after
// its label and gives its chosen entry as its value, read as words ("nothing", not a blank), and the
// notice (ScreenReaderNotice) is a notification.

namespace brackenhollow {

// The object name of the notice's parent, which reads as an area of messages.
inline constexpr char kNoticeAreaName[] = "screen-reader-messages";

// Makes Qt ask the game for the accessible interfaces of GameList and ScreenReaderNotice. Safe to call
// any number of times.
void InstallGameAccessibility();

}  // namespace brackenhollow
