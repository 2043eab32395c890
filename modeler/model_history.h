#pragma once
// The undo and redo history of a model: each step keeps a whole copy of the
// model as it was before the step (the model copies deeply), so undoing is
// swapping copies and needs no inverse of any operation. The history also
// remembers which state was last saved, to tell whether the model is modified.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "model.h"

namespace kestrix {

// How much the history may hold: the oldest steps go first once either bound
// is passed.
struct HistoryLimits {
  int maxSteps = 64;
  std::size_t maxBytes = std::size_t{512} << 20;
};

// The memory a copy of `model` takes, near enough to bound the history by.
std::size_t EstimateModelBytes(const Model& model);

class ModelHistory {
 public:
  explicit ModelHistory(HistoryLimits limits = {});

  // Takes a copy of `model` before the change named `name` ("Mesh polygon 1")
  // is made to it; the steps that could be redone are dropped. A step whose
  // change turns out to leave every count and the material as they were is
  // dropped again by the next Settle, Record, Undo or Redo.
  void Record(const Model& model, std::string name);
  // Drops the last recorded step when `model` shows no change since it.
  void Settle(const Model& model);

  bool CanUndo() const { return !m_undo.empty(); }
  bool CanRedo() const { return !m_redo.empty(); }
  // The name of the step that Undo or Redo would take back or make again.
  const std::string& undoName() const { return m_undo.back().name; }
  const std::string& redoName() const { return m_redo.back().name; }

  // Give `model` the state before the last step, or after the last undone
  // one. The model is then unsolved: displacements belong to the state that
  // was solved, which the user has just left. False when there is no step.
  bool Undo(Model& model);
  bool Redo(Model& model);

  // Forgets every step; the model as it is counts as saved.
  void Clear();
  // The current state counts as the saved one.
  void MarkSaved() { m_savedState = m_currentState; }
  // Whether the model differs from the state last saved (or opened).
  bool IsModified() const { return m_currentState != m_savedState; }

  int undoCount() const { return static_cast<int>(m_undo.size()); }
  // The estimated memory of all copies kept.
  std::size_t bytes() const { return m_bytes; }

 private:
  // The counts and material, one of which every change of the model alters.
  using Content = std::array<double, 11>;
  struct Step {
    Model model;
    std::string name;
    std::uint64_t state;
    std::size_t bytes;
    Content content;
  };

  static Content ContentOf(const Model& model);
  // Takes the last step of `from` into `model`; the model as it was becomes
  // the last step of `to`, under the same name.
  void MoveStep(Model& model, std::deque<Step>& from, std::deque<Step>& to);
  void Push(std::deque<Step>& steps, Step step);
  Step Pop(std::deque<Step>& steps);
  // Drops the oldest steps until both bounds hold.
  void Trim();

  HistoryLimits m_limits;
  std::deque<Step> m_undo;
  std::deque<Step> m_redo;
  std::size_t m_bytes = 0;
  std::uint64_t m_currentState = 0;
  std::uint64_t m_nextState = 1;
  std::uint64_t m_savedState = 0;
  bool m_lastStepOpen = false;
};

}  // namespace kestrix
