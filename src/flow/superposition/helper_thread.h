// A second thread for the tracer: it runs one task at a time beside the
// caller, who waits for it (or takes the task back) before using its
// result. One helper serves the process; a drawing borrows it for a moment
// and does the work alone when another has it. The results are applied in
// a fixed order, so pictures are the same whatever the number of threads.
#pragma once

#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
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
    // Drops the task if the helper has not begun it, or waits until it is
    // done, ignoring what it threw: for a caller leaving by an exception.
    void settle() noexcept;
    // Whether the helper is in the middle of the task (settle would wait).
    bool running() const;

  private:
    enum State { Idle, Posted, Running, Done, Stopping };
    void loop();
    // Whether the task was taken back before the helper began it.
    bool takeBack();
    // Waits until the task is done; returns what it threw.
    std::exception_ptr awaitDone();

    // The task and its failure are handed over through the state: written
    // before it changes, read after.
    std::atomic<int> state_{Idle};
    std::function<void()> task_;
    std::exception_ptr failure_;
    std::thread thread_;
};

// While one lasts, leases taken on this thread get no helper: for work that
// already runs beside other work.
class WithoutHelper {
  public:
    WithoutHelper();
    ~WithoutHelper();
    WithoutHelper(const WithoutHelper&) = delete;
    WithoutHelper& operator=(const WithoutHelper&) = delete;

  private:
    bool before_;
};

// The process's helper while the lease lasts, or none (null) when the
// tracer is to use one thread or another caller has the helper.
class HelperLease {
  public:
    HelperLease();
    // Settles a task left unfinished, whose data may not outlive the lease.
    ~HelperLease();
    HelperLease(const HelperLease&) = delete;
    HelperLease& operator=(const HelperLease&) = delete;
    HelperThread* get() const { return helper_; }

  private:
    std::unique_lock<std::mutex> lock_;
    HelperThread* helper_ = nullptr;
};

// each(k) for k in [0, count), shared with the helper, if any: each thread
// takes the next k not yet taken.
void splitInTwo(HelperThread* helper, std::size_t count,
                const std::function<void(std::size_t)>& each);

}  // namespace flow::superposition
