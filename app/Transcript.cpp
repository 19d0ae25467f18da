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

std::string WithoutGraphicHints(const std::string& text) {
  // "(Click GRAPHIC button to view)", "(Push GRAPHIC to view)", "(Click GRAPHIC to see the eggs.)"...
  static const std::regex kHint(R"([ \t]*\((Click|Press|Push)[^()]*\bgraphic\b[^()]*\))", std::regex::icase);
  return std::regex_replace(text, kHint, "");
}

std::vector<Transcript::Entry> Transcript::Record(const std::string& viewText, bool afterAction) {
  ViewTextParts parts = SplitViewText(viewText);
  std::vector<Entry> added;
  if (!parts.roomText.empty() && parts.roomText != m_lastRoomText) {
    m_lastRoomText = parts.roomText;
    added.push_back({Kind::Room, std::move(parts.roomText)});
  }
  if (afterAction && !parts.answer.empty()) added.push_back({Kind::Answer, std::move(parts.answer)});
  return added;
}

}  // namespace brackenhollow
