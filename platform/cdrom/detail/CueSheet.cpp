#include "platform/cdrom/detail/CueSheet.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

namespace platform::cdrom::detail {
namespace {

// A sheet describes at most 99 tracks in a few lines each; this is far above any real one.
constexpr std::size_t kMaxSheetBytes = 64 * 1024;
constexpr int kMaxTrackNumber = 99;
// libcdio's parser is safe for first track numbers up to here (it fails from a little above).
constexpr int kMaxFirstTrackNumber = 63;
constexpr int kFullSectorBytes = 2352;

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::optional<int> SectorBytesOfMode(std::string_view mode) {
    const std::string upper = Upper(mode);
    if (upper == "AUDIO" || upper == "MODE1/2352" || upper == "MODE2/2352" || upper == "CDI/2352")
        return kFullSectorBytes;
    if (upper == "MODE1/2048") return 2048;
    if (upper == "MODE2/2336" || upper == "CDI/2336") return 2336;
    return std::nullopt;
}

// The next blank-separated word, or a double-quoted name.
std::string_view NextWord(std::string_view& rest) {
    const std::size_t start = rest.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(start);
    if (rest.front() == '"') {
        const std::size_t close = rest.find('"', 1);
        const std::string_view word = rest.substr(1, close == std::string_view::npos ? rest.size() - 1 : close - 1);
        rest.remove_prefix(close == std::string_view::npos ? rest.size() : close + 1);
        return word;
    }
    const std::size_t end = rest.find_first_of(" \t");
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    return word;
}

std::optional<int> TrackNumber(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

class SheetReader {
  public:
    explicit SheetReader(const std::filesystem::path& cuePath) : cuePath_(cuePath) {}

    CueSheet Read(std::string_view text) {
        std::size_t start = 0;
        while (start < text.size() && sheet_.refusal.empty()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            Line(line);
            start = end + 1;
        }
        if (sheet_.refusal.empty() && files_ == 0) Refuse("no FILE line");
        if (sheet_.refusal.empty() && sheet_.sectorBytes.empty()) Refuse("no TRACK line");
        if (!sheet_.refusal.empty()) sheet_.sectorBytes.clear();
        return sheet_;
    }

  private:
    void Refuse(const std::string& why) {
        if (sheet_.refusal.empty()) sheet_.refusal = why;
    }

    void Line(std::string_view line) {
        std::string_view rest = line;
        const std::string keyword = Upper(NextWord(rest));
        if (keyword == "FILE")
            File(rest);
        else if (keyword == "TRACK")
            Track(rest);
    }

    void File(std::string_view rest) {
        if (++files_ > 1) return Refuse("more than one FILE line");
        if (!sheet_.sectorBytes.empty()) return Refuse("a FILE line after a TRACK line");
        const std::string_view name = NextWord(rest);
        const std::string type = Upper(NextWord(rest));
        if (name.empty() || type != "BINARY" || !NextWord(rest).empty())
            return Refuse("the FILE line must name one BINARY file");
        const std::filesystem::path named = (cuePath_.parent_path() / std::string(name)).lexically_normal();
        if (named != BinPathOf(cuePath_).lexically_normal())
            return Refuse("the FILE line must name " + BinPathOf(cuePath_).filename().string());
    }

    void Track(std::string_view rest) {
        const std::string_view numberText = NextWord(rest);
        const std::optional<int> number = TrackNumber(numberText);
        const std::string mode = Upper(NextWord(rest));
        const std::optional<int> bytes = SectorBytesOfMode(mode);
        const std::string what = "TRACK " + std::string(numberText);
        if (files_ == 0) return Refuse(what + " before the FILE line");
        if (!number || *number < 1 || *number > kMaxTrackNumber) return Refuse(what + ": numbers run from 1 to 99");
        if (sheet_.sectorBytes.empty() && *number > kMaxFirstTrackNumber)
            return Refuse(what + ": the first track must be numbered 63 or lower");
        if (!sheet_.sectorBytes.empty() && *number != previous_ + 1)
            return Refuse(what + ": tracks must be numbered one after another");
        if (!bytes) return Refuse(what + ": unknown mode " + mode);
        if (mode == "AUDIO" && shortSectorsBefore_) return Refuse(what + ": sound after a track of short sectors");
        previous_ = *number;
        sheet_.sectorBytes.push_back(*bytes);
        if (*bytes != kFullSectorBytes) shortSectorsBefore_ = true;
    }

    const std::filesystem::path& cuePath_;
    CueSheet sheet_;
    int files_ = 0;
    int previous_ = 0;
    bool shortSectorsBefore_ = false;
};

}  // namespace

std::filesystem::path BinPathOf(const std::filesystem::path& cuePath) {
    std::string bin = cuePath.string();
    if (bin.size() >= 3) bin.replace(bin.size() - 3, 3, bin.compare(bin.size() - 3, 3, "CUE") == 0 ? "BIN" : "bin");
    return bin;
}

CueSheet CheckCueSheet(std::string_view text, const std::filesystem::path& cuePath) {
    return SheetReader(cuePath).Read(text);
}

CueSheet ReadCueSheet(const std::filesystem::path& cuePath) {
    std::ifstream in(cuePath, std::ios::binary);
    if (!in) return {std::string("cannot be read: ") + std::strerror(errno), {}};
    std::string text(kMaxSheetBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxSheetBytes) return {"larger than 64 KiB", {}};
    if (in.bad()) return {"cannot be read", {}};
    return CheckCueSheet(text, cuePath);
}

}  // namespace platform::cdrom::detail
