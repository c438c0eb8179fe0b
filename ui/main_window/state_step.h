#pragma once

#include <QUndoCommand>
#include <functional>
#include <utility>

namespace amp::ui {

// One undoable step that took a window from one state to another: undo puts the state before it
// back, redo the state after it. Pushing the step applies it.
template <class State>
class StateStep : public QUndoCommand {
  public:
    using Apply = std::function<void(const State&)>;

    StateStep(const QString& actionName, State before, State after, Apply apply)
        : QUndoCommand(actionName),
          before_(std::move(before)),
          after_(std::move(after)),
          apply_(std::move(apply)) {}

    void undo() override { apply_(before_); }
    void redo() override { apply_(after_); }

  private:
    State before_;
    State after_;
    Apply apply_;
};

}  // namespace amp::ui
