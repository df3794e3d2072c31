// Measures Zentrak under Wine on this machine, with a minimal window program as the baseline
// of the same run: start-up to the first page shown and read, every page switch (show,
// layout, read), every page apply, and peak memory. Prints a table and writes it to the file
// named by ZENTRAK_BENCH_OUT. Not a test: it checks nothing, it measures.
#include "app/ControlIds.h"
#include "pages/Pages.h"
#include "tests/support/AppDriver.h"
#include "tests/support/AppFixture.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/ScratchFolder.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const int kRuns = 7;
const wchar_t* const kPageNames[kPageCount] = {L"desktop", L"start menu", L"system", L"restrictions", L"hardware",
                                               L"network 1", L"network 2", L"icons", L"Internet Explorer",
                                               L"about"};

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[1024] = {};
    GetEnvironmentVariableW(name, value, 1024);
    std::wstring path = value;
    if (!path.empty() && path[0] == L'/') {  // a Unix path: drive Z: is the root
        std::replace(path.begin(), path.end(), L'/', L'\\');
        path = L"Z:" + path;
    }
    return path;
}

struct Launch {
    double milliseconds;
    SIZE_T peakBytes;
};

// Start to idle (the first window shown and its message loop waiting), then closed.
Launch TimeStart(const std::wstring& program, const wchar_t* windowClass)
{
    ScratchFolder folder;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    std::wstring commandLine = L"\"" + program + L"\"";
    const double start = Now();
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.Path().c_str(),
                        &startup, &info))
        return Launch{-1, 0};
    WaitForInputIdle(info.hProcess, 30000);
    const double elapsed = Now() - start;
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(info.hProcess, &memory, sizeof(memory));
    HWND window = FindWindowW(windowClass, nullptr);
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return Launch{elapsed, memory.PeakWorkingSetSize};
}

// The real program visiting every page: its peak memory afterwards.
SIZE_T PeakAfterEveryPage(const std::wstring& program)
{
    ScratchFolder folder;
    AppDriver driver;
    if (!driver.Start(program, folder.Path()) || !driver.WaitForMainWindow())
        return 0;
    for (int page = 1; page < kPageCount; ++page)
        driver.SelectPage(page);
    driver.SelectPage(0);
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(driver.Process(), &memory, sizeof(memory));
    return memory.PeakWorkingSetSize;
}

// The application object in this process, in a registry sandbox, for the page timings.
class InProcess : public AppTest {
public:
    void TestBody() override {}
    void Start(int os)
    {
        SetUp();
        StartApp(os);
    }
    void Stop() { TearDown(); }
    double TimeSwitch(int page)
    {
        const double start = Now();
        App().SelectPage(page);
        // Only the read's result is taken here: painting comes after the switch, as it always has.
        MSG msg;
        while (App().ReadsPending()) {
            if (PeekMessageW(&msg, nullptr, kReadDoneMessage, kReadDoneMessage, PM_REMOVE))
                DispatchMessageW(&msg);
            else
                MsgWaitForMultipleObjectsEx(0, nullptr, 1000, QS_POSTMESSAGE, MWMO_INPUTAVAILABLE);
        }
        const double elapsed = Now() - start;
        Pump();
        return elapsed;
    }
    double TimeApply()
    {
        const double start = Now();
        const int page = App().CurrentPage();
        kTweakPages[page].apply(App());
        return Now() - start;
    }
};

}  // namespace

int main()
{
    const std::wstring zentrak = Environment(L"ZENTRAK_EXE");
    const std::wstring baseline = Environment(L"ZENTRAK_BASELINE_EXE");
    std::vector<double> baseStarts, appStarts;
    SIZE_T basePeak = 0;
    for (int run = 0; run < kRuns; ++run) {
        const Launch base = TimeStart(baseline, L"ZentrakBaseline");
        const Launch app = TimeStart(zentrak, L"Zentrak1320");
        baseStarts.push_back(base.milliseconds);
        appStarts.push_back(app.milliseconds);
        basePeak = std::max(basePeak, base.peakBytes);
    }
    const SIZE_T appPeak = PeakAfterEveryPage(zentrak);

    std::vector<std::vector<double>> switches(kPageCount), applies(kTweakPageCount);
    InProcess app;
    app.Start(kWin7);
    for (int run = 0; run < kRuns; ++run) {
        for (int page = 1; page <= kPageCount; ++page) {
            const int target = page % kPageCount;  // ends on page 0
            switches[target].push_back(app.TimeSwitch(target));
            if (target < kTweakPageCount)
                applies[target].push_back(app.TimeApply());
        }
    }
    app.Stop();

    std::wstring table;
    wchar_t line[256];
    table += L"| measure | median of 7 runs | target |\n|---|---|---|\n";
    swprintf(line, 256, L"| start-up, baseline window | %.1f ms | |\n", Median(baseStarts));
    table += line;
    const double ratio = Median(appStarts) / std::max(Median(baseStarts), 0.001);
    swprintf(line, 256, L"| start-up to page 0 read and shown | %.1f ms (%.2fx baseline) | within 1.5x |\n",
             Median(appStarts), ratio);
    table += line;
    for (int page = 0; page < kPageCount; ++page) {
        swprintf(line, 256, L"| switch to page %d (%ls): show, layout, read | %.2f ms | under 15 ms |\n", page,
                 kPageNames[page], Median(switches[page]));
        table += line;
    }
    for (int page = 0; page < kTweakPageCount; ++page) {
        swprintf(line, 256, L"| apply page %d (%ls) | %.2f ms | under 30 ms |\n", page, kPageNames[page],
                 Median(applies[page]));
        table += line;
    }
    swprintf(line, 256, L"| peak working set, baseline | %.1f MB | |\n", basePeak / 1048576.0);
    table += line;
    swprintf(line, 256, L"| peak working set, every page visited | %.1f MB | |\n", appPeak / 1048576.0);
    table += line;

    const std::string utf8(table.begin(), table.end());  // the table is ASCII
    fputs(utf8.c_str(), stdout);
    const std::wstring out = Environment(L"ZENTRAK_BENCH_OUT");
    if (!out.empty()) {
        FILE* file = _wfopen(out.c_str(), L"wb");
        if (file) {
            fputs(utf8.c_str(), file);
            fclose(file);
        }
    }
    return 0;
}
