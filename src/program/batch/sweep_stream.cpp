#include "program/batch/sweep_stream.h"

#include <algorithm>
#include <charconv>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace hx {

namespace {

constexpr std::size_t kWindowPerThread = 256;

std::size_t wholeNumber(const std::string& text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return 0;
    return value;
}

// The rows solved and not yet handed over, each in the slot of its place
// in the shard modulo the window; a thread waits before it starts a case
// that is a whole window ahead of the sink.
class ReorderWindow {
public:
    explicit ReorderWindow(std::size_t size) : slots_(size) {}

    // Waits until case j may be solved; false when the sweep stops.
    bool admit(std::size_t j) {
        std::unique_lock lock(mutex_);
        roomFreed_.wait(lock, [&] { return stopped_ || j < nextOut_ + slots_.size(); });
        return !stopped_;
    }

    void put(std::size_t j, SweepRow row) {
        {
            std::lock_guard lock(mutex_);
            slots_[j % slots_.size()] = std::move(row);
        }
        rowAdded_.notify_one();
    }

    // The row of case j once it is solved; nothing when the sweep stopped.
    std::optional<SweepRow> take(std::size_t j) {
        std::optional<SweepRow> row;
        {
            std::unique_lock lock(mutex_);
            std::optional<SweepRow>& slot = slots_[j % slots_.size()];
            rowAdded_.wait(lock, [&] { return stopped_ || slot.has_value(); });
            if (stopped_) return std::nullopt;
            row.swap(slot);
            nextOut_ = j + 1;
        }
        roomFreed_.notify_all();
        return row;
    }

    void stop(std::exception_ptr error = nullptr) {
        {
            std::lock_guard lock(mutex_);
            stopped_ = true;
            if (error && !error_) error_ = error;
        }
        roomFreed_.notify_all();
        rowAdded_.notify_all();
    }

    std::exception_ptr error() {
        std::lock_guard lock(mutex_);
        return error_;
    }

private:
    std::mutex mutex_;
    std::condition_variable roomFreed_;
    std::condition_variable rowAdded_;
    std::vector<std::optional<SweepRow>> slots_;
    std::size_t nextOut_ = 0;
    bool stopped_ = false;
    std::exception_ptr error_;
};

}  // namespace

Shard parseShard(const std::string& text) {
    const auto slash = text.find('/');
    const std::size_t k = slash == std::string::npos ? 0 : wholeNumber(text.substr(0, slash));
    const std::size_t n = slash == std::string::npos ? 0 : wholeNumber(text.substr(slash + 1));
    if (k < 1 || n < k || n > 1'000'000)
        throw CaseFileError("--shard " + text + ": expected K/N, whole numbers with 1 ≤ K ≤ N");
    return Shard{k, n};
}

std::size_t gridCaseCount(const std::vector<Variation>& variations) {
    std::size_t count = 1;
    for (const Variation& v : variations) count *= v.values.size();
    return count;
}

std::size_t shardCaseCount(std::size_t gridCases, Shard shard) {
    const std::size_t first = shard.k - 1;
    return gridCases <= first ? 0 : (gridCases - first + shard.n - 1) / shard.n;
}

std::size_t streamSweep(const EnteredCase& base, const ConsoleAnswers& answers,
                        const std::vector<Variation>& variations, const StreamSettings& settings,
                        const std::function<void(const SweepRow&)>& sink) {
    const std::size_t cases = shardCaseCount(gridCaseCount(variations), settings.shard);
    const std::size_t threads = static_cast<std::size_t>(std::max(1, settings.jobs));
    ReorderWindow window(settings.window > 0 ? settings.window : kWindowPerThread * threads);
    std::atomic<std::size_t> next{0};
    const VariedFields fields = variedFieldsOf(variations);
    const auto cancelled = [&] {
        return settings.cancel && settings.cancel->load(std::memory_order_relaxed);
    };
    // Each thread takes the next case of the shard, so the slow corners of
    // the grid are shared and the rows finish nearly in order.
    const auto work = [&] {
        try {
            for (;;) {
                const std::size_t j = next.fetch_add(1, std::memory_order_relaxed);
                if (j >= cases || !window.admit(j)) return;
                if (cancelled()) return window.stop();
                const std::size_t index = settings.shard.k - 1 + j * settings.shard.n;
                window.put(j, solveSweepCase(base, answers, variations, fields, index,
                                             settings.policy, settings.p));
                if (settings.done) settings.done->fetch_add(1, std::memory_order_relaxed);
            }
        } catch (...) {
            window.stop(std::current_exception());
        }
    };
    std::vector<std::thread> pool;
    for (std::size_t t = 0; t < threads; ++t) pool.emplace_back(work);
    std::size_t handed = 0;
    try {
        for (; handed < cases; ++handed) {
            // A cancelled sweep stops handing over rows at once.
            if (cancelled()) break;
            std::optional<SweepRow> row = window.take(handed);
            if (!row) break;
            sink(*row);
        }
    } catch (...) {
        window.stop(std::current_exception());
    }
    window.stop();
    for (std::thread& t : pool) t.join();
    if (std::exception_ptr error = window.error()) std::rethrow_exception(error);
    return handed;
}

}  // namespace hx
