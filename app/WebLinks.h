// The product's web pages, in one place. Opened in the default browser.
#pragma once

const wchar_t kHomePageUrl[] = L"https://zentrak.example.org/";
const wchar_t kDownloadPageUrl[] = L"https://zentrak.example.org/download/";
const wchar_t kNewsPageUrl[] = L"https://zentrak.example.org/news/zentrak-1.3.2/";
const wchar_t kReportPageUrl[] = L"https://zentrak.example.org/report/";
