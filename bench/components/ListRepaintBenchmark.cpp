// A repaint of a track list holding 99 tracks, laid out as the main window's list (four columns, check boxes, whole
// rows selected, restyled by the flat look), on the headless presenter. The rows overflow the list, so every repaint
// draws the scroll bar too. Target: at most half of what the list cost when its scroll track was drawn pixel by pixel.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/framework/controls/ListView.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/Form.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Presenter.h"
#include "trackmill/components/FlatLook.h"

namespace {

using namespace framework;

struct TrackList {
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TListView* list = nullptr;

    TrackList() {
        user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
        app = std::make_unique<TApplication>(nullptr);
        app->CreateForm(form);
        form->SetBounds(0, 0, 545, 480);
        list = new TListView(form);
        list->SetParent(form);
        list->SetBounds(10, 41, 517, 361);
        list->SetCheckboxes(true);
        list->SetRowSelect(true);
        list->Font().SetName("宋体");
        list->Font().SetHeight(-12);
        const std::pair<const char*, int> columns[] = {
            {"编号", 90}, {"标题", 230}, {"长度(分钟)", 100}, {"大小(MB)", 90}};
        for (const auto& [caption, width] : columns) {
            TListColumn* column = list->AddColumn();
            column->SetCaption(caption);
            column->SetWidth(width);
            if (column != list->Columns(0)) column->SetAlignment(taCenter);
        }
        for (int track = 1; track <= 99; ++track) {
            TListItem* item = list->AddItem();
            item->SetCaption("音轨" + std::to_string(track));
            item->SubItems().Add("Track " + std::to_string(track));
            item->SubItems().Add("04:" + std::to_string(10 + track % 50));
            item->SubItems().Add(std::to_string(30 + track % 20) + ".25");
            item->SetChecked(track % 3 != 0);
        }
        form->Show();
        (new components::TFlatLook(form))->SetActive(true);
        testdriver::PumpUntilIdle();
    }
};

void BM_TrackListRepaint(benchmark::State& state) {
    TrackList tracks;
    for (auto _ : state) tracks.list->Repaint();
    state.counters["repaints_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_TrackListRepaint)->Unit(benchmark::kMicrosecond);
