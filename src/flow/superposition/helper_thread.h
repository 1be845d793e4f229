// A second thread for a drawing's tracer: it runs one task at a time beside
// the caller, who waits for it before using its result. The number of
// threads the tracer uses is set once for the process (at most two: the
// work is split in two halves whose results are applied in a fixed order,
// so pictures are the same whatever the number).
#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <thread>

namespace flow::superposition {

// 1 or 2; by default 2 on a machine with more than one core.
int tracingThreads();
void setTracingThreads(int threads);

class HelperThread {
  public:
    HelperThread();
    ~HelperThread();
    HelperThread(const HelperThread&) = delete;
    HelperThread& operator=(const HelperThread&) = delete;

    // Starts the task; the previous one must have been waited for.
    void start(std::function<void()> task);
    // Runs the task here if the helper has not begun it, or waits until it
    // is done; rethrows what it threw.
    void finish();

  private:
    enum State { Idle, Posted, Running, Done, Stopping };
    void loop();

    // The task and its failure are handed over through the state: written
    // before it changes, read after.
    std::atomic<int> state_{Idle};
    std::function<void()> task_;
    std::exception_ptr failure_;
    std::thread thread_;
};

// A helper when the tracer is to use two threads, otherwise none.
std::unique_ptr<HelperThread> helperIfWanted();

}  // namespace flow::superposition
