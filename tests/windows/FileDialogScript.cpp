#include "FileDialogScript.h"

#include <gtest/gtest.h>

FileDialogScript::FileDialogScript() {
    previous_ = framework::SetFileDialogResponder([this](const framework::TOpenDialog& dialog) {
        shown_.push_back({dialog.IsSaveDialog(), dialog.Title(), dialog.StartFolder()});
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << dialog.Title();
            return std::optional<std::vector<std::string>>();
        }
        const std::string path = answers_.front();
        answers_.pop_front();
        if (path.empty()) return std::optional<std::vector<std::string>>();
        return std::optional<std::vector<std::string>>(std::vector<std::string>{path});
    });
}

FileDialogScript::~FileDialogScript() {
    framework::SetFileDialogResponder(previous_);
    if (!answers_.empty()) ADD_FAILURE() << answers_.size() << " file dialog answers were not used";
}
