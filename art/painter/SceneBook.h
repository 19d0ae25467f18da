// Reads the scene texts: reusable scenes and the pictures built from them, each a list of prop layers.
#pragma once

#include <QRgb>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace brackenhollow::art {

// A mistake in a scene text found while painting (a bad value, an unknown prop or parameter).
class SceneError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One prop to paint, with its parameters as written ("bed x=300 y=330 state=unmade").
class Layer {
 public:
  Layer(std::string prop, std::map<std::string, std::string> values, std::string where);

  const std::string& Prop() const { return m_prop; }
  const std::string& Where() const { return m_where; }
  bool Has(const std::string& key) const;

  // The parameter as a number; the fallback when absent. Throws SceneError when it is not a number.
  double Number(const std::string& key, double fallback) const;
  // The parameter as written; the fallback when absent.
  std::string Word(const std::string& key, const std::string& fallback) const;
  // The parameter as yes/no; the fallback when absent. Throws SceneError on any other word.
  bool Flag(const std::string& key, bool fallback) const;
  // The parameter as a palette colour name or #rrggbb; the fallback when absent. Throws SceneError when unknown.
  QRgb Colour(const std::string& key, QRgb fallback) const;
  // The parameters nobody asked for, which are typing mistakes in the scene text.
  std::vector<std::string> Unused() const;

 private:
  std::string m_prop;
  std::map<std::string, std::string> m_values;
  std::string m_where;
  mutable std::set<std::string> m_used;
};

// A picture to write: its file name on disk, the rooms that show it (empty for pictures put by actions),
// and its layers with every "use" already expanded.
struct Picture {
  std::string fileName;
  std::vector<int> rooms;
  std::vector<Layer> layers;
  int iconSize = 0;  // non-zero for the square application icon
  std::string where;
};

// All scene texts of a folder.
class SceneBook {
 public:
  // Parses one scene text. Returns false with a located message on a syntax error.
  bool AddText(const std::string& text, const std::string& sourceName, std::string& error);
  // Parses every *.txt of the folder in name order. Returns false on the first error.
  bool AddFolder(const std::string& folder, std::string& error);
  // Expands the "use" lines of every picture. Returns false for an unknown or circular scene, or a file
  // name given twice.
  bool Pictures(std::vector<Picture>& pictures, std::string& error) const;

 private:
  struct Entry {
    bool isUse = false;
    std::string useName;
    std::string prop;
    std::map<std::string, std::string> values;
    std::string where;
  };
  struct Block {
    enum class Kind { kScene, kPicture, kIcon } kind = Kind::kScene;
    std::string name;
    std::vector<int> rooms;
    int iconSize = 0;
    std::vector<Entry> entries;
    std::string where;
  };

  bool Expand(const Block& block, std::vector<Layer>& layers, std::vector<std::string>& stack,
              std::string& error) const;

  std::vector<Block> m_blocks;
  std::map<std::string, std::size_t> m_scenes;
};

}  // namespace brackenhollow::art
