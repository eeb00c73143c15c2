#pragma once
// Choosing a folder: a prompt, the file-system folders from the root down, a preselected folder. Tests answer it
// through a responder instead of a user.
#include <functional>
#include <optional>
#include <string>

namespace framework {

// On OK, directory becomes the chosen folder and the result is true; Cancel leaves it as it was.
bool SelectDirectory(const std::string& prompt, const std::string& root, std::string& directory);

// Given the prompt and the preselected folder, the chosen folder or nothing for Cancel.
using TFolderResponder =
    std::function<std::optional<std::string>(const std::string& prompt, const std::string& initial)>;
TFolderResponder SetFolderResponder(TFolderResponder responder);

}  // namespace framework
