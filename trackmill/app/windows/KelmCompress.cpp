#include "trackmill/app/windows/KelmCompress.h"

#include "platform/framework/FileNames.h"
#include "platform/framework/TStringList.h"
#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/forms/FolderBrowser.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/framework/forms/OpenDialog.h"
#include "trackmill/app/jobs/KelmCommandPrefix.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/options/StorableFolder.h"
#include "trackmill/app/options/WritableFiles.h"
#include "trackmill/app/texts/FileSizeText.h"
#include "trackmill/app/texts/PathSlash.h"
#include "trackmill/app/windows/KelmProcess.h"

using namespace framework;

namespace {

const char* const LarkRates[] = {"12K bps", "16K bps", "24K bps"};
const char* const FinchRates[] = {"16K bps", "20K bps", "24K bps"};
// Selected when the model changes: the best rate of each.
constexpr int ModelChangeRate = 2;

}  // namespace

TfrmKelmCompress::TfrmKelmCompress(TComponent* Owner) : TForm(Owner) { BuildLayout(); }

TfrmKelmCompress::~TfrmKelmCompress() {
    // The base form outlives this part of the object: none of its events may reach these handlers any more.
    OnShow = {};
}

bool TfrmKelmCompress::FillRates(int modelIndex) {
    const char* const* rates = modelIndex == LarkModel ? LarkRates : modelIndex == FinchModel ? FinchRates : nullptr;
    if (!rates) return false;
    cbRate->Items().Clear();
    for (int i = 0; i < 3; ++i) cbRate->Items().Add(rates[i]);
    return true;
}

void TfrmKelmCompress::FormShow(TObject*) {
    if (Options.OutputIndex == 0) {
        RadioButton1->SetChecked(true);
        RadioButton1Click(RadioButton1);
    } else if (Options.OutputIndex == 1) {
        RadioButton2->SetChecked(true);
        eDest->SetEnabled(true);
        bBrowse->SetEnabled(true);
        // No folder yet: where the program may write, as for every other output.
        if (Options.KelmOutputFolder.empty()) Options.KelmOutputFolder = WritableFolder();
    }
    // Shown in every mode, so that a click on "以下目录" takes back the folder chosen before.
    eDest->SetText(Options.KelmOutputFolder);
    cbName->SetItemIndex(Options.EncodeName);
    FillRates(Options.EncodeName);
    cbRate->SetItemIndex(Options.EncodeRate);
}

void TfrmKelmCompress::RadioButton1Click(TObject*) {
    eDest->SetEnabled(false);
    bBrowse->SetEnabled(false);
    Options.OutputIndex = 0;
}

void TfrmKelmCompress::RadioButton2Click(TObject*) {
    eDest->SetEnabled(true);
    bBrowse->SetEnabled(true);
    Options.OutputIndex = 1;
    if (DestinationRefused()) return;
    Options.KelmOutputFolder = eDest->Text();
}

void TfrmKelmCompress::eDestChange(TObject*) {
    // The folder shown beside the selected "以下目录" is the one the outputs go to, typed or chosen; one that
    // options.ini cannot keep is refused when it is taken (a click on "以下目录" or "压缩"), not while typing.
    if (RadioButton2->Checked() && FolderStorable(eDest->Text())) Options.KelmOutputFolder = eDest->Text();
}

bool TfrmKelmCompress::DestinationRefused() {
    if (!RadioButton2->Checked() || FolderStorable(eDest->Text())) return false;
    win::MessageBox(Handle(), FolderNotStorableText, "错误", win::MB_ICONERROR);
    eDest->SetFocus();
    return true;
}

void TfrmKelmCompress::bBrowseClick(TObject*) {
    std::string folder = ProgramFolder();
    if (!SelectDirectory("请选择压缩后目标文件的路径", "/", folder)) return;
    if (!FolderStorable(folder)) {
        win::MessageBox(Handle(), FolderNotStorableText, "错误", win::MB_ICONERROR);
        return;
    }
    eDest->SetText(folder);
    Options.KelmOutputFolder = AppendPathSlash(folder);
}

void TfrmKelmCompress::bAddClick(TObject*) {
    OpenDialog1->SetFilter("Index files (*.wav)|*.wav|All files (*.*)|*.*");
    if (!OpenDialog1->Execute()) return;
    const std::string path = OpenDialog1->FileName();
    TListItem* row = lvSource->AddItem();
    row->SetCaption(ExtractFileName(path));
    row->SubItems().Add(ExtractFilePath(path));
    row->SubItems().Add(GetFileSizeText(path));
}

void TfrmKelmCompress::aDeleteExecute(TObject*) {
    for (int i = lvSource->ItemCount() - 1; i >= 0; --i)
        if (lvSource->Items(i)->Selected()) lvSource->DeleteItem(i);
}

void TfrmKelmCompress::aDeleteUpdate(TObject*) { bDelete->SetEnabled(lvSource->SelCount() > 0); }

void TfrmKelmCompress::aClearExecute(TObject*) { lvSource->ClearItems(); }

void TfrmKelmCompress::aClearUpdate(TObject*) { bClear->SetEnabled(lvSource->ItemCount() > 0); }

void TfrmKelmCompress::cbNameChange(TObject*) {
    const std::string& model = cbName->Text();
    const int modelIndex = model == "Lark" ? LarkModel : model == "Finch" ? FinchModel : -1;
    if (FillRates(modelIndex)) {
        cbRate->SetItemIndex(ModelChangeRate);
        // The rate now shown is the one a run takes, and the one the next opening shows.
        Options.EncodeRate = ModelChangeRate;
    }
    Options.EncodeName = cbName->ItemIndex();
}

void TfrmKelmCompress::cbRateChange(TObject*) { Options.EncodeRate = cbRate->ItemIndex(); }

void TfrmKelmCompress::bCompressClick(TObject*) {
    if (lvSource->ItemCount() == 0) return;
    if (DestinationRefused()) return;
    // A model or rate typed into the combos that names none of their items runs nothing, and the user hears why.
    if (cbName->ItemIndex() != LarkModel && cbName->ItemIndex() != FinchModel) {
        NotAnItemBox(cbName->Text(), "没有名为“%s”的压缩方法，请从列表中选择！", "请从列表中选择压缩方法！");
        return;
    }
    const std::string prefix = KelmCommandPrefix(cbName->ItemIndex(), cbRate->ItemIndex());
    if (prefix.empty()) {
        NotAnItemBox(cbRate->Text(), "没有“%s”这一压缩速率，请从列表中选择！", "请从列表中选择压缩速率！");
        return;
    }
    TStringList files;
    for (int i = 0; i < lvSource->ItemCount(); ++i) {
        TListItem* row = lvSource->Items(i);
        files.Add(row->SubItems().Strings(0) + row->Caption());
    }
    TfrmKelmProcess process(this, prefix, files);
    process.ShowModal();
}

void TfrmKelmCompress::bCloseClick(TObject*) { Close(); }

void TfrmKelmCompress::NotAnItemBox(const std::string& typed, const std::string& named, const char* unnamed) {
    std::string text = unnamed;
    if (!typed.empty()) {
        text = named;
        text.replace(text.find("%s"), 2, typed);
    }
    win::MessageBox(Handle(), text.c_str(), "提示", win::MB_OK | win::MB_ICONINFORMATION);
}
