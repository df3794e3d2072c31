// UI texts. Every text is stored in Big5 (the sources are UTF-8; the catalogue's sources are
// compiled with a Big5 execution character set). Where the Traditional and Simplified wordings
// differ, a text has two wordings: the 950 variant and the 936 variant.
#pragma once

#include <cstdint>

const int kTextBytes = 128;

struct TextRecord {
    uint32_t id;  // the code page 950, or a title's id in the title tables
    char text[kTextBytes];
};

// A text in its two wordings, as every table holds one: the 950 wording, and the 936
// wording where the two differ (null: the same text). Both are Big5; the 936 wording is
// converted to Simplified Chinese when shown.
struct TextPair {
    const char* traditional;
    const char* simplified = nullptr;

    constexpr const char* Simplified() const { return simplified ? simplified : traditional; }
};
