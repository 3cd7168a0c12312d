#include "FftwAllocator.h"

#include <fftw3.h>

#include <map>
#include <mutex>
#include <tuple>
#include <utility>
#include <vector>

namespace mathlib::detail {

namespace {

// Large blocks freed recently, kept for reuse: the allocator would hand them back to the
// system, and touching fresh pages again on every design costs more than the transforms.
class BlockCache {
public:
    void* take(std::size_t bytes)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_blocks.begin(); it != m_blocks.end(); ++it) {
            if (it->first == bytes) {
                void* p = it->second;
                m_blocks.erase(it);
                return p;
            }
        }
        return nullptr;
    }

    // Keeps p if it is large and there is room; else frees it.
    void give(void* p, std::size_t bytes) noexcept
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (bytes < kMinBytes || m_blocks.size() >= kMaxBlocks) {
            fftw_free(p);
            return;
        }
        m_blocks.emplace_back(bytes, p);
    }

    ~BlockCache()
    {
        for (auto& block : m_blocks)
            fftw_free(block.second);
    }

private:
    static constexpr std::size_t kMinBytes = 64 * 1024;
    static constexpr std::size_t kMaxBlocks = 8;
    std::mutex m_mutex;
    std::vector<std::pair<std::size_t, void*>> m_blocks;
};

BlockCache& blocks()
{
    static BlockCache cache;
    return cache;
}

}  // namespace

void* fftwAllocate(std::size_t bytes)
{
    if (void* p = blocks().take(bytes))
        return p;
    void* p = fftw_malloc(bytes == 0 ? 1 : bytes);
    if (!p)
        throw std::bad_alloc();
    return p;
}

void fftwFree(void* p, std::size_t bytes) noexcept { blocks().give(p, bytes); }

namespace {

// FFTW plans, made once per length, direction and placement and reused with
// fftw_execute_dft on any array of ours (all are fftw_malloc'ed, so alignments agree).
class PlanCache {
public:
    fftw_plan get(int n, int sign, bool inPlace)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto key = std::make_tuple(n, sign, inPlace);
        auto it = m_plans.find(key);
        if (it != m_plans.end())
            return it->second;
        return m_plans.emplace(key, make(n, sign, inPlace)).first->second;
    }

    ~PlanCache()
    {
        for (auto& entry : m_plans)
            fftw_destroy_plan(entry.second);
    }

private:
    static fftw_plan make(int n, int sign, bool inPlace)
    {
        fftw_complex* in = fftw_alloc_complex(static_cast<size_t>(n));
        fftw_complex* out = inPlace ? in : fftw_alloc_complex(static_cast<size_t>(n));
        fftw_plan plan = fftw_plan_dft_1d(n, in, out, sign, FFTW_ESTIMATE);
        if (!inPlace)
            fftw_free(out);
        fftw_free(in);
        if (!plan)
            throw std::bad_alloc();
        return plan;
    }

    std::mutex m_mutex;
    std::map<std::tuple<int, int, bool>, fftw_plan> m_plans;
};

PlanCache& plans()
{
    static PlanCache cache;
    return cache;
}

}  // namespace

void transform(const void* in, void* out, int n, int sign)
{
    fftw_plan plan = plans().get(n, sign, in == out);
    // Out-of-place complex transforms leave their input untouched.
    fftw_execute_dft(plan, static_cast<fftw_complex*>(const_cast<void*>(in)),
        static_cast<fftw_complex*>(out));
}

}  // namespace mathlib::detail
