#pragma once

#include <cstddef>
#include <new>

namespace mathlib::detail {

void* fftwAllocate(std::size_t bytes);
void fftwFree(void* p, std::size_t bytes) noexcept;

// Allocates with fftw_malloc, so every array has the alignment FFTW's cached plans expect.
template <class T>
struct FftwAllocator {
    using value_type = T;
    FftwAllocator() = default;
    template <class U>
    FftwAllocator(const FftwAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) { return static_cast<T*>(fftwAllocate(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { fftwFree(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const FftwAllocator<U>&) const noexcept { return true; }
    template <class U>
    bool operator!=(const FftwAllocator<U>&) const noexcept { return false; }
};

// out = DFT of in (sign -1: forward, +1: backward, unscaled); n >= 1; in and out may alias.
void transform(const void* in, void* out, int n, int sign);

}  // namespace mathlib::detail
