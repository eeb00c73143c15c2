#include "platform/framework/controls/Picture.h"

namespace framework {

void TPicture::LoadFromFile(const std::string& path) { bitmap_.LoadFromFile(path); }

}  // namespace framework
