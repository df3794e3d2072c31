// Texts of the main window itself: its messages and the creation texts of its buttons.
// Stored as Big5, like every text of the program, and shown through the language variant.
#pragma once

#include "model/TextRecord.h"

extern const char kLanguageMessageCaption[];
extern const char kLanguageMessageText[];
extern const char kVersionMessageCaption[];
extern const char kVersionMessageText[];
extern const char kApplyQuestionCaption[];
extern const char kApplyQuestionText[];
extern const char kRestartQuestionCaption[];
extern const char kRestartQuestionText[];
extern const char kLaunchErrorCaption[];
extern const char kNoSystemFolderText[];
extern const char kLaunchFailedText[];

// Push buttons, by identifier, with the same text in both wordings.
struct ButtonText {
    int id;
    TextRecord text;
};
extern const ButtonText kButtonTexts[];
extern const int kButtonTextCount;

extern const TextRecord kSettingsColumnText;   // the check lists' one column
extern const TextRecord kAboutPromptText;      // static 2026 on the about page
