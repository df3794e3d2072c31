// Compiled with a Big5 execution character set: every narrow literal here is stored as Big5.
#include "backup/ToolTexts.h"

#include "model/ShellTexts.h"
#include "model/ShowText.h"

namespace {

struct ToolTextRow {
    ToolTextId id;
    const char* traditional;  // 950 wording
    const char* simplified;   // 936 wording (still Big5); null when it is the same
};

// id                      950 wording / 936 wording
const ToolTextRow kTexts[] = {
    {ToolTextId::kHelp,
     "zentrak-backup：Zentrak 頁面設定的備份、還原與匯出\n"
     "\n"
     "用法：\n"
     "  zentrak-backup backup 頁面|all\n"
     "      備份一個頁面（或全部九個頁面）目前的登錄值，並列出寫入的檔案。\n"
     "  zentrak-backup list [頁面]\n"
     "      列出本系統的備份檔，及其頁面、日期時間與項目數。\n"
     "  zentrak-backup show 檔案\n"
     "      列出備份檔的每個項目：登錄位置、類型、狀態、備份的資料及登錄中目前的資料。\n"
     "  zentrak-backup restore 檔案 [--dry-run]\n"
     "      將備份檔的值寫回登錄；備份時不存在的值或機碼會被刪除。\n"
     "      寫入前先檢查整個檔案，有誤則不寫入任何值。--dry-run 只列出將做的變更。\n"
     "  zentrak-backup undo 頁面 [--dry-run]\n"
     "      還原該頁面最新的備份檔（Zentrak 每次修改設定前都會先備份頁面），即取消上次的修改。\n"
     "  zentrak-backup export-reg 檔案 輸出.reg\n"
     "      將備份檔寫成可用登錄編輯程式匯入的 .reg 檔（regedit /s 輸出.reg）。\n"
     "  zentrak-backup --help\n"
     "      顯示本說明。\n"
     "\n"
     "頁面：0 至 8，或頁面代碼 DT SM SG CN HW W1 W2 IC IE。\n"
     "備份檔位於目前資料夾下的 QM_Backup\\系統\\頁面 資料夾中，最大 1 MB；文字值最長 4096 個字元；\n"
     "存放命令列或類別識別碼的位置只接受本程式寫入的內容。\n"
     "結束代碼：0 成功；1 命令、參數或選項有誤；2 備份檔無法使用（未寫入任何值）；\n"
     "3 有值未能還原，或有機碼因含有其他內容而保留；\n"
     "4 其他失敗（備份無法讀回、無法寫入檔案、不支援的 Windows 版本）。",
     "zentrak-backup：Zentrak 頁面設置的備份、還原與導出\n"
     "\n"
     "用法：\n"
     "  zentrak-backup backup 頁面|all\n"
     "      備份一個頁面（或全部九個頁面）當前的註冊表值，並列出寫入的文件。\n"
     "  zentrak-backup list [頁面]\n"
     "      列出本系統的備份文件，及其頁面、日期時間與項目數。\n"
     "  zentrak-backup show 文件\n"
     "      列出備份文件的每個項目：註冊表位置、類型、狀態、備份的數據及註冊表中當前的數據。\n"
     "  zentrak-backup restore 文件 [--dry-run]\n"
     "      將備份文件的值寫回註冊表；備份時不存在的值或鍵會被刪除。\n"
     "      寫入前先檢查整個文件，有誤則不寫入任何值。--dry-run 只列出將做的更改。\n"
     "  zentrak-backup undo 頁面 [--dry-run]\n"
     "      還原該頁面最新的備份文件（Zentrak 每次修改設置前都會先備份頁面），即撤銷上次的修改。\n"
     "  zentrak-backup export-reg 文件 輸出.reg\n"
     "      將備份文件寫成可用註冊表編輯器導入的 .reg 文件（regedit /s 輸出.reg）。\n"
     "  zentrak-backup --help\n"
     "      顯示本說明。\n"
     "\n"
     "頁面：0 至 8，或頁面代碼 DT SM SG CN HW W1 W2 IC IE。\n"
     "備份文件位於當前文件夾下的 QM_Backup\\系統\\頁面 文件夾中，最大 1 MB；文本值最長 4096 個字符；\n"
     "存放命令行或類標識符的位置只接受本程序寫入的內容。\n"
     "退出代碼：0 成功；1 命令、參數或選項有誤；2 備份文件無法使用（未寫入任何值）；\n"
     "3 有值未能還原，或有鍵因含有其他內容而保留；\n"
     "4 其他失敗（備份無法讀回、無法寫入文件、不支持的 Windows 版本）。"},
    {ToolTextId::kSeeHelp, "執行 zentrak-backup --help 可查看用法。", nullptr},
    {ToolTextId::kUnknownCommand, "不明的命令「%1」。", "未知的命令「%1」。"},
    {ToolTextId::kMissingArgument, "命令 %1 缺少參數。", nullptr},
    {ToolTextId::kExtraArgument, "多餘的參數「%1」。", nullptr},
    {ToolTextId::kUnknownOption, "不明的選項「%1」。", "未知的選項「%1」。"},
    {ToolTextId::kOutputIsInput, "輸出檔「%1」就是備份檔本身，請另選檔名。", "輸出文件「%1」就是備份文件本身，請另選文件名。"},
    {ToolTextId::kBadPage, "不明的頁面「%1」：應為 0 至 8 或頁面代碼 DT SM SG CN HW W1 W2 IC IE（備份時也可用 all）。",
     "未知的頁面「%1」：應為 0 至 8 或頁面代碼 DT SM SG CN HW W1 W2 IC IE（備份時也可用 all）。"},
    {ToolTextId::kUnsupportedSystem, "本程式只能在 Windows XP、Windows Vista 及 Windows 7 上使用。", nullptr},
    {ToolTextId::kBackupWritten, "已寫入 %1", nullptr},
    {ToolTextId::kBackupFailed, "無法備份頁面 %1 %2：無法建立資料夾或寫入檔案。",
     "無法備份頁面 %1 %2：無法創建文件夾或寫入文件。"},
    {ToolTextId::kBackupNotReadable, "無法備份頁面 %1 %2：%3%4；未寫入檔案。", "無法備份頁面 %1 %2：%3%4；未寫入文件。"},
    {ToolTextId::kReasonTextTooLong, "的文字超過 4096 個字元，還原時無法讀回", "的文本超過 4096 個字符，還原時無法讀回"},
    {ToolTextId::kReasonNotProgramText, "存放命令列或類別識別碼，而目前的值不是本程式寫入的內容，還原時不會接受",
     "存放命令行或類標識符，而當前的值不是本程序寫入的內容，還原時不會接受"},
    {ToolTextId::kReasonFormatLines, "的文字含有與備份檔格式相同的行，還原時無法讀回",
     "的文本含有與備份文件格式相同的行，還原時無法讀回"},
    {ToolTextId::kReasonTooLarge, "備份檔會超過 1 MB", "備份文件會超過 1 MB"},
    {ToolTextId::kItemName, "項目 %1", nullptr},
    {ToolTextId::kListLine, "%1  %2  %3 項  %4", nullptr},
    {ToolTextId::kListBadLine, "%1  無法使用：%2  %3", nullptr},
    {ToolTextId::kListNone, "沒有備份檔。", "沒有備份文件。"},
    {ToolTextId::kUndoFile, "使用 %1 的備份：%2", nullptr},
    {ToolTextId::kUndoNone, "頁面 %1 在本系統沒有可用的備份檔。", "頁面 %1 在本系統沒有可用的備份文件。"},
    {ToolTextId::kShowFile, "備份檔：%1", "備份文件：%1"},
    {ToolTextId::kShowPage, "頁面：%1 %2（%3）", nullptr},
    {ToolTextId::kShowSystem, "系統：%1", nullptr},
    {ToolTextId::kShowTime, "備份時間：%1", nullptr},
    {ToolTextId::kShowCount, "項目數：%1", nullptr},
    {ToolTextId::kShowItem, "[%1] %2 %3", nullptr},
    {ToolTextId::kShowValues, "    狀態 %1　備份：%2　目前：%3　%4", "    狀態 %1　備份：%2　當前：%3　%4"},
    {ToolTextId::kSame, "（相同）", nullptr},
    {ToolTextId::kDifferent, "（不同）", nullptr},
    {ToolTextId::kAbsent, "不存在", nullptr},
    {ToolTextId::kUnreadable, "無法讀取", nullptr},
    {ToolTextId::kKeyPresent, "存在", nullptr},
    {ToolTextId::kDefaultValue, "（預設值）", "（默認值）"},
    {ToolTextId::kDryRunHeader, "試行：以下變更不會寫入登錄。", "試運行：以下更改不會寫入註冊表。"},
    {ToolTextId::kStepWrite, "寫入 %1 = %2", nullptr},
    {ToolTextId::kStepDeleteValue, "刪除值 %1", nullptr},
    {ToolTextId::kStepCreateKey, "建立機碼 %1", "創建鍵 %1"},
    {ToolTextId::kStepRemoveKey, "刪除機碼 %1", "刪除鍵 %1"},
    {ToolTextId::kRestoreSummary, "已還原 %1 項；%2 項原已相同；%3 項備份時無法讀取，保持原狀。", nullptr},
    {ToolTextId::kDryRunSummary, "將變更 %1 項；%2 項已相同；%3 項備份時無法讀取，將保持原狀。",
     "將更改 %1 項；%2 項已相同；%3 項備份時無法讀取，將保持原狀。"},
    {ToolTextId::kNotTaken, "未能還原 %1：目前為 %2（登錄結果 %3）。", "未能還原 %1：當前為 %2（註冊表結果 %3）。"},
    {ToolTextId::kKeyKept, "保留機碼 %1：備份時它不存在，但現在含有子機碼或本程式不會寫入的值。",
     "保留鍵 %1：備份時它不存在，但現在含有子鍵或本程序不會寫入的值。"},
    {ToolTextId::kNotTakenSummary, "%1 項未能還原（%2）。", nullptr},
    {ToolTextId::kNeedsAdministrator, "在 %1 寫入需要系統管理員權限。", "在 %1 寫入需要管理員權限。"},
    {ToolTextId::kExportWritten, "已寫入登錄檔 %1（%2 項）。", "已寫入註冊表文件 %1（%2 項）。"},
    {ToolTextId::kExportFailed, "無法寫入 %1。", nullptr},
    {ToolTextId::kFileUnusable, "備份檔 %1 無法使用：%2", "備份文件 %1 無法使用：%2"},
    {ToolTextId::kNothingWritten, "未寫入任何值。", nullptr},
    {ToolTextId::kProblemCannotOpen, "無法開啟或讀取檔案。", "無法打開或讀取文件。"},
    {ToolTextId::kProblemTooLarge, "檔案過大，不是備份檔。", "文件過大，不是備份文件。"},
    {ToolTextId::kProblemNotUtf16, "不是 Zentrak 備份檔（應為以 FF FE 開頭的 UTF-16 文字）。",
     "不是 Zentrak 備份文件（應為以 FF FE 開頭的 UTF-16 文本）。"},
    {ToolTextId::kProblemNullCharacter, "第 %1 行含有空字元。", "第 %1 行含有空字符。"},
    {ToolTextId::kProblemUnexpectedLine, "第 %1 行應為「%2」。", nullptr},
    {ToolTextId::kProblemBadNumber, "第 %1 行的數字「%2」格式不正確。", nullptr},
    {ToolTextId::kProblemBadStamp, "第 %1 行的日期時間「%2」格式不正確。", nullptr},
    {ToolTextId::kProblemUnknownSystem, "第 %1 行的系統「%2」不是 XP、Vista 或 Windows 7。", nullptr},
    {ToolTextId::kProblemUnknownPage, "第 %1 行的頁面「%2」不正確。", nullptr},
    {ToolTextId::kProblemBadIndex, "第 %1 行的項目編號應為 %2：項目缺少、重複或次序不對。", nullptr},
    {ToolTextId::kProblemBadStatus, "第 %1 行的狀態 %2 不是此類項目可有的值。", nullptr},
    {ToolTextId::kProblemDataMismatch, "第 %1 行的資料與項目的類型或狀態不符。", "第 %1 行的數據與項目的類型或狀態不符。"},
    {ToolTextId::kProblemBadTotal, "第 %1 行的項目總數「%2」與項目不符，應為 %3。", nullptr},
    {ToolTextId::kProblemNotComplete,
     "第 %1 行應為完成標記 <BackupFile_Flag>1</BackupFile_Flag>：檔案未完整寫入。",
     "第 %1 行應為完成標記 <BackupFile_Flag>1</BackupFile_Flag>：文件未完整寫入。"},
    {ToolTextId::kProblemTruncated, "檔案在第 %1 行之前結束，內容不完整。", "文件在第 %1 行之前結束，內容不完整。"},
    {ToolTextId::kProblemTrailingText, "第 %1 行：檔案結尾之後還有內容。", "第 %1 行：文件結尾之後還有內容。"},
    {ToolTextId::kProblemOtherSystem, "第 %1 行：此備份檔建立於 %2，本系統為 %3。", "第 %1 行：此備份文件創建於 %2，本系統為 %3。"},
    {ToolTextId::kProblemItemCount,
     "第 %1 行：備份檔有 %2 個項目，本系統上此頁面有 %3 個（Windows、Internet Explorer 或 Service Pack 版本不同）。",
     "第 %1 行：備份文件有 %2 個項目，本系統上此頁面有 %3 個（Windows、Internet Explorer 或 Service Pack 版本不同）。"},
    {ToolTextId::kProblemItemKind, "第 %1 行：本系統上此頁面在此位置的項目類型為 %2。", nullptr},
    {ToolTextId::kProblemTextTooLong, "第 %1 行：%2的文字超過 4096 個字元。", "第 %1 行：%2的文本超過 4096 個字符。"},
    {ToolTextId::kProblemNotProgramText, "第 %1 行：%2存放命令列或類別識別碼，只能是本程式寫入的內容，而檔案中為 %3。",
     "第 %1 行：%2存放命令行或類標識符，只能是本程序寫入的內容，而文件中為 %3。"},
};

std::wstring Shown(int language, const char* traditional, const char* simplified)
{
    const int variant = language == kLanguageSimplified ? kLanguageSimplified : kLanguageTraditional;
    QmOwnedWide text = ShowText(variant, traditional, simplified ? simplified : traditional);
    return text ? std::wstring(text.Get()) : std::wstring();
}

}  // namespace

std::wstring ToolText(int language, ToolTextId id)
{
    for (const ToolTextRow& row : kTexts)
        if (row.id == id)
            return Shown(language, row.traditional, row.simplified);
    return std::wstring();
}

std::wstring ToolMessage(int language, ToolTextId id, std::initializer_list<std::wstring> arguments)
{
    const std::wstring text = ToolText(language, id);
    std::wstring message;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t next = i + 1 < text.size() ? text[i + 1] : L'\0';
        const size_t which = static_cast<size_t>(next - L'1');
        // One pass, so an argument that itself holds "%2" is copied as it is.
        if (text[i] == L'%' && next >= L'1' && next <= L'9' && which < arguments.size()) {
            message += arguments.begin()[which];
            ++i;
        } else {
            message += text[i];
        }
    }
    return message;
}

std::wstring ToolPageName(int language, int page)
{
    if (page < 0 || page >= kPageNameCount)
        return std::wstring();
    const int variant = language == kLanguageSimplified ? kLanguageSimplified : kLanguageTraditional;
    QmOwnedWide name = ShowText(variant, PageName(page));
    return name ? std::wstring(name.Get()) : std::wstring();
}
