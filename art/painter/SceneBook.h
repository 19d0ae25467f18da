// Reads the scene texts: reusable scenes and the pictures built from them, each a list of prop layers.
// Beside its props' own parameters a layer may say what the player chooses by pointing at it: object="NAME"
// (the world's object it draws) or way=N|S|E|W (the way out it draws); "region" lines mark such a part where
// no single prop draws it, and a picture's "describe" line says in one sentence what it shows. An
// item "NAME" block draws the icon of a thing the player carries.
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
  // What a pointer chooses on this layer in the game: the world's object drawn by it, or the way out
  // ("N", "S", "E" or "W") it draws; both empty for scenery.
  const std::string& Object() const { return m_object; }
  const std::string& Way() const { return m_way; }
  void SetChoice(std::string object, std::string way);
  // Whether the other layer is the same prop with the same parameters and choice, so paints alike.
  bool PaintsAs(const Layer& other) const;
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
  std::string m_object;
  std::string m_way;
  mutable std::set<std::string> m_used;
};

// A part of a picture the pointer chooses where no single prop draws it ("region way=E x= y= w= h="): a
// rectangle in frame units that paints nothing, in front of the layers before it.
struct Region {
  std::string object;
  std::string way;
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  std::size_t layersBehind = 0;  // how many of the picture's layers lie behind it
  std::string where;
};

// A picture to write: its file name on disk, the rooms that show it (empty for pictures put by actions),
// and its layers with every "use" already expanded.
struct Picture {
  std::string fileName;
  std::vector<int> rooms;
  std::vector<Layer> layers;
  std::vector<Region> regions;
  std::string description;  // one sentence saying what the picture shows, for screen readers
  int iconSize = 0;  // non-zero for the square application icon
  std::string item;  // for the icon of a thing the player carries: the world's name of the thing
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
    bool isRegion = false;
    std::string useName;
    std::string prop;
    std::map<std::string, std::string> values;
    std::string object;
    std::string way;
    double box[4] = {};  // a region's x, y, w, h
    std::string where;
  };
  struct Block {
    enum class Kind { kScene, kPicture, kIcon, kItem } kind = Kind::kScene;
    std::string name;
    std::vector<int> rooms;
    int iconSize = 0;
    std::vector<Entry> entries;
    std::string description;
    std::string where;
  };

  bool Expand(const Block& block, Picture& picture, std::vector<std::string>& stack, std::string& error) const;

  std::vector<Block> m_blocks;
  std::map<std::string, std::size_t> m_scenes;
};

}  // namespace brackenhollow::art
