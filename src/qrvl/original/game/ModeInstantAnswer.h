// A screen that answers at once: at its first tick it runs its action,
// leaves the answer in the engine's lastChoice and pops. It stands in for
// a choice screen that is not drawn, so a game runs on the real mode stack.
#pragma once

#include "qrvl/original/framework/QuorvelMode.h"

#include <functional>

class ModeInstantAnswer : public QuorvelMode {
public:
    using Action = std::function<int()>;

    explicit ModeInstantAnswer(Action action) : action(std::move(action)) {}

    // Pushes an instant answer on the engine's mode stack.
    static void push(Action action);

    void tick() override;

private:
    Action action;
    bool answered = false;
};
