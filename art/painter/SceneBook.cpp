#include "art/painter/SceneBook.h"

#include "art/painter/Palette.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace brackenhollow::art {

Layer::Layer(std::string prop, std::map<std::string, std::string> values, std::string where)
    : m_prop(std::move(prop)), m_values(std::move(values)), m_where(std::move(where)) {}

void Layer::SetChoice(std::string object, std::string way) {
  m_object = std::move(object);
  m_way = std::move(way);
}

bool Layer::Has(const std::string& key) const {
  return m_values.count(key) != 0;
}

double Layer::Number(const std::string& key, double fallback) const {
  const auto found = m_values.find(key);
  if (found == m_values.end()) return fallback;
  m_used.insert(key);
  double value = 0;
  const char* first = found->second.data();
  const char* last = first + found->second.size();
  const auto result = std::from_chars(first, last, value);
  if (result.ec != std::errc() || result.ptr != last)
    throw SceneError(m_where + ": " + key + "=" + found->second + " is not a number");
  return value;
}

std::string Layer::Word(const std::string& key, const std::string& fallback) const {
  const auto found = m_values.find(key);
  if (found == m_values.end()) return fallback;
  m_used.insert(key);
  return found->second;
}

bool Layer::Flag(const std::string& key, bool fallback) const {
  const auto found = m_values.find(key);
  if (found == m_values.end()) return fallback;
  m_used.insert(key);
  if (found->second == "yes") return true;
  if (found->second == "no") return false;
  throw SceneError(m_where + ": " + key + " must be yes or no, not " + found->second);
}

QRgb Layer::Colour(const std::string& key, QRgb fallback) const {
  const auto found = m_values.find(key);
  if (found == m_values.end()) return fallback;
  m_used.insert(key);
  QRgb value = 0;
  if (FindNamedColour(found->second, value)) return value;
  if (found->second.size() == 7 && found->second[0] == '#') {
    unsigned int hex = 0;
    const char* first = found->second.data() + 1;
    const auto result = std::from_chars(first, first + 6, hex, 16);
    if (result.ec == std::errc() && result.ptr == first + 6) return hex;
  }
  throw SceneError(m_where + ": " + found->second + " is not a palette colour");
}

bool Layer::PaintsAs(const Layer& other) const {
  return m_prop == other.m_prop && m_values == other.m_values && m_object == other.m_object && m_way == other.m_way;
}

std::vector<std::string> Layer::Unused() const {
  std::vector<std::string> unused;
  for (const auto& [key, value] : m_values)
    if (m_used.count(key) == 0) unused.push_back(key);
  return unused;
}

namespace {

// Splits a line into words; a double-quoted part (which may hold spaces) stays one word, quotes removed.
bool SplitWords(const std::string& line, std::vector<std::string>& words) {
  words.clear();
  std::string word;
  bool quoted = false;
  bool inWord = false;
  for (const char character : line) {
    if (character == '"') {
      quoted = !quoted;
      inWord = true;
      continue;
    }
    if (!quoted && (character == ' ' || character == '\t')) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
      continue;
    }
    word += character;
    inWord = true;
  }
  if (inWord) words.push_back(word);
  return !quoted;
}

// Reads "a,b,c" as room numbers; returns false on anything else.
bool ParseRooms(const std::string& text, std::vector<int>& rooms) {
  std::stringstream stream(text);
  std::string part;
  while (std::getline(stream, part, ',')) {
    int room = 0;
    const auto result = std::from_chars(part.data(), part.data() + part.size(), room);
    if (result.ec != std::errc() || result.ptr != part.data() + part.size()) return false;
    rooms.push_back(room);
  }
  return !rooms.empty();
}

// Takes the "object" and "way" values out of a layer's values, since no prop paints them. Returns false
// with a message for an empty object, a direction other than N, S, E or W, or both on one line.
bool TakeChoice(std::map<std::string, std::string>& values, std::string& object, std::string& way,
                std::string& error) {
  if (const auto found = values.find("object"); found != values.end()) {
    object = found->second;
    values.erase(found);
    if (object.empty()) {
      error = "object= needs the name of one of the world's objects";
      return false;
    }
  }
  if (const auto found = values.find("way"); found != values.end()) {
    way = found->second;
    values.erase(found);
    if (way != "N" && way != "S" && way != "E" && way != "W") {
      error = "way must be N, S, E or W, not '" + way + "'";
      return false;
    }
  }
  if (!object.empty() && !way.empty()) {
    error = "a layer is either an object or a way, not both";
    return false;
  }
  return true;
}

