#pragma once

// Whether this build runs under AddressSanitizer, whose shadow memory reserves terabytes
// of address space and whose allocator holds freed memory back: limits and peaks of a
// program's memory say nothing there, and the tests of them skip.
#if defined(__SANITIZE_ADDRESS__)
#define FILTER_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FILTER_ADDRESS_SANITIZER 1
#endif
#endif

#ifdef FILTER_ADDRESS_SANITIZER
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
