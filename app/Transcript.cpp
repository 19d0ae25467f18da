#include "app/Transcript.h"

#include <regex>

#include "view/RoomView.h"

namespace brackenhollow {

ViewTextParts SplitViewText(const std::string& viewText) {
  const std::size_t label = viewText.find(std::string(kParagraphBreak) + kObjectsLabel);
  if (label == std::string::npos) return {{}, viewText};
  const std::size_t lineEnd = viewText.find("\r\n", label + std::string(kParagraphBreak).size());
  if (lineEnd == std::string::npos) return {viewText, {}};
  std::string answer = viewText.substr(lineEnd);
  if (answer.rfind(kParagraphBreak, 0) == 0) answer.erase(0, std::string(kParagraphBreak).size());
  return {viewText.substr(0, lineEnd), answer};
}

RoomTextParts SplitRoomText(const std::string& roomText) {
  const std::string separator = std::string(kParagraphBreak) + kObjectsLabel;
  const std::size_t label = roomText.rfind(separator);
  if (label == std::string::npos) return {roomText, {}};
  return {roomText.substr(0, label), roomText.substr(label + std::string(kParagraphBreak).size())};
}

std::string WithoutGraphicHints(const std::string& text) {
  // "(Click GRAPHIC button to view)", "(Push GRAPHIC to view)", "(Click GRAPHIC to see the eggs.)"...
  static const std::regex kHint(R"([ \t]*\((Click|Press|Push)[^()]*\bgraphic\b[^()]*\))", std::regex::icase);
  return std::regex_replace(text, kHint, "");
}

std::vector<Transcript::Entry> Transcript::Record(int room, const std::string& viewText, bool afterAction,
                                                  const std::string& told) {
  ViewTextParts parts = SplitViewText(viewText);
  std::string answer = afterAction ? std::move(parts.answer) : told;
  std::vector<Entry> added;
  if (parts.roomText.empty()) {
    if (!answer.empty()) added.push_back({Kind::Answer, std::move(answer)});
    return added;
  }
  RoomTextParts roomParts = SplitRoomText(parts.roomText);
  const bool entered = room != m_room;
  const bool described = roomParts.description != m_last.description;
  const bool objectsChanged = roomParts.objectsLine != m_last.objectsLine;
  m_room = room;
  m_last = std::move(roomParts);
  // Entering, the player first reads where they are; a change the answer caused reads after it.
  if (entered) added.push_back({Kind::Room, parts.roomText});
  if (!answer.empty()) added.push_back({Kind::Answer, std::move(answer)});
  if (entered) return added;
  if (described) {
    added.push_back({Kind::Room, std::move(parts.roomText)});
  } else if (objectsChanged) {
    added.push_back({Kind::Objects, m_last.objectsLine});
  }
  return added;
}

}  // namespace brackenhollow
