#include "ReportWindow.h"

#include <map>

#include "platform/testing/MessagePump.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"
#include "trackmill/app/jobs/ProcessInfo.h"

namespace {

std::map<win::HWND, ReportWindow*>& Windows() {
    static std::map<win::HWND, ReportWindow*> windows;
    return windows;
}

const char* const ClassName = "AppTestReportWindow";

}  // namespace

ReportWindow::ReportWindow() {
    static const bool registered = [] {
        win::WNDCLASS wc;
        wc.lpfnWndProc = &ReportWindow::Procedure;
        wc.lpszClassName = ClassName;
        return win::RegisterClass(&wc) != 0;
    }();
    (void)registered;
    hwnd_ = win::CreateWindowEx(0, ClassName, "reports", win::WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr);
    Windows()[hwnd_] = this;
}

ReportWindow::~ReportWindow() {
    Windows().erase(hwnd_);
    win::DestroyWindow(hwnd_);
}

win::LRESULT ReportWindow::Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    const auto found = Windows().find(hwnd);
    if (found != Windows().end() && (msg == WM_RIP_ERROR || msg == WM_RIP_PROGRESS || msg == WM_KELM_PROGRESS)) {
        Report report;
        report.message = msg;
        report.received = std::chrono::steady_clock::now();
        if (msg == WM_RIP_ERROR) {
            report.code = lParam;
        } else {
            const auto* info = reinterpret_cast<const TProcessInfo*>(lParam);
            report.percent = info->Percent;
            report.status = info->Status;
            report.cause = info->Cause;
            report.exitCode = info->ExitCode;
            report.elapsed = info->ElapsedText;
            report.estimated = info->EstimatedText;
        }
        found->second->reports_.push_back(report);
        return 0;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

std::vector<std::int32_t> ReportWindow::percents() const {
    std::vector<std::int32_t> result;
    for (const Report& report : reports_)
        if (report.message != WM_RIP_ERROR && report.percent <= 100) result.push_back(report.percent);
    return result;
}

std::vector<Report> ReportWindow::markers(std::int32_t marker) const {
    std::vector<Report> result;
    for (const Report& report : reports_)
        if (report.message != WM_RIP_ERROR && report.percent == marker) result.push_back(report);
    return result;
}

bool ReportWindow::waitFor(std::int32_t marker, std::chrono::milliseconds timeout) {
    return testdriver::PumpUntil([&] { return count(marker) > 0; }, timeout);
}

void ReportWindow::pumpFor(std::chrono::milliseconds duration) {
    testdriver::PumpUntil([] { return false; }, duration);
}
