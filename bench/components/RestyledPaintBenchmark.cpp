// A full repaint of a window holding every kind of restyled control, in the classic look and in the flat look,
// on the headless presenter. Target: the flat look costs at most twice the classic paint.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/controls/SpeedButton.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/Form.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Presenter.h"
#include "trackmill/components/FlatLook.h"

namespace {

using namespace framework;

// A shown form with two of every restyled kind, as the program's windows have them.
struct Gallery {
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;

    explicit Gallery(bool flat) {
        user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
        app = std::make_unique<TApplication>(nullptr);
        app->CreateForm(form);
        form->SetBounds(0, 0, 640, 400);
        for (int row = 0; row < 2; ++row) {
            const int y = row * 190;
            Add(new TButton(form), 10, y + 10, 80, 26, "确定");
            Add(new TBitBtn(form), 100, y + 10, 80, 26, "取消");
            Add(new TSpeedButton(form), 190, y + 10, 40, 26, "...");
            Add(new TCheckBox(form), 240, y + 10, 100, 20, "标准化");
            Add(new TRadioButton(form), 350, y + 10, 100, 20, "MP3");
            Add(new TComboBox(form), 10, y + 50, 150, 21, "");
            Add(new TEdit(form), 170, y + 50, 150, 21, "C:\\Music");
            Add(new TPanel(form), 10, y + 80, 150, 40, "面板");
            Add(new TGroupBox(form), 170, y + 80, 150, 60, "输出");
            Add(new TListView(form), 330, y + 50, 150, 90, "");
            Add(new TProgressBar(form), 10, y + 150, 300, 16, "");
        }
        form->Show();
        if (flat) (new components::TFlatLook(form))->SetActive(true);
        testdriver::PumpUntilIdle();
    }

    void Add(TControl* control, int left, int top, int width, int height, const char* caption) {
        control->SetParent(form);
        control->SetBounds(left, top, width, height);
        control->SetCaption(caption);
    }
};

void Repaint(benchmark::State& state, bool flat) {
    Gallery gallery(flat);
    for (auto _ : state) gallery.form->Repaint();
    state.counters["repaints_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_ClassicRepaint(benchmark::State& state) { Repaint(state, false); }
void BM_FlatRepaint(benchmark::State& state) { Repaint(state, true); }

}  // namespace

BENCHMARK(BM_ClassicRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlatRepaint)->Unit(benchmark::kMicrosecond);
