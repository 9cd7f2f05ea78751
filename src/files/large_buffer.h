#pragma once

#include <cstddef>

namespace aquamere {

// A buffer of many megabytes (a long journal read whole, a chain calculated
// again in memory) costs a page fault for every page its first write
// touches. Where the system has huge pages, it is asked to back the buffer
// with them: a fault then comes every two megabytes, not every four
// kilobytes. Only advice: where the system has none, nothing changes.
void advise_huge_pages(void* data, std::size_t bytes);

// Makes room for `count` elements in a string or vector, the room advised
// as above before anything is written to it.
template <typename Buffer>
void reserve_large(Buffer& buffer, std::size_t count) {
  buffer.reserve(count);
  advise_huge_pages(buffer.data(), buffer.capacity() * sizeof(*buffer.data()));
}

}  // namespace aquamere
