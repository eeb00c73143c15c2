#include "trackmill/app/options/StorableFolder.h"

#include "platform/framework/TIniFile.h"

bool FolderStorable(const std::string& folder) { return framework::TIniFile::Storable(folder); }
