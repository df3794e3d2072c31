// Turning a stored (Big5) text into what a control shows, by the language variant.
#pragma once

#include "model/TextRecord.h"
#include "platform/TextConvert.h"

// The application's language variant.
const int kLanguageTraditional = 950;  // the first wording, as it is
const int kLanguageSimplified = 936;   // the second wording, converted to Simplified Chinese
const int kLanguageNone = -1;          // no text is set at all

// The UTF-16 text a control shows for `language`, or null when nothing is to be set (any
// language but 950 and 936). An empty text gives an empty text.
QmOwnedWide ShowText(int language, const char* text950, const char* text936);
QmOwnedWide ShowText(int language, const TextRecord& text950, const TextRecord& text936);
inline QmOwnedWide ShowText(int language, const TextPair& text)
{
    return ShowText(language, text.traditional, text.Simplified());
}
