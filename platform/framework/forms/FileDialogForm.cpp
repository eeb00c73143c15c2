#include "platform/framework/forms/FileDialogForm.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/framework/FileSystem.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/forms/OpenDialog.h"

namespace framework {

namespace {

template <class Control>
Control* Add(TCustomForm* form, int x, int y, int width, int height, const char* caption) {
    auto* control = new Control(form);
    control->SetParent(form);
    control->SetBounds(x, y, width, height);
    if (caption) control->SetCaption(caption);
    return control;
}

}  // namespace

TFileDialogForm::TFileDialogForm(TOpenDialog& dialog)
    : TCustomForm(nullptr), dialog_(dialog), filters_(ParseFileFilter(dialog.Filter())) {
    SetCaption(!dialog.Title().empty() ? dialog.Title() : dialog.IsSaveDialog() ? "另存为" : "打开");
    SetBorderStyle((dialog.Options() & ofEnableSizing) ? bsSizeable : bsDialog);
    SetPosition(poScreenCenter);
    Font().SetName("宋体");
    Font().SetHeight(-12);
    SetClientSize(420, 300);

    Add<TLabel>(this, 8, 12, 60, 13, "查找范围:");
    folderBox_ = Add<TEdit>(this, 72, 8, 340, 21, nullptr);
    folderBox_->SetReadOnly(true);
    list_ = Add<TListView>(this, 8, 36, 404, 180, nullptr);
    list_->SetMultiSelect((dialog.Options() & ofAllowMultiSelect) != 0);
    list_->SetRowSelect(true);
    TListColumn* column = list_->AddColumn();
    column->SetCaption("名称");
    column->SetWidth(380);
    list_->OnClick = TNotifyEvent::Bind<&TFileDialogForm::ListClicked>(this);
    list_->OnDblClick = TNotifyEvent::Bind<&TFileDialogForm::ListDoubleClicked>(this);
    Add<TLabel>(this, 8, 228, 60, 13, "文件名:");
    nameBox_ = Add<TEdit>(this, 72, 224, 250, 21, nullptr);
    nameBox_->SetText(ExtractName(dialog.FileName()));
    Add<TLabel>(this, 8, 256, 60, 13, "文件类型:");
    filterBox_ = Add<TComboBox>(this, 72, 252, 250, 21, nullptr);
    filterBox_->SetStyle(csDropDownList);
    for (const FileFilterEntry& entry : filters_) filterBox_->Items().Add(entry.label);
    filterBox_->SetItemIndex(std::clamp(dialog.FilterIndex() - 1, 0, std::max(0, filterBox_->Items().Count() - 1)));
    filterBox_->OnChange = TNotifyEvent::Bind<&TFileDialogForm::FilterChanged>(this);
    auto* ok = Add<TButton>(this, 332, 222, 80, 25, dialog.IsSaveDialog() ? "保存(&S)" : "打开(&O)");
    ok->SetDefault(true);
    ok->OnClick = TNotifyEvent::Bind<&TFileDialogForm::OkClicked>(this);
    auto* cancel = Add<TButton>(this, 332, 252, 80, 25, "取消");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    ShowFolder(dialog.StartFolder());
    SetActiveControl(nameBox_);
}

std::string TFileDialogForm::ExtractName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void TFileDialogForm::ShowFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    folder_ = ExistingFolder(folder);
    folderBox_->SetText(folder_);
    list_->ClearItems();
    const int filter = filterBox_->ItemIndex();
    const std::vector<std::string> patterns = filter >= 0 && filter < static_cast<int>(filters_.size())
                                                  ? filters_[static_cast<std::size_t>(filter)].patterns
                                                  : std::vector<std::string>{};
    std::vector<std::string> folders{".."};
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder_, error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.') continue;
        if (entry.is_directory(error)) {
            folders.push_back(name + "/");
        } else if (MatchesAnyPattern(name, patterns)) {
            files.push_back(name);
        }
    }
    std::sort(folders.begin() + 1, folders.end());
    std::sort(files.begin(), files.end());
    for (const auto* group : {&folders, &files})
        for (const std::string& name : *group) list_->AddItem()->SetCaption(name);
}

void TFileDialogForm::ListClicked(TObject*) {
    std::string names;
    for (int i = 0; i < list_->ItemCount(); ++i) {
        const std::string& name = list_->Items(i)->Caption();
        if (!list_->Items(i)->Selected() || name.back() == '/' || name == "..") continue;
        names += names.empty() ? name : " " + name;
    }
    if (!names.empty()) nameBox_->SetText(names);
}

void TFileDialogForm::ListDoubleClicked(TObject*) {
    TListItem* item = list_->Selected();
    if (!item) return;
    const std::string& name = item->Caption();
    if (name == "..") {
        const std::filesystem::path parent = std::filesystem::path(folder_).parent_path();
        ShowFolder(parent.empty() ? "/" : parent.string());
    } else if (name.back() == '/') {
        ShowFolder((std::filesystem::path(folder_) / name.substr(0, name.size() - 1)).string());
    } else {
        OkClicked(this);
    }
}

void TFileDialogForm::FilterChanged(TObject*) {
    dialog_.SetFilterIndex(filterBox_->ItemIndex() + 1);
    ShowFolder(folder_);
}

void TFileDialogForm::OkClicked(TObject*) {
    std::vector<std::string> names;
    if (list_->MultiSelect()) {
        for (int i = 0; i < list_->ItemCount(); ++i) {
            const std::string& name = list_->Items(i)->Caption();
            if (list_->Items(i)->Selected() && name.back() != '/' && name != "..") names.push_back(name);
        }
    }
    if (names.empty() && !nameBox_->Text().empty()) names.push_back(nameBox_->Text());
    if (names.empty()) return;
    if (names.size() == 1 && std::filesystem::is_directory(std::filesystem::path(folder_) / names.front())) {
        ShowFolder((std::filesystem::path(folder_) / names.front()).lexically_normal().string());
        nameBox_->SetText("");
        return;
    }
    dialog_.Accept(names, folder_);
    SetModalResult(mrOk);
}

}  // namespace framework
