#include "hints/WorldExplorer.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "hints/Playground.h"
#include "hints/SafeSteps.h"

namespace brackenhollow {

namespace {

constexpr std::size_t kProgressEvery = 1000;

// A state: the world, and the rooms within walking reach (rooms with the same reach are alike).
struct StateKey {
  std::uint64_t world;
  Reach reach;
  bool operator==(const StateKey&) const = default;
};

struct StateKeyHash {
  std::size_t operator()(const StateKey& key) const {
    return key.world ^ (std::hash<Reach>{}(key.reach) * 0x9e3779b97f4a7c15ull);
  }
};

struct Node {
  std::uint64_t world;
  int room;
  std::size_t parent;   // the node it was first reached from; itself for the start
  PlayerAction action;  // the action that first reached it
  bool islandInReach = false;
  std::vector<std::size_t> children;
};

class Explorer {
 public:
  Explorer(GameDatabase& store, Orders orders, std::size_t limit, const std::function<void(std::size_t)>& progress)
      : m_playground(store), m_orders(orders), m_limit(limit), m_progress(progress) {}

  Exploration Run(int room) {
    Exploration result;
    if (!m_playground.Ok()) return result;
    Visit(room, 0, PlayerAction{});
    result.complete = m_complete;
    result.states = m_nodes.size();
    result.transitions = m_transitions;
    std::unordered_set<std::uint64_t> worlds;
    for (const Node& node : m_nodes) worlds.insert(node.world);
    result.worlds = worlds.size();
    if (m_complete) result.deadEnds = DeadEnds();
    return result;
  }

 private:
  // Depth first from the copy's present state; returns the node's index. Where an action that competes
  // with no other can be done without losing anything (no exit closes, no room drops out of reach,
  // nothing offered goes but what it uses up), it alone is followed: whatever the player does instead
  // can still be done after it, and leads to the same states up to the order of steps. Elsewhere every
  // action is followed. Picking up never competes: puzzles take items out of the inventory, never off
  // the floor.
  std::size_t Visit(int room, std::size_t parent, const PlayerAction& action) {
    const Situation before = m_playground.Current();
    const StateKey key{m_playground.World(), ReachOf(before, room)};
    if (const auto found = m_index.find(key); found != m_index.end()) return found->second;
    const std::size_t index = m_nodes.size();
    m_index.emplace(key, index);
    m_nodes.push_back(Node{m_playground.World(), room, index == 0 ? 0 : parent, action, false, {}});
    if (m_progress && m_nodes.size() % kProgressEvery == 0) m_progress(m_nodes.size());
    if (m_playground.CanWalkToIsland(room)) {
      m_nodes[index].islandInReach = true;
      return index;
    }
    WalkIntoNarrowerReach(index, before, room);
    const std::vector<PlayerAction> choices = m_playground.Choices(room);
    for (const PlayerAction& choice : choices) {
      if (m_orders == Orders::Every || !CompetesWithNone(choice) || !m_playground.Try(choice)) continue;
      if (LosesNothing(before, room, m_playground.Current(), choice)) {
        Follow(index, choice);
        return index;
      }
      m_playground.Undo();
    }
    for (const PlayerAction& choice : choices) {
      if (m_nodes.size() >= m_limit) {
        m_complete = false;
        break;
      }
      if (m_playground.Try(choice)) Follow(index, choice);
    }
    return index;
  }

  // Walking changes no table, but a one-way exit can leave the player with fewer rooms in reach: each
  // such smaller reach is a state of its own, reached by a walk (an action with no verb).
  void WalkIntoNarrowerReach(std::size_t index, const Situation& situation, int room) {
    const Reach reach = ReachOf(situation, room);
    std::vector<Reach> seen{reach};
    for (int target = 1; target <= kRoomCount; ++target) {
      if (!reach[target]) continue;
      const Reach narrower = ReachOf(situation, target);
      if (std::find(seen.begin(), seen.end(), narrower) != seen.end()) continue;
      seen.push_back(narrower);
      const std::size_t child = Visit(target, index, PlayerAction{target, {}, {}, {}});
      m_nodes[index].children.push_back(child);
    }
  }

  // Goes on from the action just tried (its savepoint open) and takes it back.
  void Follow(std::size_t index, const PlayerAction& choice) {
    ++m_transitions;
    const std::size_t child = Visit(choice.room, index, choice);
    m_playground.Undo();
    m_nodes[index].children.push_back(child);
  }

  // The nodes from which no sequence of actions reaches a node with the island in reach.
  std::vector<ExploredState> DeadEnds() const {
    std::vector<std::vector<std::size_t>> parents(m_nodes.size());
    std::deque<std::size_t> queue;
    std::vector<bool> canFinish(m_nodes.size(), false);
    for (std::size_t index = 0; index < m_nodes.size(); ++index) {
      for (std::size_t child : m_nodes[index].children) parents[child].push_back(index);
      if (m_nodes[index].islandInReach) {
        canFinish[index] = true;
        queue.push_back(index);
      }
    }
    while (!queue.empty()) {
      const std::size_t index = queue.front();
      queue.pop_front();
      for (std::size_t parent : parents[index]) {
        if (canFinish[parent]) continue;
        canFinish[parent] = true;
        queue.push_back(parent);
      }
    }
    std::vector<ExploredState> deadEnds;
    for (std::size_t index = 0; index < m_nodes.size(); ++index) {
      if (!canFinish[index]) deadEnds.push_back(Describe(index));
    }
    return deadEnds;
  }

  ExploredState Describe(std::size_t index) const {
    ExploredState state{m_nodes[index].world, m_nodes[index].room, {}};
    for (std::size_t at = index; at != 0; at = m_nodes[at].parent) {
      state.actions.insert(state.actions.begin(), m_nodes[at].action);
    }
    return state;
  }

  Playground m_playground;
  Orders m_orders;
  std::size_t m_limit;
  const std::function<void(std::size_t)>& m_progress;
  std::vector<Node> m_nodes;
  std::unordered_map<StateKey, std::size_t, StateKeyHash> m_index;
  std::size_t m_transitions = 0;
  bool m_complete = true;
};

}  // namespace

Exploration ExploreWorld(GameDatabase& store, int room, Orders orders, std::size_t stateLimit,
                         const std::function<void(std::size_t states)>& progress) {
  return Explorer(store, orders, stateLimit, progress).Run(room);
}

}  // namespace brackenhollow
