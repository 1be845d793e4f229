#include "flow/superposition/helper_thread.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace flow::superposition {

namespace {

std::atomic<int> threadsWanted{std::thread::hardware_concurrency() > 1 ? 2 : 1};
thread_local bool withoutHelper = false;

// Waits while the state is `from`; returns the new one. The library's wait
// spins a moment before it sleeps, which suits tasks a fraction of a
// millisecond long; giving way to other programs while waiting only delays
// the waiter on a busy machine.
int awaitLeaving(std::atomic<int>& state, int from) {
    for (;;) {
        const int now = state.load(std::memory_order_acquire);
        if (now != from) return now;
        state.wait(from, std::memory_order_acquire);
    }
}

}  // namespace

int tracingThreads() {
    return threadsWanted.load();
}

void setTracingThreads(int threads) {
    threadsWanted.store(std::clamp(threads, 1, 2));
}

WithoutHelper::WithoutHelper() : before_(std::exchange(withoutHelper, true)) {}

WithoutHelper::~WithoutHelper() {
    withoutHelper = before_;
}

HelperLease::HelperLease() {
    if (tracingThreads() < 2 || withoutHelper) return;
    // Never destroyed: lines traced ahead may still borrow it while the
    // process's statics are being destroyed (they are waited for then).
    static std::mutex& taken = *new std::mutex;
    static HelperThread& helper = *new HelperThread;
    lock_ = std::unique_lock(taken, std::try_to_lock);
    if (lock_) helper_ = &helper;
}

HelperLease::~HelperLease() {
    if (helper_) helper_->settle();
}

void splitInTwo(HelperThread* helper, std::size_t count,
                const std::function<void(std::size_t)>& each) {
    std::atomic<std::size_t> next{0};
    const auto share = [&] {
        for (std::size_t k = next++; k < count; k = next++) each(k);
    };
    if (!helper) return share();
    helper->start(share);
    try {
        share();
    } catch (...) {
        helper->settle();
        throw;
    }
    helper->finish();
}

HelperThread::HelperThread() : thread_([this] { loop(); }) {}

HelperThread::~HelperThread() {
    state_.store(Stopping, std::memory_order_release);
    state_.notify_all();
    thread_.join();
}

void HelperThread::start(std::function<void()> task) {
    task_ = std::move(task);
    state_.store(Posted, std::memory_order_release);
    state_.notify_all();
}

bool HelperThread::takeBack() {
    int posted = Posted;
    return state_.compare_exchange_strong(posted, Idle, std::memory_order_acquire);
}

std::exception_ptr HelperThread::awaitDone() {
    awaitLeaving(state_, Running);
    state_.store(Idle, std::memory_order_relaxed);
    return std::exchange(failure_, nullptr);
}

void HelperThread::finish() {
    if (takeBack()) return std::exchange(task_, nullptr)();
    if (const std::exception_ptr failure = awaitDone()) std::rethrow_exception(failure);
}

void HelperThread::settle() noexcept {
    if (takeBack())
        task_ = nullptr;
    else
        awaitDone();
}

bool HelperThread::running() const {
    return state_.load(std::memory_order_acquire) == Running;
}

void HelperThread::loop() {
    for (int state = Idle;;) {
        state = awaitLeaving(state_, state);
        if (state == Stopping) return;
        if (state != Posted || !state_.compare_exchange_strong(state, Running)) continue;
        try {
            task_();
        } catch (...) {
            failure_ = std::current_exception();
        }
        task_ = nullptr;
        state = Done;
        state_.store(Done, std::memory_order_release);
        state_.notify_all();
    }
}

}  // namespace flow::superposition