// Reads a region's rectangle: exactly x, y, w and h, numbers with w and h above 0. Returns false with a
// message otherwise.
bool ReadRegion(const std::map<std::string, std::string>& values, double (&box)[4], std::string& error) {
  static const char* const kKeys[] = {"x", "y", "w", "h"};
  for (const auto& [key, value] : values) {
    if (std::find_if(std::begin(kKeys), std::end(kKeys), [&](const char* known) { return key == known; }) ==
        std::end(kKeys)) {
      error = "a region has no parameter " + key;
      return false;
    }
  }
  for (int index = 0; index < 4; ++index) {
    const auto found = values.find(kKeys[index]);
    if (found == values.end()) {
      error = std::string("a region needs ") + kKeys[index] + "=";
      return false;
    }
    const char* first = found->second.data();
    const char* last = first + found->second.size();
    const auto result = std::from_chars(first, last, box[index]);
    if (result.ec != std::errc() || result.ptr != last) {
      error = std::string(kKeys[index]) + "=" + found->second + " is not a number";
      return false;
    }
  }
  if (box[2] <= 0 || box[3] <= 0) {
    error = "a region needs a width and a height above 0";
    return false;
  }
  return true;
}

}  // namespace

bool SceneBook::AddText(const std::string& text, const std::string& sourceName, std::string& error) {
  std::stringstream stream(text);
  std::string line;
  int lineNumber = 0;
  Block* current = nullptr;
  std::vector<std::string> words;
  while (std::getline(stream, line)) {
    ++lineNumber;
    const std::string where = sourceName + ":" + std::to_string(lineNumber);
    // A comment starts at a '#' that begins a word, so colour values such as "#ffcc00" survive.
    for (std::size_t index = 0; index < line.size(); ++index) {
      if (line[index] == '#' && (index == 0 || line[index - 1] == ' ' || line[index - 1] == '\t')) {
        line.erase(index);
        break;
      }
    }
    if (!SplitWords(line, words)) {
      error = where + ": unclosed quote";
      return false;
    }
    if (words.empty()) continue;
    const std::string& head = words[0];
    if (head == "scene" || head == "picture" || head == "icon" || head == "item") {
      if (words.size() < 2) {
        error = where + ": " + head + " needs a name";
        return false;
      }
      Block block;
      block.kind = head == "scene"     ? Block::Kind::kScene
                   : head == "picture" ? Block::Kind::kPicture
                   : head == "icon"    ? Block::Kind::kIcon
                                       : Block::Kind::kItem;
      block.name = words[1];
      block.where = where;
      for (std::size_t index = 2; index < words.size(); ++index) {
        const std::string& word = words[index];
        if (word.rfind("rooms=", 0) == 0 && ParseRooms(word.substr(6), block.rooms)) continue;
        if (word.rfind("size=", 0) == 0) {
          block.iconSize = std::atoi(word.c_str() + 5);
          if (block.iconSize > 0) continue;
        }
        error = where + ": unexpected '" + word + "'";
        return false;
      }
      if (block.kind == Block::Kind::kItem && (!block.rooms.empty() || block.iconSize != 0)) {
        error = where + ": an item's icon belongs to no room and has the one size of item icons";
        return false;
      }
      if (block.kind == Block::Kind::kScene) {
        if (m_scenes.count(block.name) != 0) {
          error = where + ": scene " + block.name + " is defined twice";
          return false;
        }
        m_scenes[block.name] = m_blocks.size();
      }
      m_blocks.push_back(std::move(block));
      current = &m_blocks.back();
      continue;
    }
    if (current == nullptr) {
      error = where + ": a layer before any scene or picture";
      return false;
    }
    if (head == "describe") {
      if (current->kind == Block::Kind::kScene || words.size() != 2 || words[1].empty()) {
        error = where + ": describe takes one quoted sentence, inside a picture";
        return false;
      }
      if (!current->description.empty()) {
        error = where + ": " + current->name + " is described twice";
        return false;
      }
      current->description = words[1];
      continue;
    }
    Entry entry;
    entry.where = where;
    if (head == "use") {
      if (words.size() != 2) {
        error = where + ": use takes one scene name";
        return false;
      }
      entry.isUse = true;
      entry.useName = words[1];
    } else {
      entry.prop = head;
      for (std::size_t index = 1; index < words.size(); ++index) {
        const auto equals = words[index].find('=');
        if (equals == std::string::npos || equals == 0) {
          error = where + ": expected key=value, found '" + words[index] + "'";
          return false;
        }
        entry.values[words[index].substr(0, equals)] = words[index].substr(equals + 1);
      }
      std::string problem;
      if (!TakeChoice(entry.values, entry.object, entry.way, problem)) {
        error = where + ": " + problem;
        return false;
      }
      entry.isRegion = head == "region";
      if (entry.isRegion && entry.object.empty() && entry.way.empty()) problem = "a region needs object= or way=";
      if (entry.isRegion && problem.empty()) ReadRegion(entry.values, entry.box, problem);
      if (!problem.empty()) {
        error = where + ": " + problem;
        return false;
      }
    }
    current->entries.push_back(std::move(entry));
  }
  return true;
}

