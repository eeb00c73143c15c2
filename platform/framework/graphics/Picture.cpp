#include "platform/framework/graphics/Picture.h"

namespace framework {

void TPicture::LoadFromFile(const std::string& path) { bitmap_.LoadFromFile(path); }

}  // namespace framework
