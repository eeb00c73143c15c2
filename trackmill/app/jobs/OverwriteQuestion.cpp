#include "trackmill/app/jobs/OverwriteQuestion.h"

#include "platform/framework/forms/MessageBox.h"
#include "platform/user/Input.h"

bool AskOverwrite(const std::string& question) {
    return win::MessageBox(win::GetActiveWindow(), question.c_str(), "提示", win::MB_YESNO | win::MB_ICONINFORMATION) !=
           win::IDNO;
}