bool SceneBook::AddFolder(const std::string& folder, std::string& error) {
  std::vector<std::filesystem::path> files;
  std::error_code code;
  for (const auto& item : std::filesystem::directory_iterator(folder, code))
    if (item.path().extension() == ".txt") files.push_back(item.path());
  if (code) {
    error = folder + ": " + code.message();
    return false;
  }
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    std::ifstream input(file);
    std::stringstream text;
    text << input.rdbuf();
    if (!input) {
      error = file.string() + ": cannot be read";
      return false;
    }
    if (!AddText(text.str(), file.filename().string(), error)) return false;
  }
  return true;
}

bool SceneBook::Expand(const Block& block, Picture& picture, std::vector<std::string>& stack,
                       std::string& error) const {
  for (const Entry& entry : block.entries) {
    if (entry.isRegion) {
      picture.regions.push_back({entry.object, entry.way, entry.box[0], entry.box[1], entry.box[2], entry.box[3],
                                 picture.layers.size(), entry.where});
      continue;
    }
    if (!entry.isUse) {
      picture.layers.emplace_back(entry.prop, entry.values, entry.where);
      picture.layers.back().SetChoice(entry.object, entry.way);
      continue;
    }
    const auto found = m_scenes.find(entry.useName);
    if (found == m_scenes.end()) {
      error = entry.where + ": no scene named " + entry.useName;
      return false;
    }
    if (std::find(stack.begin(), stack.end(), entry.useName) != stack.end()) {
      error = entry.where + ": scene " + entry.useName + " uses itself";
      return false;
    }
    stack.push_back(entry.useName);
    if (!Expand(m_blocks[found->second], picture, stack, error)) return false;
    stack.pop_back();
  }
  return true;
}

bool SceneBook::Pictures(std::vector<Picture>& pictures, std::string& error) const {
  pictures.clear();
  std::set<std::string> names;
  for (const Block& block : m_blocks) {
    if (block.kind == Block::Kind::kScene) continue;
    if (!names.insert(block.name).second) {
      error = block.where + ": " + block.name + " is painted twice";
      return false;
    }
    Picture picture;
    picture.fileName = block.kind == Block::Kind::kItem ? "item " + block.name + ".gif" : block.name;
    if (block.kind == Block::Kind::kItem) picture.item = block.name;
    picture.rooms = block.rooms;
    picture.iconSize = block.kind == Block::Kind::kIcon ? std::max(block.iconSize, 16) : 0;
    picture.description = block.description;
    picture.where = block.where;
    std::vector<std::string> stack;
    if (!Expand(block, picture, stack, error)) return false;
    pictures.push_back(std::move(picture));
  }
  return true;
}

}  // namespace brackenhollow::art
