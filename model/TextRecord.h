// UI texts. Every text is stored in Big5 (the sources are UTF-8; the catalogue's sources are
// compiled with a Big5 execution character set). Where the Traditional and Simplified wordings
// differ, a text has two records: the 950 variant and the 936 variant, in parallel arrays.
#pragma once

#include <cstdint>

const int kTextBytes = 128;

struct TextRecord {
    uint32_t id;  // the code page 950, or a title's id in the title tables
    char text[kTextBytes];
};

// A text in its two wordings; both point at the same record when they do not differ.
struct TextPair {
    const TextRecord* traditional;  // 950 variant
    const TextRecord* simplified;   // 936 variant (still Big5, converted when shown)
};
