#include "platform/framework/forms/FolderBrowserForm.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/framework/FileSystem.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ListView.h"

namespace framework {

TFolderBrowserForm::TFolderBrowserForm(const std::string& prompt, const std::string& root, const std::string& initial)
    : TCustomForm(nullptr), root_(root.empty() ? "/" : root) {
    SetCaption("浏览文件夹");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    Font().SetName("宋体");
    Font().SetHeight(-12);
    SetClientSize(320, 300);
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetBounds(8, 8, 300, 13);
    label->SetCaption(prompt);
    folderBox_ = new TEdit(this);
    folderBox_->SetParent(this);
    folderBox_->SetBounds(8, 28, 304, 21);
    folderBox_->SetReadOnly(true);
    list_ = new TListView(this);
    list_->SetParent(this);
    list_->SetBounds(8, 56, 304, 200);
    list_->SetRowSelect(true);
    list_->AddColumn()->SetWidth(280);
    list_->OnDblClick = TNotifyEvent::Bind<&TFolderBrowserForm::Open>(this);
    auto* ok = new TButton(this);
    ok->SetParent(this);
    ok->SetBounds(150, 266, 75, 25);
    ok->SetCaption("确定");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    auto* cancel = new TButton(this);
    cancel->SetParent(this);
    cancel->SetBounds(237, 266, 75, 25);
    cancel->SetCaption("取消");
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    // A folder that went away opens its nearest parent that is still there, inside the root.
    const std::string start = initial.empty() ? root_ : ExistingFolder(initial);
    ShowFolder(Within(start, ExistingFolder(root_)) ? start : root_);
}

bool TFolderBrowserForm::Within(const std::string& folder, const std::string& root) {
    const std::string relative = std::filesystem::path(folder).lexically_relative(root).string();
    return !relative.empty() && relative.rfind("..", 0) != 0;
}

void TFolderBrowserForm::ShowFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    folder_ = fs::path(folder).lexically_normal().string();
    if (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
    folderBox_->SetText(folder_);
    list_->ClearItems();
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder_, error))
        if (entry.is_directory(error) && entry.path().filename().string().front() != '.')
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    if (folder_ != root_) list_->AddItem()->SetCaption("..");
    for (const std::string& name : names) list_->AddItem()->SetCaption(name);
}

void TFolderBrowserForm::Open(TObject*) {
    TListItem* item = list_->Selected();
    if (!item) return;
    if (item->Caption() == "..") {
        ShowFolder(std::filesystem::path(folder_).parent_path().string());
    } else {
        ShowFolder((std::filesystem::path(folder_) / item->Caption()).string());
    }
}

}  // namespace framework
