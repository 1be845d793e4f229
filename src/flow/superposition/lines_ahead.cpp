#include "flow/superposition/lines_ahead.h"

#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "flow/superposition/drawing.h"
#include "flow/superposition/evenly_spaced.h"
#include "flow/superposition/helper_thread.h"
#include "flow/superposition/stagnation.h"

namespace flow::superposition {

namespace {

Region regionOf(const LinesRequest& request) {
    return Region::aroundField(request.width, request.height, kFieldMargin);
}

CurveSet curvesOf(const Field& field, const LinesRequest& request,
                  const std::vector<Complex>& stagnation) {
    const Region region = regionOf(request);
    StepBudget budget = lineBudget();
    if (request.quantity == Quantity::StreamFunction && request.evenlySpaced)
        return evenlySpacedStreamlines(field, region, request.increment, stagnation, budget);
    const Levels levels{static_cast<double>(request.increment), request.count};
    return levelCurves(field, request.quantity, region, levels, stagnation, budget);
}

// Lines traced ahead, and what they were traced for.
struct Ahead {
    std::vector<Element> elements;
    LinesRequest request;
    std::vector<Complex> stagnation;
    TracedLines lines;
};

class LinesAhead {
  public:
    // Waits for lines still being traced ahead, which use the process's helper.
    ~LinesAhead() {
        const std::lock_guard lock(mutex_);
        if (ahead_ && !collecting_) thread_.settle();
    }
    TracedLines lines(const Field& field, const std::vector<Element>& elements,
                      const LinesRequest& request);

  private:
    // Notes the drawing; returns the request that followed it last time.
    std::optional<LinesRequest> note(const std::vector<Element>& elements,
                                     const LinesRequest& request);
    // Whether the lines traced ahead are these; drops them if they are
    // unwanted and the thread is not busy with them.
    bool claim(const std::vector<Element>& elements, const LinesRequest& request);
    TracedLines collect();
    bool startAhead(const std::vector<Element>& elements, const LinesRequest& request,
                    const std::vector<Complex>& stagnation, bool searchComplete);

    std::mutex mutex_;
    HelperThread thread_;
    std::unique_ptr<Ahead> ahead_;  // handed to the thread
    bool collecting_ = false;       // a drawing is taking them; no one else touches them
    std::optional<std::pair<LinesRequest, std::vector<Element>>> last_;
    // Each request with the one that followed it for the same elements.
    std::vector<std::pair<LinesRequest, LinesRequest>> followers_;
};

std::optional<LinesRequest> LinesAhead::note(const std::vector<Element>& elements,
                                             const LinesRequest& request) {
    if (last_) {
        const LinesRequest& before = last_->first;
        std::erase_if(followers_, [&](const auto& f) { return f.first == before; });
        if (before != request && last_->second == elements)
            followers_.emplace_back(before, request);
    }
    last_ = {request, elements};
    for (const auto& [made, follower] : followers_)
        if (made == request) return follower;
    return std::nullopt;
}

bool LinesAhead::claim(const std::vector<Element>& elements, const LinesRequest& request) {
    if (!ahead_ || collecting_) return false;
    if (ahead_->request == request && ahead_->elements == elements) return collecting_ = true;
    if (!thread_.running()) {
        thread_.settle();
        ahead_.reset();
    }
    return false;
}

TracedLines LinesAhead::collect() {
    struct Collected {
        LinesAhead& self;
        ~Collected() {
            const std::lock_guard lock(self.mutex_);
            self.ahead_.reset();
            self.collecting_ = false;
        }
    } const collected{*this};
    thread_.finish();
    return std::move(ahead_->lines);
}

bool LinesAhead::startAhead(const std::vector<Element>& elements, const LinesRequest& request,
                            const std::vector<Complex>& stagnation, bool searchComplete) {
    const std::lock_guard lock(mutex_);
    if (ahead_) return false;
    ahead_ = std::make_unique<Ahead>(Ahead{elements, request, stagnation, {{}, searchComplete}});
    thread_.start([job = ahead_.get()] {
        job->lines.set = curvesOf(Field(job->elements), job->request, job->stagnation);
    });
    return true;
}

TracedLines LinesAhead::lines(const Field& field, const std::vector<Element>& elements,
                              const LinesRequest& request) {
    std::optional<LinesRequest> follower;
    if (tracingThreads() > 1) {
        bool claimed = false;
        {
            const std::lock_guard lock(mutex_);
            follower = note(elements, request);
            claimed = claim(elements, request);
        }
        if (claimed) return collect();
    }
    StepBudget search = stagnationBudget();
    const std::vector<Complex> stagnation = stagnationPoints(field, regionOf(request), search);
    const bool searchComplete = !search.ranOut();
    // The lines traced ahead take the other core: these are traced alone,
    // and the helper is kept from them until these are done.
    std::optional<HelperLease> kept;
    std::optional<WithoutHelper> alone;
    if (follower && follower->width == request.width && follower->height == request.height) {
        kept.emplace();
        alone.emplace();
        if (!startAhead(elements, *follower, stagnation, searchComplete)) {
            alone.reset();
            kept.reset();
        }
    }
    return {curvesOf(field, request, stagnation), searchComplete};
}

LinesAhead& linesAhead() {
    static LinesAhead ahead;
    return ahead;
}

}  // namespace

TracedLines tracedLines(const Field& field, const std::vector<Element>& elements,
                        const LinesRequest& request) {
    return linesAhead().lines(field, elements, request);
}

}  // namespace flow::superposition
