#pragma once
// A hidden window that keeps what workers and jobs post to it: the codes of WM_RIP_ERROR and a copy of every
// progress record (the records themselves are freed after dispatch).
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/user/Types.h"

struct Report {
    win::UINT message = 0;
    win::LPARAM code = 0;  // WM_RIP_ERROR
    std::int32_t percent = 0;
    std::int32_t status = 0;
    std::int32_t exitCode = 0;
    std::string elapsed;
    std::string estimated;
    std::string cause;
    std::chrono::steady_clock::time_point received;
};

class ReportWindow {
  public:
    ReportWindow();
    ~ReportWindow();
    ReportWindow(const ReportWindow&) = delete;
    ReportWindow& operator=(const ReportWindow&) = delete;

    win::HWND handle() const { return hwnd_; }
    const std::vector<Report>& reports() const { return reports_; }
    void clear() { reports_.clear(); }

    // Progress figures (markers left out), in order.
    std::vector<std::int32_t> percents() const;
    // Reports whose percent is marker.
    std::vector<Report> markers(std::int32_t marker) const;
    std::size_t count(std::int32_t marker) const { return markers(marker).size(); }

    // Pumps the loop until a report with marker has arrived; false after timeout.
    bool waitFor(std::int32_t marker, std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Pumps the loop for a while, to let late messages arrive.
    static void pumpFor(std::chrono::milliseconds duration);

  private:
    static win::LRESULT Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

    win::HWND hwnd_ = nullptr;
    std::vector<Report> reports_;
};
