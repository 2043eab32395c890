#include "model_history.h"

#include <utility>

namespace kestrix {

std::size_t EstimateModelBytes(const Model& model) {
  std::size_t bytes = sizeof(Model) + model.displacements().size() * sizeof(double);
  bytes += model.nodes().Count() * sizeof(ModelPoint);
  bytes += model.elementOutlines().Count() * sizeof(ElementOutline);
  bytes += model.edges().Count() * sizeof(ElemEdge) + model.meshSidesBytes();
  bytes += model.constraints().Count() * sizeof(Constraint);
  bytes += model.forces().Count() * sizeof(NodalForce);
  bytes += model.distributedLoads().Count() * sizeof(DistributedLoad);
  bytes += (model.geoPoints().Count() + model.pickedPoints().Count()) * sizeof(ModelPoint);
  for (const Polygon& polygon : model.polygons()) {
    bytes += sizeof(Polygon) + polygon.vertexCount() * sizeof(ModelPoint);
  }
  return bytes;
}

ModelHistory::ModelHistory(HistoryLimits limits) : m_limits(limits) {}

ModelHistory::Content ModelHistory::ContentOf(const Model& model) {
  return {model.E(),
          model.Mu(),
          model.Thick(),
          static_cast<double>(model.NPOIN()),
          static_cast<double>(model.NELEM()),
          static_cast<double>(model.edges().Count()),
          static_cast<double>(model.constraints().Count()),
          static_cast<double>(model.forces().Count()),
          static_cast<double>(model.distributedLoads().Count()),
          static_cast<double>(model.geoPoints().Count()),
          static_cast<double>(model.polygons().Count())};
}

void ModelHistory::Record(const Model& model, std::string name) {
  Settle(model);
  while (CanRedo()) Pop(m_redo);
  Push(m_undo, {.model = model,
                .name = std::move(name),
                .state = m_currentState,
                .bytes = EstimateModelBytes(model),
                .content = ContentOf(model)});
  m_currentState = m_nextState++;
  m_lastStepOpen = true;
  Trim();
}

void ModelHistory::Settle(const Model& model) {
  if (!std::exchange(m_lastStepOpen, false) || !CanUndo()) return;
  if (ContentOf(model) != m_undo.back().content) return;
  m_currentState = Pop(m_undo).state;
}

bool ModelHistory::Undo(Model& model) {
  Settle(model);
  if (!CanUndo()) return false;
  MoveStep(model, m_undo, m_redo);
  return true;
}

bool ModelHistory::Redo(Model& model) {
  Settle(model);
  if (!CanRedo()) return false;
  MoveStep(model, m_redo, m_undo);
  return true;
}

void ModelHistory::MoveStep(Model& model, std::deque<Step>& from, std::deque<Step>& to) {
  Step taken = Pop(from);
  const std::size_t bytes = EstimateModelBytes(model);
  const Content content = ContentOf(model);
  Push(to, {.model = std::move(model),
            .name = taken.name,
            .state = m_currentState,
            .bytes = bytes,
            .content = content});
  model = std::move(taken.model);
  model.SetSolved(false);
  m_currentState = taken.state;
  Trim();
}

void ModelHistory::Clear() {
  m_undo.clear();
  m_redo.clear();
  m_bytes = 0;
  m_lastStepOpen = false;
  m_currentState = m_nextState++;
  m_savedState = m_currentState;
}

void ModelHistory::Push(std::deque<Step>& steps, Step step) {
  m_bytes += step.bytes;
  steps.push_back(std::move(step));
}

ModelHistory::Step ModelHistory::Pop(std::deque<Step>& steps) {
  Step step = std::move(steps.back());
  steps.pop_back();
  m_bytes -= step.bytes;
  return step;
}

// Only the oldest undo steps go; the redo steps are the user's latest work.
void ModelHistory::Trim() {
  while (CanUndo() && (undoCount() > m_limits.maxSteps || m_bytes > m_limits.maxBytes)) {
    m_bytes -= m_undo.front().bytes;
    m_undo.pop_front();
  }
}

}  // namespace kestrix
