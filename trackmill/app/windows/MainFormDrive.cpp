// The main window's CD drive: opening it, telling an audio CD, listing its tracks and their database titles.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/cdrom/CdAudio.h"
#include "platform/cdrom/DriveLetters.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/StatusBar.h"
#include "trackmill/app/jobs/CloseCDIfOpen.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/texts/DriveText.h"
#include "trackmill/app/windows/CddbTitles.h"
#include "trackmill/app/windows/MainForm.h"
#include "trackmill/app/windows/TrackRow.h"

using namespace framework;
namespace cd = platform::cdrom;

namespace {

constexpr int MaxDrives = 8;
constexpr int AudioReadParameter = 36;
constexpr std::size_t DriveTextLength = 26;
constexpr int CddbRecordCapacity = 32000;
constexpr int TitleColumn = 1;

// A public CD database that answers this protocol over HTTP at the path below; TRACKMILL_CDDB_SERVER names another
// server for a run.
constexpr const char* CddbServerHost = "gnudb.gnudb.org";
constexpr const char* CddbQueryPath = "/~cddb/cddb.cgi";
constexpr const char* CddbEmail = "trackmill@localhost";
constexpr const char* CddbClient = "program 1.0";

TocTime TimeOf(const cd::TTocEntry& entry) { return {entry.addr[1], entry.addr[2]}; }

void SetTitle(TListItem& item, const std::string& title) {
    TStringList cells;
    cells.Add(title);
    for (int i = 1; i < item.SubItems().Count(); ++i) cells.Add(item.SubItems().Strings(i));
    item.SubItems().Assign(cells);
}

}  // namespace

std::uint32_t TMainForm::OpenCDDrive(std::int32_t Index) {
    cd::TCDList list{};
    list.max = MaxDrives;
    cd::GetCDList(&list);
    if (list.num == 0) {
        SetStatusText("没有找到光驱!");
        return 0;
    }
    if (Index < 0 || Index >= list.num) {
        SetStatusText("您的配置文件中光驱信息有误!");
        return 0;
    }
    const cd::TCDDriveInfo& drive = list.cd[Index];
    SetStatusText(DriveText(drive).substr(0, DriveTextLength));

    cd::TGetCDHandleParams request{};
    request.size = sizeof request;
    request.ver = 1;
    request.ha = drive.ha;
    request.tgt = drive.tgt;
    request.lun = drive.lun;
    cd::HCDROM handle = cd::GetCDHandle(&request);
    if (handle == 0) {
        // Another program may hold the drive through a stale low handle: free one and try once more.
        for (std::uint32_t stale = 1; stale <= 10; ++stale) {
            if (CloseCDIfOpen(stale)) {
                handle = cd::GetCDHandle(&request);
                break;
            }
        }
    }
    if (handle == 0) SetStatusText("获得CD句柄错误！");
    return handle;
}

bool TMainForm::IsAudioCDPresent() const {
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const char root[] = {letter, ':', '\\', '\0'};
        if (win::GetDriveTypeA(root) != win::DRIVE_CDROM) continue;
        char volume[64] = {};
        win::DWORD maxComponent = 0;
        win::DWORD flags = 0;
        if (!win::GetVolumeInformationA(root, volume, sizeof volume, nullptr, &maxComponent, &flags, nullptr, 0))
            return false;
        return std::strcmp(volume, "Audio CD") == 0;
    }
    return false;
}

void TMainForm::ReadTrackList() {
    if (FCDHandle == 0) return;
    cd::ModifyCDParms(FCDHandle, AudioReadParameter, 1);
    ListView1->ClearItems();
    cd::TTableOfContents toc{};
    if (cd::ReadTOC(FCDHandle, &toc) != 1) {
        SetStatusText("没有读取到CD信息！");
        return;
    }
    const int first = toc.firstTrack;
    const int last = toc.lastTrack;
    // Entries count from the disc's own first track, which need not be 1; the one after the last is the lead-out.
    bool anyAudio = false;
    for (int t = first; t <= last && t - first + 1 < cd::MAX_TOC_ENTRIES; ++t) {
        const cd::TTocEntry& entry = toc.tracks[t - first];
        const TrackRowTexts row = MakeTrackRow(t, TimeOf(entry), TimeOf(toc.tracks[t - first + 1]));
        TListItem* item = ListView1->AddItem();
        item->SetCaption(std::to_string(t));
        item->SubItems().Add(row.Title);
        item->SubItems().Add(row.Length);
        item->SubItems().Add(row.Size);
        // A data track keeps its row, so the numbering stays the disc's, but is not offered for ripping.
        const bool audio = (entry.adrControl & cd::TOC_DATA_TRACK) == 0;
        item->SetChecked(audio);
        anyAudio = anyAudio || audio;
    }
    ListView1->Columns(TitleColumn)->SetAlignment(taCenter);
    if (anyAudio) NoteAudioTracksListed();
    if (Options.CDDb) QueryCDDB(first, last);
}

void TMainForm::QueryCDDB(int First, int Last) {
    cd::CDDBSetOption(cd::CDDB_OPT_SERVER, CddbServerHost, 0);
    cd::CDDBSetOption(cd::CDDB_OPT_QUERY_PATH, CddbQueryPath, 0);
    cd::CDDBSetOption(cd::CDDB_OPT_EMAIL, CddbEmail, 0);
    cd::CDDBSetOption(cd::CDDB_OPT_CLIENT, CddbClient, 0);

    std::vector<cd::TCDDBQueryItem> items(cd::MAX_CDDB_MATCHES, cd::TCDDBQueryItem{});
    cd::TCDDBQuery query;
    query.num = cd::MAX_CDDB_MATCHES;
    query.q = items.data();
    if (cd::CDDBQuery(FCDHandle, &query) != 1 || query.num <= 0) return;

    std::vector<char> record(CddbRecordCapacity);
    const int matches = std::min(query.num, cd::MAX_CDDB_MATCHES);
    for (int match = 0; match < matches; ++match) {
        std::fill(record.begin(), record.end(), '\0');
        if (cd::CDDBGetDiskInfo(&items[static_cast<std::size_t>(match)], record.data(), CddbRecordCapacity) != 1)
            continue;
        record.back() = '\0';
        const std::map<int, std::string> titles = CddbTrackTitles(record.data());
        if (titles.empty()) continue;
        ListView1->Columns(TitleColumn)->SetAlignment(taLeftJustify);
        for (int t = First; t <= Last && t - First < ListView1->ItemCount(); ++t) {
            const auto title = titles.find(t - First);
            if (title != titles.end()) SetTitle(*ListView1->Items(t - First), title->second);
        }
        ListView1->Changed();
        return;
    }
}

void TMainForm::ReopenCDDrive(std::int32_t Index) {
    // The old handle goes first, so the drive is never held twice.
    if (!CloseCDIfOpen(FCDHandle)) SetStatusText("关闭CD句柄错误!");
    FCDHandle = 0;
    ListView1->ClearItems();
    FCDHandle = OpenCDDrive(Index);
    ReadTrackList();
}

void TMainForm::NoteAudioTracksListed() { FNoAudioCD = false; }
