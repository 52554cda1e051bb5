#pragma once

#include <cstddef>

// Asks the system to back a large buffer with huge pages where it can. A
// million-line program fills some 60 MB of fresh buffers in one pass; with
// 4 KiB pages the first touch of each page costs a fault that, on a virtual
// machine, takes longer than preparing the lines on it. Small buffers and
// systems without the facility are left alone; nothing changes but speed.
void AdviseLargeBuffer(void* data, std::size_t bytes);
