#include "platform/framework/forms/FolderBrowser.h"

#include "platform/framework/forms/FolderBrowserForm.h"

namespace framework {

namespace {

TFolderResponder& Responder() {
    static TFolderResponder responder;
    return responder;
}

}  // namespace

TFolderResponder SetFolderResponder(TFolderResponder responder) {
    return std::exchange(Responder(), std::move(responder));
}

bool SelectDirectory(const std::string& prompt, const std::string& root, std::string& directory) {
    if (Responder()) {
        const auto chosen = Responder()(prompt, directory);
        if (!chosen) return false;
        directory = *chosen;
        return true;
    }
    TFolderBrowserForm form(prompt, root, directory);
    if (form.ShowModal() != mrOk) return false;
    directory = form.Folder();
    return true;
}

}  // namespace framework
