#include "platform/framework/forms/OpenDialog.h"

#include "platform/framework/FileNames.h"
#include "platform/framework/FileSystem.h"
#include "platform/framework/forms/FileDialogForm.h"

namespace framework {

namespace {

TFileDialogResponder& Responder() {
    static TFileDialogResponder responder;
    return responder;
}

// "wav", as layouts give it in any of the forms "wav", ".wav" and "*.wav".
std::string BareExtension(const std::string& extension) {
    const std::size_t start = extension.find_first_not_of("*.");
    return start == std::string::npos ? std::string() : extension.substr(start);
}

std::string Joined(const std::string& dir, const std::string& name) {
    if (!name.empty() && name.front() == '/') return name;
    if (dir.empty() || dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

}  // namespace

TFileDialogResponder SetFileDialogResponder(TFileDialogResponder responder) {
    return std::exchange(Responder(), std::move(responder));
}

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

std::string TOpenDialog::StartFolder() const {
    // A folder that went away since (or a name that never was one) opens its nearest parent that is still there.
    if (!initialDir_.empty()) return ExistingFolder(initialDir_);
    if (!ExtractFilePath(fileName_).empty()) return ExistingFolder(ExtractFilePath(fileName_));
    return ExistingFolder(".");
}

void TOpenDialog::Accept(const std::vector<std::string>& names, const std::string& dir) {
    files_.Clear();
    for (const std::string& name : names) {
        std::string path = Joined(dir, name);
        // A name typed without an extension gets the default one.
        const std::string base = ExtractFileName(path);
        const std::string extension = BareExtension(defaultExt_);
        if (!extension.empty() && base.find('.') == std::string::npos) path += "." + extension;
        files_.Add(ExpandFileName(path));
    }
    fileName_ = files_.Count() > 0 ? files_.Strings(0) : std::string();
}

bool TOpenDialog::Execute() {
    if (Responder()) {
        const auto chosen = Responder()(*this);
        if (!chosen || chosen->empty()) return false;
        Accept(*chosen, StartFolder());
        return true;
    }
    TFileDialogForm form(*this);
    return form.ShowModal() == mrOk;
}

}  // namespace framework
