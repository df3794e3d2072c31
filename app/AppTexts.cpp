// Compiled with a Big5 execution character set: every narrow literal here is stored as Big5.
#include "app/AppTexts.h"

const char kLanguageMessageCaption[] = "作業系統語言不適合";
const char kLanguageMessageText[] =
    "對不起！您的作業系統語言不適合本程式執行，請到 Qm 網站檢查是否有適合您的系統語言的 Zentrak "
    "版本，程式將會自動關閉。";
const char kVersionMessageCaption[] = "作業系統版本不適合";
const char kVersionMessageText[] =
    "對不起！您的作業系統版本不適合本程式執行，請到 Qm 網站檢查是否有適合您的系統的 Zentrak "
    "版本，程式將會自動關閉。";
const char kApplyQuestionCaption[] = "修改設定建議";
const char kApplyQuestionText[] =
    "修改設定建議：修改設定前，請備份您的系統。\r\n"
    "修改設定後，重新啟動電腦，請自行決定是否重新啟動電腦。\r\n"
    "選擇 [確定] 立即修改設定。\r\n"
    "選擇 [取消] 不要修改設定。";
const char kRestartQuestionCaption[] = "Zentrak 重新啟動電腦訊息";
const char kRestartQuestionText[] =
    "設定經已更改，是否需要重新啟動電腦？\r\n"
    "按下 [是] 按鈕重新啟動電腦，按下 [否] 按鈕只關閉本程式。";
const char kLaunchErrorCaption[] = "Zentrak 錯誤訊息";
const char kNoSystemFolderText[] = "程式無法找到系統或視窗路徑。";
const char kLaunchFailedText[] = "無法執行所選擇的程式!錯誤原因可能該程式不在指定的路徑中。";

// id    text
const ButtonText kButtonTexts[] = {
    {2001, {950, ""}},
    {2004, {950, "修改設定"}},
    {2071, {950, "執行選擇程式"}},
    {2082, {950, "說明"}},
    {2083, {950, "檢查更新"}},
    {2084, {950, "關於 Zentrak"}},
    {2095, {950, "訪問軟件主頁"}},
    {2096, {950, "訪問更新網址 1"}},
    {2097, {950, "訪問更新網址 2"}},
    {2098, {950, "回報問題"}},
    {2099, {950, "參考設定"}},
    {2100, {950, "備份"}},
    {2101, {950, "還原"}},
};
const int kButtonTextCount = sizeof(kButtonTexts) / sizeof(kButtonTexts[0]);

const TextRecord kSettingsColumnText = {950, "設定"};
const TextRecord kAboutPromptText = {950, "選擇說明項目:"};
