// Counts puzzles' solutions in a background thread: the core's counter, which tells a window
// by a posted message.
#include "ui/solution_counter.h"

#include "solver/background_counter.h"

namespace {

CountWaiter WaiterOf(HWND window, CountPurpose purpose) {
    return {reinterpret_cast<std::uintptr_t>(window), static_cast<int>(purpose)};
}

BackgroundCounter& TheCounter() {
    static BackgroundCounter counter([](CountWaiter waiter) {
        PostMessageA(reinterpret_cast<HWND>(waiter.window), WM_SOLUTIONS_COUNTED,
                     static_cast<WPARAM>(waiter.purpose), 0);
    });
    return counter;
}

} // namespace

std::optional<uint64_t> CountedSolutions(const TilingField& field, HWND notify,
                                         CountPurpose purpose) {
    return TheCounter().Ask(field, WaiterOf(notify, purpose));
}

void StopWaitingForCount(HWND window, CountPurpose purpose) {
    TheCounter().Forget(WaiterOf(window, purpose));
}

void StopCounting() {
    TheCounter().Stop();
}
